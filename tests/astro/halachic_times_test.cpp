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
    return ComputeHalachicTimes(
        day, {kJerusalemLat, kJerusalemLon, 0, kIsraelZoneSeconds, true, 40}, options, kind);
}

std::vector<int> Kinds(const std::vector<TimeEntry>& times) {
    std::vector<int> kinds;
    for (const TimeEntry& t : times)
        kinds.push_back(static_cast<int>(t.kind));
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
    EXPECT_EQ(Find(times, TimeKind::kNightfall)->label, TimeLabel::kStarsOut);
    EXPECT_EQ(Find(times, TimeKind::kSunrise)->label, TimeLabel::kSunrise);
    EXPECT_EQ(Find(times, TimeKind::kPropHourGra)->label, TimeLabel::kPropHourGra);

    const SolarDay sun = JerusalemSun(kWednesday);
    const double g = (sun.sunset - sun.sunrise) / 12;
    EXPECT_EQ(Find(times, TimeKind::kSunrise)->text, Clock(sun.sunrise, MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kEndShmaGra)->text,
              Clock(sun.sunrise + 3 * g, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, TimeKind::kMinchaGdolaGra)->text,
              Clock(sun.noon + 0.5 * g, MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kPlagHaMinchaGra)->text,
              Clock(sun.noon + 4.75 * g, MinuteRounding::Nearest));
    // Dawn and Rabbeinu Tam by 15.99 degrees, tallit by 11.5, nightfall by 8.5.
    EXPECT_EQ(Find(times, TimeKind::kBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 15.99), MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kStarsOutRt)->text,
              Clock(sun.noon + *DepressionHourAngle(sun, 15.99), MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kTalitTfilin)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 11.5), MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kNightfall)->text,
              Clock(sun.noon + *DepressionHourAngle(sun, 8.5), MinuteRounding::Later));
    // The hour length carries no zone offset.
    EXPECT_EQ(Find(times, TimeKind::kPropHourGra)->text,
              FormatClockTime(g, MinuteRounding::Nearest));
}

TEST(HalachicTimes, EveryTimeInTableOrder) {
    const auto times = Jerusalem(kFriday, AllOn());
    EXPECT_EQ(Kinds(times), (std::vector<int>{1,  2,  3,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                              15, 16, 17, 23, 18, 19, 20, 21, 22, 4,  5}));
    std::vector<int> labels;
    for (const TimeEntry& t : times)
        labels.push_back(static_cast<int>(t.label));
    EXPECT_EQ(labels, (std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23}));
}

TEST(HalachicTimes, FridayLightsCandlesBeforeSunset) {
    const auto times = Jerusalem(kFriday, TimesOfDayOptions{});
    const auto kinds = Kinds(times);
    const auto candles =
        std::find(kinds.begin(), kinds.end(), static_cast<int>(TimeKind::kCandleLighting));
    ASSERT_NE(candles, kinds.end());
    EXPECT_EQ(*(candles + 1), static_cast<int>(TimeKind::kSunset));
    const SolarDay sun = JerusalemSun(kFriday);
    EXPECT_EQ(Find(times, TimeKind::kCandleLighting)->text,
              Clock(sun.sunset - 40.0 / 60, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, TimeKind::kCandleLighting)->label, TimeLabel::kCandleLighting);

    TimesOfDayOptions noCandles;
    noCandles.candleLighting = 0;
    EXPECT_FALSE(Find(Jerusalem(kFriday, noCandles), TimeKind::kCandleLighting));
    EXPECT_FALSE(Find(Jerusalem(kWednesday, TimesOfDayOptions{}), TimeKind::kCandleLighting));
}

TEST(HalachicTimes, FestivalEvesLightCandlesExceptOnTheSabbath) {
    EXPECT_TRUE(Find(Jerusalem({22, 4, 2024}, TimesOfDayOptions{}, DayKind::kEve),
                     TimeKind::kCandleLighting));
    const auto saturdayEve = Jerusalem({12, 4, 2025}, TimesOfDayOptions{}, DayKind::kEve);
    EXPECT_FALSE(Find(saturdayEve, TimeKind::kCandleLighting));
    // An eve is neither a Sabbath that ends nor a festival that ends.
    EXPECT_EQ(Find(saturdayEve, TimeKind::kNightfall)->label, TimeLabel::kStarsOut);
}

