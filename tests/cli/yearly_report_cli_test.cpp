#include <gtest/gtest.h>

#include <QDate>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

#include "cli/plxcal_runner.h"

namespace {

QString PdfCommand(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(tool), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every clock time on the PDF's page, sorted.
QStringList ClockTimes(const QString& path) {
    static const QRegularExpression clock(QStringLiteral("\\b\\d\\d:\\d\\d\\b"));
    QStringList times;
    for (auto match = clock.globalMatch(PdfCommand("pdftotext", {path, QStringLiteral("-")}));
         match.hasNext();)
        times += match.next().captured();
    times.sort();
    return times;
}

// The times of that kind on every day from START to END (on one weekday only, 1 Monday .. 7
// Sunday, when given) as plxcal times gives them, sorted.
QStringList TimesOfKind(int kind, const QStringList& arguments, int weekday = 0) {
    const PlxcalResult r = RunPlxcal(QStringList{"times"} + arguments + QStringList{"--json"});
    QStringList times;
    for (const QByteArray& line : r.lines()) {
        const QJsonObject day = QJsonDocument::fromJson(line).object();
        const QJsonObject civil = day["civil"].toObject();
        const QDate date(civil["year"].toInt(), civil["month"].toInt(), civil["day"].toInt());
        if (weekday != 0 && date.dayOfWeek() != weekday)
            continue;
        for (const auto& entry : day["times"].toArray()) {
            if (entry.toObject()["kind"].toInt() == kind)
                times += entry.toObject()["text"].toString();
        }
    }
    times.sort();
    return times;
}

bool Landscape(const QString& path) {
    static const QRegularExpression size(QStringLiteral("Page size: *([\\d.]+) x ([\\d.]+) pts"));
    const QRegularExpressionMatch match = size.match(PdfCommand("pdfinfo", {path}));
    return match.hasMatch() && match.captured(1).toDouble() > match.captured(2).toDouble();
}

class PlxcalYearlyReport : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(PlxcalYearlyReport, TimetablesHoldEveryDaysTimeOnLandscapePages) {
    // 5784, a leap year: 16 September 2023 to 2 October 2024, 383 days.
    const QStringList year{"2023-09-16", "2024-10-02", "--location", "0"};
    const struct {
        const char* name;
        int kind;
        const char* language;
    } tables[] = {{"sunset", 18, "en"}, {"sunrise", 3, "he"}, {"dawn", 1, "en"}};
    for (const auto& table : tables) {
        const QString pdf = Path("timetable.pdf");
        const PlxcalResult r = RunPlxcal({"report", table.name, "2024-03-05", "--pdf", pdf,
                                          "--lang", table.language, "--location", "0"});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_TRUE(Landscape(pdf)) << table.name;
        const QStringList expected = TimesOfKind(table.kind, year);
        ASSERT_EQ(expected.size(), 383);
        EXPECT_EQ(ClockTimes(pdf), expected) << table.name;
    }
}

TEST_F(PlxcalYearlyReport, YearlyReportOnPortraitPagesUnlessToldOtherwise) {
    const QString pdf = Path("yearly.pdf");
    for (const char* language : {"en", "he"}) {
        ASSERT_EQ(
            RunPlxcal({"report", "yearly", "2024-03-05", "--pdf", pdf, "--lang", language}).status,
            0);
        EXPECT_FALSE(Landscape(pdf));
        // Among the times, candle lighting on each of the 54 Fridays of 5784.
        QStringList shown = ClockTimes(pdf);
        const QStringList candles =
            TimesOfKind(23, {"2023-09-16", "2024-10-02", "--location", "0"}, Qt::Friday);
        ASSERT_EQ(candles.size(), 54);
        for (const QString& time : candles)
            EXPECT_TRUE(shown.removeOne(time)) << language << ' ' << time.toStdString();
    }
    ASSERT_EQ(RunPlxcal({"report", "yearly", "2024-03-05", "--pdf", pdf, "--landscape"}).status, 0);
    EXPECT_TRUE(Landscape(pdf));
    ASSERT_EQ(RunPlxcal({"report", "dawn", "2024-03-05", "--pdf", pdf, "--portrait"}).status, 0);
    EXPECT_FALSE(Landscape(pdf));
}

}  // namespace
