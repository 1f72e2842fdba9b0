#include "astro/halachic_times.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/solar.h"

namespace plx {
namespace {

constexpr double kJerusalemLat = 31.78;
constexpr double kJerusalemLon = 35.231;
constexpr double kIsraelZoneSeconds = 7200;
constexpr CalendarDate kWednesday{20, 3, 2024};
constexpr CalendarDate kFriday{22, 3, 2024};
constexpr CalendarDate kSaturday{23, 3, 2024};

std::vector<TimeEntry> Jerusalem(CalendarDate day, const TimesOfDayOptions& options,
                                 DayKind kind = DayKind::kOrdinary) {
    return ComputeHalachicTimes(day, kIsraelZoneSeconds, options, 40, 1, kind, kJerusalemLat,
                                kJerusalemLon, 0);
}

std::vector<int> Kinds(const std::vector<TimeEntry>& times) {
    std::vector<int> kinds;
    for (const TimeEntry& t : times)
        kinds.push_back(t.kind);
    return kinds;
}

const TimeEntry* Find(const std::vector<TimeEntry>& times, TimeKind kind) {
    const auto found = std::find_if(times.begin(), times.end(),
                                    [kind](const TimeEntry& t) { return t.kind == kind; });
    return found == times.end() ? nullptr : &*found;
}

SolarDay JerusalemSun(CalendarDate day) {
    return *ComputeSolarDay(day, 1, kJerusalemLat, kJerusalemLon, 0);
}

std::u16string Clock(double ut, MinuteRounding mode) {
    return FormatClockTime(ut + 2, mode);
}

TimesOfDayOptions AllOn() {
    TimesOfDayOptions options;
    SetAllTimeSwitches(options, true);
    return options;
}

TEST(HalachicTimes, DefaultOptionsOnAnOrdinaryWednesday) {
    const auto times = Jerusalem(kWednesday, TimesOfDayOptions{});
    EXPECT_EQ(Kinds(times), (std::vector<int>{1, 2, 3, 6, 7, 8, 9, 10, 12, 15, 17, 18, 19, 22, 5}));
    EXPECT_EQ(Find(times, kTimeNightfall)->label, kLabelStarsOut);
    EXPECT_EQ(Find(times, kTimeSunrise)->label, kLabelSunrise);
    EXPECT_EQ(Find(times, kTimePropHourGra)->label, kLabelPropHourGra);

    const SolarDay sun = JerusalemSun(kWednesday);
    const double g = (sun.sunset - sun.sunrise) / 12;
    EXPECT_EQ(Find(times, kTimeSunrise)->text, Clock(sun.sunrise, MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimeEndShmaGra)->text,
              Clock(sun.sunrise + 3 * g, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, kTimeMinchaGdolaGra)->text,
              Clock(sun.noon + 0.5 * g, MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimePlagHaMinchaGra)->text,
              Clock(sun.noon + 4.75 * g, MinuteRounding::Nearest));
    // Dawn and Rabbeinu Tam by 15.99 degrees, tallit by 11.5, nightfall by 8.5.
    EXPECT_EQ(Find(times, kTimeBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 15.99), MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimeStarsOutRt)->text,
              Clock(sun.noon + *DepressionHourAngle(sun, 15.99), MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimeTalitTfilin)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 11.5), MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimeNightfall)->text,
              Clock(sun.noon + *DepressionHourAngle(sun, 8.5), MinuteRounding::Later));
    // The hour length carries no zone offset.
    EXPECT_EQ(Find(times, kTimePropHourGra)->text, FormatClockTime(g, MinuteRounding::Nearest));
}

TEST(HalachicTimes, EveryTimeInTableOrder) {
    const auto times = Jerusalem(kFriday, AllOn());
    EXPECT_EQ(Kinds(times), (std::vector<int>{1,  2,  3,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                              15, 16, 17, 23, 18, 19, 20, 21, 22, 4,  5}));
    std::vector<int> labels;
    for (const TimeEntry& t : times)
        labels.push_back(t.label);
    EXPECT_EQ(labels, (std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23}));
}

