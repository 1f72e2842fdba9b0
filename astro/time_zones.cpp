#include "astro/time_zones.h"

#include <array>

namespace plx {

double ZoneOffsetSeconds(const Location& place, const CalculationSettings& settings) {
    const double daylight = settings.daylightOn ? settings.daylightHours * 3600.0 : 0.0;
    return static_cast<double>(place.zone) * 3600.0 + daylight;
}

bool SwitchDaylightOff(CalculationSettings& settings) {
    if (!settings.daylightOn)
        return false;
    settings.daylightOn = false;
    return true;
}

bool SwitchDaylightOn(CalculationSettings& settings) {
    settings.daylightOn = true;
    if (settings.daylightHours <= 0)
        settings.daylightHours = 1;
    return true;
}

bool ChooseDaylightHours(CalculationSettings& settings, int hours) {
    if (settings.daylightOn && settings.daylightHours == hours)
        return false;
    settings.daylightHours = hours;
    settings.daylightOn = true;
    return true;
}

DaylightChecks DaylightMenuChecks(const CalculationSettings& settings) {
    DaylightChecks checks;
    checks.off = !settings.daylightOn;
    checks.on = settings.daylightOn;
    for (int h = 1; h <= 3; ++h)
        checks.hours[h - 1] = settings.daylightHours == h;
    return checks;
}

std::u16string_view DaylightCaptionKey(const CalculationSettings& settings) {
    static constexpr std::array<std::u16string_view, 4> kKeys{
        u"DAYLIGHT_SAVING_0", u"DAYLIGHT_SAVING_1", u"DAYLIGHT_SAVING_2", u"DAYLIGHT_SAVING_3"};
    if (!settings.daylightOn)
        return kKeys[0];
    if (settings.daylightHours >= 1 && settings.daylightHours <= 3)
        return kKeys[static_cast<std::size_t>(settings.daylightHours)];
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
