// The halachic times of a day: which times, how each follows from the sun, in which order and
// under which label they are listed, and the text of the times page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/locations.h"
#include "astro/time_zones.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "engine/events.h"

namespace plx {

// Which time an entry is.
enum class TimeKind : std::int32_t {
    kBreakOfDawn = 1,
    kTalitTfilin = 2,
    kSunrise = 3,
    kPropHourMaga = 4,
    kPropHourGra = 5,
    kEndShmaMaga = 6,
    kEndShmaGra = 7,
    kEndShachritMaga = 8,
    kEndShachritGra = 9,
    kMidday = 10,
    kMinchaGdolaMaga = 11,
    kMinchaGdolaGra = 12,
    kMinchaGdola30 = 13,
    kMinchaKtanaMaga = 14,
    kMinchaKtanaGra = 15,
    kPlagHaMinchaMaga = 16,
    kPlagHaMinchaGra = 17,
    kSunset = 18,
    kNightfall = 19,  // 8.5 degrees; also the end of Sabbaths and festivals
    kStarsOutGra = 20,
    kStarsOutRashaz = 21,
    kStarsOutRt = 22,
    kCandleLighting = 23,
};

// Index into the vocabulary's TimeNames (and, below 24, TimeShortNames).
enum class TimeLabel : std::int32_t {
    kBreakOfDawn = 0,
    kTalitTfilin = 1,
    kSunrise = 2,
    kEndShmaMaga = 3,
    kEndShmaGra = 4,
    kEndShachritMaga = 5,
    kEndShachritGra = 6,
    kMidday = 7,
    kMinchaGdolaMaga = 8,
    kMinchaGdolaGra = 9,
    kMinchaGdola30 = 10,
    kMinchaKtanaMaga = 11,
    kMinchaKtanaGra = 12,
    kPlagHaMinchaMaga = 13,
    kPlagHaMinchaGra = 14,
    kCandleLighting = 15,
    kSunset = 16,
    kStarsOut = 17,
    kEndOfSabbathOrChag = 18,
    kStarsOutGra = 19,
    kStarsOutRashaz = 20,
    kStarsOutRt = 21,
    kPropHourMaga = 22,
    kPropHourGra = 23,
    kEndOfShabbat = 24,
    kEndOfChag = 25,
};

struct TimeEntry {
    TimeKind kind{};
    TimeLabel label{};
    std::u16string text;  // "HH:MM"
    // The same time in minutes from the civil date's midnight (negative: the evening before), or
    // the length in minutes.
    int minutes = 0;

    friend bool operator==(const TimeEntry&, const TimeEntry&) = default;
};

// A place as the calculator sees it.
struct TimesPlace {
    double latitude = 0;            // degrees, north positive
    double longitude = 0;           // degrees, east positive
    double height = 0;              // metres above sea level; 0 keeps the sea-level horizon
    double zoneOffsetSeconds = 0;   // clock time is UT plus this
    bool refractionIsrael = false;  // the Israel average horizon refraction, else the world's
    double candleMinutes = 0;       // candle lighting, minutes before sunset

    friend bool operator==(const TimesPlace&, const TimesPlace&) = default;
};

// A location on a civil date under the user's settings: the clock of that date (its zone with
// daylight saving), and its height only when elevation is on.
TimesPlace TimesPlaceOf(const Location& place, const CalculationSettings& settings,
                        CalendarDate civil, const ZoneOffsetLookup& zones);

// The sun's depression below the horizon, in degrees, that stands for a mile of the given minutes
// when the Maga dawn and nightfall are measured in degrees.
double MileDepression(int mileMinutes);

// The switched-on times of a civil date at a place, in list order (dawn first, the proportional
// hours last). Clock times are UT + the place's zone offset; the two hour lengths are plain
// lengths. Empty when the sun does not rise or set that day, or the place is not on the globe.
std::vector<TimeEntry> ComputeHalachicTimes(CalendarDate civil, const TimesPlace& place,
                                            const TimesOfDayOptions& options, DayKind dayKind);

// The times of a civil date at a place under the user's settings (the clock of that date, height
// when elevation is on, the day's festival kind), with the given options: the user's own, or a
// copy with only the times a report needs.
std::vector<TimeEntry> ComputeTimesAt(CalendarDate civil, const CalculationSettings& settings,
                                      const Location& place, const TimesOfDayOptions& options,
                                      const ZoneOffsetLookup& zones);

// The times page: "\n<label>\t<time>" per entry, labels of TimeNames in the language.
std::u16string BuildTimesText(CalendarDate civil, const CalculationSettings& settings,
                              const Location& place, Language language,
                              const ZoneOffsetLookup& zones);

}  // namespace plx
