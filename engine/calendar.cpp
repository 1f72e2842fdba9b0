#include "engine/calendar.h"

#include <algorithm>
#include <array>

namespace plx {
namespace {

// Month lengths by year shape: row = kind - 1 + 3 * leap.
constexpr std::uint8_t kHebrewMonthLengths[6][13] = {
    {30, 29, 29, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 30, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 29, 29, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
};

// Days before each month (index = month - 1); the entry after the last month is the year length.
constexpr std::int16_t kHebrewDaysBefore[6][14] = {
    {0, 30, 59, 88, 117, 147, 176, 206, 235, 265, 294, 324, 353, 0},
    {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325, 354, 0},
    {0, 30, 60, 90, 119, 149, 178, 208, 237, 267, 296, 326, 355, 0},
    {0, 30, 59, 88, 117, 147, 177, 206, 236, 265, 295, 324, 354, 383},
    {0, 30, 59, 89, 118, 148, 178, 207, 237, 266, 296, 325, 355, 384},
    {0, 30, 60, 90, 119, 149, 179, 208, 238, 267, 297, 326, 356, 385},
};

constexpr std::uint8_t kCivilMonthLengths[3][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 19},  // the last supported year
};

constexpr std::int16_t kCivilDaysBefore[3][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 294, 324, 355},  // 1582, ten days dropped
};

// Bits 2, 5, 7, 10, 13, 16 and 18: the leap years of the 19-year cycle, indexed by (Y + 18) mod 19.
constexpr std::uint32_t kLeapYearBits = 337060;
constexpr int kPartsPerHour = 1080;
constexpr std::uint64_t kPartsPerDay = 24 * kPartsPerHour;
constexpr std::uint64_t kPartsPerMonth = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;
constexpr std::uint64_t kEpochMoladParts = 5 * kPartsPerHour + 204;  // after 6 p.m. before day 1

// The month (1-based) and day of every day of the year (offset 0 = 1 Tishrei), by year shape, so
// that a date in the year is one lookup.
struct DayAndMonth {  // in the order of CalendarDate, which then needs no shuffling
    std::uint8_t day;
    std::uint8_t month;
};

struct DateOfDayTable {
    DayAndMonth date[6][385];
};

constexpr DateOfDayTable MakeDateOfDayTable() {
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
}

constexpr DateOfDayTable kHebrewDateOfDay = MakeDateOfDayTable();

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
constexpr std::array<std::uint16_t, 19> kMonthsIntoCycle = [] {
    std::array<std::uint16_t, 19> months{};
    for (unsigned rest = 0; rest < 19; ++rest)
        months[rest] = static_cast<std::uint16_t>(12u * rest + (7u * rest + 1u) / 19u);
    return months;
}();

// The year of the 19-year cycle (0..18) in which each of its 235 months falls.
constexpr std::array<std::uint8_t, 235> kCycleYearOfMonth = [] {
    std::array<std::uint8_t, 235> years{};
    for (unsigned month = 0, year = 0; month < 235; ++month) {
        while (year < 18 && month >= kMonthsIntoCycle[year + 1])
            ++year;
        years[month] = static_cast<std::uint8_t>(year);
    }
    return years;
}();

std::uint32_t MonthsBeforeCycleYear(std::uint32_t cycles, std::uint32_t rest) {
    return 235u * cycles + kMonthsIntoCycle[rest];
}

// A molad as the day it falls on (0 for DayNumber 1) and the chalakim since 6 p.m. of its eve.
struct MoladMoment {
    std::uint32_t day;
    int partsSinceEve;
};

MoladMoment MoladAfterMonths(std::uint32_t months) {
    const std::uint64_t parts = std::uint64_t{kPartsPerMonth} * months + kEpochMoladParts;
    const auto day = static_cast<std::uint32_t>(parts / kPartsPerDay);
    return {day, static_cast<int>(parts - std::uint64_t{day} * kPartsPerDay)};
}

int WeekdayOfDayIndex(std::uint32_t day) {
    return static_cast<int>((std::uint64_t{day} + 1u) % 7u) + 1;  // 64 bits: a shorter division
}

// A year by the months elapsed before it and its place in the 19-year cycle, which give its molad
// of Tishrei and whether it and the year before it are leap years.
struct CycleYear {
    std::uint32_t months;
    std::uint32_t index;  // (Y - 1) mod 19
};

// The year that follows `elapsed` years.
CycleYear CycleYearAfter(std::uint32_t elapsed) {
    const std::uint64_t years = elapsed;  // 64 bits: a shorter division
    const auto index = static_cast<std::uint32_t>(years % 19u);
    return {MonthsBeforeCycleYear(static_cast<std::uint32_t>(years / 19u), index), index};
}

CycleYear CycleYearOf(std::int32_t year) {
    return CycleYearAfter(static_cast<std::uint32_t>(year) - 1u);
}

CycleYear NextCycleYear(CycleYear y) {
    return {y.months + 12u + (IsLeapIndex(y.index) ? 1u : 0u), y.index == 18u ? 0u : y.index + 1u};
}

constexpr int kNoon = 18 * kPartsPerHour;
constexpr int kMondayAfterLeapLimit = 16789;  // 15 hours 589 parts
constexpr int kTuesdayOfCommonLimit = 9924;   // 9 hours 204 parts

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
constexpr auto kRoshHashanaDelays = [] {
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

int WeekdayAfter(int weekday, int days) {
    const int later = weekday + days;
    return later > 7 ? later - 7 : later;
}

struct MoladOfTishrei {
    MoladMoment molad;
    int weekday;
    int delay;  // days to Rosh Hashana
};

[[gnu::always_inline]] inline MoladOfTishrei TishreiOf(CycleYear y) {
    const MoladMoment molad = MoladAfterMonths(y.months);
    const int weekday = WeekdayOfDayIndex(molad.day);
    return {molad, weekday,
            kRoshHashanaDelays[y.index][weekday - 1][PartsStretch(molad.partsSinceEve)]};
}

// The DayNumber of 1 Tishrei: the day of the molad plus the postponement. Inlined into the
// conversions, which can then work on a year and the next side by side.
[[gnu::always_inline]] inline DayNumber FirstDayOf(CycleYear y) {
    const MoladOfTishrei tishrei = TishreiOf(y);
    return static_cast<DayNumber>(tishrei.molad.day) + 1 + tishrei.delay;
}

DayNumber FirstDayOfHebrewYear(std::int32_t year) {
    return FirstDayOf(CycleYearOf(year));
}

// A Hebrew year by its first day and the first day of the next: all a conversion needs.
struct HebrewYearSpan {
    std::int32_t year;
    DayNumber first;
    DayNumber next;
};

HebrewYearSpan SpanOfHebrewYear(std::int32_t year) {
    const CycleYear y = CycleYearOf(year);
    return {year, FirstDayOf(y), FirstDayOf(NextCycleYear(y))};
}

// Row of the month tables by the year's length less 353 (353, 354, 355, 383, 384, 385).
constexpr std::array<std::uint8_t, 33> kShapeRowOfLength = [] {
    std::array<std::uint8_t, 33> rows{};
    for (int row = 0; row < 6; ++row) {
        const int length = kHebrewDaysBefore[row][row < 3 ? 12 : 13];
        rows[static_cast<std::size_t>(length - 353)] = static_cast<std::uint8_t>(row);
    }
    return rows;
}();

int ShapeRow(const HebrewYearSpan& span) {
    return kShapeRowOfLength[static_cast<std::size_t>(span.next - span.first - 353)];
}

int ShapeRow(std::int32_t year) {
    return ShapeRow(SpanOfHebrewYear(year));
}

CalendarDate MakeDate(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

// The date `offset` days after 1 Tishrei of a year of the shape in `row` of the month tables.
CalendarDate DateAtOffset(int offset, int row, std::int32_t year) {
    const DayAndMonth date = kHebrewDateOfDay.date[row][offset];
    return {date.day, date.month, year};
}

CalendarDate DateInHebrewYear(DayNumber n, const HebrewYearSpan& span) {
    return DateAtOffset(n - span.first, ShapeRow(span), span.year);
}

// From Tevet on, the months of every kind of year of the same leap are the same: a month's first
// day stands the same number of days before the next year's first day. Those days are counted
// back from the next year alone, without the year's own first day.
constexpr int kTevet = 4;

constexpr int RegularYearRow(int leap) {
    return 1 + 3 * leap;
}

constexpr int RegularYearLength(int leap) {
    return 354 + 30 * leap;
}

constexpr auto kDaysFromMonthToYearEnd = [] {
    std::array<std::array<std::int16_t, 13>, 2> days{};
    for (int leap = 0; leap < 2; ++leap) {
        const auto& before = kHebrewDaysBefore[RegularYearRow(leap)];
        for (int month = kTevet; month <= 13; ++month)
            days[leap][month - 1] =
                static_cast<std::int16_t>(RegularYearLength(leap) - before[month - 1]);
    }
    return days;
}();

// The year in which the molad of the month holding day n falls. 1 Tishrei comes up to two days
// after its molad, so the day belongs to this year or to the one before.
struct YearOfMolad {
    std::int32_t year;
    CycleYear cycle;
};

YearOfMolad HebrewYearOfMolad(DayNumber n) {
    const std::uint64_t months = (std::uint64_t{static_cast<std::uint32_t>(n - 1)} * kPartsPerDay +
                                  kPartsPerDay - 1 - kEpochMoladParts) /
                                 kPartsPerMonth;
    const auto cycles = static_cast<std::uint32_t>(months / 235u);  // 64 bits: a shorter division
    const std::uint32_t index = kCycleYearOfMonth[months % 235u];
    return {static_cast<std::int32_t>(19u * cycles + index + 1u),
            {MonthsBeforeCycleYear(cycles, index), index}};
}

int CivilRow(std::int32_t year) {
    return year == 1582 ? 2 : IsCivilLeapYear(year);
}

int LastHebrewMonth(std::int32_t year) {
    return 12 + IsHebrewLeapYear(year);
}

bool IsDroppedReformDay(CalendarDate d) {
    return d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14;
}

constexpr int kJulianDayOfDayZero = 347997;

constexpr CalendarDate kFirstCivilDate{7, 10, kFirstCivilYear};
constexpr CalendarDate kLastCivilDate{19, 12, kLastCivilYear};
constexpr CalendarDate kFirstHebrewDate{1, 1, kFirstHebrewYear};
constexpr CalendarDate kLastHebrewDate{29, 12, kLastHebrewYear};

}  // namespace

// ---- Hebrew calendar arithmetic ------------------------------------------------------------

int IsHebrewLeapYear(std::int32_t year) noexcept {
    return IsLeapIndex((static_cast<std::uint32_t>(year) + 18u) % 19u) ? 1 : 0;
}

std::int32_t HebrewMonthsBeforeYear(std::int32_t year) noexcept {
    const std::uint32_t elapsed = static_cast<std::uint32_t>(year) - 1u;
    return static_cast<std::int32_t>(MonthsBeforeCycleYear(elapsed / 19u, elapsed % 19u));
}

int MoladTishreiWeekday(std::int32_t year) noexcept {
    return TishreiOf(CycleYearOf(year)).weekday;
}

Molad MoladOfMonth(std::int32_t year, int month) noexcept {
    const MoladMoment m =
        MoladAfterMonths(static_cast<std::uint32_t>(HebrewMonthsBeforeYear(year) + month - 1));
    const int partOfHour = m.partsSinceEve % kPartsPerHour;
    return {WeekdayOfDayIndex(m.day), m.partsSinceEve / kPartsPerHour, partOfHour / 18,
            partOfHour % 18};
}

int RoshHashanaWeekdayForMolad(int weekday, int partsSinceEve, bool leapYear,
                               bool previousYearLeap) noexcept {
    return WeekdayAfter(weekday,
                        RoshHashanaDelay(weekday, partsSinceEve, leapYear, previousYearLeap));
}

int RoshHashanaWeekday(std::int32_t year) noexcept {
    const MoladOfTishrei tishrei = TishreiOf(CycleYearOf(year));
    return WeekdayAfter(tishrei.weekday, tishrei.delay);
}

int HebrewYearLength(std::int32_t year) noexcept {
    const int shift = (RoshHashanaWeekday(year + 1) - RoshHashanaWeekday(year) + 6) % 7;
    return 351 + 28 * IsHebrewLeapYear(year) + shift;
}

int HebrewYearKind(std::int32_t year) noexcept {
    return HebrewYearLength(year) % 10 - 2;
}

int HebrewMonthLength(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 13)
        return 0;
    // Only Heshvan and Kislev follow the year's kind; the other months need the leap alone.
    const int row = month == 2 || month == 3 ? ShapeRow(year) : 1 + 3 * IsHebrewLeapYear(year);
    return kHebrewMonthLengths[row][month - 1];
}

int HebrewDaysBeforeMonth(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 14)
        return 0;
    return kHebrewDaysBefore[ShapeRow(year)][month - 1];
}

