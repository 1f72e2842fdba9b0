#include "app/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <functional>
#include <utility>

namespace plx {
namespace {

class IniStoreTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("plx.ini")); }

    void WriteFile(const QByteArray& bytes) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadFile() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(IniStoreTest, AbsentValuesReadAsTheCallersDefault) {
    const IniSettingsStore store(Path());
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"ShowWelcome", 1), 1);
    EXPECT_EQ(store.ReadString(LocationSection(4), u"name_eng", u"none"), u"none");
    EXPECT_FALSE(QFile::exists(Path()));  // reading creates nothing
}

TEST_F(IniStoreTest, ValuesReachTheFileInNestedSections) {
    IniSettingsStore store(Path());
    store.WriteInteger(kSettingsSection, u"plx_timezone", 83);
    store.WriteInteger(kTimesOfDaySection, u"MilesMethod", 90);
    store.WriteString(LocationSection(0), u"name_heb", u"ירושלים, העיר העתיקה");
    store.WriteString(LocationSection(0), u"name_eng", u"@home; \"quoted\" = odd");
    store.WriteString(LocationSection(0), u"empty", u"");
    EXPECT_EQ(store.ReadString(LocationSection(0), u"empty", u"default"), u"");
    store.Flush();

    // A second store on the same file (another process, in effect) sees every value.
    const IniSettingsStore other(Path());
    EXPECT_EQ(other.ReadInteger(kSettingsSection, u"plx_timezone", 0), 83);
    EXPECT_EQ(other.ReadInteger(kTimesOfDaySection, u"MilesMethod", 0), 90);
    EXPECT_EQ(other.ReadString(LocationSection(0), u"name_heb", u""), u"ירושלים, העיר העתיקה");
    EXPECT_EQ(other.ReadString(LocationSection(0), u"name_eng", u""), u"@home; \"quoted\" = odd");
    EXPECT_EQ(other.ReadString(LocationSection(0), u"empty", u"default"), u"");
    const QByteArray text = ReadFile();
    EXPECT_TRUE(text.contains("[Settings]"));
    EXPECT_TRUE(text.contains("plx_timezone=83"));

    store.DeleteValue(kSettingsSection, u"plx_timezone");
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", -1), -1);
    store.Flush();
    EXPECT_EQ(IniSettingsStore(Path()).ReadInteger(kSettingsSection, u"plx_timezone", -1), -1);
    EXPECT_FALSE(ReadFile().contains("plx_timezone"));
}

TEST_F(IniStoreTest, AStoreWritesItsValuesWhenItCloses) {
    {
        IniSettingsStore store(Path());
        store.WriteInteger(kSettingsSection, u"ShowWelcome", 0);
    }
    EXPECT_EQ(IniSettingsStore(Path()).ReadInteger(kSettingsSection, u"ShowWelcome", 1), 0);
}

TEST_F(IniStoreTest, TextsWhereIntegersBelongReadAsTheDefault) {
    WriteFile(
        "[Settings]\nplx_daylight=two\nplx_timezone= 81 \nCustomLocations=1, 2\nbig=99999999999\n"
        "[Settings/Location0]\nname_eng=a, b\n");
    const IniSettingsStore store(Path());
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_daylight", 7), 7);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 0), 81);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"CustomLocations", 0), 0);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"big", 5), 5);
    EXPECT_EQ(store.ReadString(LocationSection(0), u"name_eng", u""), u"a, b");
}

