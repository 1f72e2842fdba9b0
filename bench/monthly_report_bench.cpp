// The monthly report: twelve months (six portrait pages) written into a PDF, in each language,
// with every time the report can show.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/language.h"
#include "reports/monthly_report.h"
#include "reports/print_pages.h"

namespace {

void StartApplication(const char* languageFile) {
    static int argc = 1;
    static char name[] = "plx_monthly_report_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    const QString languages = QFileInfo(QStringLiteral(__FILE__))
                                  .dir()
                                  .filePath(QStringLiteral("../resources/Languages"));
    plx::LoadLanguageFile(QDir(languages).filePath(QLatin1String(languageFile)));
}

void BM_TwelveMonthPdf(benchmark::State& state, const char* languageFile) {
    StartApplication(languageFile);
    plx::MonthlyRequest request;
    request.inputs.language = plx::ActiveReportLanguage();
    request.inputs.place = plx::LookupLocation(0, {});
    request.inputs.settings.monthlyTefilin = 1;
    request.inputs.settings.monthlyPlag = 1;
    request.range = {{5785, 1}, {5785, 12}};
    plx::MonthlyReportSource source([&request] { return request; });
    const QPageLayout layout =
        plx::ReportPageLayout(QPageSize::A4, plx::PrintOrientation::Portrait);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(plx::WriteReportPdf(source, out, layout));
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK_CAPTURE(BM_TwelveMonthPdf, English, "English.xml")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TwelveMonthPdf, Hebrew, "Hebrew.xml")->Unit(benchmark::kMillisecond);

}  // namespace
