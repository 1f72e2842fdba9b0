// What a day is: its festival (or eve), Rosh Chodesh, and the list of event texts the calendar
// shows.
//
// Festivals are those kept in Israel; the extra days kept outside Israel appear as separate,
// labelled entries. Every function computes from the date alone.
#pragma once

#include <string>
#include <vector>

#include "engine/calendar.h"

namespace plx {

// The holiday kind: the halachic times choose between candle lighting and the end of the
// festival by it.
enum class DayKind : int {
    kOrdinary = 0,
    kEve = 1,               // erev of a festival
    kRoshHashanaFirst = 2,  // a festival day followed by a second festival day everywhere
    kFestival = 3,
};

// A festival day or its eve: code 1..13 (0 = none) and its kind.
struct Holiday {
    int code = 0;
    DayKind kind = DayKind::kOrdinary;

    friend constexpr bool operator==(const Holiday&, const Holiday&) = default;
};

Holiday HolidayCode(CalendarDate hebrew) noexcept;
Holiday HolidayCodeForCivilDate(CalendarDate civil) noexcept;

// The vocabulary's name of a festival or its eve (language 0 Hebrew, otherwise English);
// nullptr when the code is outside 1..13 or the festival has no eve of that code.
const char16_t* HolidayName(int language, int code, DayKind kind) noexcept;

// 0 not Rosh Chodesh, 1 the first (or only) day, 2 the second day.
int RoshChodeshKind(CalendarDate hebrew) noexcept;

// The texts of one civil day in the order they are shown, with the day's kind. Some entries can be
// the empty string (the English vocabulary has no text for the eve of Chanukah).
struct DayEventList {
    std::vector<std::u16string> entries;
    DayKind kind = DayKind::kOrdinary;
};

DayEventList DayEvents(int language, CalendarDate civil);

// The month view's highlight. It follows the event list closely but not exactly: it marks 18 Iyar
// and every 2 Elul, and leaves eves, Omer days, Bein HaMetzarim, Isru Chag and Sigd unmarked.
bool DayHasEvent(CalendarDate hebrew) noexcept;

}  // namespace plx
