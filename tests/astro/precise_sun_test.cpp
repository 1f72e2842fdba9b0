// The precise solar calculation against independent expectations: Meeus's worked examples for the
// sun's place, and a year of sunrises, noons and sunsets at seven places from PyEphem
// (scripts/make-sun-reference.py).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "astro/apparent_sun.h"
#include "astro/halachic_times.h"
#include "astro/solar.h"

namespace plx {
namespace {

constexpr double kWorldHorizon = -(35.0 + 16.0) / 60;  // refraction and semidiameter

// Meeus, "Astronomical Algorithms", examples 25.a and 28.b: 1992 October 13.0.
TEST(ApparentSun, MeeusWorkedExamples) {
    const ApparentSun sun = ApparentSunAt(2448908.5);
    EXPECT_NEAR(sun.declination, -7.78507, 0.00005);
    EXPECT_NEAR(sun.equationOfTime, 13.7094, 0.005);  // 13m 42.6s
}

TEST(ApparentSun, EquationOfTimeThroughTheYear) {
    // Its well-known extremes: about -14.2 minutes in mid-February, +16.4 in early November.
    EXPECT_NEAR(ApparentSunAt(2460355.5).equationOfTime, -14.2, 0.15);  // 12 February 2024
    EXPECT_NEAR(ApparentSunAt(2460618.5).equationOfTime, 16.4, 0.15);   // 1 November 2024
    // Declination at the June solstice of 2024 (20 June 20:51 UT).
    EXPECT_NEAR(ApparentSunAt(2460482.369).declination, 23.44, 0.01);
}

struct ReferenceDay {
    std::string place;
    double latitude = 0;
    double longitude = 0;
    CalendarDate date;
    bool hasEvents = false;
    double sunrise = 0, noon = 0, sunset = 0;
};

std::vector<ReferenceDay> LoadReference() {
    std::ifstream file(PLX_SOURCE_DIR "/tests/astro/data/sun_reference.txt");
    std::vector<ReferenceDay> days;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream in(line);
        ReferenceDay day;
        std::string date, first;
        in >> day.place >> day.latitude >> day.longitude >> date >> first;
        day.date = {static_cast<std::uint8_t>(std::stoi(date.substr(8, 2))),
                    static_cast<std::uint8_t>(std::stoi(date.substr(5, 2))),
                    std::stoi(date.substr(0, 4))};
        day.hasEvents = first != "none";
        if (day.hasEvents) {
            day.sunrise = std::stod(first);
            in >> day.noon >> day.sunset;
        }
        days.push_back(day);
    }
    return days;
}

std::optional<SolarDay> Precise(const ReferenceDay& day) {
    return ComputeSolarDay(day.date, 0, day.latitude, day.longitude, 0, SolarCalculation::Precise);
}

TEST(PreciseSun, AgreesWithPyEphemWithinAMinuteEverywhereAndAlways) {
    const std::vector<ReferenceDay> days = LoadReference();
    ASSERT_EQ(days.size(), 7u * 366u);
    for (const ReferenceDay& day : days) {
        SCOPED_TRACE(day.place + " " + std::to_string(day.date.month) + "/" +
                     std::to_string(day.date.day));
        const std::optional<SolarDay> sun = Precise(day);
        ASSERT_EQ(sun.has_value(), day.hasEvents);
        if (!sun)
            continue;
        EXPECT_NEAR(sun->sunrise, day.sunrise, 60 / 3600.0);
        EXPECT_NEAR(sun->noon, day.noon, 60 / 3600.0);
        EXPECT_NEAR(sun->sunset, day.sunset, 60 / 3600.0);
    }
}

// At 70 degrees north the sun grazes the horizon around the polar night and the midnight sun:
// the last and first days with a sunrise have it close to noon, and never outside the half day.
TEST(PreciseSun, GrazingSunAtSeventyNorthStaysOrderedAndNearNoon) {
    for (CalendarDate date{1, 1, 2024}; date.year == 2024; date = NextCivilDay(date)) {
        const auto sun = ComputeSolarDay(date, 0, 70, 18.9553, 0, SolarCalculation::Precise);
        if (!sun)
            continue;
        EXPECT_LE(sun->sunrise, sun->noon);
        EXPECT_LE(sun->noon, sun->sunset);
        EXPECT_GT(sun->sunrise, sun->noon - 12);
        EXPECT_LT(sun->sunset, sun->noon + 12);
        EXPECT_NEAR(sun->noon, 12 - 18.9553 / 15, 0.3);
    }
    // Depressions the sun never reaches in midsummer at 70 degrees: no dawn, no nightfall.
    const auto june = ComputeSolarDay({1, 5, 2024}, 0, 70, 18.9553, 0, SolarCalculation::Precise);
    ASSERT_TRUE(june);
    EXPECT_FALSE(MorningDepressionHours(*june, 16));
    EXPECT_FALSE(EveningDepressionHours(*june, 16));
}

TEST(PreciseSun, StaysFiniteOverTheWholeCalendar) {
    for (const double latitude : {-89.9, -66.0, 0.0, 31.78, 66.0, 89.9}) {
        for (CalendarDate date{1, 1, -3760}; date.year < 107300;
             date = {1, static_cast<std::uint8_t>(date.month % 12 + 1), date.year + 397}) {
            const auto sun = ComputeSolarDay(date, 1, latitude, 35, 100, SolarCalculation::Precise);
            if (!sun)
                continue;
            EXPECT_TRUE(std::isfinite(sun->sunrise) && std::isfinite(sun->noon) &&
                        std::isfinite(sun->sunset));
            EXPECT_LE(sun->sunrise, sun->sunset);
        }
    }
}

TEST(PreciseSun, EveryTimeOfTheDayFollowsTheChoice) {
    TimesOfDayOptions options;
    SetAllTimeSwitches(options, true);
    const TimesPlace helsinki{60.17, 24.94, 0, 7200, false, 18};
    const auto classic = ComputeHalachicTimes({14, 6, 2024}, helsinki, options, DayKind::kOrdinary);
    options.solarCalculation = SolarCalculation::Precise;
    const auto precise = ComputeHalachicTimes({14, 6, 2024}, helsinki, options, DayKind::kOrdinary);
    ASSERT_FALSE(precise.empty());
    ASSERT_EQ(classic.size(), precise.size());
    int differing = 0;
    for (std::size_t i = 0; i < classic.size(); ++i) {
        EXPECT_EQ(classic[i].kind, precise[i].kind);
        EXPECT_LE(std::abs(classic[i].minutes - precise[i].minutes), 5);
        differing += classic[i].minutes != precise[i].minutes;
    }
    EXPECT_GT(differing, 0);
}

}  // namespace
}  // namespace plx
