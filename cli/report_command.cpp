// plxcal report: a report drawn by the same code as the program's print preview, into a PDF file.
// The place, options and daylight saving are taken as `plxcal times` takes them.
#include <map>
#include <memory>

#include "app/language.h"
#include "app/utf16.h"
#include "cli/command.h"
#include "cli/monthly_options.h"
#include "cli/place_options.h"
#include "engine/information.h"
#include "reports/main_report_source.h"
#include "reports/output_file.h"
#include "reports/print_pages.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "report daily|weekly|yearly|sunset|sunrise|dawn [DATE] | monthly [DATE [END]] [--force] "
    "--pdf FILE|- "
    "[--hebrew] [--lang he|en] [--portrait|--landscape] [--half-page|--full-page] [--sunrise] "
    "[--sunset] [--candles-motzash] [--tallit] [--plag gra|maga] [--paper a4|letter] "
    "[--location KEY] [--lat D --lon D --zone H --tz ZONEID --height M --candles MIN] "
    "[--dst auto|HOURS] "
    "[--elevation] [--all] [--sun classic|precise]";

// Makes the source of a report from the common inputs; a report with options of its own reads
// them from the command line here.
using SourceMaker = std::unique_ptr<ReportSource> (*)(const Invocation& call,
                                                      const ReportInputs& inputs);

struct Report {
    SourceMaker make;
    PrintOrientation orientation;  // as the program's menu prints it, unless told otherwise
};

template <ReportKind kind>
std::unique_ptr<ReportSource> MainWindowReport(const Invocation&, const ReportInputs& inputs) {
    auto source = std::make_unique<MainReportSource>([inputs] { return inputs; });
    source->setKind(kind);
    return source;
}

// The reports by their names on the command line.
const std::map<QString, Report>& Reports() {
    using enum PrintOrientation;
    static const std::map<QString, Report> reports{
        {QStringLiteral("daily"), {&MainWindowReport<ReportKind::Daily>, Portrait}},
        {QStringLiteral("weekly"), {&MainWindowReport<ReportKind::Weekly>, Portrait}},
        {QStringLiteral("monthly"), {&MonthlyReport, Portrait}},
        {QStringLiteral("yearly"), {&MainWindowReport<ReportKind::Yearly>, Portrait}},
        {QStringLiteral("sunset"), {&MainWindowReport<ReportKind::SunsetTimetable>, Landscape}},
        {QStringLiteral("sunrise"), {&MainWindowReport<ReportKind::SunriseTimetable>, Landscape}},
        {QStringLiteral("dawn"), {&MainWindowReport<ReportKind::DawnTimetable>, Landscape}},
    };
    return reports;
}

QString ReportNames() {
    QStringList names;
    for (const auto& [name, report] : Reports())
        names += name;
    return names.join(QStringLiteral(", "));
}

// The language file of the --lang code beside the program: its captions and its direction.
void LoadReportLanguage(const QString& code) {
    for (const LanguageInfo& language : ListLanguageFiles()) {
        if (language.code == code && LoadLanguageFile(language.path))
            return;
    }
    throw UsageError{QStringLiteral("report: no language file for --lang %1 in %2")
                         .arg(code, ExeRelativePath(u"Languages"))};
}

QPageSize::PageSizeId Paper(const Invocation& call) {
    const QString paper = call.parser.value(QStringLiteral("paper")).toLower();
    if (paper == QLatin1String("a4"))
        return QPageSize::A4;
    if (paper == QLatin1String("letter"))
        return QPageSize::Letter;
    throw UsageError{QStringLiteral("invalid --paper '%1': expected a4 or letter").arg(paper)};
}

// A full page of the monthly report is a page on its side, half pages share an upright one.
PrintOrientation Orientation(const Invocation& call, PrintOrientation byDefault) {
    const bool portrait = call.parser.isSet(QStringLiteral("portrait")) ||
                          call.parser.isSet(QStringLiteral("half-page"));
    const bool landscape = call.parser.isSet(QStringLiteral("landscape")) ||
                           call.parser.isSet(QStringLiteral("full-page"));
    if (portrait && landscape) {
        throw UsageError{QStringLiteral(
            "report: --portrait (--half-page) and --landscape (--full-page) exclude each other")};
    }
    if (portrait)
        return PrintOrientation::Portrait;
    return landscape ? PrintOrientation::Landscape : byDefault;
}

ReportInputs Inputs(const Invocation& call, const QString& languageCode,
                    PrintOrientation orientation) {
    const StoredSettings stored = ReadStoredSettings();
    ReportInputs inputs;
    inputs.settings = stored.settings;
    inputs.place = ChosenPlace(call, inputs.settings, stored.custom);
    ApplyOptions(call, inputs.settings, inputs.place);
    inputs.civil =
        call.positionals.size() < 2 ? CurrentCivilDate() : DateArgument(call, call.positionals[1]);
    inputs.language = ReportLanguageOf(ActiveLanguage());
    inputs.orientation = orientation;
    inputs.informationText = FromUtf16(
        YearInformationText(inputs.civil, InterfaceLanguageOfCode(ToUtf16(languageCode))));
    // The monthly report's days show the names of the personal dates.
    if (call.positionals[0] == QLatin1String("monthly")) {
        StoredPersonalDates personal = ReadStoredPersonalDates();
        inputs.personalDates = std::move(personal.dates);
        inputs.personalAdar = personal.adar;
    }
    return inputs;
}

// A file takes its place only once every page is drawn; "-" is standard output.
void WritePdf(ReportSource& source, const QString& path, const QPageLayout& layout) {
    const auto failure = WriteOutputFile(path, [&](QIODevice& device) -> std::optional<QString> {
        if (!WriteReportPdf(source, device, layout))
            return QStringLiteral("the report could not be drawn");
        return std::nullopt;
    });
    ExpectWritten(path, failure);
}

}  // namespace

int RunReport(const Invocation& call) {
    ExpectArguments(call, 1, 3, kUsage);
    const QString name = call.positionals[0];
    if (name != QLatin1String("monthly") && call.positionals.size() > 2)
        throw Usage(kUsage);
    const auto report = Reports().find(name);
    if (report == Reports().end()) {
        throw UsageError{
            QStringLiteral("unknown report '%1'; reports: %2").arg(name, ReportNames())};
    }
    const QString path = call.parser.value(QStringLiteral("pdf"));
    if (path.isEmpty())
        throw Usage(kUsage);
    const QPageSize::PageSizeId paper = Paper(call);
    const QString code = call.parser.value(QStringLiteral("lang"));
    LoadReportLanguage(code);
    const ReportInputs inputs = Inputs(call, code, Orientation(call, report->second.orientation));
    const std::unique_ptr<ReportSource> source = report->second.make(call, inputs);
    WritePdf(*source, path, ReportPageLayout(paper, inputs.orientation));
    return 0;
}

}  // namespace plx::cli
