// The halachic times of a day: which times, how each follows from the sun, in which order and
// under which label they are listed, and the text of the times page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/locations.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "engine/events.h"

namespace plx {

// Which time an entry is.
enum TimeKind : std::int32_t {
    kTimeBreakOfDawn = 1,
    kTimeTalitTfilin = 2,
    kTimeSunrise = 3,
    kTimePropHourMaga = 4,
    kTimePropHourGra = 5,
    kTimeEndShmaMaga = 6,
    kTimeEndShmaGra = 7,
    kTimeEndShachritMaga = 8,
    kTimeEndShachritGra = 9,
    kTimeMidday = 10,
    kTimeMinchaGdolaMaga = 11,
    kTimeMinchaGdolaGra = 12,
    kTimeMinchaGdola30 = 13,
    kTimeMinchaKtanaMaga = 14,
    kTimeMinchaKtanaGra = 15,
    kTimePlagHaMinchaMaga = 16,
    kTimePlagHaMinchaGra = 17,
    kTimeSunset = 18,
    kTimeNightfall = 19,  // 8.5 degrees; also the end of Sabbaths and festivals
    kTimeStarsOutGra = 20,
    kTimeStarsOutRashaz = 21,
    kTimeStarsOutRt = 22,
    kTimeCandleLighting = 23,
};

// Index into the vocabulary's TimeNames (and, below 24, TimeShortNames).
enum TimeLabel : std::int32_t {
    kLabelBreakOfDawn = 0,
    kLabelTalitTfilin = 1,
    kLabelSunrise = 2,
    kLabelEndShmaMaga = 3,
    kLabelEndShmaGra = 4,
    kLabelEndShachritMaga = 5,
    kLabelEndShachritGra = 6,
    kLabelMidday = 7,
    kLabelMinchaGdolaMaga = 8,
    kLabelMinchaGdolaGra = 9,
    kLabelMinchaGdola30 = 10,
    kLabelMinchaKtanaMaga = 11,
    kLabelMinchaKtanaGra = 12,
    kLabelPlagHaMinchaMaga = 13,
    kLabelPlagHaMinchaGra = 14,
    kLabelCandleLighting = 15,
    kLabelSunset = 16,
    kLabelStarsOut = 17,
    kLabelEndOfSabbathOrChag = 18,
    kLabelStarsOutGra = 19,
    kLabelStarsOutRashaz = 20,
    kLabelStarsOutRt = 21,
    kLabelPropHourMaga = 22,
    kLabelPropHourGra = 23,
    kLabelEndOfShabbat = 24,
    kLabelEndOfChag = 25,
};

struct TimeEntry {
    std::int32_t kind = 0;   // TimeKind
    std::int32_t label = 0;  // TimeLabel
    std::u16string text;     // "HH:MM"

    friend bool operator==(const TimeEntry&, const TimeEntry&) = default;
};

// The switched-on times of a civil date at a place, in list order (dawn first, the proportional
// hours last). Clock times are UT + zoneOffsetSeconds; the two hour lengths are plain lengths.
// Empty when the sun does not rise or set that day, or the place is not on the globe.
std::vector<TimeEntry> ComputeHalachicTimes(CalendarDate civil, double zoneOffsetSeconds,
                                            const TimesOfDayOptions& options, double candleMinutes,
                                            int refractionIsrael, DayKind dayKind, double latitude,
                                            double longitude, double height);

// The times of a civil date at a place under the user's settings (zone and daylight saving,
// height when elevation is on, the day's festival kind), with the given options: the user's own,
// or a copy with only the times a report needs.
std::vector<TimeEntry> ComputeTimesAt(CalendarDate civil, const CalculationSettings& settings,
                                      const Location& place, const TimesOfDayOptions& options);

// The times page: "\r\n<label>\t<time>" per entry, labels of TimeNames in the language (0 Hebrew).
std::u16string BuildTimesText(CalendarDate civil, const CalculationSettings& settings,
                              const Location& place, int language);

}  // namespace plx
