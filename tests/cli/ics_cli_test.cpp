#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include "cli/plxcal_runner.h"
#include "reports/ical_reading.h"

namespace {

struct Exported {
    PlxcalResult result;
    std::vector<ReadEvent> events;
};

Exported ExportIcs(const QStringList& arguments) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.ics"));
    QFile::remove(path);
    Exported exported{RunPlxcal(QStringList{"ics"} + arguments + QStringList{"--out", path}), {}};
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        exported.events = ReadCalendarEvents(file.readAll());
    return exported;
}

QStringList Summaries(const std::vector<ReadEvent>& events) {
    QStringList summaries;
    for (const ReadEvent& e : events)
        summaries += e.summary;
    return summaries;
}

TEST(PlxcalIcs, EventsAndPortionsUnlessToldOtherwise) {
    const Exported week = ExportIcs({"2024-04-21", "2024-04-27"});
    ASSERT_EQ(week.result.status, 0) << week.result.err.constData();
    EXPECT_TRUE(week.result.out.isEmpty());
    const QStringList summaries = Summaries(week.events);
    EXPECT_TRUE(summaries.contains(QStringLiteral("1st Yom-Tov of Pesach")));
    EXPECT_TRUE(summaries.contains(QStringLiteral("Shabbat Hol Hamoed Pesach")));
    EXPECT_EQ(summaries.count(QStringLiteral("Shabbat Hol Hamoed Pesach")), 1);

    const Exported daf = ExportIcs({"2024-04-21", "2024-04-21", "--daf", "--lang", "he"});
    ASSERT_EQ(daf.events.size(), 1u);
    EXPECT_TRUE(daf.events[0].summary.startsWith(QStringLiteral("מסכת")));
}

TEST(PlxcalIcs, CandleLightingAloneOrWithItsMinutes) {
    // Friday 29 March 2024 in Jerusalem, the first day of summer time: sunset 18:56.
    const auto candles = [](const QStringList& extra) {
        const Exported e = ExportIcs(
            QStringList{"2024-03-28", "2024-03-30", "--location", "0", "--dst", "auto"} + extra);
        EXPECT_EQ(e.result.status, 0) << e.result.err.constData();
        return e.events;
    };
    const std::vector<ReadEvent> alone = candles({"--candles"});
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].start, QStringLiteral("20240329T181600"));
    EXPECT_EQ(alone[0].zone, QStringLiteral("Asia/Jerusalem"));
    EXPECT_EQ(alone[0].instant, QDateTime(QDate(2024, 3, 29), QTime(15, 16), Qt::UTC));

    const std::vector<ReadEvent> twenty = candles({"--candles", "20"});
    ASSERT_EQ(twenty.size(), 1u);
    EXPECT_EQ(twenty[0].start, QStringLiteral("20240329T183600"));
    // A bare --candles before the dates is not read as taking them for its minutes.
    const Exported first = ExportIcs({"--candles", "2024-03-29", "2024-03-29", "--location", "0"});
    EXPECT_EQ(first.result.status, 0) << first.result.err.constData();
    EXPECT_EQ(first.events.size(), 1u);
}

TEST(PlxcalIcs, TimesByTheirSwitchNames) {
    const Exported e = ExportIcs({"2024-03-21", "2024-03-21", "--location", "0", "--times",
                                  "sunrise,Sunset", "--dst", "auto"});
    ASSERT_EQ(e.result.status, 0) << e.result.err.constData();
    EXPECT_EQ(Summaries(e.events), (QStringList{"Sunrise", "Sunset"}));
    EXPECT_EQ(e.events[0].start, QStringLiteral("20240321T054300"));
    EXPECT_EQ(e.events[1].start, QStringLiteral("20240321T175200"));
    EXPECT_EQ(e.events[0].location, QStringLiteral("Jerusalem"));
}

TEST(PlxcalIcs, RefusalsAreOneLine) {
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"2000-01-01", "2020-01-01"}, "longer than 20 years; add --force"},
        {{"2024-01-02", "2024-01-01"}, "END is before START"},
        {{"2024-01-01", "2024-01-01", "--times", "Sunrise,Moonrise"}, "unknown time 'Moonrise'"},
        {{"2024-01-01", "2024-01-01", "--times", "PropHourGra"}, "a length of time"},
        {{"2024-01-01"}, "usage: plxcal ics START END"},
        {{"-3761-10-07", "-3761-10-08"}, "years 1 to 9999"},
    };
    for (const auto& c : cases) {
        const Exported e = ExportIcs(c.arguments);
        EXPECT_EQ(e.result.status, 2) << c.says;
        EXPECT_TRUE(e.result.err.contains(c.says)) << e.result.err.constData();
        EXPECT_EQ(e.result.err.count('\n'), 1) << c.says;
        EXPECT_TRUE(e.events.empty()) << c.says;
    }
    const PlxcalResult noFile = RunPlxcal({"ics", "2024-01-01", "2024-01-01"});
    EXPECT_EQ(noFile.status, 2);
    EXPECT_TRUE(noFile.err.contains("--out FILE")) << noFile.err.constData();
    const PlxcalResult badPath =
        RunPlxcal({"ics", "2024-01-01", "2024-01-01", "--out", "/no/such/folder/x.ics"});
    EXPECT_EQ(badPath.status, 2);
    EXPECT_TRUE(badPath.err.startsWith("plxcal: cannot write '/no/such/folder/x.ics'"));

    const Exported forced = ExportIcs({"2000-01-01", "2020-01-01", "--portion", "--force"});
    EXPECT_EQ(forced.result.status, 0) << forced.result.err.constData();
    EXPECT_GT(forced.events.size(), 1000u);
}

}  // namespace
