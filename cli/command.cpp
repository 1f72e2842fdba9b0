#include "cli/command.h"

#include <QDate>

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "engine/language.h"

namespace plx::cli {

UsageError Usage(const char* usage) {
    return UsageError{QStringLiteral("usage: plxcal %1").arg(QLatin1String(usage))};
}

void ExpectArguments(const Invocation& call, qsizetype low, qsizetype high, const char* usage) {
    const qsizetype n = call.positionals.size();
    if (n < low || n > high)
        throw Usage(usage);
}

bool WantsJson(const Invocation& call) {
    return call.parser.isSet(QStringLiteral("json"));
}

Language TextLanguage(const Invocation& call) {
    return LanguageOfCode(call.parser.value(QStringLiteral("lang")).toStdU16String());
}

CalendarDate CurrentCivilDate() {
    const QDate today = QDate::currentDate();
    return NormalizeCivilDate({static_cast<std::uint8_t>(today.day()),
                               static_cast<std::uint8_t>(today.month()),
                               static_cast<std::int32_t>(today.year())});
}

void ExpectKnownLocation(LocationKey key, const CustomLocationList& custom) {
    if (key < 0 || (key >= kBuiltInLocationCount &&
                    !FindCustomLocation(custom, key - kBuiltInLocationCount))) {
        throw UsageError{
            QStringLiteral("unknown location key %1; 'plxcal locations' lists them").arg(key)};
    }
}

void ExpectKnownTimeZone(std::u16string_view zoneId) {
    if (!zoneId.empty() && !IsKnownTimeZone(zoneId)) {
        throw UsageError{
            QStringLiteral("unknown time zone '%1': not in the system's time-zone database")
                .arg(FromUtf16(zoneId))};
    }
}

bool ApplyPlaceOptions(const Invocation& call, Location& place) {
    const auto given = [&](const char* name) { return call.parser.isSet(QLatin1String(name)); };
    const bool world = given("world-refraction");
    const bool israel = given("israel-refraction");
    if (world && israel)
        throw UsageError{
            QStringLiteral("--world-refraction and --israel-refraction exclude each other")};
    bool any = world || israel;
    if (any)
        place.refraction = israel ? 1 : 0;
    for (const auto& [name, field] : {std::pair{"name-he", &Location::nameHebrew},
                                      std::pair{"name-en", &Location::nameEnglish}}) {
        if (given(name)) {
            place.*field = call.parser.value(QLatin1String(name)).toStdU16String();
            any = true;
        }
    }
    const auto number = [&](const char* name, double low, double high, double& field) {
        if (const auto value = NumberOption(call, name, low, high)) {
            field = *value;
            any = true;
        }
    };
    number("lat", -90, 90, place.latitude);
    number("lon", -180, 180, place.longitude);
    number("height", -1000, 10000, place.height);
    if (const auto zone = NumberOption(call, "zone", -24.0, 24.0)) {
        place.zone = static_cast<float>(*zone);
        any = true;
    }
    if (const auto candles = NumberOption(call, "candles", 0, 180)) {
        place.candleMinutes = *candles;
        any = true;
    }
    if (given("tz")) {
        place.timeZone = call.parser.value(QStringLiteral("tz")).toStdU16String();
        ExpectKnownTimeZone(place.timeZone);
        any = true;
    }
    return any;
}

}  // namespace plx::cli