TEST_F(IniStoreTest, GarbageOrATruncatedFileReadsAsDefaults) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    for (const QByteArray& bytes :
         {garbage, QByteArray("[Settings]\nplx_timez"), QByteArray("[Sett"),
          QByteArray("\0\0\0[Settings]\n\0=\0", 16), QByteArray("@Variant(\0\0\0\x7f", 14)}) {
        WriteFile(bytes);
        IniSettingsStore store(Path());
        EXPECT_TRUE(store.Unreadable());
        EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 4), 4);
        EXPECT_EQ(store.ReadString(kSettingsSection, u"LanguageCode", u"he"), u"he");
        // The next write keeps the file aside whole and starts a readable one.
        store.WriteInteger(kSettingsSection, u"plx_timezone", 12);
        const StoreUpdate update = store.Flush();
        ASSERT_TRUE(update.Stored());
        ASSERT_FALSE(update.keptAside.empty());
        QFile aside(QString::fromStdU16String(update.keptAside));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bytes);
        aside.remove();
        EXPECT_EQ(ReadFile(), QByteArray("[Settings]\nplx_timezone=12\n"));
        EXPECT_FALSE(store.Unreadable());
        EXPECT_EQ(IniSettingsStore(Path()).ReadInteger(kSettingsSection, u"plx_timezone", 0), 12);
    }
}

// The file is parsed from a copy, made beside it when the temporary folder takes none.
TEST_F(IniStoreTest, ATemporaryFolderThatTakesNoFileIsNoHindrance) {
    WriteFile("[Settings]\nplx_timezone=3\n");
    const QByteArray temp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc");
    IniSettingsStore store(Path());
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 0), 3);
    const StoreUpdate update = store.Update(
        [](SettingsStore& s) { s.WriteInteger(kSettingsSection, u"plx_daylight", 1); });
    qputenv("TMPDIR", temp);
    EXPECT_TRUE(update.Stored()) << QString::fromStdU16String(update.failure).toStdString();
    EXPECT_EQ(ReadFile(), QByteArray("[Settings]\nplx_daylight=1\nplx_timezone=3\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("plx.ini")});
}

// A FIFO would block the reader, and a folder or a FIFO cannot be replaced by a file.
TEST_F(IniStoreTest, WhatIsNoFileIsNeitherReadNorReplaced) {
    for (const auto& [what, make] :
         std::initializer_list<std::pair<const char*, std::function<bool(const QString&)>>>{
             {"FIFO",
              [](const QString& path) {
                  return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
              }},
             {"folder", [](const QString& path) { return QDir().mkdir(path); }}}) {
        ASSERT_TRUE(make(Path())) << what;
        IniSettingsStore store(Path());
        EXPECT_TRUE(store.Unreadable()) << what;
        EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 4), 4);
        const StoreUpdate update = store.Update(
            [](SettingsStore& s) { s.WriteInteger(kSettingsSection, u"plx_timezone", 9); });
        EXPECT_EQ(update.failure, u"not a regular file") << what;
        EXPECT_FALSE(QFileInfo(Path()).isFile()) << what;
        ASSERT_TRUE(QDir().rmdir(Path()) || QFile::remove(Path())) << what;
    }
}

// Another process's change made after this store read the file is kept: each change reads the
// file again under the write lock.
TEST_F(IniStoreTest, AChangeKeepsWhatAnotherWriterChangedMeanwhile) {
    IniSettingsStore first(Path());
    IniSettingsStore second(Path());
    for (int i = 0; i < 50; ++i) {
        // The same length each time: what a stale copy of the file would not notice.
        ASSERT_TRUE(second
                        .Update([i](SettingsStore& store) {
                            store.WriteInteger(kSettingsSection, u"other", 10 + i % 10);
                        })
                        .Stored());
        ASSERT_TRUE(first
                        .Update([i](SettingsStore& store) {
                            store.WriteInteger(kSettingsSection, u"mine", 20 + i % 10);
                        })
                        .Stored());
        EXPECT_EQ(first.ReadInteger(kSettingsSection, u"other", 0), 10 + i % 10);
        EXPECT_EQ(IniSettingsStore(Path()).ReadInteger(kSettingsSection, u"mine", 0), 20 + i % 10);
    }
    EXPECT_FALSE(QFile::exists(Path() + QStringLiteral(".write.lock")));
}

