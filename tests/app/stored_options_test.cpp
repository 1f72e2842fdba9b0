#include "app/stored_options.h"

#include <gtest/gtest.h>

namespace plx {
namespace {

constexpr std::u16string_view kLegacy[] = {u"plx_times_flags", u"plx_times_mile", u"plx_times_bod",
                                           u"plx_times_tt"};

TEST(CalculationSettingsStore, AnEmptyStoreGivesTheDefaults) {
    const MemorySettingsStore store;
    const CalculationSettings settings = LoadCalculationSettings(store);
    EXPECT_EQ(settings, CalculationSettings{});
    EXPECT_EQ(settings.times.milesMethod, 72);
    EXPECT_EQ(settings.times.riseSetDiffMethod, kDegrees);
    EXPECT_EQ(settings.times.talitTfilinMethod, 3);
    EXPECT_EQ(settings.times.propHourMaga, 0);
    EXPECT_EQ(settings.times.starsOutRt, 1);
    EXPECT_EQ(settings.monthlySunrise, 1);
}

TEST(CalculationSettingsStore, RoundTripKeepsEveryChoice) {
    CalculationSettings settings;
    settings.calcHeights = 1;
    settings.times.talitTfilinMethod = 5;  // 10.2 degrees
    settings.times.milesMethod = 120;
    settings.times.riseSetDiffMethod = kProportionalMinutes;
    settings.times.starsOutRabeinuTamMinutes = RabbeinuTamLength::k90Minutes;
    settings.times.starsOutRabeinuTamMethod = kFixedMinutes;
    settings.times.sunrise = 0;
    settings.times.starsOutRashaz = 1;
    settings.times.solarCalculation = SolarCalculation::Precise;
    settings.daylightHours = 2;
    settings.daylightOn = 1;
    settings.locationKey = 83;
    settings.monthlyLandscape = 1;
    settings.monthlySunset = 0;
    settings.monthlyPlag = 2;

    MemorySettingsStore store;
    SaveCalculationSettings(store, settings);
    EXPECT_EQ(LoadCalculationSettings(store), settings);
    EXPECT_EQ(store.ReadInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMinutes", 0), 90);
    EXPECT_EQ(store.ReadInteger(kTimesOfDaySection, u"MilesMethod", 0), 120);
    EXPECT_EQ(store.ReadInteger(kTimesOfDaySection, u"TalitTfilinMethod", 0), 5);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_daylight", 0), 2);
    EXPECT_EQ(store.ReadInteger(kTimesOfDaySection, u"SolarCalculation", 0), 1);
}

TEST(CalculationSettingsStore, OnlyOneReadsAsThePreciseSun) {
    for (const std::int32_t stored : {0, 2, -1, 1 << 30}) {
        MemorySettingsStore store;
        store.WriteInteger(kTimesOfDaySection, u"SolarCalculation", stored);
        EXPECT_EQ(LoadCalculationSettings(store).times.solarCalculation, SolarCalculation::Classic)
            << stored;
    }
    MemorySettingsStore store;
    store.WriteString(kTimesOfDaySection, u"SolarCalculation", u"precise");
    EXPECT_EQ(LoadCalculationSettings(store).times.solarCalculation, SolarCalculation::Classic);
    store.WriteInteger(kTimesOfDaySection, u"SolarCalculation", 1);
    EXPECT_EQ(LoadCalculationSettings(store).times.solarCalculation, SolarCalculation::Precise);
    // Beside the older layout of the options too.
    store.WriteInteger(kSettingsSection, u"plx_times_flags", 0);
    EXPECT_EQ(LoadCalculationSettings(store).times.solarCalculation, SolarCalculation::Precise);
}

TEST(CalculationSettingsStore, DaylightSwitchedOffForgetsItsHours) {
    CalculationSettings settings;
    settings.daylightAuto = false;
    settings.daylightHours = 3;
    settings.daylightOn = 0;
    MemorySettingsStore store;
    SaveCalculationSettings(store, settings);
    const CalculationSettings loaded = LoadCalculationSettings(store);
    EXPECT_EQ(loaded.daylightHours, 0);
    EXPECT_EQ(loaded.daylightOn, 0);
    EXPECT_FALSE(loaded.daylightAuto);
}

TEST(CalculationSettingsStore, AutomaticDaylightSavingOnlyWhereNoneWasEverStored) {
    // A fresh install follows the place's time zone.
    EXPECT_TRUE(LoadCalculationSettings(MemorySettingsStore()).daylightAuto);

    // A file written before the automatic mode keeps its manual choice, off as well as on.
    for (const std::int32_t stored : {0, 2}) {
        MemorySettingsStore old;
        old.WriteInteger(kSettingsSection, u"plx_daylight", stored);
        const CalculationSettings settings = LoadCalculationSettings(old);
        EXPECT_FALSE(settings.daylightAuto) << stored;
        EXPECT_EQ(settings.daylightOn, stored > 0);
        EXPECT_EQ(settings.daylightHours, stored);
    }

    // Saved and read back, either way; the manual hours are kept under the automatic mode.
    for (const bool automatic : {true, false}) {
        CalculationSettings settings;
        settings.daylightAuto = automatic;
        settings.daylightHours = 1;
        settings.daylightOn = true;
        MemorySettingsStore store;
        SaveCalculationSettings(store, settings);
        EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_daylight_auto", -1), automatic ? 1 : 0);
        EXPECT_EQ(LoadCalculationSettings(store), settings);
    }
}

TEST(CalculationSettingsStore, OutOfRangeValuesReadAsDefaults) {
    MemorySettingsStore store;
    store.WriteInteger(kTimesOfDaySection, u"MilesMethod", 100);
    store.WriteInteger(kTimesOfDaySection, u"RiseSetDiffMethod", 7);
    store.WriteInteger(kTimesOfDaySection, u"TalitTfilinMethod", 6);
    store.WriteInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMinutes", 60);
    store.WriteInteger(kTimesOfDaySection, u"StarsOutRabeinuTamMethod", -1);
    store.WriteInteger(kTimesOfDaySection, u"PropHourMaga", 5);
    store.WriteString(kTimesOfDaySection, u"Sunrise", u"off");  // not a number: absent
    store.WriteInteger(kSettingsSection, u"plx_calc_heights", 2);
    store.WriteInteger(kSettingsSection, u"plx_reportmonthly_tefilin", 3);
    const CalculationSettings settings = LoadCalculationSettings(store);
    EXPECT_EQ(settings.times.milesMethod, 72);
    EXPECT_EQ(settings.times.riseSetDiffMethod, kDegrees);
    EXPECT_EQ(settings.times.talitTfilinMethod, 3);
    EXPECT_EQ(settings.times.starsOutRabeinuTamMinutes, RabbeinuTamLength::k72Minutes);
    EXPECT_EQ(settings.times.starsOutRabeinuTamMethod, kDegrees);
    EXPECT_EQ(settings.times.propHourMaga, 1);
    EXPECT_EQ(settings.times.sunrise, 1);
    EXPECT_EQ(settings.calcHeights, 0);
    EXPECT_EQ(settings.monthlyTefilin, 0);
}

TEST(CalculationSettingsStore, DaylightHoursOutsideZeroToThreeReadAsNeverStored) {
    for (const std::u16string_view text : {u"99", u"-1", u"4", u"two", u"2147483648"}) {
        MemorySettingsStore store;
        store.WriteString(kSettingsSection, u"plx_daylight", text);
        RejectedValues rejected;
        const CalculationSettings settings = LoadCalculationSettings(store, &rejected);
        EXPECT_TRUE(settings.daylightAuto);
        EXPECT_EQ(settings.daylightHours, 0);
        EXPECT_FALSE(settings.daylightOn);
        ASSERT_EQ(rejected.size(), 1u);
        EXPECT_EQ(rejected[0].name, u"plx_daylight");
        EXPECT_EQ(rejected[0].text, text);
        EXPECT_EQ(rejected[0].high, 3);
    }
    MemorySettingsStore store;
    store.WriteInteger(kSettingsSection, u"plx_daylight", 3);
    RejectedValues rejected;
    const CalculationSettings settings = LoadCalculationSettings(store, &rejected);
    EXPECT_TRUE(rejected.empty());
    EXPECT_FALSE(settings.daylightAuto);
    EXPECT_EQ(settings.daylightHours, 3);
}

// The window writes at its close what changed while it was open, and nothing else: another
// process's choice made meanwhile stays.
TEST(CalculationSettingsStore, OnlyTheChangesAreSaved) {
    MemorySettingsStore store;
    SaveCalculationSettings(store, CalculationSettings{});
    const CalculationSettings before = LoadCalculationSettings(store);
    store.WriteInteger(kSettingsSection, u"plx_timezone", 66);  // plxcal locations use 66
    const auto written = store.Values();

    SaveChangedCalculationSettings(store, before, before);
    EXPECT_EQ(store.Values(), written);
    CalculationSettings now = before;
    now.calcHeights = true;
    now.times.milesMethod = 120;
    SaveChangedCalculationSettings(store, before, now);
    std::size_t changed = 0;
    for (const auto& [key, value] : store.Values())
        changed += written.at(key) == value ? 0 : 1;
    EXPECT_EQ(changed, 2u);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 0), 66);
    EXPECT_EQ(store.ReadInteger(kTimesOfDaySection, u"MilesMethod", 0), 120);

