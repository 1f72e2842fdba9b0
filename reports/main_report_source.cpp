#include "reports/main_report_source.h"

#include "reports/daily_report.h"
#include "reports/weekly_report.h"
#include "reports/yearly_report.h"

namespace plx {

void MainReportSource::beginPrinting(ReportPageInfo& info) {
    if (IsTimetable(kind_))
        timetableCells_ = ComputeTimetableCells(kind_, inputs_());
    info.maxPage = 1;
}

void MainReportSource::printPage(ReportSurface& surface, const ReportPageInfo& info) {
    const ReportInputs inputs = inputs_();
    switch (kind_) {
        case ReportKind::Daily:
            DrawDailyReport(surface, info, inputs);
            break;
        case ReportKind::Weekly:
            DrawWeeklyReport(surface, info, inputs);
            break;
        case ReportKind::Yearly:
            DrawYearlyReport(surface, info, inputs);
            break;
        case ReportKind::SunsetTimetable:
        case ReportKind::SunriseTimetable:
        case ReportKind::DawnTimetable:
            DrawTimetable(surface, info, inputs, kind_, timetableCells_);
            break;
    }
}

}  // namespace plx
