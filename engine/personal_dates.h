// Personal dates kept on the Hebrew calendar: birthdays, anniversaries and yahrzeits, and the
// day each is observed in a given Hebrew year.
//
// The rules are those of Reingold and Dershowitz, "Calendrical Calculations". A month is named,
// not numbered: Adar I of a leap year and Adar of a common year are one month ("Adar"); Adar II
// exists only in leap years. A 30th that the month lacks in the target year rolls to the 1st of
// the next month, except where a rule says otherwise.
#pragma once

#include <array>
#include <cstdint>

#include "engine/calendar_date.h"

namespace plx {

// Stored as "birthday", "yahrzeit", "anniversary" and "other".
enum class PersonalKind : std::uint8_t { Birthday, Yahrzeit, Anniversary, Other };

// Where a yahrzeit of a death in Adar of a common year falls in a leap year. Stored as 1, 2, 3.
enum class AdarChoice : std::uint8_t { AdarI = 1, AdarII = 2, Both = 3 };

// The days a personal date is observed in one Hebrew year: none, one, or two (a yahrzeit kept in
// both Adars, Adar I first).
struct Observances {
    std::array<DayNumber, 2> days{};
    int count = 0;

    const DayNumber* begin() const { return days.data(); }
    const DayNumber* end() const { return days.data() + count; }
};

// The Hebrew date of an event entered by its civil date; after sunset it is the next day's.
CalendarDate PersonalHebrewDate(CalendarDate civil, bool afterSunset) noexcept;

// A birthday (or an anniversary, or any other date) of `event` kept in Hebrew year `year`: none
// before the event's year, the event itself in its own year.
Observances BirthdayObservances(CalendarDate event, std::int32_t year) noexcept;

// A yahrzeit of a death on `death` kept in Hebrew year `year`: none in the year of the death or
// before it.
Observances YahrzeitObservances(CalendarDate death, std::int32_t year, AdarChoice adar) noexcept;

// The observances of a date of any kind (the Adar choice matters to yahrzeits alone).
Observances PersonalObservances(PersonalKind kind, CalendarDate hebrew, std::int32_t year,
                                AdarChoice adar) noexcept;

}  // namespace plx