DayNumber HebrewToDayNumber(std::int32_t year, int month, int day) noexcept {
    // Tishrei and Heshvan begin on the same days of every year, and the months from Tevet on the
    // same days before the next year: only Kislev needs the year's kind, so both its ends.
    if (month >= kTevet && month <= 13) {
        const CycleYear next = CycleYearAfter(static_cast<std::uint32_t>(year));
        const int leap = FollowsLeapIndex(next.index) ? 1 : 0;
        return FirstDayOf(next) - 1 - kDaysFromMonthToYearEnd[leap][month - 1] + day;
    }
    if (month == 1 || month == 2)
        return FirstDayOfHebrewYear(year) - 1 + kHebrewDaysBefore[0][month - 1] + day;
    const HebrewYearSpan span = SpanOfHebrewYear(year);
    const int before = month >= 1 && month <= 14 ? kHebrewDaysBefore[ShapeRow(span)][month - 1] : 0;
    return span.first - 1 + before + day;
}

CalendarDate LocateInHebrewYear(DayNumber n, std::int32_t guessYear) noexcept {
    HebrewYearSpan span = SpanOfHebrewYear(guessYear);
    while (n < span.first)
        span = {span.year - 1, FirstDayOfHebrewYear(span.year - 1), span.first};
    while (n >= span.next)
        span = {span.year + 1, span.next, FirstDayOfHebrewYear(span.year + 2)};
    return DateInHebrewYear(n, span);
}

