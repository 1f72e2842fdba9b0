#include "cli/place_options.h"

#include <limits>
#include <optional>

#include "astro/time_zones.h"

namespace plx::cli {

Location ChosenPlace(const Invocation& call, const CalculationSettings& settings,
                     const CustomLocationList& custom) {
    Location place = LookupLocation(settings.locationKey, custom);
    if (const auto key = NumberOption(call, "location", 0, std::numeric_limits<int>::max())) {
        ExpectKnownLocation(*key, custom);
        place = LookupLocation(*key, custom);
    }
    const bool moved =
        call.parser.isSet(QStringLiteral("lat")) || call.parser.isSet(QStringLiteral("lon"));
    if (moved)
        place.nameHebrew = place.nameEnglish = {};
    if (moved || call.parser.isSet(QStringLiteral("zone")))
        place.timeZone.clear();
    ApplyPlaceOptions(call, place);
    return place;
}

void ApplyOptions(const Invocation& call, CalculationSettings& settings, const Location& place) {
    if (call.parser.value(QStringLiteral("dst")) == QLatin1String("auto")) {
        ChooseDaylightAutomatic(settings);
    } else if (const auto hours = NumberOption(call, "dst", 0, 3)) {
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
    if (call.parser.isSet(QStringLiteral("sun"))) {
        const QString sun = call.parser.value(QStringLiteral("sun"));
        if (sun == QLatin1String("classic")) {
            settings.times.solarCalculation = SolarCalculation::Classic;
        } else if (sun == QLatin1String("precise")) {
            settings.times.solarCalculation = SolarCalculation::Precise;
        } else {
            throw UsageError{
                QStringLiteral("invalid --sun '%1': expected classic or precise").arg(sun)};
        }
    }
    // An unknown zone would quietly give the zone hours without summer time.
    if (settings.daylightAuto)
        ExpectKnownTimeZone(place.timeZone);
}

}  // namespace plx::cli
