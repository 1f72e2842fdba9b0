// The yearly pages as printed: a timetable (about 385 days of times computed, then drawn) and the
// yearly Sabbath report (about 55 Fridays and Saturdays), each written whole into a PDF.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/language.h"
#include "astro/locations.h"
#include "reports/main_report_source.h"
#include "reports/print_pages.h"

namespace {

void StartApplication(const char* languageFile) {
    static int argc = 1;
    static char name[] = "plx_yearly_reports_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    const QDir languages = QFileInfo(QStringLiteral(__FILE__))
                               .dir()
                               .filePath(QStringLiteral("../resources/Languages"));
    plx::LoadLanguageFile(languages.filePath(QLatin1String(languageFile)));
}

// A leap year, the longest: 5784.
plx::ReportInputs Inputs(plx::PrintOrientation orientation) {
    plx::ReportInputs inputs;
    inputs.civil = {5, 3, 2024};
    inputs.place = plx::BuiltInLocation(0);
    inputs.language = plx::ActiveReportLanguage();
    inputs.orientation = orientation;
    return inputs;
}

void WritePdf(benchmark::State& state, plx::ReportKind kind, plx::PrintOrientation orientation) {
    StartApplication(state.range(0) == 0 ? "Hebrew.xml" : "English.xml");
    const plx::ReportInputs inputs = Inputs(orientation);
    plx::MainReportSource source([&inputs] { return inputs; });
    source.setKind(kind);
    const QPageLayout layout = plx::ReportPageLayout(QPageSize::A4, orientation);
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!plx::WriteReportPdf(source, pdf, layout))
            state.SkipWithError("the PDF writer cannot paint");
        benchmark::DoNotOptimize(pdf.data().size());
    }
}

// Argument 0 Hebrew, 1 English.
void BM_SunsetTimetablePdf(benchmark::State& state) {
    WritePdf(state, plx::ReportKind::SunsetTimetable, plx::PrintOrientation::Landscape);
}
BENCHMARK(BM_SunsetTimetablePdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DawnTimetablePdf(benchmark::State& state) {
    WritePdf(state, plx::ReportKind::DawnTimetable, plx::PrintOrientation::Landscape);
}
BENCHMARK(BM_DawnTimetablePdf)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_YearlyReportPdf(benchmark::State& state) {
    WritePdf(state, plx::ReportKind::Yearly, plx::PrintOrientation::Portrait);
}
BENCHMARK(BM_YearlyReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
