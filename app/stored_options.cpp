#include "app/stored_options.h"

#include <limits>
#include <variant>

namespace plx {
namespace {

constexpr std::u16string_view kTimesFlags = u"plx_times_flags";
constexpr std::u16string_view kTimesMile = u"plx_times_mile";
constexpr std::u16string_view kTimesDawn = u"plx_times_bod";
constexpr std::u16string_view kTimesTallit = u"plx_times_tt";
constexpr std::int32_t kMostDaylightHours = 3;

struct MonthlySwitch {
    std::u16string_view name;
    bool CalculationSettings::*field;
};

constexpr std::array<MonthlySwitch, 5> kMonthlySwitches{{
    {u"plx_reportmonthly_landscape", &CalculationSettings::monthlyLandscape},
    {u"plx_reportmonthly_candlesmotzash", &CalculationSettings::monthlyCandlesMotzash},
    {u"plx_reportmonthly_sunrise", &CalculationSettings::monthlySunrise},
    {u"plx_reportmonthly_sunset", &CalculationSettings::monthlySunset},
    {u"plx_reportmonthly_tefilin", &CalculationSettings::monthlyTefilin},
}};

// 0 and 1 are themselves, everything else the method by degrees.
std::uint8_t DayEdgeMethodOf(std::int32_t stored) {
    return stored == kFixedMinutes || stored == kProportionalMinutes
               ? static_cast<std::uint8_t>(stored)
               : std::uint8_t{kDegrees};
}

std::uint8_t MilesOf(std::int32_t minutes) {
    return minutes == 90 || minutes == 120 ? static_cast<std::uint8_t>(minutes) : std::uint8_t{72};
}

std::uint8_t TallitMethodOf(std::int32_t stored, std::int32_t last) {
    return stored >= 0 && stored <= last ? static_cast<std::uint8_t>(stored) : std::uint8_t{3};
}

std::int32_t RabeinuTamMinutesOf(RabbeinuTamLength length) {
    switch (length) {
        case RabbeinuTamLength::k90Minutes:
            return 90;
        case RabbeinuTamLength::k120Minutes:
            return 120;
        default:
            return 72;
    }
}

void LoadCurrentLayout(const SettingsStore& store, TimesOfDayOptions& times) {
    const TimesOfDayOptions defaults;
    for (const TimeSwitch& s : kTimeSwitches) {
        times.*s.field = store.ReadInteger(kTimesOfDaySection, s.name, defaults.*s.field) != 0;
    }
    const std::int32_t rtMinutes =
        store.ReadInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMinutes", 72);
    times.starsOutRabeinuTamMinutes = rtMinutes == 90    ? RabbeinuTamLength::k90Minutes
                                      : rtMinutes == 120 ? RabbeinuTamLength::k120Minutes
                                                         : RabbeinuTamLength::k72Minutes;
    times.starsOutRabeinuTamMethod = DayEdgeMethodOf(
        store.ReadInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMethod", kDegrees));
    times.milesMethod = MilesOf(store.ReadInteger(kTimesOfDaySection, u"MilesMethod", 72));
    times.riseSetDiffMethod =
        DayEdgeMethodOf(store.ReadInteger(kTimesOfDaySection, u"RiseSetDiffMethod", kDegrees));
    times.talitTfilinMethod =
        TallitMethodOf(store.ReadInteger(kTimesOfDaySection, u"TalitTfilinMethod", 3), 5);
}

// The older layout: the switches as bits of one word, the definitions in three integers.
void LoadLegacyLayout(const SettingsStore& store, std::uint32_t flags, TimesOfDayOptions& times) {
    const auto bit = [flags](int n) { return (flags >> n) & 1U; };
    const std::int32_t mile = store.ReadInteger(kSettingsSection, kTimesMile, 0);
    times.milesMethod = mile == 1 ? 90 : mile == 2 ? 120 : 72;
    times.riseSetDiffMethod =
        DayEdgeMethodOf(store.ReadInteger(kSettingsSection, kTimesDawn, kDegrees));
    times.talitTfilinMethod =
        TallitMethodOf(store.ReadInteger(kSettingsSection, kTimesTallit, 3), 4);

    // Bits 0..21: "BreakOfDawn" .. "StarsOutRt" in field order.
    for (int n = 0; n < 22; ++n)
        times.*kTimeSwitches[static_cast<std::size_t>(n)].field = bit(n) != 0;
    times.candleLighting = times.motzash = bit(28) == 0;
    times.starsOutRabeinuTamMinutes = bit(24)   ? RabbeinuTamLength::k120Minutes
                                      : bit(23) ? RabbeinuTamLength::k90Minutes
                                                : RabbeinuTamLength::k72Minutes;
    times.starsOutRabeinuTamMethod = bit(27)   ? kDegrees
                                     : bit(26) ? kProportionalMinutes
                                               : kFixedMinutes;
}

bool HoldsOlderLayout(const SettingsStore& store) {
    return store.ReadInteger(kSettingsSection, kTimesFlags, -1) != -1;
}

}  // namespace

CalculationSettings LoadCalculationSettings(const SettingsStore& store, RejectedValues* rejected) {
    CalculationSettings settings;
    const std::int32_t flags = store.ReadInteger(kSettingsSection, kTimesFlags, -1);
    if (flags == -1) {
        LoadCurrentLayout(store, settings.times);
    } else {
        LoadLegacyLayout(store, static_cast<std::uint32_t>(flags), settings.times);
    }
    // Anything but 1 is the classic calculation, the one the program always had.
    settings.times.solarCalculation =
        store.ReadInteger(kTimesOfDaySection, u"SolarCalculation", 0) == 1
            ? SolarCalculation::Precise
            : SolarCalculation::Classic;

    settings.calcHeights = store.ReadInteger(kSettingsSection, u"plx_calc_heights", 0) == 1;
    // A store that has never held daylight saving (a fresh install) starts automatic; one that has
    // keeps the manual switch it was written with.
    constexpr std::int32_t kAbsent = std::numeric_limits<std::int32_t>::min();
    std::int32_t daylight = store.ReadInteger(kSettingsSection, u"plx_daylight", kAbsent);
    if (store.Contains(kSettingsSection, u"plx_daylight") &&
        (daylight == kAbsent || daylight < 0 || daylight > kMostDaylightHours)) {
        // Read as if it were not there.
        if (rejected) {
            rejected->push_back({std::u16string(kSettingsSection), u"plx_daylight",
                                 store.ReadString(kSettingsSection, u"plx_daylight", u""), 0,
                                 kMostDaylightHours, false});
        }
        daylight = kAbsent;
    }
    settings.daylightAuto =
        store.ReadInteger(kSettingsSection, u"plx_daylight_auto", daylight == kAbsent ? 1 : 0) != 0;
    settings.daylightHours = daylight == kAbsent ? 0 : daylight;
    settings.daylightOn = settings.daylightHours >= 1;
    settings.locationKey = store.ReadInteger(kSettingsSection, kLocationKeyName, 0);
    const CalculationSettings defaults;
    for (const MonthlySwitch& s : kMonthlySwitches) {
        settings.*s.field = store.ReadInteger(kSettingsSection, s.name, defaults.*s.field) == 1;
    }
    settings.monthlyPlag = store.ReadInteger(kSettingsSection, u"plx_reportmonthly_plag", 0);
    return settings;
}

void SaveCalculationSettings(SettingsStore& store, const CalculationSettings& settings) {
    for (std::u16string_view legacy : {kTimesFlags, kTimesMile, kTimesDawn, kTimesTallit}) {
        store.DeleteValue(kSettingsSection, legacy);
    }

    const TimesOfDayOptions& times = settings.times;
    for (const TimeSwitch& s : kTimeSwitches)
        store.WriteInteger(kTimesOfDaySection, s.name, times.*s.field ? 1 : 0);
    store.WriteInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMethod",
                       times.starsOutRabeinuTamMethod);
    store.WriteInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMinutes",
                       RabeinuTamMinutesOf(times.starsOutRabeinuTamMinutes));
    store.WriteInteger(kTimesOfDaySection, u"MilesMethod", MilesOf(times.milesMethod));
    store.WriteInteger(kTimesOfDaySection, u"RiseSetDiffMethod", times.riseSetDiffMethod);
    store.WriteInteger(kTimesOfDaySection, u"TalitTfilinMethod", times.talitTfilinMethod);
    store.WriteInteger(kTimesOfDaySection, u"SolarCalculation",
                       static_cast<std::int32_t>(times.solarCalculation));

