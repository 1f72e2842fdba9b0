// The arithmetic behind the usual conversions, inline so that every caller compiles it into its
// own code: the molad and the 19-year cycle, the postponements of Rosh Hashana, the month tables
// and the civil closed forms. engine/calendar.cpp keeps the rarer cases.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/calendar_date.h"

namespace plx::detail {

// ---- The Hebrew year: molad, cycle and postponements -----------------------------------------

// Bits 2, 5, 7, 10, 13, 16 and 18: the leap years of the 19-year cycle, indexed by (Y + 18) mod 19.
inline constexpr std::uint32_t kLeapYearBits = 337060;
inline constexpr int kPartsPerHour = 1080;
inline constexpr std::uint64_t kPartsPerDay = 24 * kPartsPerHour;
inline constexpr std::uint64_t kPartsPerMonth = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;
inline constexpr std::uint64_t kEpochMoladParts = 5 * kPartsPerHour + 204;  // 6 p.m. before day 1

// Index 0..18: the year's place in the 19-year cycle, (Y - 1) mod 19.
constexpr bool IsLeapIndex(std::uint32_t index) {
    return (kLeapYearBits >> index) & 1u;
}

// Whether the year before the one at `index` is a leap year: the leap bits moved up one place.
constexpr bool FollowsLeapIndex(std::uint32_t index) {
    constexpr std::uint32_t kFollowsLeapBits =
        ((kLeapYearBits << 1) | (kLeapYearBits >> 18)) & ((1u << 19) - 1);
    return (kFollowsLeapBits >> index) & 1u;
}

// Months of the 19-year cycle before each of its years.
inline constexpr std::array<std::uint16_t, 19> kMonthsIntoCycle = [] {
    std::array<std::uint16_t, 19> months{};
    for (unsigned rest = 0; rest < 19; ++rest)
        months[rest] = static_cast<std::uint16_t>(12u * rest + (7u * rest + 1u) / 19u);
    return months;
}();

// The year of the 19-year cycle (0..18) in which each of its 235 months falls.
inline constexpr std::array<std::uint8_t, 235> kCycleYearOfMonth = [] {
    std::array<std::uint8_t, 235> years{};
    for (unsigned month = 0, year = 0; month < 235; ++month) {
        while (year < 18 && month >= kMonthsIntoCycle[year + 1])
            ++year;
        years[month] = static_cast<std::uint8_t>(year);
    }
    return years;
}();

constexpr std::uint32_t MonthsBeforeCycleYear(std::uint32_t cycles, std::uint32_t rest) {
    return 235u * cycles + kMonthsIntoCycle[rest];
}

// A molad as the day it falls on (0 for DayNumber 1) and the chalakim since 6 p.m. of its eve.
struct MoladMoment {
    std::uint32_t day;
    int partsSinceEve;
};

constexpr MoladMoment MoladAfterMonths(std::uint32_t months) {
    const std::uint64_t parts = std::uint64_t{kPartsPerMonth} * months + kEpochMoladParts;
    const auto day = static_cast<std::uint32_t>(parts / kPartsPerDay);
    return {day, static_cast<int>(parts - std::uint64_t{day} * kPartsPerDay)};
}

constexpr int WeekdayOfDayIndex(std::uint32_t day) {
    return static_cast<int>((std::uint64_t{day} + 1u) % 7u) + 1;  // 64 bits: a shorter division
}

// A year by the months elapsed before it and its place in the 19-year cycle, which give its molad
// of Tishrei and whether it and the year before it are leap years.
struct CycleYear {
    std::uint32_t months;
    std::uint32_t index;  // (Y - 1) mod 19
};

// The year that follows `elapsed` years.
constexpr CycleYear CycleYearAfter(std::uint32_t elapsed) {
    const std::uint64_t years = elapsed;  // 64 bits: a shorter division
    const auto index = static_cast<std::uint32_t>(years % 19u);
    return {MonthsBeforeCycleYear(static_cast<std::uint32_t>(years / 19u), index), index};
}

constexpr CycleYear CycleYearOf(std::int32_t year) {
    return CycleYearAfter(static_cast<std::uint32_t>(year) - 1u);
}

constexpr std::uint32_t MonthsInCycleYear(std::uint32_t index) {
    return IsLeapIndex(index) ? 13u : 12u;
}

constexpr std::uint32_t NextCycleIndex(std::uint32_t index) {
    return index == 18u ? 0u : index + 1u;
}

constexpr CycleYear NextCycleYear(CycleYear y) {
    return {y.months + MonthsInCycleYear(y.index), NextCycleIndex(y.index)};
}

inline constexpr int kNoon = 18 * kPartsPerHour;
inline constexpr int kMondayAfterLeapLimit = 16789;  // 15 hours 589 parts
inline constexpr int kTuesdayOfCommonLimit = 9924;   // 9 hours 204 parts

// Days from the molad of Tishrei to Rosh Hashana, 0..2.
constexpr int RoshHashanaDelay(int weekday, int partsSinceEve, bool leapYear,
                               bool previousYearLeap) {
    int day = weekday;
    if (partsSinceEve >= kNoon) {
        ++day;
    } else if (previousYearLeap && weekday == 2 && partsSinceEve >= kMondayAfterLeapLimit) {
        ++day;
    } else if (!leapYear && weekday == 3 && partsSinceEve >= kTuesdayOfCommonLimit) {
        ++day;
    }
    if (day == 8 || day == 1 || day == 4 || day == 6)
        ++day;  // never Sunday, Wednesday, Friday
    return day - weekday;
}

// The limits of the rules cut the day from 6 p.m. into four stretches; the rules see no more.
constexpr int PartsStretch(int partsSinceEve) {
    return (partsSinceEve >= kTuesdayOfCommonLimit ? 1 : 0) +
           (partsSinceEve >= kMondayAfterLeapLimit ? 1 : 0) + (partsSinceEve >= kNoon ? 1 : 0);
}

// The delay by place in the 19-year cycle, weekday of the molad and stretch: one lookup instead of
// the rules' jumps, which across years go either way at random and cost more when mispredicted.
inline constexpr auto kRoshHashanaDelays = [] {
    constexpr int kStretchStart[4] = {0, kTuesdayOfCommonLimit, kMondayAfterLeapLimit, kNoon};
    std::array<std::array<std::array<std::uint8_t, 4>, 7>, 19> delays{};
    for (std::uint32_t index = 0; index < 19; ++index) {
        const bool previousLeap = FollowsLeapIndex(index);
        for (int weekday = 1; weekday <= 7; ++weekday) {
            for (int stretch = 0; stretch < 4; ++stretch) {
                delays[index][weekday - 1][stretch] = static_cast<std::uint8_t>(RoshHashanaDelay(
                    weekday, kStretchStart[stretch], IsLeapIndex(index), previousLeap));
            }
        }
    }
    return delays;
}();

struct MoladOfTishrei {
    MoladMoment molad;
    int weekday;
    int delay;  // days to Rosh Hashana
};

// The molad of Tishrei of the year at `index` of the cycle, with its weekday and postponement.
constexpr MoladOfTishrei TishreiAt(MoladMoment molad, std::uint32_t index) {
    const int weekday = WeekdayOfDayIndex(molad.day);
    return {molad, weekday,
            kRoshHashanaDelays[index][static_cast<std::size_t>(weekday - 1)]
                              [static_cast<std::size_t>(PartsStretch(molad.partsSinceEve))]};
}

constexpr MoladOfTishrei TishreiOf(CycleYear y) {
    return TishreiAt(MoladAfterMonths(y.months), y.index);
}

// The DayNumber of 1 Tishrei: the day of the molad plus the postponement.
constexpr DayNumber FirstDayAfter(const MoladOfTishrei& tishrei) {
    return static_cast<DayNumber>(tishrei.molad.day) + 1 + tishrei.delay;
}

constexpr DayNumber FirstDayOf(CycleYear y) {
    return FirstDayAfter(TishreiOf(y));
}

// A Hebrew year by its first day and the first day of the next: all a conversion needs.
struct HebrewYearSpan {
    std::int32_t year;
    DayNumber first;
    DayNumber next;
};

// The year in which the molad of the month holding day n falls. 1 Tishrei comes up to two days
// after its molad, so the day belongs to this year or, in its last days, to the one before.
struct YearOfMolad {
    std::int32_t year;
    CycleYear cycle;
};

constexpr YearOfMolad HebrewYearOfMolad(DayNumber n) {
    const std::uint64_t months = (std::uint64_t{static_cast<std::uint32_t>(n - 1)} * kPartsPerDay +
                                  kPartsPerDay - 1 - kEpochMoladParts) /
                                 kPartsPerMonth;
    const auto cycles = static_cast<std::uint32_t>(months / 235u);  // 64 bits: a shorter division
    const std::uint32_t index = kCycleYearOfMonth[months % 235u];
    return {static_cast<std::int32_t>(19u * cycles + index + 1u),
            {MonthsBeforeCycleYear(cycles, index), index}};
}

// ---- Hebrew months ---------------------------------------------------------------------------

// Days before each month (index = month - 1) by year shape, row = kind - 1 + 3 * leap; the entry
// after the last month is the year length.
inline constexpr std::int16_t kHebrewDaysBefore[6][14] = {
    {0, 30, 59, 88, 117, 147, 176, 206, 235, 265, 294, 324, 353, 0},
    {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325, 354, 0},
    {0, 30, 60, 90, 119, 149, 178, 208, 237, 267, 296, 326, 355, 0},
    {0, 30, 59, 88, 117, 147, 177, 206, 236, 265, 295, 324, 354, 383},
    {0, 30, 59, 89, 118, 148, 178, 207, 237, 266, 296, 325, 355, 384},
    {0, 30, 60, 90, 119, 149, 179, 208, 238, 267, 297, 326, 356, 385},
};

// Row of the month tables by the year's length less 353 (353, 354, 355, 383, 384, 385).
inline constexpr std::array<std::uint8_t, 33> kShapeRowOfLength = [] {
    std::array<std::uint8_t, 33> rows{};
    for (int row = 0; row < 6; ++row) {
        const int length = kHebrewDaysBefore[row][row < 3 ? 12 : 13];
        rows[static_cast<std::size_t>(length - 353)] = static_cast<std::uint8_t>(row);
    }
    return rows;
}();

constexpr int ShapeRow(const HebrewYearSpan& span) {
    return kShapeRowOfLength[static_cast<std::size_t>(span.next - span.first - 353)];
}

// A day's month and day, in the order of CalendarDate, which then needs no shuffling.
struct DayAndMonth {
    std::uint8_t day;
    std::uint8_t month;
};

// The month (1-based) and day of every day of the year (offset 0 = 1 Tishrei), by year shape, so
// that a date in the year is one lookup.
struct DateOfDayTable {
    DayAndMonth date[6][385];
};

inline constexpr DateOfDayTable kHebrewDateOfDay = [] {
    DateOfDayTable table{};
    for (int row = 0; row < 6; ++row) {
        int month = 1;
        for (int offset = 0; offset < 385; ++offset) {
            while (month < 13 && offset >= kHebrewDaysBefore[row][month])
                ++month;
            const int day = offset - kHebrewDaysBefore[row][month - 1] + 1;
            table.date[row][offset] = {static_cast<std::uint8_t>(day),
                                       static_cast<std::uint8_t>(month)};
        }
    }
    return table;
}();

// The date `offset` days after 1 Tishrei of a year of the shape in `row` of the month tables.
constexpr CalendarDate DateAtOffset(int offset, int row, std::int32_t year) {
    const DayAndMonth date = kHebrewDateOfDay.date[row][offset];
    return {date.day, date.month, year};
}

constexpr CalendarDate DateInHebrewYear(DayNumber n, const HebrewYearSpan& span) {
    return DateAtOffset(n - span.first, ShapeRow(span), span.year);
}

// From Tevet on, the months of every kind of year of the same leap are the same: a month's first
// day stands the same number of days before the next year's first day. Those days are counted
// back from the next year alone, without the year's own first day.
inline constexpr int kKislev = 3;
inline constexpr int kTevet = 4;

constexpr int RegularYearRow(int leap) {
    return 1 + 3 * leap;
}

constexpr int RegularYearLength(int leap) {
    return 354 + 30 * leap;
}

inline constexpr auto kDaysFromMonthToYearEnd = [] {
    std::array<std::array<std::int16_t, 13>, 2> days{};
    for (int leap = 0; leap < 2; ++leap) {
        const auto& before = kHebrewDaysBefore[RegularYearRow(leap)];
        for (int month = kTevet; month <= 13; ++month)
            days[leap][month - 1] =
                static_cast<std::int16_t>(RegularYearLength(leap) - before[month - 1]);
    }
    return days;
}();

// Days from the first day of the year it counts from to the first of each month, by the leap of
// the month's year: Tishrei and Heshvan begin the same number of days after their own year's first
// day in every kind of year, the months from Tevet on the same number before the next year's.
// Kislev, which needs both, has no entry.
inline constexpr auto kMonthStartFromCountedYear = [] {
    std::array<std::array<std::int16_t, 13>, 2> days{};
    for (int leap = 0; leap < 2; ++leap) {
        days[leap][0] = kHebrewDaysBefore[0][0];
        days[leap][1] = kHebrewDaysBefore[0][1];
        for (int month = kTevet; month <= 13; ++month)
            days[leap][month - 1] =
                static_cast<std::int16_t>(-kDaysFromMonthToYearEnd[leap][month - 1]);
    }
    return days;
}();

// The year a month's first day is counted from: its own for Tishrei and Heshvan, the next from
// Tevet on.
constexpr CycleYear CountedYearOfMonth(std::int32_t year, int month) {
    return CycleYearAfter(static_cast<std::uint32_t>(year) - (month >= kTevet ? 0u : 1u));
}

// ---- Civil calendar --------------------------------------------------------------------------

inline constexpr int kJulianDayOfDayZero = 347997;
inline constexpr DayNumber kFirstGregorianDay = 1951164;  // 15 October 1582

constexpr bool IsDroppedReformDay(CalendarDate d) {
    return d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14;
}

// A day up to the 28th of a month well inside the range: a date that normalising leaves alone.
constexpr bool IsPlainCivilDate(CalendarDate civil) {
    return civil.year > kFirstCivilYear && civil.year < kLastCivilYear && civil.month >= 1 &&
           civil.month <= 12 && civil.day >= 1 && civil.day <= 28 && !IsDroppedReformDay(civil);
}

// Days from 1 March to the first of each month (1..12; 13 is the January after).
inline constexpr auto kDaysFromMarch = [] {
    std::array<std::uint16_t, 14> days{};
    for (unsigned month = 1; month <= 13; ++month)
        days[month] = static_cast<std::uint16_t>((153u * ((month + 9u) % 12u) + 2u) / 5u);
    return days;
}();

// The month and day of each day of a year counted from 1 March.
inline constexpr auto kCivilDateFromMarch = [] {
    std::array<DayAndMonth, 366> dates{};
    for (std::uint32_t dayOfYear = 0; dayOfYear < 366; ++dayOfYear) {
        const std::uint32_t m = (5u * dayOfYear + 2u) / 153u;  // 0 = March .. 11 = February
        const std::uint32_t day = dayOfYear - (153u * m + 2u) / 5u + 1u;
        dates[dayOfYear] = {static_cast<std::uint8_t>(day),
                            static_cast<std::uint8_t>(m >= 10 ? m - 9 : m + 3)};
    }
    return dates;
}();

// The civil date of a day count from the 1 March that opens the first 4-year cycle of the
// calendar (year -4800 counted astronomically); `centuryYears` adds the years the Gregorian
// centuries took off before it.
constexpr CalendarDate CivilDateInCycles(std::uint32_t days, std::uint32_t centuryYears) {
    const std::uint32_t cycleYears = (4u * days + 3u) / 1461u;
    const std::uint32_t dayOfYear = days - 1461u * cycleYears / 4u;  // from 1 March
    // A count far outside the calendar wraps around; it still stays inside the table.
    const DayAndMonth date = kCivilDateFromMarch[std::min(dayOfYear, 365u)];
    const int january = date.month <= 2 ? 1 : 0;  // January and February end the year from March
    int year = static_cast<int>(centuryYears + cycleYears) - 4800 + january;
    if (year < 1)
        --year;  // no year 0
    return {date.day, date.month, year};
}

// Julian calendar before the reform, Gregorian from it; defined for any n >= 0, so a Hebrew date
// whose day overflows its month carries into the neighbouring civil days.
constexpr CalendarDate CivilDateOfDay(DayNumber n) {
    const auto julianDay = static_cast<std::uint32_t>(n + kJulianDayOfDayZero);
    if (n < kFirstGregorianDay)
        return CivilDateInCycles(julianDay + 32082u, 0u);
    const std::uint32_t days = julianDay + 32044u;
    const std::uint32_t centuries = (4u * days + 3u) / 146097u;
    return CivilDateInCycles(days - 146097u * centuries / 4u, 100u * centuries);
}

}  // namespace plx::detail
