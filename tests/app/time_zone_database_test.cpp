#include "app/time_zone_database.h"
#include "app/utf16.h"

#include <gtest/gtest.h>

#include <set>

#include "astro/clock_minutes.h"
#include "astro/halachic_times.h"

namespace plx {
namespace {

double Offset(std::u16string_view zone, CalendarDate civil) {
    return SystemZoneOffset(zone, civil).value_or(ZoneOffset{-1e9, false}).seconds;
}

bool Summer(std::u16string_view zone, CalendarDate civil) {
    return SystemZoneOffset(zone, civil).value_or(ZoneOffset{}).summerTime;
}

constexpr double kHour = 3600;

struct ZoneDay {
    std::u16string_view zone;
    CalendarDate civil;
    double hours;
};

TEST(SystemZoneOffset, ChangesOnTheRightDays) {
    const ZoneDay days[] = {
        // Israel moved on Friday 29 March 2024 and back on Sunday 27 October.
        {u"Asia/Jerusalem", {28, 3, 2024}, 2},
        {u"Asia/Jerusalem", {29, 3, 2024}, 3},
        {u"Asia/Jerusalem", {26, 10, 2024}, 3},
        {u"Asia/Jerusalem", {27, 10, 2024}, 2},
        {u"America/New_York", {9, 3, 2024}, -5},
        {u"America/New_York", {10, 3, 2024}, -4},
        {u"America/New_York", {2, 11, 2024}, -4},
        {u"America/New_York", {3, 11, 2024}, -5},
        // The southern summer spans the new year: it ends on 7 April and starts on 6 October.
        {u"Australia/Sydney", {6, 4, 2024}, 11},
        {u"Australia/Sydney", {7, 4, 2024}, 10},
        {u"Australia/Sydney", {5, 10, 2024}, 10},
        {u"Australia/Sydney", {6, 10, 2024}, 11},
        // Before 2007 the United States kept summer time from the first Sunday of April.
        {u"America/New_York", {12, 3, 2006}, -5},
        {u"America/New_York", {1, 4, 2006}, -5},
        {u"America/New_York", {2, 4, 2006}, -4},
        // Before 2013 Israel left summer time on the Sunday before Yom Kippur.
        {u"Asia/Jerusalem", {22, 9, 2012}, 3},
        {u"Asia/Jerusalem", {23, 9, 2012}, 2},
        // No summer time, half an hour.
        {u"Asia/Kolkata", {15, 1, 2024}, 5.5},
        {u"Asia/Kolkata", {15, 7, 2024}, 5.5},
    };
    for (const ZoneDay& day : days) {
        EXPECT_EQ(Offset(day.zone, day.civil), day.hours * kHour)
            << std::string(day.zone.begin(), day.zone.end()) << " " << int{day.civil.day} << "/"
            << int{day.civil.month} << "/" << day.civil.year;
    }
}

TEST(SystemZoneOffset, SummerTimeByTheZonesOwnSeasons) {
    EXPECT_TRUE(Summer(u"Asia/Jerusalem", {29, 3, 2024}));
    EXPECT_FALSE(Summer(u"Asia/Jerusalem", {27, 10, 2024}));
    EXPECT_TRUE(Summer(u"Australia/Sydney", {15, 1, 2024}));
    EXPECT_FALSE(Summer(u"Australia/Sydney", {15, 7, 2024}));
    EXPECT_FALSE(Summer(u"Asia/Kolkata", {15, 7, 2024}));
    // Irish law calls the summer offset standard and the winter one the exception.
    EXPECT_FALSE(Summer(u"Europe/Dublin", {15, 1, 2024}));
    EXPECT_TRUE(Summer(u"Europe/Dublin", {15, 7, 2024}));
}

TEST(SystemZoneOffset, UnknownAndMalformedZonesAreNone) {
    for (const std::u16string_view id :
         {u"Mars/Olympus", u"", u"../../etc/passwd", u"/usr/share/zoneinfo/UTC", u"Asia//Jerusalem",
          u"Asia/Jerusalem ", u"Asia/ירושלים"}) {
        EXPECT_FALSE(SystemZoneOffset(id, {1, 1, 2024})) << std::string(id.begin(), id.end());
        EXPECT_FALSE(IsKnownTimeZone(id));
    }
    EXPECT_TRUE(IsKnownTimeZone(u"Europe/Kiev"));  // an old name the tz data keeps as a link
    EXPECT_TRUE(SystemTimeZoneIds().contains(QStringLiteral("Asia/Jerusalem")));
}

// Rows whose zone hours are not their zone's standard offset in 2024: stored with their summer
// offset (Odessa, Melbourne), or the country has moved since (Tbilisi, Teheran, Minsk), or the
// city lies in a zone an hour west of the hours (Cracow).
const std::set<LocationKey> kSeedHoursDiffer = {26, 47, 49, 63, 64, 77};

TEST(SystemZoneOffsetsForRun, AgreeWithTheSingleLookupAcrossYearsZonesAndRepeats) {
    const ZoneOffsetLookup run = SystemZoneOffsetsForRun();
    const ZoneOffsetLookup copy = run;  // copies share what it keeps
    const auto same = [](const std::optional<ZoneOffset>& a, const std::optional<ZoneOffset>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->seconds == b->seconds && a->summerTime == b->summerTime));
    };
    // Two years of days across the changes and the new year, each asked twice, the zone switched
    // to another, to an unknown one and back now and then.
    const std::u16string_view zones[] = {u"Europe/Dublin", u"Asia/Jerusalem", u"Mars/Olympus",
                                         u"Australia/Sydney"};
    int checked = 0;
    for (CalendarDate day{1, 6, 2023}; CivilToDayNumber(day) <= CivilToDayNumber({31, 5, 2025});
         day = NextCivilDay(day)) {
        const std::u16string_view zone = zones[(day.day / 11 + day.month) % 4];
        for (const ZoneOffsetLookup* lookup : {&run, &copy}) {
            ASSERT_TRUE(same((*lookup)(zone, day), SystemZoneOffset(zone, day)))
                << FromUtf16(zone).toStdString() << ' ' << day.year << '-' << int{day.month} << '-'
                << int{day.day};
            ++checked;
        }
    }
    EXPECT_GT(checked, 1400);
}