TEST(HalachicTimes, FridayLightsCandlesBeforeSunset) {
    const auto times = Jerusalem(kFriday, TimesOfDayOptions{});
    const auto kinds = Kinds(times);
    const auto candles = std::find(kinds.begin(), kinds.end(), kTimeCandleLighting);
    ASSERT_NE(candles, kinds.end());
    EXPECT_EQ(*(candles + 1), kTimeSunset);
    const SolarDay sun = JerusalemSun(kFriday);
    EXPECT_EQ(Find(times, kTimeCandleLighting)->text,
              Clock(sun.sunset - 40.0 / 60, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, kTimeCandleLighting)->label, kLabelCandleLighting);

    TimesOfDayOptions noCandles;
    noCandles.candleLighting = 0;
    EXPECT_FALSE(Find(Jerusalem(kFriday, noCandles), kTimeCandleLighting));
    EXPECT_FALSE(Find(Jerusalem(kWednesday, TimesOfDayOptions{}), kTimeCandleLighting));
}

TEST(HalachicTimes, FestivalEvesLightCandlesExceptOnTheSabbath) {
    EXPECT_TRUE(
        Find(Jerusalem({22, 4, 2024}, TimesOfDayOptions{}, DayKind::kEve), kTimeCandleLighting));
    const auto saturdayEve = Jerusalem({12, 4, 2025}, TimesOfDayOptions{}, DayKind::kEve);
    EXPECT_FALSE(Find(saturdayEve, kTimeCandleLighting));
    // An eve is neither a Sabbath that ends nor a festival that ends.
    EXPECT_EQ(Find(saturdayEve, kTimeNightfall)->label, kLabelStarsOut);
}

TEST(HalachicTimes, MotzashLabelsAndForcesTheNightfall) {
    TimesOfDayOptions options;
    options.starsOutStandard = 0;
    EXPECT_FALSE(Find(Jerusalem(kWednesday, options), kTimeNightfall));
    EXPECT_EQ(Find(Jerusalem(kSaturday, options), kTimeNightfall)->label, kLabelEndOfShabbat);
    EXPECT_EQ(Find(Jerusalem({12, 10, 2024}, options, DayKind::kFestival), kTimeNightfall)->label,
              kLabelEndOfSabbathOrChag);
    EXPECT_EQ(Find(Jerusalem({17, 10, 2024}, options, DayKind::kFestival), kTimeNightfall)->label,
              kLabelEndOfChag);
    // A festival on a Friday runs into the Sabbath: nothing ends that night.
    EXPECT_FALSE(Find(Jerusalem({4, 10, 2024}, options, DayKind::kFestival), kTimeNightfall));
    options.starsOutStandard = 1;
    EXPECT_EQ(Find(Jerusalem({4, 10, 2024}, options, DayKind::kFestival), kTimeNightfall)->label,
              kLabelStarsOut);

    options.motzash = 0;
    EXPECT_EQ(Find(Jerusalem(kSaturday, options), kTimeNightfall)->label, kLabelStarsOut);
    options.starsOutStandard = 0;
    EXPECT_FALSE(Find(Jerusalem(kSaturday, options), kTimeNightfall));
}

TEST(HalachicTimes, HighSummerWithoutTheMagaDay) {
    // Helsinki at the solstice (a Thursday): the sun sinks about 6.4 degrees at most, so the Maga
    // day by degrees, tallit by 11.5 degrees, the 8.5 degree nightfall and Rabbeinu Tam by degrees
    // all disappear.
    const auto times = ComputeHalachicTimes({20, 6, 2024}, 3 * 3600, AllOn(), 22, 0,
                                            DayKind::kOrdinary, 60.1667, 24.95, 0);
    EXPECT_EQ(Kinds(times), (std::vector<int>{3, 7, 9, 10, 12, 13, 15, 17, 18, 20, 21, 5}));
}

