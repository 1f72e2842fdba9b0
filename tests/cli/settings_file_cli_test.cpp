// plxcal and the settings file as others share it: writers at once, a file or folder it may not
// write, a file it cannot read, values a person typed out of range.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <unistd.h>

#include <memory>
#include <set>
#include <vector>

#include "cli/plxcal_runner.h"

namespace {

// A configuration folder of its own, open to every user, for the runs as an unprivileged user.
struct Config {
    QTemporaryDir home;
    QString folder = home.filePath(QStringLiteral("plx"));
    QString path = home.filePath(QStringLiteral("plx/plx.ini"));
    QProcessEnvironment env;

    Config() {
        QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther);
        QDir().mkpath(folder);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    }
    PlxcalResult Run(const QStringList& arguments) const { return RunPlxcal(arguments, env); }

    void Write(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read(const QString& file) const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QByteArray Read() const { return Read(path); }
};

QStringList AddArguments(const QString& name) {
    return {"locations", "add", "--name-he", "מקום", "--name-en", name,
            "--lat",     "31",  "--lon",     "35",   "--zone",    "2"};
}

TEST(PlxcalSettingsFile, TwentyWritersAtOnceLoseNoPlace) {
    const Config config;
    ASSERT_EQ(config.Run({"locations", "use", "5"}).status, 0);
    constexpr int kWriters = 20;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < kWriters; ++i) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.home.path());
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(PLXCAL_PATH), AddArguments(QString::number(i)));
        writers.push_back(std::move(process));
    }
    std::map<int, QString> names;  // key -> the name its writer stored
    for (int i = 0; i < kWriters; ++i) {
        QProcess& writer = *writers[static_cast<std::size_t>(i)];
        ASSERT_TRUE(writer.waitForFinished(120000));
        ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().constData();
        const int key = writer.readAllStandardOutput().trimmed().toInt();
        EXPECT_TRUE(names.emplace(key, QString::number(i)).second) << "key given twice: " << key;
    }
    const PlxcalResult list = config.Run({"locations", "--json"});
    ASSERT_EQ(list.lines().size(), 80 + kWriters);
    for (const auto& [key, name] : names) {
        EXPECT_EQ(list.json(key)["key"].toInt(), key);
        EXPECT_EQ(list.json(key)["nameEnglish"].toString(), name) << key;
    }
    const QSettings file(config.path, QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("Settings/CustomLocations")).toInt(), kWriters);
    EXPECT_FALSE(file.contains(QStringLiteral("Settings/Location20/name_eng")));
    EXPECT_EQ(file.value(QStringLiteral("Settings/plx_timezone")).toInt(), 5);
    EXPECT_TRUE(QFile::exists(config.path + QStringLiteral(".write.lock")) == false);
}

// The runs as root would write anything; an unprivileged user meets the permissions.
bool CanRunUnprivileged() {
    return geteuid() != 0 || !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
}

