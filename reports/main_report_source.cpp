#include "reports/main_report_source.h"

#include "reports/daily_report.h"
#include "reports/weekly_report.h"

namespace plx {

void MainReportSource::beginPrinting(ReportPageInfo& info) {
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
        case ReportKind::SunsetTimetable:
        case ReportKind::SunriseTimetable:
        case ReportKind::DawnTimetable:
            break;  // their commands stay disabled until these reports are drawn
    }
}

}  // namespace plx
