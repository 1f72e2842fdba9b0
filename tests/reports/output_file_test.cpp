// The writer of reports and calendar files against each kind of target.
#include "reports/output_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace plx {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QString> WriteText(const QString& target, const QByteArray& text) {
    return WriteOutputFile(target, [&text](QIODevice& device) -> std::optional<QString> {
        device.write(text);
        return std::nullopt;
    });
}

mode_t KindOf(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

TEST(OutputFile, ARegularFileIsReplacedWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_EQ(WriteText(path, "first"), std::nullopt);
    EXPECT_EQ(Read(path), "first");
    ASSERT_EQ(WriteText(path, "second"), std::nullopt);
    EXPECT_EQ(Read(path), "second");

    // A writer that fails halfway leaves the file as it was, and no temporary beside it.
    const auto failure = WriteOutputFile(path, [](QIODevice& device) -> std::optional<QString> {
        device.write("half");
        return QStringLiteral("the report could not be drawn");
    });
    EXPECT_EQ(failure, QStringLiteral("the report could not be drawn"));
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
}

TEST(OutputFile, ALinkIsFollowedAndStaysALink) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.ics"));
    const QString link = dir.filePath(QStringLiteral("link.ics"));
    ASSERT_TRUE(QFile::link(target, link));  // to a file not there yet
    ASSERT_EQ(WriteText(link, "new"), std::nullopt);
    EXPECT_EQ(KindOf(link), S_IFLNK);
    EXPECT_EQ(Read(target), "new");
    ASSERT_EQ(WriteText(link, "again"), std::nullopt);
    EXPECT_EQ(KindOf(link), S_IFLNK);
    EXPECT_EQ(Read(target), "again");
}

TEST(OutputFile, AFifoIsWrittenInPlace) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        // The child reads what comes through the FIFO and says by its status whether it was all.
        QFile in(fifo);
        _exit(in.open(QIODevice::ReadOnly) && in.readAll() == "through the pipe" ? 0 : 1);
    }
    EXPECT_EQ(WriteText(fifo, "through the pipe"), std::nullopt);
    int status = -1;
    waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
}

TEST(OutputFile, ADeviceIsWrittenInPlaceAndItsFailureNamed) {
    // A device of the test's own where it may make one, so that a writer that replaced devices
    // would replace nothing of the system's.
    QTemporaryDir dir;
    QString full = dir.filePath(QStringLiteral("full"));
    if (geteuid() != 0 ||
        mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        full = QStringLiteral("/dev/full");
    }
    const auto failure = WriteText(full, QByteArray(1 << 20, 'x'));
    EXPECT_EQ(failure, QStringLiteral("No space left on device"));
    EXPECT_EQ(KindOf(full), S_IFCHR);
    EXPECT_EQ(WriteText(QStringLiteral("/dev/null"), "gone"), std::nullopt);
    EXPECT_EQ(KindOf(QStringLiteral("/dev/null")), S_IFCHR);
}

TEST(OutputFile, WhatCannotBeWrittenSaysWhy) {
    QTemporaryDir dir;
    EXPECT_EQ(WriteText(dir.path(), "x"), QStringLiteral("Is a directory"));
    const auto missing = WriteText(dir.filePath(QStringLiteral("no/such/folder.pdf")), "x");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->isEmpty());
    EXPECT_NE(*missing, QStringLiteral("Unknown error"));
}

}  // namespace
}  // namespace plx