    store.WriteInteger(kSettingsSection, u"plx_calc_heights", settings.calcHeights ? 1 : 0);
    store.WriteInteger(kSettingsSection, u"plx_daylight",
                       settings.daylightOn ? settings.daylightHours : 0);
    store.WriteInteger(kSettingsSection, kLocationKeyName, settings.locationKey);
    store.WriteInteger(kSettingsSection, u"plx_daylight_auto", settings.daylightAuto ? 1 : 0);
    for (const MonthlySwitch& s : kMonthlySwitches) {
        store.WriteInteger(kSettingsSection, s.name, settings.*s.field ? 1 : 0);
    }
    store.WriteInteger(kSettingsSection, u"plx_reportmonthly_plag", settings.monthlyPlag);
}

void SaveChangedCalculationSettings(SettingsStore& store, const CalculationSettings& before,
                                    const CalculationSettings& now) {
    if (before == now)
        return;
    if (HoldsOlderLayout(store)) {
        SaveCalculationSettings(store, now);
        return;
    }
    MemorySettingsStore was;
    MemorySettingsStore is;
    SaveCalculationSettings(was, before);
    SaveCalculationSettings(is, now);
    for (const auto& [key, value] : is.Values()) {
        const auto old = was.Values().find(key);
        if (old != was.Values().end() && old->second == value)
            continue;
        const auto& [section, name] = key;
        if (const auto* integer = std::get_if<std::int32_t>(&value))
            store.WriteInteger(section, name, *integer);
        else
            store.WriteString(section, name, std::get<std::u16string>(value));
    }
}

}  // namespace plx