TEST(HalachicTimes, MotzashLabelsAndForcesTheNightfall) {
    TimesOfDayOptions options;
    options.starsOutStandard = 0;
    EXPECT_FALSE(Find(Jerusalem(kWednesday, options), TimeKind::kNightfall));
    EXPECT_EQ(Find(Jerusalem(kSaturday, options), TimeKind::kNightfall)->label,
              TimeLabel::kEndOfShabbat);
    EXPECT_EQ(
        Find(Jerusalem({12, 10, 2024}, options, DayKind::kFestival), TimeKind::kNightfall)->label,
        TimeLabel::kEndOfSabbathOrChag);
    EXPECT_EQ(
        Find(Jerusalem({17, 10, 2024}, options, DayKind::kFestival), TimeKind::kNightfall)->label,
        TimeLabel::kEndOfChag);
    // A festival on a Friday runs into the Sabbath: nothing ends that night.
    EXPECT_FALSE(Find(Jerusalem({4, 10, 2024}, options, DayKind::kFestival), TimeKind::kNightfall));
    options.starsOutStandard = 1;
    EXPECT_EQ(
        Find(Jerusalem({4, 10, 2024}, options, DayKind::kFestival), TimeKind::kNightfall)->label,
        TimeLabel::kStarsOut);

    options.motzash = 0;
    EXPECT_EQ(Find(Jerusalem(kSaturday, options), TimeKind::kNightfall)->label,
              TimeLabel::kStarsOut);
    options.starsOutStandard = 0;
    EXPECT_FALSE(Find(Jerusalem(kSaturday, options), TimeKind::kNightfall));
}

TEST(HalachicTimes, HighSummerWithoutTheMagaDay) {
    // Helsinki at the solstice (a Thursday): the sun sinks about 6.4 degrees at most, so the Maga
    // day by degrees, tallit by 11.5 degrees, the 8.5 degree nightfall and Rabbeinu Tam by degrees
    // all disappear.
    const auto times = ComputeHalachicTimes({20, 6, 2024}, {60.1667, 24.95, 0, 3 * 3600, false, 22},
                                            AllOn(), DayKind::kOrdinary);
    EXPECT_EQ(Kinds(times), (std::vector<int>{3, 7, 9, 10, 12, 13, 15, 17, 18, 20, 21, 5}));
}

TEST(HalachicTimes, MagaDayByFixedAndProportionalMinutes) {
    const SolarDay sun = JerusalemSun(kWednesday);
    const double day = sun.sunset - sun.sunrise;
    TimesOfDayOptions options = AllOn();
    options.milesMethod = 90;

    options.riseSetDiffMethod = kFixedMinutes;
    auto times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, TimeKind::kBreakOfDawn)->text,
              Clock(sun.sunrise - 1.5, MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kPropHourMaga)->text,
              FormatClockTime((day + 3) / 12, MinuteRounding::Nearest));
    EXPECT_EQ(Find(times, TimeKind::kEndShmaMaga)->text,
              Clock(sun.sunrise - 1.5 + (day + 3) / 4, MinuteRounding::Nearest));
    // 90-minute miles: 17 minutes for the Gra's nightfall.
    EXPECT_EQ(Find(times, TimeKind::kStarsOutGra)->text,
              Clock(sun.sunset + 17.0 / 60, MinuteRounding::Later));

    options.riseSetDiffMethod = kProportionalMinutes;
    times = Jerusalem(kWednesday, options);
    const double k = day * 90 / 720;
    EXPECT_EQ(Find(times, TimeKind::kBreakOfDawn)->text,
              Clock(sun.sunrise - k, MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kPlagHaMinchaMaga)->text,
              Clock(sun.noon + 4.75 * (day + 2 * k) / 12, MinuteRounding::Later));

    options.riseSetDiffMethod = kDegrees;
    times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, TimeKind::kBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 19.75), MinuteRounding::Later));
    options.milesMethod = 120;
    times = Jerusalem(kWednesday, options);
    EXPECT_EQ(Find(times, TimeKind::kBreakOfDawn)->text,
              Clock(sun.noon - *DepressionHourAngle(sun, 25.9), MinuteRounding::Later));
    EXPECT_EQ(Find(times, TimeKind::kStarsOutGra)->text,
              Clock(sun.sunset + 0.3, MinuteRounding::Later));

    options.riseSetDiffMethod = 7;  // not a method: no Maga day
    times = Jerusalem(kWednesday, options);
    EXPECT_FALSE(Find(times, TimeKind::kBreakOfDawn));
    EXPECT_FALSE(Find(times, TimeKind::kPropHourMaga));
    EXPECT_TRUE(Find(times, TimeKind::kSunrise));
}

