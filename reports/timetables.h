// The yearly sunset, sunrise and dawn timetables: one time for every day of the Hebrew year of
// the current date, a row per day of the month and a column per month, each cell with the
// day's weekday letter. The cells are computed when printing begins and kept by the report's
// source until the next time; the page is drawn from them. One page, laid out for landscape.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "astro/times_options.h"
#include "engine/language.h"
#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

struct TimetableCell {
    std::uint8_t day = 0;    // 1..30
    std::uint8_t month = 0;  // 1 = Tishrei
    QString text;  // "17:42 Fr"; empty for a day the month lacks or a day without the time

    friend bool operator==(const TimetableCell&, const TimetableCell&) = default;
};

bool IsTimetable(ReportKind kind);

// The user's dawn definition (the Maga method and the mile) and tallit method, and only the
// timetable's own time switched on; everything else is cleared.
TimesOfDayOptions TimetableOptions(ReportKind kind, const TimesOfDayOptions& user);

// Day-major: the months of day 1 from Tishrei, then those of day 2, up to day 30; 30 x 12 cells
// in a common year, 30 x 13 in a leap year.
std::vector<TimetableCell> ComputeTimetableCells(ReportKind kind, const ReportInputs& inputs);

// The label of a day row: Hebrew letters without punctuation ("טו") or decimal digits.
QString TimetableDayLabel(int day, Language names);

void DrawTimetable(ReportSurface& surface, const ReportPageInfo& page, const ReportInputs& inputs,
                   ReportKind kind, const std::vector<TimetableCell>& cells);

}  // namespace plx
