#include "astro/halachic_times.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/clock_minutes.h"
#include "astro/noaa_sun.h"
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

TimesOfDayOptions AllOn() {
    TimesOfDayOptions options;
    SetAllTimeSwitches(options, true);
    return options;
}

std::u16string Text(const std::vector<TimeEntry>& times, TimeKind kind) {
    const TimeEntry* entry = Find(times, kind);
    return entry ? entry->text : u"";
}

// The expected times come from NOAA's formulas (astro/noaa_sun.h), not from the program's solar
// theory. Sunrise and sunset are when the sun's centre stands 31' of refraction (the Israel
// average) and 16' of semidiameter below the horizon.
constexpr double kSunriseAltitude = -(31.0 + 16.0) / 60;

noaa::Sun JerusalemSun(CalendarDate day) {
    return {day.year, day.month, day.day, kJerusalemLat, kJerusalemLon, 2};
}

// The two solar theories differ by up to 0.6 minute at Jerusalem. The program then rounds to the
// nearest minute or, for the times one must not be early for, to the nearest minute 59.4 seconds
// later: between half a minute and a minute and a half late.
::testing::AssertionResult NearClock(const std::u16string& text, double minutes,
                                     MinuteRounding rounding) {
    const bool later = rounding == MinuteRounding::Later;
    const double low = minutes - 0.6 + (later ? 0.5 : -0.5);
    const double high = minutes + 0.6 + (later ? 1.5 : 0.5);
    if (text.size() == 5 && ClockMinutes(text) >= low && ClockMinutes(text) <= high)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << std::string(text.begin(), text.end())
                                         << "\" is not between minutes " << low << " and " << high;
}

TEST(HalachicTimes, DefaultOptionsOnAnOrdinaryWednesday) {
    const auto times = Jerusalem(kWednesday, TimesOfDayOptions{});
    EXPECT_EQ(Kinds(times), (std::vector<int>{1, 2, 3, 6, 7, 8, 9, 10, 12, 15, 17, 18, 19, 22, 5}));
    EXPECT_EQ(Find(times, TimeKind::kNightfall)->label, TimeLabel::kStarsOut);
    EXPECT_EQ(Find(times, TimeKind::kSunrise)->label, TimeLabel::kSunrise);
    EXPECT_EQ(Find(times, TimeKind::kPropHourGra)->label, TimeLabel::kPropHourGra);

    using enum MinuteRounding;
    const noaa::Sun sun = JerusalemSun(kWednesday);
    const double sunrise = sun.Before(kSunriseAltitude);
    const double hour = (sun.After(kSunriseAltitude) - sunrise) / 12;  // the Gra's, in minutes
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kSunrise), sunrise, Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kEndShmaGra), sunrise + 3 * hour, Nearest));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kMinchaGdolaGra), sun.Noon() + 0.5 * hour, Later));
    EXPECT_TRUE(
        NearClock(Text(times, TimeKind::kPlagHaMinchaGra), sun.Noon() + 4.75 * hour, Nearest));
    // Dawn and Rabbeinu Tam by 15.99 degrees, tallit by 11.5, nightfall by 8.5.
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kBreakOfDawn), sun.Before(-15.99), Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kStarsOutRt), sun.After(-15.99), Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kTalitTfilin), sun.Before(-11.5), Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kNightfall), sun.After(-8.5), Later));
    // The hour length carries no zone offset.
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kPropHourGra), hour, Nearest));

    // The whole list as the program writes it, each time inside the bounds above.
    std::vector<std::u16string> texts;
    for (const TimeEntry& t : times)
        texts.push_back(t.text);
    EXPECT_EQ(texts,
              (std::vector<std::u16string>{u"04:32", u"04:53", u"05:44", u"08:09", u"08:45",
                                           u"09:21", u"09:45", u"11:47", u"12:18", u"15:20",
                                           u"16:34", u"17:51", u"18:27", u"19:03", u"01:01"}));
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
    // Forty minutes before sunset, the place's custom.
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kCandleLighting),
                          JerusalemSun(kFriday).After(kSunriseAltitude) - 40,
                          MinuteRounding::Nearest));
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
    using enum MinuteRounding;
    const noaa::Sun sun = JerusalemSun(kWednesday);
    const double sunrise = sun.Before(kSunriseAltitude);
    const double sunset = sun.After(kSunriseAltitude);
    const double day = sunset - sunrise;
    TimesOfDayOptions options = AllOn();
    options.milesMethod = 90;

    options.riseSetDiffMethod = kFixedMinutes;
    auto times = Jerusalem(kWednesday, options);
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kBreakOfDawn), sunrise - 90, Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kPropHourMaga), (day + 180) / 12, Nearest));
    EXPECT_TRUE(
        NearClock(Text(times, TimeKind::kEndShmaMaga), sunrise - 90 + (day + 180) / 4, Nearest));
    // 90-minute miles: 17 minutes for the Gra's nightfall.
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kStarsOutGra), sunset + 17, Later));

    // A twelfth of the day for every 72 minutes of the mile, 90 here.
    options.riseSetDiffMethod = kProportionalMinutes;
    times = Jerusalem(kWednesday, options);
    const double k = day * 90 / 720;
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kBreakOfDawn), sunrise - k, Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kPlagHaMinchaMaga),
                          sun.Noon() + 4.75 * (day + 2 * k) / 12, Later));

    options.riseSetDiffMethod = kDegrees;
    times = Jerusalem(kWednesday, options);
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kBreakOfDawn), sun.Before(-19.75), Later));
    options.milesMethod = 120;
    times = Jerusalem(kWednesday, options);
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kBreakOfDawn), sun.Before(-25.9), Later));
    EXPECT_TRUE(NearClock(Text(times, TimeKind::kStarsOutGra), sunset + 18, Later));

    options.riseSetDiffMethod = 7;  // not a method: no Maga day
    times = Jerusalem(kWednesday, options);
    EXPECT_FALSE(Find(times, TimeKind::kBreakOfDawn));
    EXPECT_FALSE(Find(times, TimeKind::kPropHourMaga));
    EXPECT_TRUE(Find(times, TimeKind::kSunrise));
}

