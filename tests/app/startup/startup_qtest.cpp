// The application's passes: the language it starts in (Qt's own texts and direction with it), the
// message when there is none, the rebuild after a language switch and what it saves at exit, on a
// settings file of its own.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/language.h"
#include "app/settings.h"
#include "app/startup/plx_app.h"
#include "app/stored_locations.h"
#include "ui/calendar_view.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

// What one main window looked like when it opened.
struct Pass {
    Qt::LayoutDirection direction;
    QString calendarTab;
    QString title;
    int theme;  // of the window's frame
    QString caption;
    QString frameTitle;               // the program's name in the frame's corner
    Qt::LayoutDirection qtDirection;  // of the application, which the style draws texts in
    QString qtCopy;                   // Qt's own "&Copy" of the edit fields' context menu
};

// Runs the application; each main window it opens is recorded and then handed to `act`
// (closing it, or switching its language). A welcome screen is closed first.
QList<Pass> RunApp(CPLXApp& app, const std::function<void(CPLXDlg&, int pass)>& act) {
    QList<Pass> passes;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* about = dynamic_cast<CAboutDlg*>(modal)) {
            about->reject();
        } else if (auto* window = dynamic_cast<CPLXDlg*>(modal); window && window->isVisible()) {
            passes << Pass{window->layoutDirection(),
                           window->Tabs()->tabText(0),
                           window->windowTitle(),
                           window->Theme(),
                           window->CaptionText(),
                           window->FrameTitle(),
                           QGuiApplication::layoutDirection(),
                           QCoreApplication::translate("QLineEdit", "&Copy")};
            act(*window, static_cast<int>(passes.size()) - 1);
        }
    });
    poll.start(10);
    app.Run();
    return passes;
}

void Close(CPLXDlg& window, int) {
    QTest::keyClick(&window, Qt::Key_Escape);
}

bool QtHebrewInstalled() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_he.qm"));
}

