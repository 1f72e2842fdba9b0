// TEMPORARY stand-in until the stored list lands on main (the same names as
// app/stored_personal_dates.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/personal_dates.h"

namespace plx {

struct PersonalDate {
    std::int32_t key = 0;
    std::u16string name;
    PersonalKind kind = PersonalKind::Birthday;
    bool hebrewCalendar = true;
    CalendarDate date;
    bool afterSunset = false;
    std::u16string note;

    friend bool operator==(const PersonalDate&, const PersonalDate&) = default;
};
using PersonalDateList = std::vector<PersonalDate>;

enum class PersonalDateFault { None, EmptyName, NameCharacter, NoteCharacter, NoSuchDate };
PersonalDateFault CheckPersonalDate(const PersonalDate& date);
CalendarDate PersonalHebrewDateOf(const PersonalDate& date);

struct PersonalObservance {
    DayNumber day = 0;
    std::size_t index = 0;
};
std::vector<PersonalObservance> PersonalObservancesBetween(const PersonalDateList& dates,
                                                           AdarChoice adar, DayNumber first,
                                                           DayNumber last);
std::optional<DayNumber> NextPersonalObservance(const PersonalDate& date, AdarChoice adar,
                                                DayNumber day);

}  // namespace plx
