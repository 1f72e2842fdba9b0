// What a day is: its festival (or eve), Rosh Chodesh, and the list of event texts the calendar
// shows.
//
// Festivals are those kept in Israel; the extra days kept outside Israel appear as separate,
// labelled entries. Every function computes from the date alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar.h"
#include "engine/language.h"
#include "engine/year_shape.h"

namespace plx {

// The holiday kind: the halachic times choose between candle lighting and the end of the
// festival by it.
enum class DayKind : int {
    kOrdinary = 0,
    kEve = 1,               // erev of a festival
    kRoshHashanaFirst = 2,  // a festival day followed by a second festival day everywhere
    kFestival = 3,
};

// The festival a day belongs to (as the day itself or as its eve). The second days are those kept
// outside Israel; in Israel Shemini Atzeret is Simchat Torah.
enum class Festival : int {
    kNone = 0,
    kRoshHashana = 1,
    kRoshHashanaSecond = 2,
    kYomKippur = 3,
    kSukkot = 4,
    kSukkotSecond = 5,
    kSheminiAtzeret = 6,
    kSimchatTorahOutsideIsrael = 7,
    kPesach = 8,
    kPesachSecond = 9,
    kSeventhOfPesach = 10,
    kEighthOfPesach = 11,
    kShavuot = 12,
    kShavuotSecond = 13,
};

// A festival day or its eve, and its kind.
struct Holiday {
    Festival code = Festival::kNone;
    DayKind kind = DayKind::kOrdinary;

    friend constexpr bool operator==(const Holiday&, const Holiday&) = default;
};

Holiday HolidayCode(CalendarDate hebrew) noexcept;
Holiday HolidayCodeForCivilDate(CalendarDate civil) noexcept;

// The vocabulary's name of a festival or its eve; none for Festival::kNone and for an eve the
// festival does not have (a second day).
std::optional<std::u16string_view> HolidayName(Language language, Festival code,
                                               DayKind kind) noexcept;

enum class RoshChodeshDay : int { kNone = 0, kFirst = 1, kSecond = 2 };

// Whether the date is Rosh Chodesh: its first (or only) day, or the second of two.
RoshChodeshDay RoshChodeshKind(CalendarDate hebrew) noexcept;

// The texts of one civil day in the order they are shown, with the day's kind. Some entries can be
// the empty string (the English vocabulary has no text for the eve of Chanukah).
struct DayEventList {
    std::vector<std::u16string> entries;
    DayKind kind = DayKind::kOrdinary;
};

DayEventList DayEvents(Language language, CalendarDate civil);
DayEventList DayEvents(Language language, const DayFacts& day);

// The month view's highlight. It follows the event list closely but not exactly: it marks 18 Iyar
// and every 2 Elul, and leaves eves, Omer days, Bein HaMetzarim, Isru Chag and Sigd unmarked.
bool DayHasEvent(CalendarDate hebrew) noexcept;
bool DayHasEvent(CalendarDate hebrew, const YearShape& year) noexcept;

}  // namespace plx
