// The weekly report: the week, Sunday to Saturday, of the current date, one band per day with the
// weekday and both dates in boxes at the band's ends, the Daf Yomi, and the day's times in two or
// three label-and-time column pairs. One page.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

struct WeekDay {
    CalendarDate civil;
    CalendarDate hebrew;
};

// The seven days of the week of `civil`, Sunday first. The calendar begins on a Monday (1 Tishrei
// of year 1) and ends on a Wednesday: days of those weeks outside the calendar are empty.
std::array<std::optional<WeekDay>, 7> WeekOf(CalendarDate civil);

// The rows of the times' table with `pairs` label-and-time pairs per row, each row the entry
// indexes of its pairs (-1 an empty pair): the entries fill the columns top to bottom, column
// after column, and the remainder fills the last row from its end.
std::vector<std::vector<int>> WeeklyRows(int entryCount, int pairs);

void DrawWeeklyReport(ReportSurface& surface, const ReportPageInfo& page,
                      const ReportInputs& inputs);

}  // namespace plx
