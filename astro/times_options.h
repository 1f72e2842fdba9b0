// Which halachic times are shown and by which definitions, and the main window's options object
// around them, with their persistence in the settings store.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/settings_store.h"

namespace plx {

// How the Maga dawn and nightfall (and Rabbeinu Tam's nightfall) are set off from sunrise/sunset.
enum DayEdgeMethod : std::uint8_t { kFixedMinutes = 0, kProportionalMinutes = 1, kDegrees = 2 };

// The stored names of the fields are the names of their values in the store. The defaults are
// those of an empty store.
struct TimesOfDayOptions {
    // Field 0, four bytes.
    std::uint8_t riseSetDiffMethod = kDegrees;  // DayEdgeMethod of the Maga dawn and nightfall
    std::uint8_t milesMethod = 72;              // minutes of a mile: 72, 90 or 120
    std::uint8_t talitTfilinMethod =
        3;  // 40, 52, 60 minutes before sunrise; 11.5, 11, 10.2 degrees
    std::uint8_t starsOutRabeinuTamMinutes = 0;  // choice 0, 1, 2: 72, 90, 120 minutes
    // Field 1.
    std::uint8_t starsOutRabeinuTamMethod = kDegrees;  // DayEdgeMethod
    // Fields 2..25: switches, on when non-zero.
    std::int32_t breakOfDawn = 1;
    std::int32_t talitTfilin = 1;
    std::int32_t sunrise = 1;
    std::int32_t propHourMaga = 0;
    std::int32_t propHourGra = 1;
    std::int32_t endShmaMaga = 1;
    std::int32_t endShmaGra = 1;
    std::int32_t endShachritMaga = 1;
    std::int32_t endShachritGra = 1;
    std::int32_t midday = 1;
    std::int32_t minchaGdolaMaga = 0;
    std::int32_t minchaGdolaGra = 1;
    std::int32_t minchaGdola30 = 0;
    std::int32_t minchaKtanaMaga = 0;
    std::int32_t minchaKtanaGra = 1;
    std::int32_t plagHaMinchaMaga = 0;
    std::int32_t plagHaMinchaGra = 1;
    std::int32_t sunset = 1;
    std::int32_t starsOutStandard = 1;
    std::int32_t starsOutGra = 0;
    std::int32_t starsOutRashaz = 0;
    std::int32_t starsOutRt = 1;
    std::int32_t candleLighting = 1;
    std::int32_t motzash = 1;

    friend bool operator==(const TimesOfDayOptions&, const TimesOfDayOptions&) = default;
};

struct TimeSwitch {
    std::u16string_view name;
    std::int32_t TimesOfDayOptions::*field;
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
    std::int32_t calcHeights = 0;  // 1: the location's height lowers the horizon
    TimesOfDayOptions times;
    std::int32_t daylightHours = 0;  // 1..3 once chosen, 0 never
    std::int32_t daylightOn = 0;
    std::int32_t locationKey = 0;  // LocationKey, 0 Jerusalem
    std::int32_t monthlyLandscape = 0;
    std::int32_t monthlyCandlesMotzash = 1;
    std::int32_t monthlySunrise = 1;
    std::int32_t monthlySunset = 1;
    std::int32_t monthlyTefilin = 0;
    std::int32_t monthlyPlag = 0;

    friend bool operator==(const CalculationSettings&, const CalculationSettings&) = default;
};

// Reads the current layout ("Settings/TimesOfDay") or, when "plx_times_flags" is present, the
// older one packed into a flags word. Out-of-range values read as the defaults.
CalculationSettings LoadCalculationSettings(const SettingsStore& store);
// Always writes the current layout and deletes the older one's values.
void SaveCalculationSettings(SettingsStore& store, const CalculationSettings& settings);

}  // namespace plx
