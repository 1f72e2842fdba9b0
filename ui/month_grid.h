// Which day goes into which of the month view's 42 week cells.
#pragma once

#include <array>
#include <optional>

#include "engine/calendar.h"

namespace plx {

inline constexpr int kWeekCells = 42;  // six weeks, Sunday first

struct GridDay {
    CalendarDate civil;
    CalendarDate hebrew;
    int dayOfMonth;  // the day within the month shown: civil in civil-month mode, else Hebrew
};

// The days of the month around the civil date `selected` in cell order (row by row, Sunday
// first); cells before the first and after the last day stay empty. The month is the Hebrew
// month of `selected`, or its civil month when `civilMode` is set.
std::array<std::optional<GridDay>, kWeekCells> MonthGridDays(CalendarDate selected, bool civilMode);

}  // namespace plx
