#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "astro/locations.h"
#include "astro/times_options.h"
#include "cli/plxcal_runner.h"

namespace {

QString TimeText(const QJsonObject& day, int kind) {
    for (const auto& entry : day["times"].toArray()) {
        if (entry.toObject()["kind"].toInt() == kind)
            return entry.toObject()["text"].toString();
    }
    return QStringLiteral("none");
}

QJsonObject TimeEntryOf(const QJsonObject& day, int kind) {
    for (const auto& entry : day["times"].toArray()) {
        if (entry.toObject()["kind"].toInt() == kind)
            return entry.toObject();
    }
    return {};
}

TEST(PlxcalTimes, JerusalemAtTheEquinox) {
    const PlxcalResult r = RunPlxcal({"times", "2024-03-21", "--location", "0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonObject day = r.json();
    EXPECT_EQ(day["civil"].toObject()["day"].toInt(), 21);
    EXPECT_EQ(day["zoneOffsetSeconds"].toDouble(), 7200);
    EXPECT_EQ(day["location"].toObject()["nameEnglish"].toString(), QStringLiteral("Jerusalem"));
    EXPECT_EQ(day["location"].toObject()["height"].toDouble(), 800);
    EXPECT_EQ(day["location"].toObject()["refraction"].toInt(), 1);
    const QJsonObject sunrise = TimeEntryOf(day, 3);
    EXPECT_EQ(sunrise["label"].toInt(), 2);
    EXPECT_EQ(sunrise["name"].toString(), QStringLiteral("Sunrise"));  // without its tabs
    EXPECT_EQ(sunrise["text"].toString(), QStringLiteral("05:43"));
    EXPECT_EQ(TimeText(day, 18), QStringLiteral("17:52"));
    EXPECT_EQ(TimeText(day, 10), QStringLiteral("11:46"));
}

TEST(PlxcalTimes, OptionsOverTheStoredOnes) {
    const auto sunrise = [](const QStringList& extra) {
        const PlxcalResult r =
            RunPlxcal(QStringList{"times", "2024-03-21", "--location", "0", "--json"} + extra);
        EXPECT_EQ(r.status, 0) << r.err.constData();
        return TimeText(r.json(), 3);
    };
    EXPECT_EQ(sunrise({"--dst", "1"}), QStringLiteral("06:43"));
    EXPECT_LT(sunrise({"--elevation"}), QStringLiteral("05:43"));
    EXPECT_EQ(sunrise({"--world-refraction"}),
              QStringLiteral("05:42"));  // more refraction, an earlier sun
    EXPECT_EQ(sunrise({"--zone", "0"}), QStringLiteral("03:43"));

    const PlxcalResult all =
        RunPlxcal({"times", "2024-03-22", "--location", "0", "--all", "--json"});
    EXPECT_EQ(all.json()["times"].toArray().size(), 23);
    EXPECT_EQ(TimeText(all.json(), 23),
              QStringLiteral("17:11"));  // 40 minutes before a sunset of 17:51 and seconds
}

TEST(PlxcalTimes, ASpanGivesOneObjectPerDay) {
    const PlxcalResult r =
        RunPlxcal({"times", "2024-03-22", "2024-03-24", "--location", "0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 3);
    EXPECT_NE(TimeText(r.json(0), 23), QStringLiteral("none"));  // Friday: candle lighting
    const QJsonObject nightfall = TimeEntryOf(r.json(1), 19);
    EXPECT_EQ(nightfall["label"].toInt(), 24);
    EXPECT_EQ(nightfall["name"].toString(), QStringLiteral("End of Shabbat"));
    EXPECT_EQ(TimeText(r.json(2), 23), QStringLiteral("none"));
}

TEST(PlxcalTimes, PlacesByCoordinates) {
    // Helsinki at midsummer: no dawn by degrees, so no Maga times.
    PlxcalResult r = RunPlxcal(
        {"times", "2024-06-20", "--lat", "60.1667", "--lon", "24.95", "--zone", "2", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(TimeText(r.json(), 1), QStringLiteral("none"));
    EXPECT_NE(TimeText(r.json(), 3), QStringLiteral("none"));
    EXPECT_EQ(r.json()["location"].toObject()["nameEnglish"].toString(), QString());

    r = RunPlxcal({"times", "2024-06-20", "--lat", "80", "--lon", "-20.5", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.json()["times"].toArray().isEmpty());
}

// Against PyEphem's sun for the same altitude (tests/astro/data/sun_reference.txt): Helsinki on
// 14 June 2024 rises at 03:54:32, culminates at 13:20:38 and sets at 22:47:12 (UT + 3); sunrise
// and sunset are shown at the next minute, noon at the nearest.
TEST(PlxcalTimes, ThePreciseSunOnRequest) {
    const QStringList helsinki{"times", "2024-06-14", "--lat",  "60.17",
                               "--lon", "24.94",      "--zone", "3",
                               "--dst", "0",          "--json", "--world-refraction"};
    PlxcalResult r = RunPlxcal(helsinki + QStringList{"--sun", "precise"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["sun"].toString(), QStringLiteral("precise"));
    EXPECT_EQ(TimeText(r.json(), 3), QStringLiteral("03:55"));
    EXPECT_EQ(TimeText(r.json(), 10), QStringLiteral("13:21"));
    EXPECT_EQ(TimeText(r.json(), 18), QStringLiteral("22:48"));

    r = RunPlxcal(helsinki);  // the stored choice: classic in a fresh settings file
    EXPECT_EQ(r.json()["sun"].toString(), QStringLiteral("classic"));
    EXPECT_EQ(TimeText(r.json(), 3), QStringLiteral("03:56"));  // the sun of 0h UT all day

    r = RunPlxcal(helsinki + QStringList{"--sun", "exact"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("--sun"));
}

TEST(PlxcalTimes, TheTimesPageTextInEitherLanguage) {
    PlxcalResult r = RunPlxcal({"times", "2024-03-21", "--location", "0"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("Jerusalem\nAlot Hashachar\t\t04:31\n"));
    EXPECT_TRUE(r.out.contains("\nSunrise\t\t\t05:43\n"));
    r = RunPlxcal({"times", "2024-03-21", "--location", "0", "--lang", "he"});
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nהנץ החמה\t\t05:43\n").toUtf8()));
}

// A settings folder of the test's own with these custom locations and settings, and the
// environment that points plxcal at it.
struct StoredConfig {
    QTemporaryDir folder;
    QProcessEnvironment env;

    StoredConfig(const plx::CustomLocationList& places, const plx::CalculationSettings& settings) {
        plx::IniSettingsStore store(QDir(folder.path()).filePath(QStringLiteral("plx/plx.ini")));
        plx::SaveCustomLocations(store, places);
        plx::SaveCalculationSettings(store, settings);
        store.Flush();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    }
};

TEST(PlxcalTimes, TheUsersStoredPlaceAndOptions) {
    plx::Location tiberias = plx::BuiltInLocation(13);
    tiberias.nameEnglish = u"Home";
    plx::CalculationSettings settings;
    settings.locationKey = plx::CustomLocationKey(0);
    settings.daylightAuto = false;
    settings.daylightHours = 1;
    settings.daylightOn = 1;
    settings.times.sunset = 0;
    const StoredConfig config({tiberias}, settings);
    const QProcessEnvironment& env = config.env;

    PlxcalResult r = RunPlxcal({"times", "2024-03-21", "--json"}, env);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["location"].toObject()["nameEnglish"].toString(), QStringLiteral("Home"));
    EXPECT_EQ(r.json()["zoneOffsetSeconds"].toDouble(), 3 * 3600);
    EXPECT_EQ(TimeText(r.json(), 18), QStringLiteral("none"));

    r = RunPlxcal({"times", "2024-03-21", "--location", "80", "--dst", "0", "--json"}, env);
    EXPECT_EQ(r.json()["zoneOffsetSeconds"].toDouble(), 2 * 3600);

    r = RunPlxcal({"locations", "--json"}, env);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 81);
    EXPECT_EQ(r.json(80)["key"].toInt(), 80);
    EXPECT_TRUE(r.json(80)["custom"].toBool());
    EXPECT_EQ(r.json(80)["candleMinutes"].toInt(), 30);
    EXPECT_EQ(r.json(80)["timeZone"].toString(), QStringLiteral("Asia/Jerusalem"));
}

TEST(PlxcalTimes, AutomaticDaylightSavingDayByDay) {
    // A fresh store is automatic: the span crosses Israel's change of 29 March 2024.
    PlxcalResult r = RunPlxcal({"times", "2024-03-28", "2024-03-29", "--location", "0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json(0)["timeZone"].toString(), QStringLiteral("Asia/Jerusalem"));
    EXPECT_EQ(r.json(0)["zoneOffsetSeconds"].toDouble(), 2 * 3600);
    EXPECT_EQ(r.json(1)["zoneOffsetSeconds"].toDouble(), 3 * 3600);
    EXPECT_EQ(r.json(1)["location"].toObject()["timeZone"].toString(),
              QStringLiteral("Asia/Jerusalem"));

    // A place by coordinates has no zone unless --tz gives it one.
    const QStringList newYork{"times",  "2024-07-01", "--lat", "40.71", "--lon", "-74.01",
                              "--zone", "-5",         "--dst", "auto",  "--json"};
    r = RunPlxcal(newYork);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.json()["timeZone"].isNull());
    EXPECT_EQ(r.json()["zoneOffsetSeconds"].toDouble(), -5 * 3600);
    r = RunPlxcal(newYork + QStringList{"--tz", "America/New_York"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["timeZone"].toString(), QStringLiteral("America/New_York"));
    EXPECT_EQ(r.json()["zoneOffsetSeconds"].toDouble(), -4 * 3600);

    // The manual hours still win when asked for.
    r = RunPlxcal({"times", "2024-07-01", "--location", "66", "--dst", "0", "--json"});
    EXPECT_EQ(r.json()["zoneOffsetSeconds"].toDouble(), -5 * 3600);
}

TEST(PlxcalTimes, AStoredZoneTheSystemDoesNotKnowIsRefused) {
    plx::Location place = plx::BuiltInLocation(0);
    place.timeZone = u"Asia/Jerusalm";
    const StoredConfig config({place}, plx::CalculationSettings());
    const QProcessEnvironment& env = config.env;
    PlxcalResult r = RunPlxcal({"times", "2024-07-01", "--location", "80"}, env);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("Asia/Jerusalm")) << r.err.constData();
    // Where the zone does not count (the manual mode), the place serves.
    r = RunPlxcal({"times", "2024-07-01", "--location", "80", "--dst", "1"}, env);
    EXPECT_EQ(r.status, 0) << r.err.constData();
}

TEST(PlxcalLocations, KeysAndListTexts) {
    PlxcalResult r = RunPlxcal({"locations"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 80);
    EXPECT_EQ(r.lines()[0], QByteArray("0\tJerusalem (40)"));
    EXPECT_EQ(r.lines()[79], QByteArray("79\tChicago (20)"));
    r = RunPlxcal({"locations", "--json"});
    EXPECT_EQ(r.json(20)["nameHebrew"].toString(), QStringLiteral("פתח תקוה"));
    EXPECT_FALSE(r.json(20)["custom"].toBool());
    EXPECT_EQ(r.json(70)["timeZone"].toString(), QStringLiteral("Australia/Sydney"));
}

TEST(PlxcalTimes, BadInputIsOneLineAndStatusTwo) {
    const QList<QStringList> cases = {
        {"times", "2024-03-21", "--location", "80"},  // no such custom location
        {"times", "2024-03-21", "--location", "-1"},
        {"times", "2024-03-21", "--location", "x"},
        {"times", "2024-03-21", "--lat", "91", "--lon", "0"},
        {"times", "2024-03-21", "--lat", "31,5"},
        {"times", "2024-03-21", "--lon", "nan"},
        {"times", "2024-03-21", "--zone", "inf"},
        {"times", "2024-03-21", "--candles", "22.5"},
        {"times", "2024-03-21", "--dst", "4"},
        {"times", "2024-03-21", "--dst", "automatic"},
        {"times", "2024-03-21", "--tz", "Mars/Olympus"},
        {"times", "2024-03-21", "--tz", "Asia/Jerusalem", "--tz", "../../etc/passwd", "--dst", "1"},
        {"times", "2024-03-21", "2024-03-20"},
        {"times", "2024-02-30"},
        {"times", "2024-03-21", "2024-03-22", "2024-03-23"},
        {"locations", "extra"},
    };
    for (const QStringList& arguments : cases) {
        const PlxcalResult r = RunPlxcal(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
    }
}

}  // namespace
