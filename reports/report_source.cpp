#include "reports/report_source.h"

namespace plx {

std::optional<PrintOrientation> OrientationForReport(ReportKind kind) {
    switch (kind) {
        case ReportKind::Yearly:
            return PrintOrientation::Portrait;
        case ReportKind::SunsetTimetable:
        case ReportKind::SunriseTimetable:
        case ReportKind::DawnTimetable:
            return PrintOrientation::Landscape;
        case ReportKind::Daily:
        case ReportKind::Weekly:
            break;
    }
    return std::nullopt;
}

std::optional<PrintOrientation> OrientationAfterReport(ReportKind kind, PrintOrientation noted) {
    const std::optional<PrintOrientation> set = OrientationForReport(kind);
    if (set && *set != noted)
        return noted;
    return std::nullopt;
}

}  // namespace plx