TEST(HalachicTimes, MagaDayByFixedAndProportionalMinutes) {
    const SolarDay sun = JerusalemSun(kWednesday);
    const double day = sun.sunset - sun.sunrise;
    TimesOfDayOptions options = AllOn();
    options.milesMethod = 90;

    options.riseSetDiffMethod = kFixedMinutes;
    auto times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, kTimeBreakOfDawn)->text, Clock(sun.sunrise - 1.5, MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimePropHourMaga)->text,
              FormatClockTime((day + 3) / 12, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, kTimeEndShmaMaga)->text,
              Clock(sun.sunrise - 1.5 + (day + 3) / 4, MinuteRounding::Nearest));
    // 90-minute miles: 17 minutes for the Gra's nightfall.
    EXPECT_EQ(Find(times, kTimeStarsOutGra)->text,
              Clock(sun.sunset + 17.0 / 60, MinuteRounding::Later));

    options.riseSetDiffMethod = kProportionalMinutes;
    times = Jerusalem(kWednesday, options);
    const double k = day * 90 / 720;
    EXPECT_EQ(Find(times, kTimeBreakOfDawn)->text, Clock(sun.sunrise - k, MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimePlagHaMinchaMaga)->text,
              Clock(sun.noon + 4.75 * (day + 2 * k) / 12, MinuteRounding::Later));

    options.riseSetDiffMethod = kDegrees;
    times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, kTimeBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 19.75), MinuteRounding::Later));
    options.milesMethod = 120;
    times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, kTimeBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 25.9), MinuteRounding::Later));
    EXPECT_EQ(Find(times, kTimeStarsOutGra)->text, Clock(sun.sunset + 0.3, MinuteRounding::Later));

    options.riseSetDiffMethod = 7;  // not a method: no Maga day
    times = Jerusalem(kWednesday, options);
    EXPECT_FALSE(Find(times, kTimeBreakOfDawn));
    EXPECT_FALSE(Find(times, kTimePropHourMaga));
    EXPECT_TRUE(Find(times, kTimeSunrise));
}

TEST(HalachicTimes, TallitByMinutesOrDegrees) {
    const SolarDay sun = JerusalemSun(kWednesday);
    const std::pair<int, double> byMinutes[] = {{0, 40}, {1, 52}, {2, 60}};
    const std::pair<int, double> byDegrees[] = {{3, 11.5}, {4, 11}, {5, 10.2}};
    TimesOfDayOptions options;
    for (const auto& [method, minutes] : byMinutes) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_EQ(Find(Jerusalem(kWednesday, options), kTimeTalitTfilin)->text,
                  Clock(sun.sunrise - minutes / 60, MinuteRounding::Later))
            << method;
    }
    for (const auto& [method, degrees] : byDegrees) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_EQ(Find(Jerusalem(kWednesday, options), kTimeTalitTfilin)->text,
                  Clock(sun.noon - *DepressionHourAngle(sun, degrees), MinuteRounding::Later))
            << method;
    }
    options.talitTfilinMethod = 6;
    EXPECT_FALSE(Find(Jerusalem(kWednesday, options), kTimeTalitTfilin));
}

TEST(HalachicTimes, RabbeinuTamAndTheRashaz) {
    const SolarDay sun = JerusalemSun(kWednesday);
    const double g = (sun.sunset - sun.sunrise) / 12;
    TimesOfDayOptions options;
    options.starsOutRashaz = 1;
    const auto rt = [&](int method, int choice) {
        options.starsOutRabeinuTamMethod = static_cast<std::uint8_t>(method);
        options.starsOutRabeinuTamMinutes = static_cast<std::uint8_t>(choice);
        const auto times = Jerusalem(kWednesday, options);
        const TimeEntry* entry = Find(times, kTimeStarsOutRt);
        return entry ? entry->text : u"none";
    };
    EXPECT_EQ(rt(0, 0), Clock(sun.sunset + 1.2, MinuteRounding::Later));
    EXPECT_EQ(rt(0, 2), Clock(sun.sunset + 2.0, MinuteRounding::Later));
    EXPECT_EQ(rt(1, 1), Clock(sun.sunset + 1.5 * g, MinuteRounding::Later));
    EXPECT_EQ(rt(2, 1), Clock(sun.noon + *DepressionHourAngle(sun, 19.75), MinuteRounding::Later));
    EXPECT_EQ(rt(2, 2), Clock(sun.noon + *DepressionHourAngle(sun, 25.9), MinuteRounding::Later));
    EXPECT_EQ(rt(3, 0), u"none");
    EXPECT_EQ(rt(0, 3), u"none");

    const double rashaz =
        sun.noon + *EventHourAngle(HorizonAltitude(1, 0) - 4.25, kJerusalemLat, sun.declination) +
        4.0 / 60;
    EXPECT_EQ(Find(Jerusalem(kWednesday, options), kTimeStarsOutRashaz)->text,
              Clock(rashaz, MinuteRounding::Later));
}

