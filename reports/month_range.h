// A range of Hebrew months, as the monthly report prints it: from a first to a last month, both
// counted, inside the calendar (Tishrei 1 .. Elul 110999).
#pragma once

#include <cstdint>

namespace plx {

// A Hebrew month: its number from Tishrei = 1 (13 months in a leap year) and its year.
struct YearMonth {
    std::int32_t year = 1;
    int month = 1;

    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

struct MonthRange {
    YearMonth first;
    YearMonth last;
};

// Year first, then month number.
bool MonthBefore(YearMonth a, YearMonth b);

// The month inside the calendar: a year before the first is Tishrei 1, a year after the last is
// Elul 110999; a month number past the year's last is its last month, 0 is Tishrei.
YearMonth CalendarMonth(YearMonth month);

// Months from the first to the last of the range, inside the calendar; the first always counts,
// so an inverted range counts one. The count ends with Elul 110999, the calendar's last month.
std::int32_t MonthCount(const MonthRange& range);

// The month `count` months after `month` (inside the calendar), never past Elul 110999.
YearMonth MonthsAfter(YearMonth month, std::int32_t count);

}  // namespace plx