// ---- Civil calendar --------------------------------------------------------------------------

int IsCivilLeapYear(std::int32_t year) noexcept {
    if (year > 1582) {
        const auto y = static_cast<std::uint32_t>(year);  // unsigned: cheaper remainders
        return y % 4u == 0 && (y % 100u != 0 || y % 400u == 0) ? 1 : 0;
    }
    if (year == 1582)
        return 0;
    if (year >= 1)
        return year % 4 == 0 ? 1 : 0;
    return (year + 3761) % 4 == 0 ? 1 : 0;
}

int CivilMonthLength(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 12)
        return 0;
    const int row = year == kLastCivilYear ? 2 : IsCivilLeapYear(year);
    return kCivilMonthLengths[row][month - 1];
}

int CivilDaysBeforeMonth(std::int32_t year, int index) noexcept {
    if (index < 0 || index > 12)
        return 0;
    return kCivilDaysBefore[CivilRow(year)][index];
}

// Days from 1 March to the first of each month (1..12; 13 is the January after).
constexpr auto kDaysFromMarch = [] {
    std::array<std::uint16_t, 14> days{};
    for (unsigned month = 1; month <= 13; ++month)
        days[month] = static_cast<std::uint16_t>((153u * ((month + 9u) % 12u) + 2u) / 5u);
    return days;
}();

