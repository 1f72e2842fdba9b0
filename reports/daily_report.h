// The daily report: the halachic times of the current date at the current place as a two-column
// list centred on the page, then the day's information text as the times page shows it. One page.
#pragma once

#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

void DrawDailyReport(ReportSurface& surface, const ReportPageInfo& page,
                     const ReportInputs& inputs);

}  // namespace plx