TEST(HalachicTimes, HeightDipsEveryDepressionAngle) {
    const auto sea = ComputeHalachicTimes(kWednesday, kIsraelZoneSeconds, AllOn(), 40, 1,
                                          DayKind::kOrdinary, kJerusalemLat, kJerusalemLon, 0);
    const auto hill = ComputeHalachicTimes(kWednesday, kIsraelZoneSeconds, AllOn(), 40, 1,
                                           DayKind::kOrdinary, kJerusalemLat, kJerusalemLon, 800);
    for (TimeKind kind : {kTimeBreakOfDawn, kTimeTalitTfilin, kTimeSunrise}) {
        EXPECT_LT(Find(hill, kind)->text, Find(sea, kind)->text) << kind;
    }
    for (TimeKind kind : {kTimeSunset, kTimeNightfall, kTimeStarsOutRashaz, kTimeStarsOutRt}) {
        EXPECT_GT(Find(hill, kind)->text, Find(sea, kind)->text) << kind;
    }
}

TEST(HalachicTimes, ClockTimesPastMidnightKeepTheirHour) {
    // Helsinki in summer time: two hours after a sunset near 23:00 is "24:5x", never "00:5x".
    TimesOfDayOptions options;
    options.starsOutRabeinuTamMethod = kFixedMinutes;
    options.starsOutRabeinuTamMinutes = 2;
    const auto times = ComputeHalachicTimes({21, 6, 2024}, 3 * 3600, options, 22, 0,
                                            DayKind::kOrdinary, 60.1667, 24.95, 0);
    ASSERT_TRUE(Find(times, kTimeStarsOutRt));
    EXPECT_EQ(Find(times, kTimeStarsOutRt)->text.substr(0, 3), u"24:");
}

TEST(HalachicTimes, NoTimesForPlacesOffTheGlobeOrBrokenNumbers) {
    const TimesOfDayOptions options = AllOn();
    EXPECT_TRUE(
        ComputeHalachicTimes(kWednesday, 7200, options, 40, 1, DayKind::kOrdinary, 91, 35, 0)
            .empty());
    EXPECT_TRUE(
        ComputeHalachicTimes(kWednesday, 7200, options, 40, 1, DayKind::kOrdinary, 31, 200, 0)
            .empty());
    EXPECT_TRUE(ComputeHalachicTimes(kWednesday, std::nan(""), options, 40, 1, DayKind::kOrdinary,
                                     31, 35, 0)
                    .empty());
    EXPECT_TRUE(
        ComputeHalachicTimes(kWednesday, 7200, options, INFINITY, 1, DayKind::kOrdinary, 31, 35, 0)
            .empty());
    // Candle minutes no clock can show drop that one time only; so does a zone too far for one.
    const auto far =
        ComputeHalachicTimes(kFriday, 7200, options, 1e7, 1, DayKind::kOrdinary, 31, 35, 0);
    EXPECT_FALSE(Find(far, kTimeCandleLighting));
    EXPECT_TRUE(Find(far, kTimeSunset));
    const auto shifted =
        ComputeHalachicTimes(kFriday, 1e9, options, 40, 1, DayKind::kOrdinary, 31, 35, 0);
    EXPECT_EQ(Kinds(shifted), (std::vector<int>{4, 5}));
}

}  // namespace
}  // namespace plx
