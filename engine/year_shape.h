// The few numbers that decide where the movable days of a Hebrew year fall, the months named the
// same way in common and leap years, and a day with the facts of its Hebrew year.
#pragma once

#include <cstdint>

#include "engine/calendar.h"

namespace plx {

// Weekday (1 = Sunday) of 15 Nisan, which follows from the year's first weekday, kind and leap.
constexpr int PesachWeekday(int roshHashana, YearKind kind, bool leap) noexcept {
    return (static_cast<int>(kind) + roshHashana + (leap ? 2 : 0) - 1) % 7 + 1;
}

struct YearShape {
    std::int32_t year = 1;
    bool leap = false;
    int roshHashana = 2;  // weekday of 1 Tishrei: 2, 3, 5 or 7
    YearKind kind = YearKind::kDeficient;
    int pesach = 1;  // weekday of 15 Nisan
};

inline YearShape ShapeOfHebrewYear(std::int32_t year) noexcept {
    const bool leap = IsHebrewLeapYear(year) != 0;
    const int roshHashana = RoshHashanaWeekday(year);
    const YearKind kind = HebrewYearKind(year);
    return {year, leap, roshHashana, kind, PesachWeekday(roshHashana, kind, leap)};
}

// 353, 354 or 355 days, and 30 more in a leap year.
constexpr int YearLength(const YearShape& y) noexcept {
    return 352 + static_cast<int>(y.kind) + (y.leap ? 30 : 0);
}

// A civil day converted once: every text and field built for the day shares these.
struct DayFacts {
    CalendarDate civil;
    CalendarDate hebrew;
    DayNumber number = 1;
    YearShape year;
};

inline DayFacts FactsOfCivilDay(CalendarDate civil) noexcept {
    const DayNumber n = CivilToDayNumber(civil);
    const CalendarDate hebrew = DayNumberToHebrew(n);
    return {civil, hebrew, n, ShapeOfHebrewYear(hebrew.year)};
}

// Months by their common-year number, so that a rule names Nisan once for both kinds of year;
// Adar I exists in leap years only.
enum class HebrewMonth : int {
    kTishrei = 1,
    kHeshvan,
    kKislev,
    kTevet,
    kShevat,
    kAdar,
    kNisan,
    kIyar,
    kSivan,
    kTammuz,
    kAv,
    kElul,
    kAdarI,
};

constexpr HebrewMonth MonthOfYear(int month, bool leap) noexcept {
    if (leap && month == 6)
        return HebrewMonth::kAdarI;
    return static_cast<HebrewMonth>(leap && month > 6 ? month - 1 : month);
}

}  // namespace plx