TEST(HalachicTimes, TallitByMinutesOrDegrees) {
    const SolarDay sun = JerusalemSun(kWednesday);
    const std::pair<int, double> byMinutes[] = {{0, 40}, {1, 52}, {2, 60}};
    const std::pair<int, double> byDegrees[] = {{3, 11.5}, {4, 11}, {5, 10.2}};
    TimesOfDayOptions options;
    for (const auto& [method, minutes] : byMinutes) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_EQ(Find(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin)->text,
                  Clock(sun.sunrise - minutes / 60, MinuteRounding::Later))
            << method;
    }
    for (const auto& [method, degrees] : byDegrees) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_EQ(Find(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin)->text,
                  Clock(sun.noon - *DepressionHourAngle(sun, degrees), MinuteRounding::Later))
            << method;
    }
    options.talitTfilinMethod = 6;
    EXPECT_FALSE(Find(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin));
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
        const TimeEntry* entry = Find(times, TimeKind::kStarsOutRt);
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
    EXPECT_EQ(Find(Jerusalem(kWednesday, options), TimeKind::kStarsOutRashaz)->text,
              Clock(rashaz, MinuteRounding::Later));
}

TEST(HalachicTimes, HeightDipsEveryDepressionAngle) {
    const auto sea = ComputeHalachicTimes(
        kWednesday, {kJerusalemLat, kJerusalemLon, 0, kIsraelZoneSeconds, true, 40}, AllOn(),
        DayKind::kOrdinary);
    const auto hill = ComputeHalachicTimes(
        kWednesday, {kJerusalemLat, kJerusalemLon, 800, kIsraelZoneSeconds, true, 40}, AllOn(),
        DayKind::kOrdinary);
    for (TimeKind kind : {TimeKind::kBreakOfDawn, TimeKind::kTalitTfilin, TimeKind::kSunrise}) {
        EXPECT_LT(Find(hill, kind)->text, Find(sea, kind)->text) << static_cast<int>(kind);
    }
    for (TimeKind kind : {TimeKind::kSunset, TimeKind::kNightfall, TimeKind::kStarsOutRashaz,
                          TimeKind::kStarsOutRt}) {
        EXPECT_GT(Find(hill, kind)->text, Find(sea, kind)->text) << static_cast<int>(kind);
    }
}

TEST(HalachicTimes, ClockTimesPastMidnightKeepTheirHour) {
    // Helsinki in summer time: two hours after a sunset near 23:00 is "24:5x", never "00:5x".
    TimesOfDayOptions options;
    options.starsOutRabeinuTamMethod = kFixedMinutes;
    options.starsOutRabeinuTamMinutes = 2;
    const auto times = ComputeHalachicTimes({21, 6, 2024}, {60.1667, 24.95, 0, 3 * 3600, false, 22},
                                            options, DayKind::kOrdinary);
    ASSERT_TRUE(Find(times, TimeKind::kStarsOutRt));
    EXPECT_EQ(Find(times, TimeKind::kStarsOutRt)->text.substr(0, 3), u"24:");
}

TEST(HalachicTimes, NoTimesForPlacesOffTheGlobeOrBrokenNumbers) {
    const TimesOfDayOptions options = AllOn();
    EXPECT_TRUE(
        ComputeHalachicTimes(kWednesday, {91, 35, 0, 7200, true, 40}, options, DayKind::kOrdinary)
            .empty());
    EXPECT_TRUE(
        ComputeHalachicTimes(kWednesday, {31, 200, 0, 7200, true, 40}, options, DayKind::kOrdinary)
            .empty());
    EXPECT_TRUE(ComputeHalachicTimes(kWednesday, {31, 35, 0, std::nan(""), true, 40}, options,
                                     DayKind::kOrdinary)
                    .empty());
    EXPECT_TRUE(ComputeHalachicTimes(kWednesday, {31, 35, 0, 7200, true, INFINITY}, options,
                                     DayKind::kOrdinary)
                    .empty());
    // Candle minutes no clock can show drop that one time only; so does a zone too far for one.
    const auto far =
        ComputeHalachicTimes(kFriday, {31, 35, 0, 7200, true, 1e7}, options, DayKind::kOrdinary);
    EXPECT_FALSE(Find(far, TimeKind::kCandleLighting));
    EXPECT_TRUE(Find(far, TimeKind::kSunset));
    const auto shifted =
        ComputeHalachicTimes(kFriday, {31, 35, 0, 1e9, true, 40}, options, DayKind::kOrdinary);
    EXPECT_EQ(Kinds(shifted), (std::vector<int>{4, 5}));
}

}  // namespace
}  // namespace plx
