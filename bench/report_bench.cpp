// Reports: one page of each of the main window's reports (a timetable computes its 353 to 385
// days of times first), or twelve months of the monthly report, drawn into a PDF (as plxcal and a
// print run draw them), and the print preview's repaint of a weekly page at each zoom state.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>

#include "app/language.h"
#include "astro/locations.h"
#include "reports/main_report_source.h"
#include "reports/monthly_report.h"
#include "reports/page_frame.h"
#include "reports/print_pages.h"
#include "ui/preview/print_preview.h"
#include "ui/preview/print_preview_dlg.h"
#include "widget_application.h"

namespace {

plx::ReportInputs Inputs() {
    plx::ReportInputs inputs;
    inputs.civil = {5, 3, 2024};
    inputs.place = plx::BuiltInLocation(0);
    inputs.language = plx::ReportLanguageOf(plx::ActiveLanguage());
    inputs.informationText = QStringLiteral("\nline one\nline two");
    return inputs;
}

void WritePdfs(benchmark::State& state, plx::ReportSource& source,
               plx::PrintOrientation orientation = plx::PrintOrientation::Portrait) {
    const QPageLayout layout = plx::ReportPageLayout(QPageSize::A4, orientation);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(plx::WriteReportPdf(source, out, layout));
        benchmark::DoNotOptimize(out.size());
    }
}

void BM_ReportToPdf(benchmark::State& state, plx::ReportKind kind) {
    plx::bench::StartApplication();
    plx::MainReportSource source([] { return Inputs(); });
    source.setKind(kind);
    WritePdfs(state, source,
              plx::OrientationForReport(kind).value_or(plx::PrintOrientation::Portrait));
}
BENCHMARK_CAPTURE(BM_ReportToPdf, weekly, plx::ReportKind::Weekly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportToPdf, daily, plx::ReportKind::Daily)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportToPdf, yearly, plx::ReportKind::Yearly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportToPdf, sunset, plx::ReportKind::SunsetTimetable)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportToPdf, dawn, plx::ReportKind::DawnTimetable)
    ->Unit(benchmark::kMillisecond);

// Twelve months on six pages, with every time the monthly report can show.
void BM_MonthlyReportToPdf(benchmark::State& state) {
    plx::bench::StartApplication();
    plx::MonthlyRequest request{Inputs(), {{5785, 1}, {5785, 12}}};
    request.inputs.settings.monthlyTefilin = 1;
    request.inputs.settings.monthlyPlag = 1;
    plx::MonthlyReportSource source([&request] { return request; });
    WritePdfs(state, source);
}
BENCHMARK(BM_MonthlyReportToPdf)->Unit(benchmark::kMillisecond);

void BM_PreviewRepaint(benchmark::State& state) {
    plx::bench::StartApplication();
    plx::MainReportSource source([] { return Inputs(); });
    source.setKind(plx::ReportKind::Weekly);
    plx::CPrintPreviewDlg dlg(source, nullptr);
    dlg.resize(750, 550);
    dlg.show();
    plx::CPrintPreview* canvas = dlg.Canvas();
    canvas->Reset();
    canvas->StartPreviewRun();
    for (int i = 0; i < state.range(0); ++i)
        canvas->OnCommand(plx::PreviewCommand::ZoomIn);
    QApplication::processEvents();
    for (auto _ : state)
        canvas->viewport()->repaint();
}
BENCHMARK(BM_PreviewRepaint)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
