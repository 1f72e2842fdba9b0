// plxcal writing reports and calendar files to every kind of target, refusing spans it cannot
// print and options that are not its own, and reporting every failed write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "cli/plxcal_runner.h"

namespace {

// plxcal run in a folder of its own, so that a stray file named "-" would show.
PlxcalResult RunIn(const QTemporaryDir& dir, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(PLXCAL_PATH), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(PlxcalTargets, StandardOutput) {
    const QTemporaryDir dir;
    PlxcalResult r = RunIn(dir, {"report", "daily", "2024-06-14", "--pdf", "-"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.startsWith("%PDF-"));
    EXPECT_TRUE(r.out.trimmed().endsWith("%%EOF"));
    r = RunIn(dir, {"ics", "2024-01-01", "2024-01-31", "--out", "-"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // A reader that stops early has what it wanted: no message, no failure.
    QProcess shell;
    shell.start(QStringLiteral("bash"),
                {"-c", "set -o pipefail; \"$0\" ics 2000-01-01 2019-12-31 --out - | head -c 15",
                 QStringLiteral(PLXCAL_PATH)});
    ASSERT_TRUE(shell.waitForFinished(120000));
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(shell.readAllStandardOutput(), "BEGIN:VCALENDAR");
    EXPECT_TRUE(shell.readAllStandardError().isEmpty());

    // A closed standard output is a failed write, named as the system names it.
    shell.start(QStringLiteral("bash"),
                {"-c", "\"$0\" report daily 2024-06-14 --pdf - >&-", QStringLiteral(PLXCAL_PATH)});
    ASSERT_TRUE(shell.waitForFinished(120000));
    EXPECT_EQ(shell.exitCode(), 2);
    const QByteArray err = shell.readAllStandardError();
    EXPECT_EQ(err.count('\n'), 1) << err.constData();
    EXPECT_TRUE(err.contains("Bad file descriptor")) << err.constData();
}

TEST(PlxcalTargets, AFifoStaysAFifo) {
    const QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QStringList& arguments :
         {QStringList{"report", "daily", "2024-06-14", "--pdf", fifo},
          QStringList{"ics", "2024-01-01", "2024-01-31", "--out", fifo}}) {
        QProcess reader;
        reader.start(QStringLiteral("cat"), {fifo});
        ASSERT_TRUE(reader.waitForStarted());
        const PlxcalResult r = RunIn(dir, arguments);
        ASSERT_TRUE(reader.waitForFinished(60000));
        EXPECT_EQ(r.status, 0) << r.err.constData();
        const QByteArray text = reader.readAllStandardOutput();
        EXPECT_TRUE(text.startsWith("%PDF-") || text.startsWith("BEGIN:VCALENDAR"))
            << text.left(20).constData();
        struct stat status {};
        ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode));
    }
}

// The device's own failure, named; /dev/full stays a device (see the reports' tests for a device
// of their own).
TEST(PlxcalTargets, AFullDeviceIsAnErrorWithItsCause) {
    const QTemporaryDir dir;
    for (const QStringList& arguments :
         {QStringList{"report", "daily", "2024-06-14", "--pdf", "/dev/full"},
          QStringList{"ics", "2024-01-01", "2024-12-31", "--out", "/dev/full"}}) {
        const PlxcalResult r = RunIn(dir, arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains("No space left on device")) << r.err.constData();
        EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
    }
    // The help and the version as well.
    for (const char* option : {"--help", "--version"}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(PLXCAL_PATH), {option});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 2) << option;
        EXPECT_EQ(process.readAllStandardError().count('\n'), 1) << option;
    }
    const PlxcalResult help = RunIn(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: ")) << help.out.left(40).constData();
}

TEST(PlxcalTargets, MonthlySpansThatCannotBePrintedAreRefusedAtOnce) {
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("months.pdf"));
    struct Case {
        QStringList arguments;
        const char* says;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"2024-03-01", "2024-01-01"}, "END is before DATE"},
             {{"1-01-01", "110999-12-29", "--hebrew"}, "65534"},  // --force would not help
             {{"1-01-01", "110999-12-29", "--hebrew", "--force"}, "65534"},
             {{"1-01-01", "110999-12-29", "--hebrew", "--force", "--full-page"}, "65534"},
             {{"5700-01-01", "5800-01-01", "--hebrew"}, "--force"}}) {
        const PlxcalResult r =
            RunIn(dir, QStringList{"report", "monthly"} + c.arguments + QStringList{"--pdf", pdf});
        EXPECT_EQ(r.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.constData();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

// Qt's own options would reach the graphical application, which aborts on a platform it lacks.
TEST(PlxcalTargets, QtsOptionsAreRefusedAsUnknown) {
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("day.pdf"));
    for (const QStringList& extra :
         {QStringList{"-platform", "xcb"}, QStringList{"--platform", "offscreen"},
          QStringList{"-display", ":99"}}) {
        const PlxcalResult r =
            RunIn(dir, QStringList{"report", "daily", "2024-01-01", "--pdf", pdf} + extra);
        EXPECT_EQ(r.status, 2) << extra.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.startsWith("plxcal: Unknown option")) << r.err.constData();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
