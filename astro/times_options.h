// Which halachic times are shown and by which definitions, and the main window's options object
// around them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/solar.h"

namespace plx {

// How the Maga dawn and nightfall (and Rabbeinu Tam's nightfall) are set off from sunrise/sunset.
enum DayEdgeMethod : std::uint8_t { kFixedMinutes = 0, kProportionalMinutes = 1, kDegrees = 2 };

// The length of Rabbeinu Tam's nightfall after sunset, as the place of the choice in the settings
// dialog (the store keeps the minutes themselves).
enum class RabbeinuTamLength : std::uint8_t { k72Minutes = 0, k90Minutes = 1, k120Minutes = 2 };

// The stored names of the fields are the names of their values in the store. The defaults are
// those of an empty store.
struct TimesOfDayOptions {
    // Field 0, four bytes.
    std::uint8_t riseSetDiffMethod = kDegrees;  // DayEdgeMethod of the Maga dawn and nightfall
    std::uint8_t milesMethod = 72;              // minutes of a mile: 72, 90 or 120
    std::uint8_t talitTfilinMethod =
        3;  // 40, 52, 60 minutes before sunrise; 11.5, 11, 10.2 degrees
    RabbeinuTamLength starsOutRabeinuTamMinutes = RabbeinuTamLength::k72Minutes;
    // Field 1.
    std::uint8_t starsOutRabeinuTamMethod = kDegrees;  // DayEdgeMethod
    // Fields 2..25: which times are shown.
    bool breakOfDawn = true;
    bool talitTfilin = true;
    bool sunrise = true;
    bool propHourMaga = false;
    bool propHourGra = true;
    bool endShmaMaga = true;
    bool endShmaGra = true;
    bool endShachritMaga = true;
    bool endShachritGra = true;
    bool midday = true;
    bool minchaGdolaMaga = false;
    bool minchaGdolaGra = true;
    bool minchaGdola30 = false;
    bool minchaKtanaMaga = false;
    bool minchaKtanaGra = true;
    bool plagHaMinchaMaga = false;
    bool plagHaMinchaGra = true;
    bool sunset = true;
    bool starsOutStandard = true;
    bool starsOutGra = false;
    bool starsOutRashaz = false;
    bool starsOutRt = true;
    bool candleLighting = true;
    bool motzash = true;
    // Where the sun of each time is taken from; the classic calculation unless chosen.
    SolarCalculation solarCalculation = SolarCalculation::Classic;

    friend bool operator==(const TimesOfDayOptions&, const TimesOfDayOptions&) = default;
};

struct TimeSwitch {
    std::u16string_view name;
    bool TimesOfDayOptions::*field;
};

// The 24 switches in field order, by their stored names.
inline constexpr std::array<TimeSwitch, 24> kTimeSwitches{{
    {u"BreakOfDawn", &TimesOfDayOptions::breakOfDawn},
    {u"TalitTfilin", &TimesOfDayOptions::talitTfilin},
    {u"Sunrise", &TimesOfDayOptions::sunrise},
    {u"PropHourMaga", &TimesOfDayOptions::propHourMaga},
    {u"PropHourGra", &TimesOfDayOptions::propHourGra},
    {u"EndShmaMaga", &TimesOfDayOptions::endShmaMaga},
    {u"EndShmaGra", &TimesOfDayOptions::endShmaGra},
    {u"EndShachritMaga", &TimesOfDayOptions::endShachritMaga},
    {u"EndShachritGra", &TimesOfDayOptions::endShachritGra},
    {u"Midday", &TimesOfDayOptions::midday},
    {u"MinchaGdolaMaga", &TimesOfDayOptions::minchaGdolaMaga},
    {u"MinchaGdolaGra", &TimesOfDayOptions::minchaGdolaGra},
    {u"MinchaGdola30", &TimesOfDayOptions::minchaGdola30},
    {u"MinchaKtanaMaga", &TimesOfDayOptions::minchaKtanaMaga},
    {u"MinchaKtanaGra", &TimesOfDayOptions::minchaKtanaGra},
    {u"PlagHaMinchaMaga", &TimesOfDayOptions::plagHaMinchaMaga},
    {u"PlagHaMinchaGra", &TimesOfDayOptions::plagHaMinchaGra},
    {u"Sunset", &TimesOfDayOptions::sunset},
    {u"StarsOutStandard", &TimesOfDayOptions::starsOutStandard},
    {u"StarsOutGra", &TimesOfDayOptions::starsOutGra},
    {u"StarsOutRashaz", &TimesOfDayOptions::starsOutRashaz},
    {u"StarsOutRt", &TimesOfDayOptions::starsOutRt},
    {u"CandleLighting", &TimesOfDayOptions::candleLighting},
    {u"Motzash", &TimesOfDayOptions::motzash},
}};

// Every switch on or every switch off; the definitions are kept.
void SetAllTimeSwitches(TimesOfDayOptions& options, bool on);

// The options object of the main window: the times' options, elevation, daylight saving, the
// current location and the monthly report's choices.
struct CalculationSettings {
    bool calcHeights = false;  // the location's height lowers the horizon
    TimesOfDayOptions times;
    // Automatic: the clock of the place's time zone on each date. Otherwise the manual switch:
    // the zone hours, plus daylightHours when daylightOn.
    bool daylightAuto = true;
    std::int32_t daylightHours = 0;  // 1..3 once chosen, 0 never
    bool daylightOn = false;
    std::int32_t locationKey = 0;  // LocationKey, 0 Jerusalem
    bool monthlyLandscape = false;
    bool monthlyCandlesMotzash = true;
    bool monthlySunrise = true;
    bool monthlySunset = true;
    bool monthlyTefilin = false;
    std::int32_t monthlyPlag = 0;  // kept as stored

    friend bool operator==(const CalculationSettings&, const CalculationSettings&) = default;
};

}  // namespace plx
