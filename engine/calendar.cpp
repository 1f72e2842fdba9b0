#include "engine/calendar.h"

#include <algorithm>
#include <array>

namespace plx {

using namespace detail;

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

int WeekdayAfter(int weekday, int days) {
    const int later = weekday + days;
    return later > 7 ? later - 7 : later;
}

DayNumber FirstDayOfHebrewYear(std::int32_t year) {
    return FirstDayOf(CycleYearOf(year));
}

// The span by two counts from the epoch, which wrap alike for years far outside the range.
HebrewYearSpan SpanOfHebrewYear(std::int32_t year) {
    const CycleYear y = CycleYearOf(year);
    return {year, FirstDayOf(y), FirstDayOf(NextCycleYear(y))};
}

int ShapeRowOfYear(std::int32_t year) {
    return ShapeRow(SpanOfHebrewYear(year));
}

CalendarDate MakeDate(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

int CivilRow(std::int32_t year) {
    return year == 1582 ? 2 : IsCivilLeapYear(year);
}

int LastHebrewMonth(std::int32_t year) {
    return 12 + IsHebrewLeapYear(year);
}

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

YearKind HebrewYearKind(std::int32_t year) noexcept {
    return static_cast<YearKind>(HebrewYearLength(year) % 10 - 2);
}

int HebrewMonthLength(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 13)
        return 0;
    // Only Heshvan and Kislev follow the year's kind; the other months need the leap alone.
    const int row =
        month == 2 || month == 3 ? ShapeRowOfYear(year) : 1 + 3 * IsHebrewLeapYear(year);
    return kHebrewMonthLengths[row][month - 1];
}

int HebrewDaysBeforeMonth(std::int32_t year, int month) noexcept {
    if (month < 1 || month > 14)
        return 0;
    return kHebrewDaysBefore[ShapeRowOfYear(year)][month - 1];
}

// Years outside the range, whose month counts wrap, and months outside the year. Tishrei and
// Heshvan begin on the same days of every year, and the months from Tevet on the same days before
// the next year: only Kislev needs the year's kind, so both its ends.
DayNumber detail::HebrewToDayNumberInFull(std::int32_t year, int month, int day) noexcept {
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

CalendarDate detail::NormalizeCivilDateInFull(CalendarDate civil) noexcept {
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

CalendarDate detail::DateBeforeTevet(DayNumber n, std::int32_t estimate, CycleYear y,
                                     DayNumber next) noexcept {
    const DayNumber first = FirstDayOf(y);
    if (n < first)
        return DateInHebrewYear(n, {estimate - 1, FirstDayOfHebrewYear(estimate - 1), first});
    return DateInHebrewYear(n, {estimate, first, next});
}

// ---- Civil stepping --------------------------------------------------------------------------

CalendarDate NextCivilMonth(CalendarDate c) noexcept {
    if (c.year > kLastCivilYear)
        return kLastCivilDate;
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
    if (c.year < kFirstCivilYear)
        return kFirstCivilDate;
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
    if (h.year > kLastHebrewYear)
        return kLastHebrewDate;
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
    if (h.year < kFirstHebrewYear)
        return kFirstHebrewDate;
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
