// plxcal times: the halachic times of a day or of every day of a span, at the user's current place
// with the user's options (as the program keeps them in the settings store) unless told otherwise.
#include <string_view>

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "astro/time_zones.h"
#include "cli/command.h"
#include "cli/day_record.h"
#include "cli/location_record.h"
#include "cli/place_options.h"
#include "engine/vocabulary.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "times [DATE [END]] [--location KEY] [--lat D --lon D --zone H --tz ZONEID --height M "
    "--candles MIN --world-refraction|--israel-refraction] [--dst auto|HOURS] [--elevation] "
    "[--all] [--sun classic|precise] [--lang he|en] [--json]";

std::u16string_view TrimmedName(std::u16string_view name) {
    while (name.ends_with(u'\t'))
        name.remove_suffix(1);
    return name;
}

// Keys in alphabetical order, the order plxcal has always written.
void WriteTimesRecord(JsonWriter& json, CalendarDate civil, const CalculationSettings& settings,
                      const Location& place, Language language, const ZoneOffsetLookup& zones) {
    const TextTable names = Vocabulary(language).timeNames;
    json.StartObject();
    json.Key("civil");
    WriteDate(json, civil);
    json.Key("location");
    WriteLocationRecord(json, place);
    json.Field("sun",
               std::u16string_view(settings.times.solarCalculation == SolarCalculation::Precise
                                       ? u"precise"
                                       : u"classic"));
    json.Field("timeZone", TimeZoneId(place));
    json.Key("times");
    json.StartArray();
    for (const TimeEntry& entry : ComputeTimesAt(civil, settings, place, settings.times, zones)) {
        const auto label = static_cast<int>(entry.label);
        json.StartObject();
        json.Field("kind", static_cast<int>(entry.kind));
        json.Field("label", label);
        json.Field("name", TrimmedName(names[label]));
        json.Field("text", entry.text);
        json.EndObject();
    }
    json.EndArray();
    json.Field("zoneOffsetSeconds", ClockOnDate(civil, place, settings, zones).offsetSeconds);
    json.EndObject();
    json.EndRecord();
}

void PrintText(const Invocation& call, CalendarDate civil, const CalculationSettings& settings,
               const Location& place, Language language, const ZoneOffsetLookup& zones) {
    // The times page's text puts a line break before every line.
    call.out << DayLine(FactsOfCivilDay(civil)) << "  "
             << OnOneLine(LocationDisplayName(place, language))
             << BuildTimesText(civil, settings, place, language, zones) << '\n';
}

}  // namespace

int RunTimes(const Invocation& call) {
    ExpectArguments(call, 0, 2, kUsage);
    const StoredSettings stored = ReadStoredSettings();
    CalculationSettings settings = stored.settings;
    const Location place = ChosenPlace(call, settings, stored.custom);
    ApplyOptions(call, settings, place);

    const CalendarDate start =
        call.positionals.isEmpty() ? CurrentCivilDate() : ParseCivilDate(call.positionals[0]);
    const CalendarDate end =
        call.positionals.size() < 2 ? start : ParseCivilDate(call.positionals[1]);
    const DayNumber last = CivilToDayNumber(end);
    if (last < CivilToDayNumber(start))
        throw UsageError{QStringLiteral("times: END is before DATE")};
    const Language language = TextLanguage(call);
    const ZoneOffsetLookup zones = SystemZoneOffsetsForRun();
    JsonWriter json(call.out);
    for (CalendarDate day = start;; day = NextCivilDay(day)) {
        if (WantsJson(call)) {
            WriteTimesRecord(json, day, settings, place, language, zones);
        } else {
            PrintText(call, day, settings, place, language, zones);
        }
        if (CivilToDayNumber(day) >= last)
            break;
    }
    return 0;
}

}  // namespace plx::cli