TEST(BuiltInTimeZones, StandardOffsetAgreesWithTheZoneHours) {
    constexpr int year = 2024;
    for (LocationKey key = 0; key < kBuiltInLocationCount; ++key) {
        const Location place = BuiltInLocation(key);
        ASSERT_TRUE(IsKnownTimeZone(place.timeZone)) << key;
        const double standard =
            std::min(Offset(place.timeZone, {15, 1, year}), Offset(place.timeZone, {15, 7, year}));
        EXPECT_EQ(standard == place.zone * kHour, kSeedHoursDiffer.count(key) == 0)
            << key << " " << std::string(place.nameEnglish.begin(), place.nameEnglish.end())
            << ": zone hours " << place.zone << ", standard offset " << standard / kHour;
    }
}

TEST(AutomaticDaylightSaving, AYearOfDaysChangesOffsetOnTheRightDays) {
    const CalculationSettings settings;  // automatic
    const Location jerusalem = BuiltInLocation(0);
    std::vector<CalendarDate> changes;
    double previous = 2 * kHour;
    TimesOfDayOptions sunsetOnly;
    SetAllTimeSwitches(sunsetOnly, false);
    sunsetOnly.sunset = true;
    std::u16string previousSunset;
    for (CalendarDate day{1, 1, 2024}; day.year == 2024; day = NextCivilDay(day)) {
        const double offset =
            TimesPlaceOf(jerusalem, settings, day, SystemZoneOffset).zoneOffsetSeconds;
        const std::u16string sunset =
            ComputeTimesAt(day, settings, jerusalem, sunsetOnly, SystemZoneOffset).at(0).text;
        if (offset != previous) {
            changes.push_back(day);
            // The sunset moves by the hour (give or take the day's own minute).
            EXPECT_NEAR(ClockMinutes(sunset) - ClockMinutes(previousSunset),
                        offset > previous ? 60 : -60, 2);
        }
        previous = offset;
        previousSunset = sunset;
    }
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], (CalendarDate{29, 3, 2024}));
    EXPECT_EQ(changes[1], (CalendarDate{27, 10, 2024}));
}

TEST(ZoneList, EachIdWithItsOffsetFromUtcAtTheMoment) {
    const QDateTime january(QDate(2025, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime july(QDate(2025, 7, 15), QTime(12, 0), Qt::UTC);
    const struct {
        const char* id;
        const QDateTime& when;
        const char* shown;
    } cases[] = {
        {"Asia/Jerusalem", january, "Asia/Jerusalem (UTC+02:00)"},
        {"Asia/Jerusalem", july, "Asia/Jerusalem (UTC+03:00)"},
        {"America/New_York", january, "America/New_York (UTC-05:00)"},
        {"America/St_Johns", january, "America/St_Johns (UTC-03:30)"},
        {"Asia/Kathmandu", july, "Asia/Kathmandu (UTC+05:45)"},
        {"UTC", july, "UTC (UTC+00:00)"},
        {"Asia/Jerusalm", july, "Asia/Jerusalm"},  // unknown: the id alone
    };
    for (const auto& c : cases) {
        const QString id = QString::fromLatin1(c.id);
        const QString shown = ZoneIdWithOffset(id, c.when);
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.id;
        EXPECT_EQ(ZoneIdOfListText(shown), id) << c.id;
    }
    EXPECT_EQ(ZoneIdOfListText(QStringLiteral("  Europe/Paris ")), QStringLiteral("Europe/Paris"));
    EXPECT_EQ(ZoneIdOfListText(QString()), QString());
}

}  // namespace
}  // namespace plx