TEST(HalachicTimes, TallitByMinutesOrDegrees) {
    const noaa::Sun sun = JerusalemSun(kWednesday);
    const std::pair<int, double> byMinutes[] = {{0, 40}, {1, 52}, {2, 60}};
    const std::pair<int, double> byDegrees[] = {{3, 11.5}, {4, 11}, {5, 10.2}};
    TimesOfDayOptions options;
    for (const auto& [method, minutes] : byMinutes) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_TRUE(NearClock(Text(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin),
                              sun.Before(kSunriseAltitude) - minutes, MinuteRounding::Later))
            << method;
    }
    for (const auto& [method, degrees] : byDegrees) {
        options.talitTfilinMethod = static_cast<std::uint8_t>(method);
        EXPECT_TRUE(NearClock(Text(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin),
                              sun.Before(-degrees), MinuteRounding::Later))
            << method;
    }
    options.talitTfilinMethod = 6;
    EXPECT_FALSE(Find(Jerusalem(kWednesday, options), TimeKind::kTalitTfilin));
}

TEST(HalachicTimes, RabbeinuTamAndTheRashaz) {
    using enum MinuteRounding;
    const noaa::Sun sun = JerusalemSun(kWednesday);
    const double sunset = sun.After(kSunriseAltitude);
    const double hour = (sunset - sun.Before(kSunriseAltitude)) / 12;
    TimesOfDayOptions options;
    options.starsOutRashaz = true;
    const auto rt = [&](std::uint8_t method, RabbeinuTamLength length) {
        options.starsOutRabeinuTamMethod = method;
        options.starsOutRabeinuTamMinutes = length;
        return Text(Jerusalem(kWednesday, options), TimeKind::kStarsOutRt);
    };
    using enum RabbeinuTamLength;
    EXPECT_TRUE(NearClock(rt(kFixedMinutes, k72Minutes), sunset + 72, Later));
    EXPECT_TRUE(NearClock(rt(kFixedMinutes, k120Minutes), sunset + 120, Later));
    EXPECT_TRUE(NearClock(rt(kProportionalMinutes, k90Minutes), sunset + 1.5 * hour, Later));
    EXPECT_TRUE(NearClock(rt(kDegrees, k90Minutes), sun.After(-19.75), Later));
    EXPECT_TRUE(NearClock(rt(kDegrees, k120Minutes), sun.After(-25.9), Later));
    EXPECT_EQ(rt(3, k72Minutes), u"");
    EXPECT_EQ(rt(kFixedMinutes, static_cast<RabbeinuTamLength>(3)), u"");

    // The Rashaz: the sun 4.25 degrees below its sunset altitude, and four minutes more.
    EXPECT_TRUE(NearClock(Text(Jerusalem(kWednesday, options), TimeKind::kStarsOutRashaz),
                          sun.After(kSunriseAltitude - 4.25) + 4, Later));
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
    options.starsOutRabeinuTamMinutes = RabbeinuTamLength::k120Minutes;
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
