#include "cli/command.h"

#include <QDate>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "engine/language.h"

namespace plx::cli {
namespace {

void Warn(const QString& text) {
    std::fprintf(stderr, "plxcal: warning: %s\n", text.simplified().toLocal8Bit().constData());
}

// C0 and C1 controls and the Unicode line and paragraph separators.
bool IsControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

void WarnIfUnreadable(const IniSettingsStore& store) {
    if (store.Unreadable()) {
        Warn(QStringLiteral("the settings file '%1' cannot be read; the defaults are used")
                 .arg(store.FilePath()));
    }
}

}  // namespace

std::u16string OnOneLine(std::u16string_view text) {
    std::u16string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char16_t c) { return IsControlCharacter(c); }, u' ');
    return line;
}

UsageError Usage(const char* usage) {
    return UsageError{QStringLiteral("usage: plxcal %1").arg(QLatin1String(usage))};
}

void ExpectArguments(const Invocation& call, qsizetype low, qsizetype high, const char* usage) {
    const qsizetype n = call.positionals.size();
    if (n < low || n > high)
        throw Usage(usage);
}

EnteredDate ParseEnteredDate(const Invocation& call, const QString& text, const char* command) {
    const bool afterSunset = call.parser.isSet(QStringLiteral("after-sunset"));
    if (!call.parser.isSet(QStringLiteral("hebrew")))
        return {ParseCivilDate(text), false, afterSunset};
    if (afterSunset) {
        throw UsageError{QStringLiteral("%1: --after-sunset is for a civil DATE, not --hebrew")
                             .arg(QLatin1String(command))};
    }
    return {ParseHebrewDate(text), true, false};
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

StoredSettings ReadStoredSettings() {
    const IniSettingsStore store;
    WarnIfUnreadable(store);
    RejectedValues rejected;
    StoredSettings stored{LoadCalculationSettings(store, &rejected),
                          LoadCustomLocations(store, &rejected)};
    for (const RejectedValue& value : rejected) {
        Warn(QStringLiteral("%1/%2 = '%3' is not a number from %4 to %5; %6")
                 .arg(FromUtf16(value.section), FromUtf16(value.name), FromUtf16(value.text))
                 .arg(value.low)
                 .arg(value.high)
                 .arg(value.leavesPlaceOut ? QStringLiteral("the place is left out")
                                           : QStringLiteral("its default is used")));
    }
    return stored;
}

StoredPersonalDates ReadStoredPersonalDates() {
    const IniSettingsStore store;
    WarnIfUnreadable(store);
    std::vector<std::u16string> skipped;
    StoredPersonalDates stored{LoadPersonalDates(store, &skipped), LoadPersonalAdarChoice(store)};
    for (const std::u16string& section : skipped) {
        Warn(QStringLiteral("%1 does not read as a personal date and is left out")
                 .arg(FromUtf16(section)));
    }
    return stored;
}

void ChangeStoredSettings(const SettingsStore::Change& change) {
    IniSettingsStore store;
    const StoreUpdate update = store.Update(change);
    if (!update.keptAside.empty()) {
        std::fprintf(stderr,
                     "plxcal: the settings file '%s' could not be read; it is kept as '%s'\n",
                     store.FilePath().toLocal8Bit().constData(),
                     FromUtf16(update.keptAside).toLocal8Bit().constData());
    }
    if (!update.Stored()) {
        throw UsageError{QStringLiteral("cannot write the settings file '%1': %2")
                             .arg(store.FilePath(), FromUtf16(update.failure))};
    }
}

void ExpectWritten(const QString& target, const std::optional<QString>& failure) {
    if (!failure)
        return;
    // `plxcal report ... --pdf - | head -c 100`: the reader has what it wanted.
    if (target == QLatin1String("-") && *failure == QString::fromLocal8Bit(std::strerror(EPIPE)))
        throw ReaderGone{};
    throw UsageError{QStringLiteral("cannot write '%1': %2").arg(target, *failure)};
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
            const QString text = call.parser.value(QLatin1String(name));
            if (HasControlCharacter(text)) {
                throw UsageError{QStringLiteral("--%1: a name takes no line breaks, tabs or other "
                                                "control characters")
                                     .arg(QLatin1String(name))};
            }
            place.*field = text.toStdU16String();
            any = true;
        }
    }
    const auto number = [&](const char* name, double low, double high, double& field) {
        if (const auto value = NumberOption(call, name, low, high)) {
            field = *value;
            any = true;
        }
    };
    number("lat", kLatitudeBounds.low, kLatitudeBounds.high, place.latitude);
    number("lon", kLongitudeBounds.low, kLongitudeBounds.high, place.longitude);
    number("height", kHeightBounds.low, kHeightBounds.high, place.height);
    if (const auto zone = NumberOption(call, "zone", kZoneHoursBounds.low, kZoneHoursBounds.high)) {
        place.zone = static_cast<float>(*zone);
        any = true;
    }
    if (const auto candles =
            NumberOption(call, "candles", static_cast<int>(kCandleMinutesBounds.low),
                         static_cast<int>(kCandleMinutesBounds.high))) {
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
