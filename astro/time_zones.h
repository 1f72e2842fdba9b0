// Clock time is UT plus an offset. In the automatic mode the offset of a date is that of the
// place's time zone on that date, daylight saving included; in the manual mode it is the zone of
// the current location plus, when it is on, daylight saving of 1..3 hours. The menu commands that
// change the mode, and the captions that show it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "astro/locations.h"
#include "astro/times_options.h"
#include "engine/calendar.h"

namespace plx {

// A time zone's offset from UT on a date.
struct ZoneOffset {
    double seconds = 0;
    bool summerTime = false;  // the date is in the zone's daylight-saving part of the year
};

// The offset of a time zone (an IANA id such as "Asia/Jerusalem") at local noon of a civil date;
// nothing when the zone is unknown. The time-zone database is the system's, so the callers hand
// it in; an empty lookup knows no zone.
using ZoneOffsetLookup =
    std::function<std::optional<ZoneOffset>(std::u16string_view zoneId, CalendarDate civil)>;

// Where the offset of a date came from.
enum class ClockSource {
    kManual,       // the zone hours plus the daylight saving chosen in the menu
    kZone,         // automatic: the place's time zone on that date
    kNoZone,       // automatic, but the place has no time zone: its zone hours, no summer time
    kUnknownZone,  // automatic, but its time zone is unknown here: its zone hours, no summer time
};

struct DateClock {
    double offsetSeconds = 0;  // clock time is UT plus this
    ClockSource source = ClockSource::kManual;
    bool summerTime = false;  // known only from a time zone
};

// The clock of a place on a civil date under the daylight-saving settings.
DateClock ClockOnDate(CalendarDate civil, const Location& place,
                      const CalculationSettings& settings, const ZoneOffsetLookup& zones);

// The daylight-saving commands. Each returns whether the times must be recomputed (and the menu
// refreshed). A manual command leaves the automatic mode.
bool ChooseDaylightAutomatic(CalculationSettings& settings);  // unless already automatic
bool SwitchDaylightOff(CalculationSettings& settings);        // unless already manual and off
bool SwitchDaylightOn(CalculationSettings& settings);         // always; 1 hour when none chosen
bool ChooseDaylightHours(CalculationSettings& settings,
                         int hours);  // unless already manual and on with those hours

// Which daylight-saving menu items carry a check mark. In the automatic mode only that item; in
// the manual mode off or on, and the chosen hours whether or not saving is on.
struct DaylightChecks {
    bool automatic = false;
    bool off = false;
    bool on = false;
    bool hours[3] = {false, false, false};  // 1, 2, 3 hours
};
DaylightChecks DaylightMenuChecks(const CalculationSettings& settings);

// Language texts of the "Plx" section.
inline constexpr std::u16string_view kCaptionSection = u"Plx";
inline constexpr std::u16string_view kLocationCaptionKey = u"TIMEZONE";
// The text that says how the clock of the selected date is set, for the daylight-saving popup and
// the title. Manual: "DAYLIGHT_SAVING_0" when off, "DAYLIGHT_SAVING_1".."_3" for the hours, empty
// for more hours than the menu offers (a hand-edited store), which leaves the caption empty.
// Automatic: summer or standard time of the zone, or the fallback to the zone hours; the text of
// an unknown zone holds a "%s" for its id.
std::u16string_view DaylightCaptionKey(const CalculationSettings& settings, const DateClock& clock);

// "<TIMEZONE text> - <display name> (<candle minutes>)", the caption of the location menu item.
std::u16string LocationCaption(std::u16string_view timezoneText, const Location& place,
                               Language language);

}  // namespace plx
