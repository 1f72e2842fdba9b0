#include "astro/time_zones.h"

#include <array>

namespace plx {

DateClock ClockOnDate(CalendarDate civil, const Location& place,
                      const CalculationSettings& settings, const ZoneOffsetLookup& zones) {
    const double zoneSeconds = static_cast<double>(place.zone) * 3600.0;
    if (!settings.daylightAuto) {
        const double daylight = settings.daylightOn ? settings.daylightHours * 3600.0 : 0.0;
        return {zoneSeconds + daylight, ClockSource::kManual, false};
    }
    if (place.timeZone.empty())
        return {zoneSeconds, ClockSource::kNoZone, false};
    const std::optional<ZoneOffset> offset =
        zones ? zones(place.timeZone, civil) : std::optional<ZoneOffset>();
    if (!offset)
        return {zoneSeconds, ClockSource::kUnknownZone, false};
    return {offset->seconds, ClockSource::kZone, offset->summerTime};
}

bool ChooseDaylightAutomatic(CalculationSettings& settings) {
    if (settings.daylightAuto)
        return false;
    settings.daylightAuto = true;
    return true;
}

bool SwitchDaylightOff(CalculationSettings& settings) {
    if (!settings.daylightAuto && !settings.daylightOn)
        return false;
    settings.daylightAuto = false;
    settings.daylightOn = false;
    return true;
}

bool SwitchDaylightOn(CalculationSettings& settings) {
    settings.daylightAuto = false;
    settings.daylightOn = true;
    if (settings.daylightHours <= 0)
        settings.daylightHours = 1;
    return true;
}

bool ChooseDaylightHours(CalculationSettings& settings, int hours) {
    if (!settings.daylightAuto && settings.daylightOn && settings.daylightHours == hours)
        return false;
    settings.daylightAuto = false;
    settings.daylightHours = hours;
    settings.daylightOn = true;
    return true;
}

DaylightChecks DaylightMenuChecks(const CalculationSettings& settings) {
    DaylightChecks checks;
    if (settings.daylightAuto) {
        checks.automatic = true;
        return checks;
    }
    checks.off = !settings.daylightOn;
    checks.on = settings.daylightOn;
    for (int h = 1; h <= 3; ++h)
        checks.hours[h - 1] = settings.daylightHours == h;
    return checks;
}

std::u16string_view DaylightCaptionKey(const CalculationSettings& settings,
                                       const DateClock& clock) {
    static constexpr std::array<std::u16string_view, 4> kManualKeys{
        u"DAYLIGHT_SAVING_0", u"DAYLIGHT_SAVING_1", u"DAYLIGHT_SAVING_2", u"DAYLIGHT_SAVING_3"};
    switch (clock.source) {
        case ClockSource::kZone:
            return clock.summerTime ? u"DAYLIGHT_SAVING_AUTO_SUMMER"
                                    : u"DAYLIGHT_SAVING_AUTO_STANDARD";
        case ClockSource::kNoZone:
            return u"DAYLIGHT_SAVING_AUTO_NO_ZONE";
        case ClockSource::kUnknownZone:
            return u"DAYLIGHT_SAVING_AUTO_UNKNOWN_ZONE";
        case ClockSource::kManual:
            break;
    }
    if (!settings.daylightOn)
        return kManualKeys[0];
    if (settings.daylightHours >= 1 && settings.daylightHours <= 3)
        return kManualKeys[static_cast<std::size_t>(settings.daylightHours)];
    return {};
}

std::u16string LocationCaption(std::u16string_view timezoneText, const Location& place,
                               Language language) {
    std::u16string caption(timezoneText);
    caption += u" - ";
    caption += LocationListText(place, language);
    return caption;
}

}  // namespace plx
