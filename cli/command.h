// The commands of plxcal. Each takes the parsed command line and writes to standard output;
// bad input throws UsageError.
#pragma once

#include <QCommandLineParser>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "app/settings_store.h"
#include "app/stored_personal_dates.h"
#include "astro/locations.h"
#include "astro/times_options.h"
#include "cli/arguments.h"
#include "cli/output.h"
#include "engine/language.h"

namespace plx::cli {

struct Invocation {
    const QCommandLineParser& parser;
    QStringList positionals;  // after the command name
    Output& out;
};

int RunDay(const Invocation& call);
int RunRange(const Invocation& call);
int RunNumeral(const Invocation& call);
int RunVocab(const Invocation& call);
int RunTimes(const Invocation& call);
int RunLocations(const Invocation& call);
int RunReport(const Invocation& call);
int RunIcs(const Invocation& call);
int RunAnniversary(const Invocation& call);
int RunPersonal(const Invocation& call);

// ---- Helpers shared by the commands -------------------------------------------------------------

// A personal date's DATE as typed: civil, or Hebrew with --hebrew; --after-sunset (for a civil
// date only) puts the event in the evening. `command` starts the error messages.
struct EnteredDate {
    CalendarDate date;
    bool hebrew = false;
    bool afterSunset = false;
};
EnteredDate ParseEnteredDate(const Invocation& call, const QString& text, const char* command);

// The error that shows the command's usage line ("usage: plxcal " + usage).
UsageError Usage(const char* usage);
// Throws the usage line unless the command got low..high positional arguments.
void ExpectArguments(const Invocation& call, qsizetype low, qsizetype high, const char* usage);
bool WantsJson(const Invocation& call);
// The engine language of the texts: Hebrew for --lang he, English for any other code.
Language TextLanguage(const Invocation& call);
// The civil date of today on this computer's clock.
CalendarDate CurrentCivilDate();

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

// What the program keeps in its settings file: the options and the user's places. Each stored value
// that is not taken (out of range, or a file that cannot be read at all) is named in a warning
// line on standard error.
struct StoredSettings {
    CalculationSettings settings;
    CustomLocationList custom;
};
StoredSettings ReadStoredSettings();
// The user's personal dates and the Adar choice of their yahrzeits. A section that does not read as
// a date is named in a warning line on standard error.
struct StoredPersonalDates {
    PersonalDateList dates;
    AdarChoice adar = AdarChoice::AdarI;
};
StoredPersonalDates ReadStoredPersonalDates();
// Applies the change to the settings file as one transaction. A file that could not be read and
// is moved aside is named on standard error; a change that could not be written throws.
void ChangeStoredSettings(const SettingsStore::Change& change);

// Throws for a report or calendar file that could not be written to `target`: the error naming
// the cause, or ReaderGone when the target is standard output and its reader has gone.
void ExpectWritten(const QString& target, const std::optional<QString>& failure);

// The text with each control character shown as a space: a name that holds one (written into the
// settings file by hand, or pasted into the program) still takes one line of the text output.
std::u16string OnOneLine(std::u16string_view text);

// Throws unless the key names a built-in row or one of the user's places.
void ExpectKnownLocation(LocationKey key, const CustomLocationList& custom);
// Throws unless the zone id is empty (no zone) or one the system's time-zone database knows.
void ExpectKnownTimeZone(std::u16string_view zoneId);
// Writes the place options given (--name-he, --name-en, --lat, --lon, --zone, --tz, --height,
// --candles, --world-refraction, --israel-refraction) onto the place; whether any was given.
// --tz takes a zone the system knows, or "" for none; a name takes no line breaks, tabs or other
// control characters, which would break the one-line listing.
bool ApplyPlaceOptions(const Invocation& call, Location& place);

}  // namespace plx::cli
