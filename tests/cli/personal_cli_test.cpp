// plxcal personal: the family's dates in the settings file, and the days they fall on in the
// records of day and range.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSettings>

#include "cli/plxcal_runner.h"
#include "reports/ical_reading.h"

namespace {

// A settings file of its own, with a value the edits must leave alone.
struct PersonalStore : PlxcalStore {
    PersonalStore() {
        QDir().mkpath(QFileInfo(path).path());
        Write("[Settings]\nplx_daylight=2\n");
    }

    PlxcalResult Add(const QStringList& options) const {
        return Run(QStringList{"personal", "add"} + options);
    }
    void Write(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The "personal" names of each day of the range, one list a day.
    QList<QStringList> Names(const char* first, const char* last) const {
        const PlxcalResult r = Run({"range", first, last, "--json"});
        EXPECT_EQ(r.status, 0) << r.err.constData();
        QList<QStringList> days;
        for (qsizetype i = 0; i < r.lines().size(); ++i) {
            QStringList names;
            for (const QJsonValue& name : r.json(int(i))["personal"].toArray())
                names << name.toString();
            days << names;
        }
        return days;
    }
};

QString Iso(const QJsonObject& date) {
    return QStringLiteral("%1-%2-%3")
        .arg(date["year"].toInt())
        .arg(date["month"].toInt(), 2, 10, QLatin1Char('0'))
        .arg(date["day"].toInt(), 2, 10, QLatin1Char('0'));
}

TEST(PlxcalPersonal, AddListAndRemoveThroughTheStore) {
    const PersonalStore s;
    PlxcalResult r = s.Add({"--name", "סבתא רחל", "--kind", "yahrzeit", "--date", "5783-06-15",
                            "--hebrew", "--note", "Adar, \"first\""});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("1\n"));
    r = s.Add({"--kind", "birthday", "--date", "6000-01-10", "--name", "Future", "--hebrew"});
    EXPECT_EQ(r.out, QByteArray("2\n"));
    r = s.Add(
        {"--name", "Dan", "--kind", "anniversary", "--date", "-0500-03-01", "--after-sunset"});
    EXPECT_EQ(r.out, QByteArray("3\n"));