TEST_F(IniStoreTest, AWriteThatFailsSaysWhyAndChangesNothing) {
    WriteFile("[Settings]\nplx_timezone=3\n");
    // A folder that is a file: no user, root neither, can write beneath it.
    const QString path = Path() + QStringLiteral("/plx.ini");
    IniSettingsStore store(path);
    const StoreUpdate update = store.Update(
        [](SettingsStore& s) { s.WriteInteger(kSettingsSection, u"plx_timezone", 9); });
    EXPECT_FALSE(update.Stored());
    EXPECT_EQ(update.file, path.toStdU16String());
    EXPECT_EQ(update.failure, u"Not a directory");
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", -1), -1);

    // A change that throws writes nothing either.
    IniSettingsStore good(Path());
    EXPECT_THROW(good.Update([](SettingsStore& s) {
        s.WriteInteger(kSettingsSection, u"plx_timezone", 9);
        throw 1;
    }),
                 int);
    EXPECT_EQ(ReadFile(), QByteArray("[Settings]\nplx_timezone=3\n"));

    // What stands where the lock goes and could never be taken as one: said at once.
    const QString lock = Path() + QStringLiteral(".write.lock");
    const QByteArray lockName = QFile::encodeName(lock);
    for (const auto& [what, make] :
         std::initializer_list<std::pair<const char*, std::function<bool()>>>{
             {"folder", [&] { return QDir().mkdir(lock); }},
             {"FIFO", [&] { return mkfifo(lockName.constData(), 0600) == 0; }},
             {"dangling link", [&] { return QFile::link(Path() + u'x', lock); }}}) {
        ASSERT_TRUE(make()) << what;
        const StoreUpdate blocked = good.Update(
            [](SettingsStore& s) { s.WriteInteger(kSettingsSection, u"plx_timezone", 9); });
        EXPECT_EQ(QString::fromStdU16String(blocked.failure),
                  lock + QStringLiteral(" is in the way: not a lock file"))
            << what;
        EXPECT_EQ(ReadFile(), QByteArray("[Settings]\nplx_timezone=3\n"));
        ASSERT_TRUE(QDir().rmdir(lock) || QFile::remove(lock)) << what;
    }
}

TEST_F(IniStoreTest, AProcessKilledWhileWritingLeavesAWholeFile) {
    const std::u16string value(2000, u'x');
    {
        IniSettingsStore store(Path());
        store.WriteString(kSettingsSection, u"LanguageFile", value);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IniSettingsStore store(Path());
        for (int i = 0;; ++i) {
            store.WriteString(kSettingsSection, u"LanguageFile", value);
            store.WriteInteger(kSettingsSection, u"counter", i);
            store.Flush();
        }
    }
    usleep(50000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // Whatever moment the kill came, the file holds the full value, never a cut one.
    QSettings check(Path(), QSettings::IniFormat);
    EXPECT_EQ(check.status(), QSettings::NoError);
    EXPECT_EQ(IniSettingsStore(Path()).ReadString(kSettingsSection, u"LanguageFile", u""), value);
}

TEST(DefaultSettingsPath, APlxFolderInTheUsersConfiguration) {
    EXPECT_TRUE(DefaultSettingsPath().endsWith(QStringLiteral("/plx/plx.ini")));
}

TEST(LanguageChoice, StoredTextsOrTheOlderIntegerOrHebrew) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadLanguageChoice(store), (LanguageChoice{u"Hebrew.xml", u"he"}));
    store.WriteInteger(kSettingsSection, u"Language", 1);
    EXPECT_EQ(LoadLanguageChoice(store), (LanguageChoice{u"English.xml", u"en"}));
    SaveLanguageChoice(store, LoadLanguageChoice(store));
    EXPECT_EQ(store.ReadString(kSettingsSection, u"LanguageFile", u""), u"English.xml");
    EXPECT_EQ(store.ReadString(kSettingsSection, u"LanguageCode", u""), u"en");

    // A file without a code: the integer is not consulted, the file names the language.
    store.WriteString(kSettingsSection, u"LanguageFile", u"Hebrew.xml");
    store.WriteString(kSettingsSection, u"LanguageCode", u"");
    EXPECT_EQ(LoadLanguageChoice(store), (LanguageChoice{u"Hebrew.xml", u""}));
}

}  // namespace
}  // namespace plx
