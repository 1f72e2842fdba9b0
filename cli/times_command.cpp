// plxcal times: the halachic times of a day or of every day of a span, at the user's current place
// with the user's options (as the program keeps them in the settings store) unless told otherwise.
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

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
    "--world-refraction] "
    "[--dst HOURS] [--elevation] [--all] [--lang he|en] [--json]";

// The value of a number option within [low, high]; nullopt when the option is absent. An int
// option takes whole numbers only.
template <typename Number>
std::optional<Number> NumberOption(const Invocation& call, const char* name, Number low,
                                   Number high) {
    constexpr bool kWhole = std::is_integral_v<Number>;
    const QString option = QLatin1String(name);
    if (!call.parser.isSet(option))
        return std::nullopt;
    const QString text = call.parser.value(option);
    bool ok = false;
    Number value{};
    if constexpr (kWhole) {
        value = text.toInt(&ok);
    } else {
        value = text.toDouble(&ok);
        ok = ok && std::isfinite(value);
    }
    if (!ok) {
        throw UsageError{
            QStringLiteral("invalid --%1 '%2': expected %3")
                .arg(option, text, QLatin1String(kWhole ? "a whole number" : "a number"))};
    }
    if (value < low || value > high) {
        throw UsageError{
            QStringLiteral("--%1 %2 is outside %3 .. %4").arg(option, text).arg(low).arg(high)};
    }
    return value;
}

// --location KEY (a built-in row, or 80 + the id of one of the user's locations), else the current
// location; then each of --lat, --lon, --zone, --height, --candles, --world-refraction replaces
// that value. New coordinates make it a place without a name.
Location ChosenPlace(const Invocation& call, const CalculationSettings& settings,
                     const CustomLocationList& custom) {
    Location place = LookupLocation(settings.locationKey, custom);
    if (const auto key = NumberOption(call, "location", 0, std::numeric_limits<int>::max())) {
        if (*key >= kBuiltInLocationCount &&
            !FindCustomLocation(custom, *key - kBuiltInLocationCount)) {
            throw UsageError{
                QStringLiteral("unknown location key %1; 'plxcal locations' lists them").arg(*key)};
        }
        place = LookupLocation(*key, custom);
    }
    const auto latitude = NumberOption(call, "lat", -90.0, 90.0);
    const auto longitude = NumberOption(call, "lon", -180.0, 180.0);
    if (latitude || longitude)
        place.nameHebrew = place.nameEnglish = {};
    place.latitude = latitude.value_or(place.latitude);
    place.longitude = longitude.value_or(place.longitude);
    place.zone = static_cast<float>(NumberOption(call, "zone", -24.0, 24.0).value_or(place.zone));
    place.height = NumberOption(call, "height", -1000.0, 10000.0).value_or(place.height);
    place.candleMinutes = NumberOption(call, "candles", 0, 180).value_or(place.candleMinutes);
    if (call.parser.isSet(QStringLiteral("world-refraction")))
        place.refraction = 0;
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
