#include "reports/month_range.h"

#include <algorithm>

#include "engine/calendar.h"

namespace plx {
namespace {

int MonthsInYear(std::int32_t year) {
    return IsHebrewLeapYear(year) ? 13 : 12;
}

// Months since Tishrei of year 1; months follow each other in number order within a year.
std::int32_t MonthIndex(YearMonth month) {
    return HebrewMonthsBeforeYear(month.year) + month.month - 1;
}

YearMonth MonthOfIndex(std::int32_t index) {
    // Nineteen years hold 235 months: start near the year and correct by the exact count.
    std::int32_t year = std::clamp(index / 235 * 19 + 1, kFirstHebrewYear, kLastHebrewYear);
    while (year > kFirstHebrewYear && HebrewMonthsBeforeYear(year) > index)
        --year;
    while (year < kLastHebrewYear && HebrewMonthsBeforeYear(year + 1) <= index)
        ++year;
    return CalendarMonth({year, index - HebrewMonthsBeforeYear(year) + 1});
}

}  // namespace

bool MonthBefore(YearMonth a, YearMonth b) {
    return a.year != b.year ? a.year < b.year : a.month < b.month;
}

YearMonth CalendarMonth(YearMonth month) {
    if (month.year < kFirstHebrewYear)
        return {kFirstHebrewYear, 1};
    if (month.year > kLastHebrewYear)
        return {kLastHebrewYear, MonthsInYear(kLastHebrewYear)};
    return {month.year, std::clamp(month.month, 1, MonthsInYear(month.year))};
}

std::int32_t MonthCount(const MonthRange& range) {
    const std::int32_t first = MonthIndex(CalendarMonth(range.first));
    const std::int32_t last = MonthIndex(CalendarMonth(range.last));
    return std::max(1, last - first + 1);
}

YearMonth MonthsAfter(YearMonth month, std::int32_t count) {
    const std::int32_t lastIndex = MonthIndex({kLastHebrewYear, MonthsInYear(kLastHebrewYear)});
    const std::int32_t index = MonthIndex(CalendarMonth(month));
    return MonthOfIndex(std::min(lastIndex, index + std::max(0, count)));
}

}  // namespace plx
