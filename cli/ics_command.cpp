// plxcal ics: a calendar file (iCalendar) of a span of days for calendar programs: the day's
// events, the Saturday's portion, the Daf Yomi, the user's personal dates and chosen halachic times
// at a place.
#include "app/utf16.h"
#include "cli/command.h"
#include "cli/place_options.h"
#include "reports/calendar_file.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "ics START END [--events] [--portion] [--daf] [--personal] [--times KIND,KIND...] [--candles "
    "[MIN]] "
    "[--lang he|en] [--location KEY] [--lat D --lon D --zone H --tz ZONEID --height M "
    "--world-refraction|--israel-refraction] [--dst auto|HOURS] [--elevation] [--sun "
    "classic|precise] [--force] "
    "--out FILE";

bool Given(const Invocation& call, const char* name) {
    return call.parser.isSet(QLatin1String(name));
}

QString SwitchNames() {
    QStringList names;
    for (const TimeSwitch& time : kTimeSwitches) {
        if (time.name != TimeSwitchName(TimeKind::kPropHourMaga) &&
            time.name != TimeSwitchName(TimeKind::kPropHourGra)) {
            names += FromUtf16(time.name);
        }
    }
    return names.join(QStringLiteral(", "));
}

// --times KIND,KIND... by the switches' stored names, in any case.
void SwitchOnNamedTimes(const Invocation& call, TimesOfDayOptions& times) {
    for (const QString& name :
         call.parser.value(QStringLiteral("times")).split(u',', Qt::SkipEmptyParts)) {
        const QString wanted = name.trimmed();
        const auto* found =
            std::find_if(kTimeSwitches.begin(), kTimeSwitches.end(), [&](const TimeSwitch& time) {
                return FromUtf16(time.name).compare(wanted, Qt::CaseInsensitive) == 0;
            });
        if (found == kTimeSwitches.end()) {
            throw UsageError{QStringLiteral("unknown time '%1' in --times; the times are %2")
                                 .arg(wanted, SwitchNames())};
        }
        if (found->field == &TimesOfDayOptions::propHourMaga ||
            found->field == &TimesOfDayOptions::propHourGra) {
            throw UsageError{
                QStringLiteral("%1 is a length of time, not a time of day").arg(wanted)};
        }
        times.*(found->field) = true;
    }
}

CalendarExportContents Contents(const Invocation& call, const CalculationSettings& settings) {
    CalendarExportContents contents;
    contents.events = Given(call, "events");
    contents.portion = Given(call, "portion");
    contents.dafYomi = Given(call, "daf");
    contents.personal = Given(call, "personal");
    contents.times = WithoutTimes(settings.times);
    SwitchOnNamedTimes(call, contents.times);
    if (Given(call, "candle-lighting") || Given(call, "candles"))
        contents.times.candleLighting = true;
    if (!ExportsAnything(contents))
        contents.events = contents.portion = true;
    return contents;
}

QString SpanProblemText(ExportSpanProblem problem) {
    switch (problem) {
        case ExportSpanProblem::kEndsBeforeStart:
            return QStringLiteral("ics: END is before START");
        case ExportSpanProblem::kOutsideGregorianYears:
            return QStringLiteral(
                "ics: calendar files hold the years 1 to 9999 of the Gregorian calendar");
        case ExportSpanProblem::kLongerThanTwentyYears:
            return QStringLiteral(
                "ics: the span is longer than 20 years; add --force to export "
                "it all");
    }
    return {};
}

}  // namespace

int RunIcs(const Invocation& call) {
    ExpectArguments(call, 2, 2, kUsage);
    const QString path = call.parser.value(QStringLiteral("out"));
    if (path.isEmpty())
        throw UsageError{QStringLiteral("ics: --out FILE names the file to write")};
    CalendarExportRequest request;
    request.first = ParseCivilDate(call.positionals[0]);
    request.last = ParseCivilDate(call.positionals[1]);
    if (const auto problem = ProblemOfExportSpan(request.first, request.last, Given(call, "force")))
        throw UsageError{SpanProblemText(*problem)};

    const StoredSettings stored = ReadStoredSettings();
    request.settings = stored.settings;
    request.place = ChosenPlace(call, request.settings, stored.custom);
    ApplyOptions(call, request.settings, request.place);
    request.contents = Contents(call, request.settings);
    request.language = TextLanguage(call);
    if (request.contents.personal) {
        StoredPersonalDates personal = ReadStoredPersonalDates();
        request.personalDates = std::move(personal.dates);
        request.personalAdar = personal.adar;
    }
    ExpectWritten(path, WriteCalendarFile(path, request));
    return 0;
}

}  // namespace plx::cli
