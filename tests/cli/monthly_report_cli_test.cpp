#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "cli/plxcal_runner.h"

namespace {

QString PdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PlxcalMonthly : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Pdf() const { return dir.filePath(QStringLiteral("monthly.pdf")); }
};

TEST_F(PlxcalMonthly, HebrewRangeOnHalfAndFullPages) {
    // Tishrei to Kislev 5785, given as Hebrew dates: two upright pages, or three on their side.
    PlxcalResult r = RunPlxcal(
        {"report", "monthly", "5785-01-15", "5785-03-01", "--hebrew", "--pdf", Pdf(), "--sunset"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    QString info = PdfInfo(Pdf());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842")));
    const QString text = PdfText(Pdf());
    EXPECT_TRUE(text.contains(QStringLiteral("Tishrei, year 5785")));
    EXPECT_TRUE(text.contains(QStringLiteral("Kislev, year 5785")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sunset")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sunrise")));

    r = RunPlxcal({"report", "monthly", "2024-10-03", "2024-12-02", "--pdf", Pdf(), "--full-page",
                   "--lang", "he"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    info = PdfInfo(Pdf());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595")));
}

TEST_F(PlxcalMonthly, AFullPageKeepsEveryTextWhole) {
    // Av 5786 with every time: the long portions of its Sabbaths and the three lines of Tisha
    // B'Av, printed in the real font, lose nothing to an ellipsis or to the cell's edge.
    const PlxcalResult r =
        RunPlxcal({"report", "monthly", "2026-08-01", "--full-page", "--sunrise", "--sunset",
                   "--candles-motzash", "--tallit", "--plag", "gra", "--pdf", Pdf()});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QString text = PdfText(Pdf()).simplified();
    EXPECT_FALSE(text.contains(QChar(0x2026)));
    for (const char* whole : {"Devarim - Shabbat", "Chazon", "Va'Etchanan - Shabbat", "Nachamu",
                              "for the Second Temple", "Candles", "Motzash", "Sunrise"})
        EXPECT_TRUE(text.contains(QLatin1String(whole))) << whole;
}

// The stored personal dates print on their days: a yahrzeit of 15 Adar 5783 on 15 Adar I 5784,
// and on 15 Adar II as well once the Adar choice is "both".
TEST_F(PlxcalMonthly, PersonalDatesPrintOnTheirDays) {
    PlxcalStore store;
    ASSERT_EQ(store
                  .Run({"personal", "add", "--name", "Grandfather Moshe", "--kind", "yahrzeit",
                        "--date", "5783-06-15", "--hebrew"})
                  .status,
              0);
    const auto printed = [&](const char* month) {
        const PlxcalResult r = store.Run({"report", "monthly", month, "--hebrew", "--pdf", Pdf()});
        EXPECT_EQ(r.status, 0) << r.err.constData();
        return PdfText(Pdf()).simplified().contains(QStringLiteral("Grandfather Moshe"));
    };
    EXPECT_TRUE(printed("5784-06-01"));
    EXPECT_FALSE(printed("5784-07-01"));
    QDir().mkpath(QFileInfo(store.path).path());
    QSettings file(store.path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Settings/plx_personal_adar"), 3);
    file.sync();
    EXPECT_TRUE(printed("5784-07-01"));
}

// As ics refuses it: one month printed for a span given backwards would pass for success.
TEST_F(PlxcalMonthly, InvertedRangeIsRefused) {
    const PlxcalResult r =
        RunPlxcal({"report", "monthly", "2025-01-01", "2024-01-01", "--pdf", Pdf()});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("END is before DATE")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PlxcalMonthly, BadChoicesAreUsageErrors) {
    for (const QStringList& arguments : QList<QStringList>{
             {"report", "monthly", "--pdf", Pdf(), "--plag", "noon"},
             {"report", "monthly", "--pdf", Pdf(), "--full-page", "--half-page"},
             {"report", "monthly", "5785-13-01", "--hebrew", "--pdf", Pdf()},
             {"report", "monthly", "2024-01-01", "2024-02-01", "2024-03-01", "--pdf", Pdf()},
             {"report", "daily", "2024-01-01", "2024-01-02", "--pdf", Pdf()},
         }) {
        const PlxcalResult r = RunPlxcal(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    }
}

}  // namespace
