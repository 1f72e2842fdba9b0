#include "astro/solar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astro/noaa_sun.h"

namespace plx {
namespace {

constexpr CalendarDate kEquinox2024{21, 3, 2024};
constexpr double kJerusalemLat = 31.78;
constexpr double kJerusalemLon = 35.231;
constexpr double kIsraelZone = 2;

std::u16string Clock(double ut, MinuteRounding mode) {
    return FormatClockTime(ut + kIsraelZone, mode);
}

TEST(SolarDays, CountFromTheLastDayOf1999AcrossTheCalendarReform) {
    EXPECT_EQ(DaysSince2000({31, 12, 1999}), 0);
    EXPECT_EQ(DaysSince2000({1, 1, 2000}), 1);
    EXPECT_EQ(DaysSince2000(kEquinox2024), 8847);
    EXPECT_EQ(DaysSince2000({15, 10, 1582}) - DaysSince2000({4, 10, 1582}), 1);
    // Year -1 is 1 BCE, directly before year 1; Julian 1 March 1 BCE follows 29 February.
    EXPECT_EQ(DaysSince2000({1, 1, 1}) - DaysSince2000({31, 12, -1}), 1);
    EXPECT_EQ(DaysSince2000({1, 3, -1}) - DaysSince2000({28, 2, -1}), 2);
    EXPECT_EQ(JulianDayOfDate({1, 1, 2000}), 2451544.5);
}

TEST(SolarDays, JerusalemAtTheEquinoxOf2024) {
    const auto day = ComputeSolarDay(kEquinox2024, 1, kJerusalemLat, kJerusalemLon, 0);
    ASSERT_TRUE(day);
    EXPECT_EQ(Clock(day->sunrise, MinuteRounding::Later), u"05:43");
    EXPECT_EQ(Clock(day->sunset, MinuteRounding::Later), u"17:52");
    EXPECT_EQ(Clock(day->sunrise, MinuteRounding::Nearest), u"05:42");
    EXPECT_EQ(Clock(day->sunset, MinuteRounding::Nearest), u"17:51");
    EXPECT_EQ(Clock(day->noon, MinuteRounding::Nearest), u"11:46");
    EXPECT_NEAR(day->declination, 0.2, 0.3);
}

// 2.12 arc-minutes for every root metre of height, worked by hand for heights with whole roots.
TEST(SolarDays, DipOfTheHorizon) {
    const struct {
        double metres;
        double arcMinutes;
    } cases[] = {{0, 0}, {1, 2.12}, {100, 21.2}, {900, 63.6}, {-400, -42.4}};
    for (const auto& [metres, arcMinutes] : cases)
        EXPECT_NEAR(HorizonDip(metres) * 60, arcMinutes, 1e-9) << metres;
}

// At sunrise and sunset the sun's centre stands its semidiameter (16') and the refraction (31' in
// Israel, 35' elsewhere) below the horizon, and the dip lower still.
TEST(SolarDays, HorizonAltitude) {
    const struct {
        int refractionIsrael;
        double dipArcMinutes;
        double arcMinutes;
    } cases[] = {{1, 0, -47}, {0, 0, -51}, {1, 63.6, -110.6}, {0, -42.4, -8.6}};
    for (const auto& [israel, dip, arcMinutes] : cases)
        EXPECT_NEAR(HorizonAltitude(israel, dip / 60) * 60, arcMinutes, 1e-9)
            << israel << ' ' << dip;
}

// A hill sees the sun earlier and longer, a place below the sea later and shorter: sunrise and
// sunset fall where NOAA's sun (astro/noaa_sun.h, not the program's solar theory) reaches the
// altitudes above. The two theories differ by well under a minute at Jerusalem.
TEST(SolarDays, HeightMovesSunriseAndSunsetAsAnIndependentSunDoes) {
    const noaa::Sun sun(2024, 3, 21, kJerusalemLat, kJerusalemLon, kIsraelZone);
    const struct {
        double metres;
        double altitudeArcMinutes;
    } cases[] = {{0, -47}, {900, -110.6}, {-400, -4.6}};
    for (const auto& [metres, altitude] : cases) {
        const auto day = ComputeSolarDay(kEquinox2024, 1, kJerusalemLat, kJerusalemLon, metres);
        ASSERT_TRUE(day) << metres;
        EXPECT_NEAR((day->sunrise + kIsraelZone) * 60, sun.Before(altitude / 60), 0.6) << metres;
        EXPECT_NEAR((day->sunset + kIsraelZone) * 60, sun.After(altitude / 60), 0.6) << metres;
    }
}

TEST(SolarDays, NoSunriseInPolarDayOrPolarNight) {
    EXPECT_FALSE(ComputeSolarDay({21, 6, 2024}, 0, 69.65, 18.96, 0));
    EXPECT_FALSE(ComputeSolarDay({21, 12, 2024}, 0, 69.65, 18.96, 0));
    EXPECT_FALSE(ComputeSolarDay({21, 6, 2024}, 0, -80, 0, 0));
    EXPECT_TRUE(ComputeSolarDay({21, 3, 2024}, 0, 69.65, 18.96, 0));
}

TEST(SolarDays, PlacesOffTheGlobeHaveNoSun) {
    EXPECT_FALSE(ComputeSolarDay(kEquinox2024, 1, 90.5, 35, 0));
    EXPECT_FALSE(ComputeSolarDay(kEquinox2024, 1, 31, -181, 0));
    EXPECT_FALSE(ComputeSolarDay(kEquinox2024, 1, std::nan(""), 35, 0));
    EXPECT_FALSE(ComputeSolarDay(kEquinox2024, 1, 31, 35, INFINITY));
    EXPECT_FALSE(EventHourAngle(std::nan(""), 31, 0));
}

TEST(SolarDays, HourAngleClampsRoundingNoiseButRefusesUnreachableAltitudes) {
    // At the pole-facing limit c is exactly +-1: noon or midnight, not "no event".
    const auto atNoon = EventHourAngle(90 - 31.0 + 10, 31, 10);
    ASSERT_TRUE(atNoon);
    EXPECT_NEAR(*atNoon, 0, 1e-6);
    EXPECT_FALSE(EventHourAngle(80, 31, 0));
    EXPECT_FALSE(EventHourAngle(-70, 31, 0));
}

TEST(SolarDays, KeplerStopsAtAFixedPointOrATwoValueSwing) {
    // A sweep of mean anomalies with the eccentricities of the whole calendar range, the negative
    // values of the far future included: every call returns and solves the equation.
    for (double e : {0.016709, 0.0, -0.027, 0.06}) {
        for (double m = 0; m <= 360; m += 0.37) {
            const double anomaly = EccentricAnomaly(m, e);
            const double residual =
                anomaly -
                e * (180 / std::numbers::pi) * std::sin(anomaly * std::numbers::pi / 180) - m;
            EXPECT_NEAR(residual, 0, 1e-9) << "M " << m << " e " << e;
        }
    }
}

TEST(ClockTimes, RoundingModes) {
    const double sunrise = 5 + 42.0 / 60 + 10.0 / 3600;  // 05:42:10
    EXPECT_EQ(FormatClockTime(sunrise, MinuteRounding::Later), u"05:43");
    EXPECT_EQ(FormatClockTime(sunrise, MinuteRounding::Nearest), u"05:42");
    EXPECT_EQ(FormatClockTime(5 + 42.51 / 60, MinuteRounding::Nearest), u"05:43");
    // Later cuts to whole seconds first: 05:42:30.9 is 05:42:30 + 59.4 s, still 05:43.
    EXPECT_EQ(FormatClockTime(5 + 42.0 / 60 + 30.9 / 3600, MinuteRounding::Later), u"05:43");
    EXPECT_EQ(FormatClockTime(5 + 42.0 / 60 + 31.0 / 3600, MinuteRounding::Later), u"05:44");
    EXPECT_EQ(FormatClockTime(5 + 7.0 / 60, MinuteRounding::Nearest), u"05:07");
    EXPECT_EQ(FormatClockTime(5.9999, MinuteRounding::Nearest), u"06:00");
}

TEST(ClockTimes, WrapBackwardOnceAndNeverForward) {
    EXPECT_EQ(FormatClockTime(-0.5, MinuteRounding::Nearest), u"23:30");
    EXPECT_EQ(FormatClockTime(-0.01, MinuteRounding::Nearest), u"23:59");
    EXPECT_EQ(FormatClockTime(-0.001, MinuteRounding::Nearest), u"00:00");
    EXPECT_EQ(FormatClockTime(23.999, MinuteRounding::Later), u"24:01");
    EXPECT_EQ(FormatClockTime(23.999, MinuteRounding::Nearest), u"24:00");
    EXPECT_EQ(FormatClockTime(25.25, MinuteRounding::Nearest), u"25:15");
    // The minutes keep which day a time falls on, which the text loses when it wraps.
    EXPECT_EQ(ClockMinutes(-0.5, MinuteRounding::Nearest), -30);
    EXPECT_EQ(ClockMinutes(-0.01, MinuteRounding::Nearest), -1);
    EXPECT_EQ(ClockMinutes(-0.001, MinuteRounding::Nearest), 0);
    EXPECT_EQ(ClockMinutes(23.999, MinuteRounding::Later), 24 * 60 + 1);
    EXPECT_EQ(ClockMinutes(5 + 42.0 / 60 + 31.0 / 3600, MinuteRounding::Later), 5 * 60 + 44);
    EXPECT_EQ(ClockMinutes(std::nan(""), MinuteRounding::Nearest), std::nullopt);
}

TEST(ClockTimes, TimesThatAreNotClockTimesGiveNoText) {
    EXPECT_EQ(FormatClockTime(std::nan(""), MinuteRounding::Nearest), u"");
    EXPECT_EQ(FormatClockTime(INFINITY, MinuteRounding::Later), u"");
    EXPECT_EQ(FormatClockTime(1e300, MinuteRounding::Later), u"");
    EXPECT_EQ(FormatClockTime(99.995, MinuteRounding::Nearest), u"");  // would be 100:00
    EXPECT_EQ(FormatClockTime(99.5, MinuteRounding::Nearest), u"99:30");
    EXPECT_EQ(FormatClockTime(-24.5, MinuteRounding::Nearest), u"");
}

}  // namespace
}  // namespace plx
