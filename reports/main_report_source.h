// The reports of the main window as one report source: the kind of report last chosen, drawn as
// one page from inputs the owner hands over at each request (the window's current date, place,
// options and language, or plxcal's command line).
#pragma once

#include <functional>
#include <vector>

#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/timetables.h"

namespace plx {

class MainReportSource final : public ReportSource {
public:
    explicit MainReportSource(std::function<ReportInputs()> inputs) : inputs_(std::move(inputs)) {}

    ReportKind kind() const { return kind_; }
    void setKind(ReportKind kind) { kind_ = kind; }

    // Every report of the main window is one page. A timetable computes its cells here, and its
    // pages are drawn from them until printing begins again.
    void beginPrinting(ReportPageInfo& info) override;
    // The same page whatever page is asked for.
    void printPage(ReportSurface& surface, const ReportPageInfo& info) override;

private:
    std::function<ReportInputs()> inputs_;
    ReportKind kind_ = ReportKind::Daily;
    std::vector<TimetableCell> timetableCells_;
};

}  // namespace plx
