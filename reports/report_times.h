// The halachic times a report lists for a day: each time's full label in the report's names
// language and its clock text, in the calculator's order.
#pragma once

#include <QString>

#include <vector>

#include "astro/halachic_times.h"
#include "reports/report_inputs.h"

namespace plx {

struct ReportTime {
    QString label;  // as stored, trailing tabs included; empty for a label without a name
    QString time;   // "HH:MM"
};

// The times the options switch on, at the inputs' place on the clock of that date (its zone and
// daylight saving) and with the elevation switch. Every date of a report takes its own clock: a
// span of dates may cross a change of summer time.
std::vector<TimeEntry> TimesOfDate(CalendarDate civil, const ReportInputs& inputs,
                                   const TimesOfDayOptions& options);

// The same as labels and clock texts.
std::vector<ReportTime> ReportTimes(CalendarDate civil, const ReportInputs& inputs,
                                    const TimesOfDayOptions& options);
// The same with the user's own options.
std::vector<ReportTime> ReportTimes(CalendarDate civil, const ReportInputs& inputs);

}  // namespace plx