// The usual closed form, counted from 1 March of year -4800 (astronomically) so that the leap day
// ends the year; Gregorian from 15 October 1582. A month out of range counts as January, and a
// day past its month's end runs on into the next months.
DayNumber CivilToDayNumber(CalendarDate civil) noexcept {
    const std::int32_t y = civil.year;
    const int m = civil.month >= 1 && civil.month <= 13 ? civil.month : 1;
    const std::uint32_t beforeMarch = m <= 2 ? 1u : 0u;
    const std::int32_t astronomical = y < 1 ? y + 1 : y;  // no year 0
    const std::uint32_t years = static_cast<std::uint32_t>(astronomical + 4800) - beforeMarch;
    std::uint32_t days = civil.day + kDaysFromMarch[m] + 365u * years + years / 4u;
    const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && civil.day > 14)));
    if (!gregorian)
        return static_cast<DayNumber>(days) - 32083 - kJulianDayOfDayZero;
    const std::uint32_t centuries = years / 100u;
    days = days - centuries + centuries / 4u;
    return static_cast<DayNumber>(days) - 32045 - kJulianDayOfDayZero;
}

namespace {

[[gnu::noinline]] CalendarDate NormalizedCivilDate(CalendarDate civil) {
    std::int32_t y = civil.year;
    int m = civil.month;
    int d = civil.day;
    bool monthForced = false;
    auto clampTop = [&] {
        y = kLastCivilYear;
        if (m >= 12) {
            m = 12;
            d = std::min(d, 19);
            monthForced = true;
        }
    };
    if (y >= kLastCivilYear) {
        clampTop();
    } else if (y <= kFirstCivilYear) {
        y = kFirstCivilYear;
        if (m <= 10) {
            m = 10;
            d = std::max(d, 7);
            monthForced = true;
        }
    }
    if (!monthForced) {
        if (m > 12)
            m = 12;
        if (m == 0)
            m = 1;
    }
    while (d > CivilMonthLength(y, m)) {
        d -= CivilMonthLength(y, m);
        if (++m > 12) {
            m = 1;
            y = y == -1 ? 1 : y + 1;
        }
        if (y >= kLastCivilYear)
            clampTop();
    }
    if (d == 0)
        d = 1;
    CalendarDate result = MakeDate(d, m, y);
    if (IsDroppedReformDay(result))
        result.day = 15;
    return result;
}

}  // namespace

