#include "engine/calendar.h"

#include <algorithm>
#include <cstdlib>

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

bool IsLeapIndex(std::uint32_t index) {
    return (kLeapYearBits >> (index % 19)) & 1u;
}

struct MoladParts {
    std::int64_t months;  // months since the epoch molad
    std::int64_t parts;   // 793 * months + 204
    std::int64_t hours;   // hours since the epoch, from 6 p.m.
};

MoladParts MoladOfMonthsElapsed(std::int64_t months) {
    const std::int64_t parts = 793 * months + 204;
    return {months, parts, 12 * months + 5 + parts / kPartsPerHour};
}

int WeekdayOfMolad(const MoladParts& m) {
    return static_cast<int>((m.months + 1 + m.hours / 24) % 7) + 1;
}

int PartsSinceEve(const MoladParts& m) {
    return static_cast<int>(m.hours % 24) * kPartsPerHour +
           static_cast<int>(m.parts % kPartsPerHour);
}

bool PreviousYearIsLeap(std::int32_t year) {
    return IsLeapIndex(static_cast<std::uint32_t>(year) + 17u);
}

// The DayNumber of 1 Tishrei: the day of the molad plus the postponement.
DayNumber FirstDayOfHebrewYear(std::int32_t year) {
    const MoladParts m = MoladOfMonthsElapsed(HebrewMonthsBeforeYear(year));
    const int moladWeekday = WeekdayOfMolad(m);
    const int rosh = RoshHashanaWeekdayForMolad(
        moladWeekday, PartsSinceEve(m), IsHebrewLeapYear(year) == 1, PreviousYearIsLeap(year));
    return static_cast<DayNumber>(29 * m.months + m.hours / 24 + (rosh - moladWeekday + 7) % 7 + 1);
}

// Row of the month tables for a year running from `first` up to (not including) `next`.
int ShapeRow(std::int32_t year, DayNumber first, DayNumber next) {
    return (next - first) % 10 - 3 + 3 * IsHebrewLeapYear(year);
}

int ShapeRow(std::int32_t year) {
    return ShapeRow(year, FirstDayOfHebrewYear(year), FirstDayOfHebrewYear(year + 1));
}

int CivilRow(std::int32_t year) {
    return year == 1582 ? 2 : IsCivilLeapYear(year);
}

int LastHebrewMonth(std::int32_t year) {
    return 12 + IsHebrewLeapYear(year);
}

CalendarDate MakeDate(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

bool IsDroppedReformDay(CalendarDate d) {
    return d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14;
}

constexpr CalendarDate kFirstCivilDate{7, 10, kFirstCivilYear};
constexpr CalendarDate kLastCivilDate{19, 12, kLastCivilYear};
constexpr CalendarDate kFirstHebrewDate{1, 1, kFirstHebrewYear};
constexpr CalendarDate kLastHebrewDate{29, 12, kLastHebrewYear};

}  // namespace

// ---- Hebrew calendar arithmetic ------------------------------------------------------------

int IsHebrewLeapYear(std::int32_t year) noexcept {
    return IsLeapIndex(static_cast<std::uint32_t>(year) + 18u) ? 1 : 0;
}

std::int32_t HebrewMonthsBeforeYear(std::int32_t year) noexcept {
    const std::uint32_t elapsed = static_cast<std::uint32_t>(year) - 1u;
    const std::uint32_t cycles = elapsed / 19u;
    const std::uint32_t rest = elapsed % 19u;
    return static_cast<std::int32_t>(235u * cycles + 12u * rest + (7u * rest + 1u) / 19u);
}

int MoladTishreiWeekday(std::int32_t year) noexcept {
    return WeekdayOfMolad(MoladOfMonthsElapsed(HebrewMonthsBeforeYear(year)));
}

Molad MoladOfMonth(std::int32_t year, int month) noexcept {
    const MoladParts m =
        MoladOfMonthsElapsed(std::int64_t{HebrewMonthsBeforeYear(year)} + month - 1);
    const int partOfHour = static_cast<int>(m.parts % kPartsPerHour);
    return {WeekdayOfMolad(m), static_cast<int>(m.hours % 24), partOfHour / 18, partOfHour % 18};
}

int RoshHashanaWeekdayForMolad(int weekday, int partsSinceEve, bool leapYear,
                               bool previousYearLeap) noexcept {
    if (partsSinceEve >= 18 * kPartsPerHour) {
        ++weekday;  // molad at or after noon
    } else if (previousYearLeap && weekday == 2 && partsSinceEve >= 16789) {
        ++weekday;  // Monday, 15 hours 589 parts, after a leap year
    } else if (!leapYear && weekday == 3 && partsSinceEve >= 9924) {
        ++weekday;  // Tuesday, 9 hours 204 parts, in a common year
    }
    if (weekday > 7)
        weekday -= 7;
    if (weekday == 1 || weekday == 4 || weekday == 6)
        ++weekday;  // never Sunday, Wednesday, Friday
    return weekday;
}

int RoshHashanaWeekday(std::int32_t year) noexcept {
    const MoladParts m = MoladOfMonthsElapsed(HebrewMonthsBeforeYear(year));
    return RoshHashanaWeekdayForMolad(WeekdayOfMolad(m), PartsSinceEve(m),
                                      IsHebrewLeapYear(year) == 1, PreviousYearIsLeap(year));
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
    return kHebrewMonthLengths[ShapeRow(year)][month - 1];
}