QString StoredString(const SettingsStore& store, std::u16string_view name) {
    return QString::fromStdU16String(store.ReadString(u"Settings", name, u""));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(settingsFolder_.isValid()); }

    // First, while no language has been loaded in this process.
    void emptyLanguagesFolderShowsTheMessageAndRunsInEnglishLayout() {
        QTemporaryDir emptyFolder;
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("empty.ini")));
        QStringList messages;
        SetMessageBoxAnswerer([&](const QString& message, const QString&, MessageBoxButtons) {
            messages << message;
            return MessageBoxAnswer::Ok;
        });
        CPLXApp app(store, emptyFolder.path());
        const QList<Pass> passes = RunApp(app, Close);
        SetMessageBoxAnswerer({});
        QCOMPARE(messages, QStringList{kNoLanguageFilesMessage});
        QCOMPARE(passes.size(), 1);
        QCOMPARE(passes[0].direction, Qt::LeftToRight);
        QCOMPARE(passes[0].calendarTab, QString());
        QVERIFY(passes[0].title.startsWith(QStringLiteral(" - Jerusalem (40) - ")));
    }

    void firstRunOpensInHebrewAndSavesIt() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("first.ini")));
        CPLXApp app(store, kLanguages);
        const QList<Pass> passes = RunApp(app, Close);
        QCOMPARE(passes.size(), 1);
        QCOMPARE(passes[0].direction, Qt::RightToLeft);
        QCOMPARE(passes[0].calendarTab, QStringLiteral("לוח שנה"));
        // The main window wears the wide frame, with the status alone in its caption band.
        QCOMPARE(passes[0].theme, kMainWindowSkin);
        QCOMPARE(QStringLiteral("לוח שנה עברי plx - ") + passes[0].caption, passes[0].title);
        QCOMPARE(passes[0].frameTitle, QStringLiteral("לוח שנה עברי plx"));
        QCOMPARE(StoredString(store, u"LanguageFile"), QStringLiteral("Hebrew.xml"));
        QCOMPARE(StoredString(store, u"LanguageCode"), QStringLiteral("he"));
        // Nothing else was changed, so nothing else is written.
        QVERIFY(!store.Contains(u"Settings", u"CustomLocations"));
        QVERIFY(!store.Contains(u"Settings", u"plx_timezone"));
    }

    void languageSwitchRebuildsTheWindowAndTheLastChoiceIsSaved() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("switch.ini")));
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        CPLXApp app(store, kLanguages);
        const QList<Pass> passes = RunApp(app, [](CPLXDlg& window, int pass) {
            if (pass == 0)
                window.CommandAction(MainCommand::SwitchToEnglish)->trigger();
            if (pass == 1)
                window.CommandAction(MainCommand::SwitchToHebrew)->trigger();
            if (pass == 2)
                window.CommandAction(MainCommand::SwitchToEnglish)->trigger();
            if (pass == 3)
                window.CommandAction(MainCommand::Close)->trigger();
        });
        QCOMPARE(passes.size(), 4);
        QCOMPARE(passes[1].direction, Qt::LeftToRight);
        QCOMPARE(passes[1].calendarTab, QStringLiteral("Calendar"));
        QCOMPARE(passes[1].frameTitle, QStringLiteral("plx Hebrew Calendar"));
        QCOMPARE(passes[2].direction, Qt::RightToLeft);
        QCOMPARE(passes[3].direction, Qt::LeftToRight);
        // Qt's own texts and the direction it draws them in follow every switch.
        for (const Pass& pass : passes) {
            QCOMPARE(pass.qtDirection, pass.direction);
            const bool hebrew = pass.direction == Qt::RightToLeft && QtHebrewInstalled();
            QCOMPARE(pass.qtCopy == QStringLiteral("&Copy"), !hebrew);
        }
        QCOMPARE(StoredString(store, u"LanguageFile"), QStringLiteral("English.xml"));
        QCOMPARE(StoredString(store, u"LanguageCode"), QStringLiteral("en"));
    }

    // The welcome screen greets a run once, not again in the window rebuilt after a switch.
    void welcomeGreetsTheRunOnce() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("welcome.ini")));
        CPLXApp app(store, kLanguages);
        QStringList welcomes;
        QElapsedTimer english;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* about = dynamic_cast<CAboutDlg*>(modal)) {
                welcomes << about->windowTitle();
                about->reject();
                return;
            }
            auto* window = dynamic_cast<CPLXDlg*>(modal);
            if (!window || !window->isVisible())
                return;
            if (window->layoutDirection() == Qt::RightToLeft) {
                if (!welcomes.isEmpty())
                    window->CommandAction(MainCommand::SwitchToEnglish)->trigger();
                return;
            }
            // Long enough for a welcome timer to have fired.
            if (!english.isValid())
                english.start();
            else if (english.elapsed() > 500)
                window->CommandAction(MainCommand::Close)->trigger();
        });
        poll.start(10);
        app.Run();
        QCOMPARE(welcomes, QStringList{QStringLiteral("ברוכים הבאים")});
    }

    // The rebuilt window opens where the old one stood, not on today.
    void languageSwitchKeepsTheDateThePageAndTheMode() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("place.ini")));
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        CPLXApp app(store, kLanguages);
        const CalendarDate farAway{17, 3, 1850};
        QList<MainWindowPlace> opened;
        RunApp(app, [&](CPLXDlg& window, int pass) {
            opened << window.Place();
            if (pass == 0) {
                window.CommandAction(MainCommand::CalendarMode)->trigger();
                window.CalendarView()->setCivil(farAway);
                window.Tabs()->setCurrentIndex(1);
                window.CommandAction(MainCommand::SwitchToEnglish)->trigger();
            } else {
                window.CommandAction(MainCommand::Close)->trigger();
            }
        });
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[1].selected, farAway);
        QCOMPARE(opened[1].page, 1);
        QVERIFY(opened[1].civilMode);
    }

    // The rebuilt window stands where the old one stood, at its size, maximised if it was.
    void languageSwitchKeepsTheWindowsPlace() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("geometry.ini")));
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        CPLXApp app(store, kLanguages);
        const QRect placed(30, 40, 900, 700);
        QList<WindowGeometry> opened;
        RunApp(app, [&](CPLXDlg& window, int pass) {
            opened << window.Geometry();
            if (pass == 0) {
                window.setGeometry(placed);
                window.CommandAction(MainCommand::SwitchToEnglish)->trigger();
            } else if (pass == 1) {
                window.showMaximized();
                window.CommandAction(MainCommand::SwitchToHebrew)->trigger();
            } else {
                window.CommandAction(MainCommand::Close)->trigger();
            }
        });
        QCOMPARE(opened.size(), 3);
        QCOMPARE(opened[1], (WindowGeometry{placed, false}));
        QCOMPARE(opened[2], (WindowGeometry{placed, true}));
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_window_width", 0), placed.width());
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_window_maximized", 0), 1);
    }

    void missingLanguageFileFallsBackOnTheFolder() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("missing.ini")));
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        store.WriteString(u"Settings", u"LanguageFile", u"Klingon.xml");
        store.WriteString(u"Settings", u"LanguageCode", u"tlh");
        CPLXApp app(store, kLanguages);
        const QList<Pass> passes = RunApp(app, Close);
        QCOMPARE(passes.size(), 1);
        const QString fallback = ListLanguageFilesIn(kLanguages).first().path.section(u'/', -1);
        QCOMPARE(StoredString(store, u"LanguageFile"), fallback);
        QCOMPARE(app.LanguageFile(), fallback);
    }

    // plxcal adds a place while the program is open; the program's closing keeps it.
    void aPlaceAddedElsewhereWhileOpenSurvivesTheClose() {
        const QString path = settingsFolder_.filePath(QStringLiteral("shared.ini"));
        IniSettingsStore store(path);
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        store.Flush();
        CPLXApp app(store, kLanguages);
        RunApp(app, [&](CPLXDlg& window, int pass) {
            if (pass == 1) {
                window.CommandAction(MainCommand::Close)->trigger();
                return;
            }
            Location meron;
            meron.nameEnglish = u"Meron";
            IniSettingsStore plxcal(path);
            QVERIFY(plxcal.Update([&](SettingsStore& file) { AddStoredLocation(file, meron); })
                        .Stored());
            window.CommandAction(MainCommand::Daylight2)->trigger();
            window.CommandAction(MainCommand::SwitchToEnglish)->trigger();
        });
        const IniSettingsStore after(path);
        QCOMPARE(after.ReadInteger(u"Settings", u"CustomLocations", -1), 1);
        QVERIFY(after.ReadString(u"Settings/Location0", u"name_eng", u"") == u"Meron");
        QCOMPARE(after.ReadInteger(u"Settings", u"plx_daylight", -1), 2);
        QCOMPARE(StoredString(after, u"LanguageFile"), QStringLiteral("English.xml"));
    }

    // The person is told which file could not be written and why, and may try again.
    void aFailedWriteNamesTheFileAndOffersToTryAgain() {
        QFile notAFolder(settingsFolder_.filePath(QStringLiteral("file")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        const QString path = notAFolder.fileName() + QStringLiteral("/plx.ini");
        IniSettingsStore store(path);
        QStringList messages;
        SetMessageBoxAnswerer([&](const QString& message, const QString&, MessageBoxButtons) {
            messages << message;
            return messages.size() == 1 ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
        });
        CPLXApp app(store, kLanguages);
        const QList<Pass> passes = RunApp(app, [](CPLXDlg& window, int) {
            window.CommandAction(MainCommand::Daylight2)->trigger();
            window.CommandAction(MainCommand::Close)->trigger();
        });
        SetMessageBoxAnswerer({});
        QCOMPARE(passes.size(), 1);
        // Tried twice at the window's close, once for the language at the end.
        QCOMPARE(messages.size(), 3);
        for (const QString& message : messages) {
            QVERIFY2(message.contains(path), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("Not a directory")), qPrintable(message));
        }
    }

    // A file the program cannot read is never written over: kept beside itself, and said once.
    void anUnreadableFileIsKeptAsideAtTheFirstWrite() {
        const QString path = settingsFolder_.filePath(QStringLiteral("utf16.ini"));
        const QByteArray unreadable("\xff\xfe[\0S\0]\0", 8);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(unreadable);
        }
        IniSettingsStore store(path);
        QStringList messages;
        SetMessageBoxAnswerer([&](const QString& message, const QString&, MessageBoxButtons) {
            messages << message;
            return MessageBoxAnswer::Ok;
        });
        CPLXApp app(store, kLanguages);
        RunApp(app, [](CPLXDlg& window, int pass) {
            if (pass == 0)
                window.CommandAction(MainCommand::Daylight2)->trigger();
            window.CommandAction(MainCommand::Close)->trigger();
        });
        SetMessageBoxAnswerer({});
        const QStringList aside =
            QDir(settingsFolder_.path()).entryList({QStringLiteral("utf16.ini.unreadable-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(settingsFolder_.filePath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), unreadable);
        // Once: at the window's close; the language written after it finds a readable file.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(aside[0]), qPrintable(messages[0]));
        QCOMPARE(IniSettingsStore(path).ReadInteger(u"Settings", u"plx_daylight", -1), 2);
    }

    // Last: the desktop's frame, once asked for, stays for the rest of the process.
    void nativeFrameSettingKeepsTheDesktopsFrame() {
        IniSettingsStore store(settingsFolder_.filePath(QStringLiteral("native.ini")));
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        store.WriteInteger(u"Settings", u"NativeFrame", 1);
        CPLXApp app(store, kLanguages);
        const QList<Pass> passes = RunApp(app, Close);
        SetNativeFrame(false);
        QCOMPARE(passes.size(), 1);
        QCOMPARE(passes[0].theme, -1);
    }

private:
    QTemporaryDir settingsFolder_;
};

QTEST_MAIN(StartupTest)
#include "startup_qtest.moc"
