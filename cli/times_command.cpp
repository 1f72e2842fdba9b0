// plxcal times: the halachic times of a day or of every day of a span, at the user's current place
// with the user's options (as the program keeps them in the settings store) unless told otherwise.
#include <QJsonArray>
#include <QJsonDocument>

#include <limits>
#include <optional>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "astro/time_zones.h"
#include "cli/command.h"
#include "cli/day_record.h"
#include "cli/location_record.h"
#include "engine/vocabulary.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "times [DATE [END]] [--location KEY] [--lat D --lon D --zone H --height M --candles MIN "
    "--world-refraction|--israel-refraction] "
    "[--dst HOURS] [--elevation] [--all] [--lang he|en] [--json]";

// --location KEY (a built-in row, or 80 + the id of one of the user's locations), else the current
// location; then the place options replace single values of it. New coordinates make it a place
// without a name.
Location ChosenPlace(const Invocation& call, const CalculationSettings& settings,
                     const CustomLocationList& custom) {
    Location place = LookupLocation(settings.locationKey, custom);
    if (const auto key = NumberOption(call, "location", 0, std::numeric_limits<int>::max())) {
        ExpectKnownLocation(*key, custom);
        place = LookupLocation(*key, custom);
    }
    if (call.parser.isSet(QStringLiteral("lat")) || call.parser.isSet(QStringLiteral("lon")))
        place.nameHebrew = place.nameEnglish = {};
    ApplyPlaceOptions(call, place);
    return place;
}

// --dst HOURS (0 switches daylight saving off), --elevation and --all over the stored options.
void ApplyOptions(const Invocation& call, CalculationSettings& settings) {
    if (const auto hours = NumberOption(call, "dst", 0, 3)) {
        if (*hours == 0) {
            SwitchDaylightOff(settings);
        } else {
            ChooseDaylightHours(settings, *hours);
        }
    }
    if (call.parser.isSet(QStringLiteral("elevation")))
        settings.calcHeights = true;
    if (call.parser.isSet(QStringLiteral("all")))
        SetAllTimeSwitches(settings.times, true);
}

QString TrimmedName(std::u16string_view name) {
    QString text = FromUtf16(name);
    while (text.endsWith(QLatin1Char('\t')))
        text.chop(1);
    return text;
}

QJsonObject TimesRecord(CalendarDate civil, const CalculationSettings& settings,
                        const Location& place, Language language) {
    const TextTable names = Vocabulary(language).timeNames;
    QJsonArray times;
    for (const TimeEntry& entry : ComputeTimesAt(civil, settings, place, settings.times)) {
        const int label = static_cast<int>(entry.label);
        times.append(QJsonObject{{QStringLiteral("kind"), static_cast<int>(entry.kind)},
                                 {QStringLiteral("label"), label},
                                 {QStringLiteral("name"), TrimmedName(names[label])},
                                 {QStringLiteral("text"), QString::fromStdU16String(entry.text)}});
    }
    return {
        {QStringLiteral("civil"), QJsonObject{{QStringLiteral("year"), civil.year},
                                              {QStringLiteral("month"), civil.month},
                                              {QStringLiteral("day"), civil.day}}},
        {QStringLiteral("zoneOffsetSeconds"), ZoneOffsetSeconds(place, settings)},
        {QStringLiteral("location"), LocationRecord(place)},
        {QStringLiteral("times"), times},
    };
}

void Print(const Invocation& call, CalendarDate civil, const CalculationSettings& settings,
           const Location& place) {
    const Language language = TextLanguage(call);
    if (WantsJson(call)) {
        call.out << QJsonDocument(TimesRecord(civil, settings, place, language))
                        .toJson(QJsonDocument::Compact)
                 << '\n';
        return;
    }
    // The times page's text puts a line break before every line.
    QString text = QString::fromStdU16String(BuildTimesText(civil, settings, place, language));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    call.out << DayLine(civil) << "  "
             << QString::fromStdU16String(LocationDisplayName(place, language)) << text << '\n';
}

}  // namespace

int RunTimes(const Invocation& call) {
    ExpectArguments(call, 0, 2, kUsage);
    const IniSettingsStore store;
    CalculationSettings settings = LoadCalculationSettings(store);
    const Location place = ChosenPlace(call, settings, LoadCustomLocations(store));
    ApplyOptions(call, settings);

    const CalendarDate start =
        call.positionals.isEmpty() ? CurrentCivilDate() : ParseCivilDate(call.positionals[0]);
    const CalendarDate end =
        call.positionals.size() < 2 ? start : ParseCivilDate(call.positionals[1]);
    const DayNumber last = CivilToDayNumber(end);
    if (last < CivilToDayNumber(start))
        throw UsageError{QStringLiteral("times: END is before DATE")};
    for (CalendarDate day = start;; day = NextCivilDay(day)) {
        Print(call, day, settings, place);
        if (CivilToDayNumber(day) >= last)
            break;
    }
    return 0;
}

}  // namespace plx::cli