CalendarDate NormalizeCivilDate(CalendarDate civil) noexcept {
    // Most dates need nothing: a day up to the 28th of a month well inside the range. Only the
    // others take the rules, so that the conversions can inline this test.
    const bool plain = civil.year > kFirstCivilYear && civil.year < kLastCivilYear &&
                       civil.month >= 1 && civil.month <= 12 && civil.day >= 1 && civil.day <= 28 &&
                       !IsDroppedReformDay(civil);
    return plain ? civil : NormalizedCivilDate(civil);
}

// ---- Conversions -----------------------------------------------------------------------------

namespace {

constexpr DayNumber kFirstGregorianDay = 1951164;  // 15 October 1582

// The month and day of each day of a year counted from 1 March.
constexpr auto kCivilDateFromMarch = [] {
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
CalendarDate CivilDateInCycles(std::uint32_t days, std::uint32_t centuryYears) {
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
CalendarDate CivilDateOfDay(DayNumber n) {
    const auto julianDay = static_cast<std::uint32_t>(n + kJulianDayOfDayZero);
    if (n < kFirstGregorianDay)
        return CivilDateInCycles(julianDay + 32082u, 0u);
    const std::uint32_t days = julianDay + 32044u;
    const std::uint32_t centuries = (4u * days + 3u) / 146097u;
    return CivilDateInCycles(days - 146097u * centuries / 4u, 100u * centuries);
}

}  // namespace

CalendarDate CivilToHebrew(CalendarDate civil) noexcept {
    return DayNumberToHebrew(CivilToDayNumber(NormalizeCivilDate(civil)));
}

CalendarDate HebrewToCivil(CalendarDate hebrew) noexcept {
    return CivilDateOfDay(HebrewToDayNumber(hebrew));
}

CalendarDate DayNumberToCivil(DayNumber n) noexcept {
    return CivilDateOfDay(std::clamp(n, kFirstDayNumber, kLastDayNumber));
}

namespace {

// Day n up to the end of Kislev of the estimated year, or in the year before: the year's kind
// counts, so its first day is needed. Kept apart from the usual case, which needs fewer registers.
[[gnu::noinline]] CalendarDate DateBeforeTevet(DayNumber n, std::int32_t estimate, CycleYear y,
                                               DayNumber next) {
    const DayNumber first = FirstDayOf(y);
    if (n < first)
        return DateInHebrewYear(n, {estimate - 1, FirstDayOfHebrewYear(estimate - 1), first});
    return DateInHebrewYear(n, {estimate, first, next});
}

}  // namespace

CalendarDate DayNumberToHebrew(DayNumber n) noexcept {
    n = std::clamp(n, kFirstDayNumber, kLastDayNumber);
    const auto [estimate, y] = HebrewYearOfMolad(n);
    const int leap = IsLeapIndex(y.index) ? 1 : 0;
    const DayNumber next = FirstDayOf(NextCycleYear(y));
    // From Tevet on, the day has the same month and day as in a regular year ending there.
    const int daysToYearEnd = next - n;
    if (daysToYearEnd <= kDaysFromMonthToYearEnd[leap][kTevet - 1])
        return DateAtOffset(RegularYearLength(leap) - daysToYearEnd, RegularYearRow(leap),
                            estimate);
    return DateBeforeTevet(n, estimate, y, next);
}

// ---- Civil stepping --------------------------------------------------------------------------

CalendarDate NextCivilMonth(CalendarDate c) noexcept {
    if (c.month == 12 && c.year == kLastCivilYear)
        return c;
    int day = c.day;
    if (c.month == 12) {
        c.year = c.year == -1 ? 1 : c.year + 1;
        c.month = 1;
        if (c.year == kLastCivilYear)
            day = std::min(day, 19);
    } else {
        ++c.month;
    }
    c.day = static_cast<std::uint8_t>(std::min(day, CivilMonthLength(c.year, c.month)));
    if (IsDroppedReformDay(c))
        c.day = 15;
    return c;
}

CalendarDate PrevCivilMonth(CalendarDate c) noexcept {
    if (c.month == 10 && c.year == kFirstCivilYear)
        return c;
    int day = c.day;
    if (c.month == 1) {
        c.year = c.year == 1 ? -1 : c.year - 1;
        c.month = 12;
        if (c.year == kFirstCivilYear)
            day = 7;
    } else {
        --c.month;
    }
    // October of the first year begins on the 7th: never step onto the days before it.
    if (c.year == kFirstCivilYear && c.month == 10)
        day = std::max(day, 7);
    c.day = static_cast<std::uint8_t>(std::min(day, CivilMonthLength(c.year, c.month)));
    if (IsDroppedReformDay(c))
        c.day = 4;
    return c;
}

namespace {

// What stepping by a day needs to know of a calendar: its range and its months.
struct DaySteps {
    CalendarDate first;
    CalendarDate last;
    int (*monthLength)(std::int32_t year, int month) noexcept;
    CalendarDate (*nextMonth)(CalendarDate) noexcept;
    CalendarDate (*prevMonth)(CalendarDate) noexcept;
};

constexpr DaySteps kCivilSteps{kFirstCivilDate, kLastCivilDate, CivilMonthLength, NextCivilMonth,
                               PrevCivilMonth};
constexpr DaySteps kHebrewSteps{kFirstHebrewDate, kLastHebrewDate, HebrewMonthLength,
                                NextHebrewMonth, PrevHebrewMonth};

CalendarDate NextDay(CalendarDate d, const DaySteps& calendar) noexcept {
    if (d == calendar.last)
        return d;
    if (d.day == calendar.monthLength(d.year, d.month)) {
        d.day = 1;
        return calendar.nextMonth(d);
    }
    ++d.day;
    return d;
}

CalendarDate PrevDay(CalendarDate d, const DaySteps& calendar) noexcept {
    if (d == calendar.first)
        return d;
    if (d.day == 1) {
        d = calendar.prevMonth(d);
        d.day = static_cast<std::uint8_t>(calendar.monthLength(d.year, d.month));
        return d;
    }
    --d.day;
    return d;
}

}  // namespace

CalendarDate detail::NextCivilDayInFull(CalendarDate c) noexcept {
    c = NextDay(c, kCivilSteps);
    if (IsDroppedReformDay(c))
        c.day = 15;
    return c;
}

CalendarDate detail::PrevCivilDayInFull(CalendarDate c) noexcept {
    c = PrevDay(c, kCivilSteps);
    if (IsDroppedReformDay(c))
        c.day = 4;
    return c;
}

CalendarDate AddCivilYears(int n, CalendarDate c) noexcept {
    const std::int64_t target = std::int64_t{c.year} + n;
    if (target < kFirstCivilYear || target > kLastCivilYear)
        return n > 0 ? kLastCivilDate : kFirstCivilDate;
    std::int32_t y = static_cast<std::int32_t>(target);
    c.day = static_cast<std::uint8_t>(std::min<int>(c.day, CivilMonthLength(y, c.month)));
    if (n > 0) {
        if (y == 0)
            y = 1;
        c.year = y;
        if (IsDroppedReformDay(c))
            c.day = 15;
        if (y == kLastCivilYear && c.month == 12 && c.day > 19)
            c.day = 19;
    } else if (n < 0) {
        if (y == 0)
            y = -1;
        c.year = y;
        if (IsDroppedReformDay(c))
            c.day = 4;
        if (y == kFirstCivilYear && (c.month < 10 || (c.month == 10 && c.day < 7)))
            c = kFirstCivilDate;
    }
    return c;
}

// ---- Hebrew stepping -------------------------------------------------------------------------

CalendarDate AddHebrewYears(int n, CalendarDate h) noexcept {
    const std::int64_t target = std::int64_t{h.year} + n;
    if (target < kFirstHebrewYear || target > kLastHebrewYear)
        return n > 0 ? kLastHebrewDate : kFirstHebrewDate;
    const auto y = static_cast<std::int32_t>(target);
    const int leapChange = IsHebrewLeapYear(y) - IsHebrewLeapYear(h.year);
    int month = h.month;
    if (month > 6)
        month += leapChange;  // Nisan onwards keeps its name across the leap boundary
    h.year = y;
    h.month = static_cast<std::uint8_t>(month);
    h.day = static_cast<std::uint8_t>(std::min<int>(h.day, HebrewMonthLength(y, month)));
    return h;
}

CalendarDate NextHebrewMonth(CalendarDate h) noexcept {
    if (h.month == 12 && h.year == kLastHebrewYear)
        return h;
    if (h.month >= LastHebrewMonth(h.year)) {
        h = AddHebrewYears(1, h);
        h.month = 1;
    } else {
        ++h.month;
    }
    h.day = static_cast<std::uint8_t>(std::min<int>(h.day, HebrewMonthLength(h.year, h.month)));
    return h;
}

CalendarDate PrevHebrewMonth(CalendarDate h) noexcept {
    if (h.month == 1 && h.year == kFirstHebrewYear)
        return h;
    if (h.month == 1) {
        --h.year;
        h.month = static_cast<std::uint8_t>(LastHebrewMonth(h.year));
    } else {
        --h.month;
    }
    h.day = static_cast<std::uint8_t>(std::min<int>(h.day, HebrewMonthLength(h.year, h.month)));
    return h;
}

CalendarDate detail::NextHebrewDayInFull(CalendarDate h) noexcept {
    return NextDay(h, kHebrewSteps);
}

CalendarDate detail::PrevHebrewDayInFull(CalendarDate h) noexcept {
    return PrevDay(h, kHebrewSteps);
}

}  // namespace plx