    r = s.Run({"personal", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 3);
    const QJsonObject yahrzeit = r.json(0);
    EXPECT_EQ(yahrzeit.keys(), (QStringList{"afterSunset", "calendar", "date", "key", "kind",
                                            "name", "next", "note"}));
    EXPECT_EQ(yahrzeit["name"].toString(), QStringLiteral("סבתא רחל"));
    EXPECT_EQ(yahrzeit["note"].toString(), QStringLiteral("Adar, \"first\""));
    EXPECT_EQ(yahrzeit["calendar"].toString(), QStringLiteral("hebrew"));
    EXPECT_EQ(Iso(yahrzeit["date"].toObject()), QStringLiteral("5783-06-15"));
    // The next observance is today or later, and is the one plxcal anniversary gives its year.
    const QJsonObject next = yahrzeit["next"].toObject();
    EXPECT_GE(Iso(next["civil"].toObject()), QDate::currentDate().toString(Qt::ISODate));
    const QString year = QString::number(next["hebrew"].toObject()["year"].toInt());
    const PlxcalResult kept =
        s.Run({"anniversary", "yahrzeit", "5783-06-15", "--hebrew", "--years", year, year});
    EXPECT_EQ(kept.lines().value(0),
              QStringLiteral("%1  Hebrew %2  civil %3")
                  .arg(year, Iso(next["hebrew"].toObject()), Iso(next["civil"].toObject()))
                  .toUtf8());
    // A birthday still to come is next kept on its own day.
    EXPECT_EQ(Iso(r.json(1)["next"].toObject()["hebrew"].toObject()), QStringLiteral("6000-01-10"));
    EXPECT_EQ(r.json(2)["calendar"].toString(), QStringLiteral("civil"));
    EXPECT_TRUE(r.json(2)["afterSunset"].toBool());
    EXPECT_EQ(r.json(2)["kind"].toString(), QStringLiteral("anniversary"));
    EXPECT_EQ(Iso(r.json(2)["date"].toObject()), QStringLiteral("-500-03-01"));

    r = s.Run({"personal"});
    ASSERT_EQ(r.lines().size(), 3);
    EXPECT_TRUE(r.lines()[0].startsWith("1\tyahrzeit\thebrew 5783-06-15\tnext Hebrew "));
    EXPECT_TRUE(r.lines()[0].endsWith("\tסבתא רחל\tAdar, \"first\"")) << r.lines()[0].data();
    EXPECT_TRUE(r.lines()[2].startsWith("3\tanniversary\tcivil -500-03-01 after sunset\tnext "));

    // A key is not given again after its date is removed.
    ASSERT_EQ(s.Run({"personal", "remove", "3"}).status, 0);
    EXPECT_EQ(s.Add({"--name", "New", "--kind", "other", "--date", "2020-01-01"}).out,
              QByteArray("4\n"));
    r = s.Run({"personal", "--json"});
    ASSERT_EQ(r.lines().size(), 3);
    EXPECT_EQ(r.json(2)["key"].toInt(), 4);
    EXPECT_EQ(QSettings(s.path, QSettings::IniFormat).value("Settings/plx_daylight").toInt(), 2);
}

TEST(PlxcalPersonal, BadInputIsOneLineStatusTwoAndTheListUnchanged) {
    const PersonalStore s;
    ASSERT_EQ(s.Add({"--name", "A", "--kind", "birthday", "--date", "2000-01-01"}).status, 0);
    const QByteArray before = s.Bytes();
    const QStringList date{"--kind", "birthday", "--date", "2000-01-01"};
    const QList<QStringList> cases = {
        QStringList{"personal", "add", "--name", ""} + date,
        QStringList{"personal", "add", "--name", "  "} + date,
        QStringList{"personal", "add", "--name", "a\tb"} + date,
        QStringList{"personal", "add", "--name", "a\nb"} + date,
        QStringList{"personal", "add", "--name", "a", "--note", "one\ntwo"} + date,
        QStringList{"personal", "add"} + date,
        {"personal", "add", "--name", "a", "--date", "2000-01-01"},
        {"personal", "add", "--name", "a", "--kind", "birthday"},
        {"personal", "add", "--name", "a", "--kind", "Birthday", "--date", "2000-01-01"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "2023-02-29"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "1582-10-10"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "5784-02-30", "--hebrew"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "5785-13-01", "--hebrew"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "5785-01-01", "--hebrew",
         "--after-sunset"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "107240-12-19",
         "--after-sunset"},
        {"personal", "add", "--name", "a", "--kind", "other", "--date", "yesterday"},
        {"personal", "add", "extra", "--name", "a", "--kind", "other", "--date", "2000-01-01"},
        {"personal", "remove", "2"},
        {"personal", "remove", "0"},
        {"personal", "remove", "-1"},
        {"personal", "remove", "one"},
        {"personal", "remove"},
        {"personal", "remove", "1", "1"},
        {"personal", "change", "1"},
        {"personal", "extra"},
    };
    for (const QStringList& arguments : cases) {
        const PlxcalResult r = s.Run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(s.Bytes(), before);
}

TEST(PlxcalPersonal, HandEditedSectionIsNamedAndLeftAsItIs) {
    const PersonalStore s;
    s.Write(
        "[Settings]\n"
        "Personal4\\name=Kept\nPersonal4\\kind=birthday\nPersonal4\\calendar=hebrew\n"
        "Personal4\\date=5780-07-01\n"
        "Personal9\\name=Broken\nPersonal9\\kind=birthday\nPersonal9\\calendar=hebrew\n"
        "Personal9\\date=5780-14-01\n");
    PlxcalResult r = s.Run({"personal"});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines().size(), 1);
    EXPECT_TRUE(r.lines()[0].startsWith("4\t"));
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.err.contains("Settings/Personal9")) << r.err.constData();
    // A new date goes past it; it stays as written.
    EXPECT_EQ(s.Add({"--name", "N", "--kind", "other", "--date", "2020-01-01"}).out,
              QByteArray("10\n"));
    EXPECT_EQ(QSettings(s.path, QSettings::IniFormat).value("Settings/Personal9/date").toString(),
              QStringLiteral("5780-14-01"));
}

TEST(PlxcalPersonal, DayAndRangeRecordsNameTheDatesObserved) {
    const PersonalStore s;
    // Without a store the key is there, empty.
    PlxcalResult r = s.Run({"day", "2024-03-25", "--json"});
    ASSERT_TRUE(r.json()["personal"].isArray());
    EXPECT_TRUE(r.json()["personal"].toArray().isEmpty());

    // 15 Adar 5783 (a common year): the birthday is kept in Adar II of 5784, the yahrzeit in
    // Adar I, or in both; 22 February 2024 after sunset is 14 Adar I.
    ASSERT_EQ(
        s.Add({"--name", "Yahrzeit", "--kind", "yahrzeit", "--date", "5783-06-15", "--hebrew"})
            .status,
        0);
    s.Add({"--name", "Birthday", "--kind", "birthday", "--date", "5783-06-15", "--hebrew"});
    s.Add({"--name", "Evening", "--kind", "other", "--date", "2024-02-22", "--after-sunset"});
    // The last day of a year and the first of the next.
    s.Add({"--name", "Elul", "--kind", "birthday", "--date", "5701-12-29", "--hebrew"});
    s.Add({"--name", "Tishrei", "--kind", "birthday", "--date", "5700-01-01", "--hebrew"});

    QList<QStringList> days = s.Names("2024-02-22", "2024-02-24");
    EXPECT_EQ(days, (QList<QStringList>{{}, {"Evening"}, {"Yahrzeit"}}));
    EXPECT_EQ(s.Names("2024-03-25", "2024-03-25"), (QList<QStringList>{{"Birthday"}}));
    EXPECT_EQ(s.Names("2024-10-02", "2024-10-04"), (QList<QStringList>{{"Elul"}, {"Tishrei"}, {}}));

    QSettings file(s.path, QSettings::IniFormat);
    file.setValue("Settings/plx_personal_adar", 3);
    file.sync();
    EXPECT_EQ(s.Names("2024-03-25", "2024-03-25"), (QList<QStringList>{{"Yahrzeit", "Birthday"}}));
    r = s.Run({"day", "5784-06-15", "--hebrew", "--json"});
    EXPECT_EQ(r.json()["personal"].toArray(), QJsonArray({"Yahrzeit"}));
}

TEST(PlxcalPersonal, IcsExportsThemAloneOrWithTheRest) {
    const PersonalStore s;
    s.Add({"--name", "Yahrzeit", "--kind", "yahrzeit", "--date", "5783-06-15", "--hebrew", "--note",
           "a note"});
    s.Add({"--name", "Evening", "--kind", "other", "--date", "2024-02-22", "--after-sunset"});
    QSettings(s.path, QSettings::IniFormat).setValue("Settings/plx_personal_adar", 3);
    const QString out = s.config.filePath(QStringLiteral("out.ics"));
    const auto exported = [&](const QStringList& options) {
        const PlxcalResult r =
            s.Run(QStringList{"ics", "2024-02-01", "2024-03-31", "--out", out} + options);
        EXPECT_EQ(r.status, 0) << r.err.constData();
        QFile file(out);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList read;
        for (const ReadEvent& e : ReadCalendarEvents(file.readAll()))
            read << e.uid + u' ' + e.start + u' ' + e.description;
        return read;
    };
    const QStringList alone = exported({"--personal"});
    EXPECT_EQ(alone,
              (QStringList{"personal-2-5784@plx 20240223 ", "personal-1-5784@plx 20240224 a note",
                           "personal-1-5784-2@plx 20240325 a note"}));
    const QStringList withEvents = exported({"--personal", "--events"});
    EXPECT_GT(withEvents.size(), alone.size());
    for (const QString& item : alone)
        EXPECT_TRUE(withEvents.contains(item)) << item.toStdString();
    EXPECT_TRUE(exported({"--events"}).filter(QStringLiteral("personal-")).isEmpty());
}

}  // namespace