PlxcalResult RunUnprivileged(const Config& config, const QStringList& arguments) {
    if (geteuid() != 0)
        return config.Run(arguments);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.home.path());
    process.setProcessEnvironment(env);
    process.start(
        QStringLiteral("setpriv"),
        QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", PLXCAL_PATH} + arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(PlxcalSettingsFile, AWriteThatCannotHappenIsAnError) {
    if (!CanRunUnprivileged())
        GTEST_SKIP() << "running as root without setpriv: no user the permissions would stop";
    const QList<QStringList> edits = {AddArguments(QStringLiteral("B")),
                                      {"locations", "update", "80", "--candles", "30"},
                                      {"locations", "remove", "80"},
                                      {"locations", "use", "7"}};
    // The folder is not the user's; then the folder is, but the file is read-only.
    for (const bool fileReadOnly : {false, true}) {
        const Config config;
        ASSERT_EQ(config.Run(AddArguments(QStringLiteral("A"))).status, 0);
        if (fileReadOnly) {
            ASSERT_EQ(chown(QFile::encodeName(config.folder).constData(), 65534, 65534), 0);
            QFile::setPermissions(config.path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        } else {
            QFile::setPermissions(config.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadOther);
        }
        const QByteArray before = config.Read();
        for (const QStringList& edit : edits) {
            const PlxcalResult r = RunUnprivileged(config, edit);
            EXPECT_EQ(r.status, 2) << edit.join(' ').toStdString();
            EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();  // no key for a place not stored
            EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
            EXPECT_TRUE(r.err.contains("Permission denied")) << r.err.constData();
            EXPECT_TRUE(r.err.contains(config.path.toUtf8())) << r.err.constData();
        }
        EXPECT_EQ(config.Read(), before);
        // Reading is still fine.
        EXPECT_EQ(RunUnprivileged(config, {"locations"}).status, 0);
    }
}

TEST(PlxcalSettingsFile, AFileThatCannotBeReadIsKeptAsideBeforeTheFirstWrite) {
    QByteArray utf16("\xff\xfe");
    for (char c : QByteArray("[Settings]\r\nCustomLocations=1\r\n"))
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    for (const QByteArray& unreadable :
         {utf16, QByteArray(512, '\0'), QByteArray("[Settings]\nLanguageFile=\xe9t\xe9\n"),
          QByteArray("\x89PNG\r\n\x1a\n\x01\x02", 10), QByteArray("[Settings\nplx_daylight=2\n")}) {
        const Config config;
        config.Write(unreadable);
        PlxcalResult r = config.Run({"locations", "--json"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.lines().size(), 80);  // the defaults
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_EQ(config.Read(), unreadable);  // reading changes nothing

        r = config.Run({"locations", "use", "7"});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        const QStringList aside = QDir(config.folder).entryList({"plx.ini.unreadable-*"});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^plx\\.ini\\.unreadable-\\d{8}-\\d{6}$"))
                        .match(aside[0])
                        .hasMatch());
        EXPECT_EQ(config.Read(config.folder + u'/' + aside[0]), unreadable);
        EXPECT_TRUE(r.err.contains(aside[0].toUtf8())) << r.err.constData();
        EXPECT_EQ(config.Read(), QByteArray("[Settings]\nplx_timezone=7\n"));

        // Said once: the file is readable now.
        r = config.Run({"locations", "use", "8"});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
    }
}

TEST(PlxcalSettingsFile, ValuesOutOfRangeAreNamedAndNotUsed) {
    const Config config;
    config.Write(
        "[Settings]\nCustomLocations=2147483647\nplx_daylight=99\nplx_timezone=80\n"
        "Location0\\name_eng=North\nLocation0\\latitude=91\nLocation0\\longitude=35\n"
        "Location1\\name_eng=Here\nLocation1\\latitude=31\nLocation1\\longitude=35\n"
        "Location1\\distance=99\nLocation1\\candle_dif=nan\nLocation1\\height=20000\n");
    const QByteArray before = config.Read();
    PlxcalResult r = config.Run({"locations", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 81);  // North is left out; Here keeps its key
    EXPECT_EQ(r.json(80)["key"].toInt(), 81);
    EXPECT_EQ(r.json(80)["zone"].toDouble(), 0);
    EXPECT_EQ(r.json(80)["candleMinutes"].toInt(), 0);
    EXPECT_EQ(r.json(80)["height"].toDouble(), 0);
    const QList<QByteArray> warnings = r.err.trimmed().split('\n');
    EXPECT_EQ(warnings.size(), 5) << r.err.constData();
    for (const char* named : {"plx_daylight", "Location0/latitude = '91'", "Location1/distance",
                              "Location1/candle_dif = 'nan'", "Location1/height"}) {
        EXPECT_TRUE(r.err.contains(named)) << named << '\n' << r.err.constData();
    }

    // Key 80 names no usable place: the times fall back on the last one, with a time every row.
    r = config.Run({"times", "2024-03-21", "--json", "--location", "81"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.json()["location"].toObject()["nameEnglish"].toString(), QStringLiteral("Here"));
    EXPECT_EQ(config.Run({"locations", "use", "80"}).status, 2);

    // An edit of Here rewrites what it changes and nothing of North.
    ASSERT_EQ(config.Run({"locations", "update", "81", "--zone", "2"}).status, 0);
    const QSettings file(config.path, QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("Settings/Location0/latitude")).toString(),
              QStringLiteral("91"));
    EXPECT_EQ(file.value(QStringLiteral("Settings/Location1/distance")).toString(),
              QStringLiteral("2.000000"));
    EXPECT_EQ(file.value(QStringLiteral("Settings/Location1/candle_dif")).toString(),
              QStringLiteral("nan"));
    EXPECT_EQ(file.value(QStringLiteral("Settings/CustomLocations")).toInt(), 2147483647);
    EXPECT_NE(config.Read(), before);
}

// plxcal refuses such a name; one written into the file by hand is shown, not obeyed.
TEST(PlxcalSettingsFile, ANameWithControlCharactersTakesOneLine) {
    const Config config;
    config.Write(
        "[Settings]\nCustomLocations=1\nplx_timezone=80\nLocation0\\name_eng=\"Two\\nlines\\tand a "
        "tab\"\nLocation0\\name_heb=x\nLocation0\\latitude=31\nLocation0\\longitude=35\n");
    PlxcalResult r = config.Run({"locations", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 81);
    EXPECT_EQ(r.lines().back(), QByteArray("80\tTwo lines and a tab (0)"));
    r = config.Run({"times", "2024-03-21", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.lines().front().endsWith("Two lines and a tab")) << r.out.constData();
    // The stored name itself is left as it is.
    r = config.Run({"locations", "--json"});
    EXPECT_EQ(r.json(80)["nameEnglish"].toString(), QStringLiteral("Two\nlines\tand a tab"));
}

}  // namespace