    // A store in the older layout is converted whole, once something is to be written.
    MemorySettingsStore old;
    old.WriteInteger(kSettingsSection, u"plx_times_flags", 1);
    const CalculationSettings read = LoadCalculationSettings(old);
    SaveChangedCalculationSettings(old, read, read);
    EXPECT_TRUE(old.Contains(kSettingsSection, u"plx_times_flags"));
    now = read;
    now.calcHeights = true;
    SaveChangedCalculationSettings(old, read, now);
    EXPECT_FALSE(old.Contains(kSettingsSection, u"plx_times_flags"));
    EXPECT_EQ(LoadCalculationSettings(old), now);
}

TEST(CalculationSettingsStore, LegacyFlagsConvertOnTheFirstSave) {
    MemorySettingsStore store;
    // Every switch but "Sunrise" (bit 2) and "StarsOutGra" (bit 19); Rabbeinu Tam 120 minutes
    // (bit 24) by proportional minutes (bit 26); bit 28 clear keeps candles and Motzash.
    const std::uint32_t flags = (0x3FFFFFu & ~(1u << 2) & ~(1u << 19)) | (1u << 24) | (1u << 26);
    store.WriteInteger(kSettingsSection, u"plx_times_flags", static_cast<std::int32_t>(flags));
    store.WriteInteger(kSettingsSection, u"plx_times_mile", 1);
    store.WriteInteger(kSettingsSection, u"plx_times_bod", 0);
    store.WriteInteger(kSettingsSection, u"plx_times_tt", 4);
    store.WriteInteger(kTimesOfDaySection, u"Sunrise", 1);  // the current layout is not consulted

    const CalculationSettings settings = LoadCalculationSettings(store);
    EXPECT_EQ(settings.times.sunrise, 0);
    EXPECT_EQ(settings.times.starsOutGra, 0);
    EXPECT_EQ(settings.times.breakOfDawn, 1);
    EXPECT_EQ(settings.times.propHourMaga, 1);
    EXPECT_EQ(settings.times.starsOutRt, 1);
    EXPECT_EQ(settings.times.candleLighting, 1);
    EXPECT_EQ(settings.times.motzash, 1);
    EXPECT_EQ(settings.times.starsOutRabeinuTamMinutes, RabbeinuTamLength::k120Minutes);
    EXPECT_EQ(settings.times.starsOutRabeinuTamMethod, kProportionalMinutes);
    EXPECT_EQ(settings.times.milesMethod, 90);
    EXPECT_EQ(settings.times.riseSetDiffMethod, kFixedMinutes);
    EXPECT_EQ(settings.times.talitTfilinMethod, 4);

    SaveCalculationSettings(store, settings);
    for (std::u16string_view name : kLegacy)
        EXPECT_FALSE(store.Contains(kSettingsSection, name)) << "legacy value left";
    EXPECT_EQ(LoadCalculationSettings(store), settings);
}

TEST(CalculationSettingsStore, LegacyBitsForCandlesAndTheLaterChoices) {
    MemorySettingsStore store;
    // Bit 28 switches candles and Motzash off; bits 23 and 24 both set: 24 wins; 27 over 26.
    store.WriteInteger(kSettingsSection, u"plx_times_flags",
                       static_cast<std::int32_t>((1u << 28) | (1u << 23) | (1u << 24) | (1u << 26) |
                                                 (1u << 27) | (1u << 31)));
    store.WriteInteger(kSettingsSection, u"plx_times_tt", 5);  // 10.2 degrees came later
    const TimesOfDayOptions times = LoadCalculationSettings(store).times;
    EXPECT_EQ(times.candleLighting, 0);
    EXPECT_EQ(times.motzash, 0);
    EXPECT_EQ(times.breakOfDawn, 0);
    EXPECT_EQ(times.starsOutRabeinuTamMinutes, RabbeinuTamLength::k120Minutes);
    EXPECT_EQ(times.starsOutRabeinuTamMethod, kDegrees);
    EXPECT_EQ(times.talitTfilinMethod, 3);
    EXPECT_EQ(times.milesMethod, 72);
    EXPECT_EQ(times.riseSetDiffMethod, kDegrees);
}

}  // namespace
}  // namespace plx
