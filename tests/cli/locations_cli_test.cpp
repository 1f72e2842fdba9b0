#include <gtest/gtest.h>

#include <QSettings>

#include <map>

#include "app/settings.h"
#include "cli/plxcal_runner.h"

namespace {

// A store of its own, with values of every kind that the location edits must leave alone.
struct Store : PlxcalStore {
    Store() {
        plx::IniSettingsStore store(path);
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        store.WriteInteger(u"Settings", u"plx_daylight", 2);
        store.WriteString(u"Settings", u"LanguageFile", u"English.xml");
        store.WriteInteger(u"Settings/TimesOfDay", u"MilesMethod", 90);
        store.WriteString(u"Elsewhere", u"note", u"a, b");
    }

    // Every value outside the user's places and the current key.
    std::map<QString, QVariant> Others() const {
        QSettings file(path, QSettings::IniFormat);
        std::map<QString, QVariant> others;
        for (const QString& key : file.allKeys()) {
            if (!key.startsWith(QStringLiteral("Settings/Location")) &&
                key != QStringLiteral("Settings/CustomLocations") &&
                key != QStringLiteral("Settings/plx_timezone")) {
                others[key] = file.value(key);
            }
        }
        return others;
    }
    int Integer(const char* key) const {
        return QSettings(path, QSettings::IniFormat).value(QLatin1String(key), -1).toInt();
    }
};

TEST(PlxcalLocations, EditsRoundTripThroughTheStoreAndTouchNothingElse) {
    const Store s;
    const auto others = s.Others();

    PlxcalResult r = s.Run({"locations", "add", "--name-he", "צפת", "--name-en", "Safed", "--lat",
                            "32.9646", "--lon", "35.496", "--zone", "2"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("80\n"));
    r = s.Run({"locations", "add", "--name-he", "ניו יורק", "--name-en", "Brooklyn", "--lat",
               "40.65", "--lon", "-73.95", "--zone", "-5", "--height", "10", "--candles", "18",
               "--israel-refraction", "--tz", "America/New_York"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("81\n"));

    r = s.Run({"locations", "--json"});
    ASSERT_EQ(r.lines().size(), 82);
    EXPECT_EQ(r.json(80)["nameHebrew"].toString(), QStringLiteral("צפת"));
    EXPECT_EQ(r.json(80)["candleMinutes"].toInt(), 22);  // as the program's dialog starts it
    EXPECT_EQ(r.json(80)["refraction"].toInt(), 0);
    EXPECT_EQ(r.json(81)["longitude"].toDouble(), -73.95);
    EXPECT_EQ(r.json(81)["zone"].toDouble(), -5);
    EXPECT_EQ(r.json(81)["refraction"].toInt(), 1);
    EXPECT_TRUE(r.json(80)["timeZone"].isNull());
    EXPECT_EQ(r.json(81)["timeZone"].toString(), QStringLiteral("America/New_York"));

    ASSERT_EQ(
        s.Run({"locations", "update", "81", "--candles", "40", "--name-en", "Flatbush"}).status, 0);
    ASSERT_EQ(s.Run({"locations", "use", "81"}).status, 0);
    EXPECT_EQ(s.Integer("Settings/plx_timezone"), 81);
    r = s.Run({"times", "2024-03-21", "--json"});
    EXPECT_EQ(r.json()["location"].toObject()["nameEnglish"].toString(),
              QStringLiteral("Flatbush"));
    EXPECT_EQ(r.json()["location"].toObject()["candleMinutes"].toInt(), 40);
    EXPECT_EQ(r.json()["location"].toObject()["latitude"].toDouble(), 40.65);

    // Removing the place before the current one moves the current one's key with it.
    ASSERT_EQ(s.Run({"locations", "remove", "80"}).status, 0);
    EXPECT_EQ(s.Integer("Settings/CustomLocations"), 1);
    EXPECT_EQ(s.Integer("Settings/plx_timezone"), 80);
    r = s.Run({"times", "2024-03-21", "--json"});
    EXPECT_EQ(r.json()["location"].toObject()["nameEnglish"].toString(),
              QStringLiteral("Flatbush"));

    ASSERT_EQ(s.Run({"locations", "use", "3"}).status, 0);
    EXPECT_EQ(s.Integer("Settings/plx_timezone"), 3);
    EXPECT_EQ(s.Others(), others);
}

TEST(PlxcalLocations, AnEmptyNameTakesTheOther) {
    const Store s;
    ASSERT_EQ(s.Run({"locations", "add", "--name-he", "", "--name-en", "Safed", "--lat", "32.96",
                     "--lon", "35.5", "--zone", "2"})
                  .status,
              0);
    PlxcalResult r = s.Run({"locations", "--json"});
    EXPECT_EQ(r.json(80)["nameHebrew"].toString(), QStringLiteral("Safed"));
    ASSERT_EQ(s.Run({"locations", "update", "80", "--name-he", "צפת"}).status, 0);
    ASSERT_EQ(s.Run({"locations", "update", "80", "--name-en", ""}).status, 0);
    r = s.Run({"locations", "--json"});
    EXPECT_EQ(r.json(80)["nameEnglish"].toString(), QStringLiteral("צפת"));
    EXPECT_EQ(r.json(80)["nameHebrew"].toString(), QStringLiteral("צפת"));
    EXPECT_NE(s.Run({"locations", "update", "80", "--name-he", " ", "--name-en", ""})
                  .err.indexOf("needs a name"),
              -1);
}

TEST(PlxcalLocations, BadEditsAreOneLineAndStatusTwo) {
    const Store s;
    ASSERT_EQ(s.Run({"locations", "add", "--name-he", "א", "--name-en", "A", "--lat", "1", "--lon",
                     "2", "--zone", "3"})
                  .status,
              0);
    const QByteArray before = [&] {
        QFile file(s.path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const QList<QStringList> cases = {
        {"locations", "update", "5", "--candles", "30"},  // built in
        {"locations", "remove", "0"},
        {"locations", "remove", "81"},  // no such place
        {"locations", "use", "81"},
        {"locations", "use", "-1"},
        {"locations", "use", "x"},
        {"locations", "use"},
        {"locations", "remove", "80", "81"},
        {"locations", "update", "80"},  // nothing to change
        {"locations", "update", "80", "--lat", "91"},
        {"locations", "update", "80", "--world-refraction", "--israel-refraction"},
        {"locations", "add", "--name-he", "ב", "--name-en", "B", "--lat", "1", "--lon", "2"},
        {"locations", "add", "--name-he", "ב", "--name-en", "B", "--lat", "1", "--lon", "181",
         "--zone", "0"},
        {"locations", "add", "extra", "--name-he", "ב"},
        {"locations", "update", "80", "--tz", "America/New_Yrok"},
        {"locations", "move", "80"},
        {"locations", "update", "80", "--name-en", "Two\nlines"},
        {"locations", "add", "--name-he", "ב\tג", "--name-en", "B", "--lat", "1", "--lon", "2",
         "--zone", "0"},
        // A place with no name in either language.
        {"locations", "add", "--name-he", "", "--name-en", " ", "--lat", "1", "--lon", "2",
         "--zone", "0"},
        {"locations", "add", "--name-en", "B", "--lat", "1", "--lon", "2", "--zone", "0"},
        {"locations", "update", "80", "--name-he", "", "--name-en", ""},
    };
    for (const QStringList& arguments : cases) {
        const PlxcalResult r = s.Run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
    }
    QFile file(s.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
