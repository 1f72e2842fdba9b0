// Clock time is UT plus the zone of the current location plus, when it is on, daylight saving of
// 1..3 hours. The menu commands that change daylight saving, and the captions that show it.
#pragma once

#include <string>
#include <string_view>

#include "astro/locations.h"
#include "astro/times_options.h"

namespace plx {

// zone x 3600, plus the daylight-saving hours x 3600 when daylight saving is on.
double ZoneOffsetSeconds(const Location& place, const CalculationSettings& settings);

// The daylight-saving commands. Each returns whether the times must be recomputed (and the menu
// refreshed).
bool SwitchDaylightOff(CalculationSettings& settings);  // only when it was on
bool SwitchDaylightOn(CalculationSettings& settings);   // always; 1 hour when no hours were chosen
bool ChooseDaylightHours(CalculationSettings& settings,
                         int hours);  // unless already on with those hours

// Which daylight-saving menu items carry a check mark.
struct DaylightChecks {
    bool off = false;
    bool on = false;
    bool hours[3] = {false, false, false};  // 1, 2, 3 hours, whether or not saving is on
};
DaylightChecks DaylightMenuChecks(const CalculationSettings& settings);

// Language texts of the "Plx" section.
inline constexpr std::u16string_view kCaptionSection = u"Plx";
inline constexpr std::u16string_view kLocationCaptionKey = u"TIMEZONE";
// "DAYLIGHT_SAVING_0" when off, "DAYLIGHT_SAVING_1".."_3" for the hours; empty for more hours than
// the menu offers (a hand-edited store), which leaves the caption empty.
std::u16string_view DaylightCaptionKey(const CalculationSettings& settings);

// "<TIMEZONE text> - <display name> (<candle minutes>)", the caption of the location menu item.
std::u16string LocationCaption(std::u16string_view timezoneText, const Location& place,
                               Language language);

}  // namespace plx
