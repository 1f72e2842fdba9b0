#include "astro/time_zones.h"

#include <gtest/gtest.h>

namespace plx {
namespace {

// A database of one zone, three hours from UT in April to September and two otherwise.
std::optional<ZoneOffset> OneZone(std::u16string_view id, CalendarDate civil) {
    if (id != u"Test/Zone")
        return std::nullopt;
    const bool summer = civil.month >= 4 && civil.month <= 9;
    return ZoneOffset{summer ? 3 * 3600.0 : 2 * 3600.0, summer};
}

CalculationSettings Manual() {
    CalculationSettings settings;
    settings.daylightAuto = false;
    return settings;
}

TEST(DateClock, ManualIsTheZonePlusDaylightSavingWhenOn) {
    CalculationSettings settings = Manual();
    Location jerusalem = BuiltInLocation(0);
    jerusalem.timeZone = u"Test/Zone";  // the manual mode never asks the zone
    const auto offset = [&](const Location& place) {
        const DateClock clock = ClockOnDate({1, 7, 2024}, place, settings, OneZone);
        EXPECT_EQ(clock.source, ClockSource::kManual);
        return clock.offsetSeconds;
    };
    EXPECT_EQ(offset(jerusalem), 7200);
    settings.daylightHours = 2;
    EXPECT_EQ(offset(jerusalem), 7200);
    settings.daylightOn = true;
    EXPECT_EQ(offset(jerusalem), 14400);
    Location india = jerusalem;
    india.zone = 5.5f;
    settings.daylightOn = false;
    EXPECT_EQ(offset(india), 19800);
    EXPECT_EQ(offset(BuiltInLocation(32)), -3 * 3600);
}

TEST(DateClock, AutomaticFollowsTheZoneDateByDate) {
    const CalculationSettings settings;  // automatic, as a fresh install starts
    Location place = BuiltInLocation(0);
    place.timeZone = u"Test/Zone";
    const DateClock winter = ClockOnDate({31, 3, 2024}, place, settings, OneZone);
    const DateClock summer = ClockOnDate({1, 4, 2024}, place, settings, OneZone);
    EXPECT_EQ(winter.offsetSeconds, 7200);
    EXPECT_FALSE(winter.summerTime);
    EXPECT_EQ(summer.offsetSeconds, 10800);
    EXPECT_TRUE(summer.summerTime);
    EXPECT_EQ(summer.source, ClockSource::kZone);
}

TEST(DateClock, AutomaticFallsBackToTheZoneHoursWithoutSummerTime) {
    const CalculationSettings settings;
    Location place = BuiltInLocation(0);
    place.zone = 5.5f;
    place.timeZone.clear();  // a custom place from before zones, or coordinates alone
    DateClock clock = ClockOnDate({1, 7, 2024}, place, settings, OneZone);
    EXPECT_EQ(clock.source, ClockSource::kNoZone);
    EXPECT_EQ(clock.offsetSeconds, 19800);
    EXPECT_FALSE(clock.summerTime);

    place.timeZone = u"Mars/Olympus";  // a hand-edited id
    clock = ClockOnDate({1, 7, 2024}, place, settings, OneZone);
    EXPECT_EQ(clock.source, ClockSource::kUnknownZone);
    EXPECT_EQ(clock.offsetSeconds, 19800);

    place.timeZone = u"Test/Zone";  // no database at all
    clock = ClockOnDate({1, 7, 2024}, place, settings, ZoneOffsetLookup());
    EXPECT_EQ(clock.source, ClockSource::kUnknownZone);
    EXPECT_EQ(clock.offsetSeconds, 19800);
}

TEST(DaylightCommands, OnOffAndHours) {
    CalculationSettings settings = Manual();
    EXPECT_FALSE(SwitchDaylightOff(settings));
    EXPECT_TRUE(SwitchDaylightOn(settings));
    EXPECT_EQ(settings.daylightHours, 1);
    EXPECT_TRUE(SwitchDaylightOn(settings));  // always recomputes

    EXPECT_TRUE(ChooseDaylightHours(settings, 3));
    EXPECT_TRUE(SwitchDaylightOff(settings));
    EXPECT_EQ(settings.daylightHours, 3);
    SwitchDaylightOn(settings);
    EXPECT_EQ(settings.daylightHours, 3);

    EXPECT_TRUE(ChooseDaylightHours(settings, 2));
    EXPECT_FALSE(ChooseDaylightHours(settings, 2));
    SwitchDaylightOff(settings);
    EXPECT_TRUE(ChooseDaylightHours(settings, 2));  // off with 2 hours: switching on is a change
    EXPECT_TRUE(settings.daylightOn);
}

TEST(DaylightCommands, AutomaticUntilAManualChoice) {
    CalculationSettings settings;
    EXPECT_TRUE(settings.daylightAuto);
    EXPECT_FALSE(ChooseDaylightAutomatic(settings));
    // Off while automatic is a change, though the manual switch already stood off.
    EXPECT_TRUE(SwitchDaylightOff(settings));
    EXPECT_FALSE(settings.daylightAuto);
    EXPECT_TRUE(ChooseDaylightAutomatic(settings));

    settings.daylightOn = true;
    settings.daylightHours = 2;
    EXPECT_TRUE(ChooseDaylightHours(settings, 2));  // the same hours leave automatic
    EXPECT_FALSE(settings.daylightAuto);
    ChooseDaylightAutomatic(settings);
    EXPECT_TRUE(SwitchDaylightOn(settings));
    EXPECT_FALSE(settings.daylightAuto);
    EXPECT_EQ(settings.daylightHours, 2);  // the manual hours are kept across automatic
}

TEST(DaylightCommands, MenuChecksAndCaptions) {
    CalculationSettings settings = Manual();
    const DateClock manual;
    settings.daylightHours = 2;
    DaylightChecks checks = DaylightMenuChecks(settings);
    EXPECT_FALSE(checks.automatic);
    EXPECT_TRUE(checks.off);
    EXPECT_FALSE(checks.on);
    EXPECT_TRUE(checks.hours[1]);  // the hours stay checked while saving is off
    EXPECT_EQ(DaylightCaptionKey(settings, manual), u"DAYLIGHT_SAVING_0");

    settings.daylightOn = true;
    checks = DaylightMenuChecks(settings);
    EXPECT_FALSE(checks.off);
    EXPECT_TRUE(checks.on);
    EXPECT_EQ(DaylightCaptionKey(settings, manual), u"DAYLIGHT_SAVING_2");

    settings.daylightHours = 5;  // only a hand-edited store holds this
    checks = DaylightMenuChecks(settings);
    EXPECT_FALSE(checks.hours[0] || checks.hours[1] || checks.hours[2]);
    EXPECT_EQ(DaylightCaptionKey(settings, manual), u"");

    settings.daylightAuto = true;
    checks = DaylightMenuChecks(settings);
    EXPECT_TRUE(checks.automatic);
    EXPECT_FALSE(checks.off || checks.on || checks.hours[0] || checks.hours[1] || checks.hours[2]);
    const auto key = [&settings](ClockSource source, bool summer) {
        return DaylightCaptionKey(settings, DateClock{0, source, summer});
    };
    EXPECT_EQ(key(ClockSource::kZone, true), u"DAYLIGHT_SAVING_AUTO_SUMMER");
    EXPECT_EQ(key(ClockSource::kZone, false), u"DAYLIGHT_SAVING_AUTO_STANDARD");
    EXPECT_EQ(key(ClockSource::kNoZone, false), u"DAYLIGHT_SAVING_AUTO_NO_ZONE");
    EXPECT_EQ(key(ClockSource::kUnknownZone, false), u"DAYLIGHT_SAVING_AUTO_UNKNOWN_ZONE");
}

TEST(LocationCaption, NameAndCandleMinutes) {
    EXPECT_EQ(LocationCaption(u"Time Zone", BuiltInLocation(0), Language::kEnglish),
              u"Time Zone - Jerusalem (40)");
    EXPECT_EQ(LocationCaption(u"אזור זמן", BuiltInLocation(20), Language::kHebrew),
              u"אזור זמן - פתח תקוה (40)");
    EXPECT_EQ(kLocationCaptionKey, u"TIMEZONE");
}

}  // namespace
}  // namespace plx