int HebrewDaysBeforeMonth(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 14)
        return 0;
    return kHebrewDaysBefore[ShapeRow(year)][month - 1];
}

DayNumber HebrewToDayNumber(std::int32_t year, int month, int day) noexcept {
    const DayNumber first = FirstDayOfHebrewYear(year);
    const int before =
        month >= 1 && month <= 14
            ? kHebrewDaysBefore[ShapeRow(year, first, FirstDayOfHebrewYear(year + 1))][month - 1]
            : 0;
    return first - 1 + before + day;
}

CalendarDate LocateInHebrewYear(DayNumber n, std::int32_t guessYear) noexcept {
    std::int32_t year = guessYear;
    DayNumber start = FirstDayOfHebrewYear(year);
    while (n < start)
        start = FirstDayOfHebrewYear(--year);
    DayNumber next = FirstDayOfHebrewYear(year + 1);
    while (n >= next) {
        start = next;
        next = FirstDayOfHebrewYear(++year + 1);
    }
    const int offset = n - start;
    const std::int16_t* before = kHebrewDaysBefore[ShapeRow(year, start, next)];
    int month = 1;
    if (offset > 0) {
        while (month < 13 && offset >= before[month])
            ++month;
    }
    return MakeDate(offset - before[month - 1] + 1, month, year);
}

// ---- Civil calendar --------------------------------------------------------------------------

int IsCivilLeapYear(std::int32_t year) noexcept {
    if (year < 1)
        return (year + 3761) % 4 == 0 ? 1 : 0;
    if (year <= 1581)
        return year % 4 == 0 ? 1 : 0;
    if (year == 1582)
        return 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0;
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

DayNumber CivilToDayNumber(CalendarDate civil) noexcept {
    const std::int32_t y = civil.year;
    const int d = civil.day;
    const std::int32_t t = y + 3761 + (y < 1 ? 1 : 0);
    std::int32_t correction = 0;
    if (y > 1582 || (y == 1582 && civil.month == 10 && d > 14)) {
        correction = (y - 1601) / 100 - (y - 1601) / 400 + 10;  // truncating division, as intended
    }
    return std::abs(t - 2) / 4 + 365 * t - (t == 1 ? 1 : 0) + d - correction - 644 +
           CivilDaysBeforeMonth(y, civil.month - 1);
}

CalendarDate NormalizeCivilDate(CalendarDate civil) noexcept {
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

// ---- Conversions -----------------------------------------------------------------------------

CalendarDate CivilToHebrew(CalendarDate civil) noexcept {
    const CalendarDate c = NormalizeCivilDate(civil);
    std::int32_t guess = c.year + 3760 + (c.year < 1 ? 1 : 0);
    if (guess == 0)
        guess = 1;
    return LocateInHebrewYear(CivilToDayNumber(c), guess);
}

namespace {

CalendarDate LocateInCivilYear(DayNumber n, std::int32_t y) {
    auto startOf = [](std::int32_t year) { return CivilToDayNumber(CalendarDate{1, 1, year}); };
    while (n < startOf(y))
        y = y == 1 ? -1 : y - 1;
    int offset = n - startOf(y);
    while (offset >= CivilDaysBeforeMonth(y, 12)) {
        y = y == -1 ? 1 : y + 1;
        offset = n - startOf(y);
    }
    const std::int16_t* before = kCivilDaysBefore[CivilRow(y)];
    int month = 1;
    if (offset > 0) {
        while (month < 12 && offset >= before[month])
            ++month;
    }
    int day = offset - before[month - 1] + 1;
    if (y == 1582 && month == 10 && day > 4)
        day += 10;
    return MakeDate(day, month, y);
}

std::int32_t CivilYearGuess(std::int32_t hebrewYear) {
    return hebrewYear - 3761 - (hebrewYear < 3762 ? 1 : 0);
}

}  // namespace

CalendarDate HebrewToCivil(CalendarDate hebrew) noexcept {
    return LocateInCivilYear(HebrewToDayNumber(hebrew), CivilYearGuess(hebrew.year));
}

CalendarDate DayNumberToCivil(DayNumber n) noexcept {
    n = std::clamp(n, kFirstDayNumber, kLastDayNumber);
    return HebrewToCivil(DayNumberToHebrew(n));
}

CalendarDate DayNumberToHebrew(DayNumber n) noexcept {
    n = std::clamp(n, kFirstDayNumber, kLastDayNumber);
    // A mean Hebrew year is close to 365.2468 days; the search corrects the guess by a year or two.
    const auto guess = static_cast<std::int32_t>(static_cast<double>(n) / 365.2468) + 1;
    return LocateInHebrewYear(n, std::clamp(guess, kFirstHebrewYear, kLastHebrewYear));
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

CalendarDate NextCivilDay(CalendarDate c) noexcept {
    c = NextDay(c, kCivilSteps);
    if (IsDroppedReformDay(c))
        c.day = 15;
    return c;
}

CalendarDate PrevCivilDay(CalendarDate c) noexcept {
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

CalendarDate NextHebrewDay(CalendarDate h) noexcept {
    return NextDay(h, kHebrewSteps);
}

CalendarDate PrevHebrewDay(CalendarDate h) noexcept {
    return PrevDay(h, kHebrewSteps);
}

}  // namespace plx
