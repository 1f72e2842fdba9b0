#include "astro/time_zones.h"

#include <gtest/gtest.h>

namespace plx {
namespace {

TEST(ZoneOffset, ZonePlusDaylightSavingWhenOn) {
    CalculationSettings settings;
    const Location jerusalem = BuiltInLocation(0);
    EXPECT_EQ(ZoneOffsetSeconds(jerusalem, settings), 7200);
    settings.daylightHours = 2;
    EXPECT_EQ(ZoneOffsetSeconds(jerusalem, settings), 7200);
    settings.daylightOn = 1;
    EXPECT_EQ(ZoneOffsetSeconds(jerusalem, settings), 14400);
    Location india = jerusalem;
    india.zone = 5.5f;
    settings.daylightOn = 0;
    EXPECT_EQ(ZoneOffsetSeconds(india, settings), 19800);
    EXPECT_EQ(ZoneOffsetSeconds(BuiltInLocation(32), settings), -3 * 3600);
}

TEST(DaylightCommands, OnOffAndHours) {
    CalculationSettings settings;
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
    EXPECT_EQ(settings.daylightOn, 1);
}

TEST(DaylightCommands, MenuChecksAndCaptions) {
    CalculationSettings settings;
    settings.daylightHours = 2;
    DaylightChecks checks = DaylightMenuChecks(settings);
    EXPECT_TRUE(checks.off);
    EXPECT_FALSE(checks.on);
    EXPECT_TRUE(checks.hours[1]);  // the hours stay checked while saving is off
    EXPECT_EQ(DaylightCaptionKey(settings), u"DAYLIGHT_SAVING_0");

    settings.daylightOn = 1;
    checks = DaylightMenuChecks(settings);
    EXPECT_FALSE(checks.off);
    EXPECT_TRUE(checks.on);
    EXPECT_EQ(DaylightCaptionKey(settings), u"DAYLIGHT_SAVING_2");

    settings.daylightHours = 5;  // only a hand-edited store holds this
    checks = DaylightMenuChecks(settings);
    EXPECT_FALSE(checks.hours[0] || checks.hours[1] || checks.hours[2]);
    EXPECT_EQ(DaylightCaptionKey(settings), u"");
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
