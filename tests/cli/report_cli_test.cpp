#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/plxcal_runner.h"

namespace {

QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList TimesOf(const QStringList& arguments) {
    const PlxcalResult r = RunPlxcal(QStringList{"times"} + arguments + QStringList{"--json"});
    QStringList times;
    for (const QByteArray& line : r.lines()) {
        for (const auto& entry : QJsonDocument::fromJson(line)["times"].toArray())
            times += entry.toObject()["text"].toString();
    }
    return times;
}

class PlxcalReport : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(PlxcalReport, DailyPdfHoldsTheDaysTimes) {
    const QStringList place{"--location", "5", "--dst", "1", "--all"};
    for (const char* language : {"en", "he"}) {
        const QString pdf = Path("daily.pdf");
        const PlxcalResult r = RunPlxcal(
            QStringList{"report", "daily", "2024-06-14", "--pdf", pdf, "--lang", language} + place);
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
        const QString text = PdfText(pdf);
        const QStringList times = TimesOf(QStringList{"2024-06-14"} + place);
        ASSERT_GT(times.size(), 15);
        for (const QString& time : times)
            EXPECT_TRUE(text.contains(time)) << language << ' ' << time.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("14/06/2024")));
    }
}

TEST_F(PlxcalReport, WeeklyPdfHoldsEveryDaysTimesInBothLanguages) {
    for (const char* language : {"en", "he"}) {
        const QString pdf = Path("weekly.pdf");
        const PlxcalResult r = RunPlxcal({"report", "weekly", "2024-03-13", "--pdf", pdf, "--lang",
                                          language, "--location", "0"});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        const QString text = PdfText(pdf);
        // Sunday 10 March to Saturday 16 March.
        for (const QString& time : TimesOf({"2024-03-10", "2024-03-16", "--location", "0"}))
            EXPECT_TRUE(text.contains(time)) << language << ' ' << time.toStdString();
    }
    EXPECT_TRUE(PdfText(Path("weekly.pdf")).contains(QStringLiteral("דף יומי")));
}

TEST_F(PlxcalReport, LandscapeLetterPage) {
    const QString pdf = Path("letter.pdf");
    const PlxcalResult r = RunPlxcal(
        {"report", "weekly", "2024-03-13", "--pdf", pdf, "--landscape", "--paper", "letter"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    EXPECT_TRUE(info.readAllStandardOutput().contains("792 x 612 pts"));
}

TEST_F(PlxcalReport, BadInputLeavesNoFile) {
    const QString pdf = Path("out.pdf");
    const QList<QStringList> calls{
        {"report", "monthly-ish", "--pdf", pdf},
        {"report", "daily", "2024-02-30", "--pdf", pdf},
        {"report", "daily", "--pdf", pdf, "--paper", "a5"},
        {"report", "daily", "--pdf", pdf, "--portrait", "--landscape"},
        {"report", "daily", "--pdf", pdf, "--lang", "xx"},
        {"report", "daily"},
        {"report"},
        {"report", "daily", "--pdf", Path("missing/folder/out.pdf")},
    };
    for (const QStringList& call : calls) {
        const PlxcalResult r = RunPlxcal(call);
        EXPECT_EQ(r.status, 2) << call.join(' ').toStdString();
        EXPECT_EQ(r.err.trimmed().count('\n'), 0) << r.err.constData();
        EXPECT_TRUE(r.err.startsWith("plxcal: ")) << r.err.constData();
        EXPECT_FALSE(QFile::exists(pdf)) << call.join(' ').toStdString();
    }
    EXPECT_TRUE(RunPlxcal({"report", "nightly", "--pdf", pdf})
                    .err.contains("daily, dawn, monthly, sunrise, sunset, weekly, yearly"));
}

TEST_F(PlxcalReport, FailedRunKeepsTheFileThatWasThere) {
    const QString pdf = Path("kept.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("before");
    file.close();
    EXPECT_EQ(RunPlxcal({"report", "daily", "2024-13-01", "--pdf", pdf}).status, 2);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("before"));
}

}  // namespace
