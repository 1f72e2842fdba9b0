// The personal dates in the main window, in both layouts: the command in the Settings menu, each
// confirmed change stored at once, the month grid and the times-and-events page showing the dates
// of their days, and a change the settings file refuses.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/settings.h"
#include "app/stored_personal_dates.h"
#include "dialog_driving.h"
#include "main_window_fixture.h"
#include "ui/calendar_view.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/personal_date_dialog.h"
#include "ui/dialogs/personal_dates_dialog.h"
#include "ui/times_events.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;
using namespace plx::test;

namespace {

PersonalDate Yahrzeit(const char16_t* name, CalendarDate hebrew) {
    PersonalDate date;
    date.name = name;
    date.kind = PersonalKind::Yahrzeit;
    date.date = hebrew;
    return date;
}

// The cell of a civil date in the grid; none when the month shown lacks it.
CPLXCalendarChild* CellOf(const CPLXDlg& window, CalendarDate civil) {
    for (int index = 0; index < 42; ++index) {
        CPLXCalendarChild* cell = window.CalendarView()->cell(1 + index / 7, index % 7);
        if (!cell->isBlank() && cell->date() == civil)
            return cell;
    }
    return nullptr;
}

QString Information(const CPLXDlg& window) {
    return window.TimesEventsPage()->InformationBox()->toPlainText();
}

// Adds a date through the list: Add, the name typed, OK, then the list closed.
void AddThroughTheList(CPLXDlg& window, const QString& name) {
    WhenModal<CPLXPersonalDatesDlg>([name](CPLXPersonalDatesDlg& list) {
        WhenModal<CPLXPersonalDateDlg>([name](CPLXPersonalDateDlg& editor) {
            TypeOver(editor.NameEdit(), name);
            QTest::keyClick(editor.NameEdit(), Qt::Key_Return);
        });
        QTest::mouseClick(list.AddButton(), Qt::LeftButton);
        QTest::mouseClick(list.CloseButton(), Qt::LeftButton);
    });
    window.CommandAction(MainCommand::PersonalDates)->trigger();
}

}  // namespace

class PersonalDatesWindowTest : public QObject {
    Q_OBJECT

    AnsweredMessages messages_;

private slots:
    void initTestCase() { AddProgramSkinThemes(); }
    void init() { messages_.Reset(); }

    void layouts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kind");
        QTest::newRow("Hebrew") << u"Hebrew"_qs << u"תאריכים אישיים…"_qs << u"יארצייט"_qs;
        QTest::newRow("English") << u"English"_qs << u"Personal dates…"_qs << u"Yahrzeit"_qs;
    }

    // Stored dates show in the cells of their days and on the page of the day; a date added
    // through the Settings menu is stored at once and shows without reopening anything.
    void storedAndAddedDatesShowOnTheirDays_data() { layouts_data(); }
    void storedAndAddedDatesShowOnTheirDays() {
        QFETCH(QString, language);
        QFETCH(QString, command);
        QFETCH(QString, kind);
        LoadLanguage(language);
        MemorySettingsStore initial;
        // 15 Adar 5783 is kept on 15 Adar I 5784, 24 February 2024.
        QVERIFY(AddStoredPersonalDate(initial, Yahrzeit(u"אבא", {15, 6, 5783})));
        Window w(false, std::move(initial));
        QAction* action = w.dlg->CommandAction(MainCommand::PersonalDates);
        QCOMPARE(action->text(), command);
        // In the Settings popup, after the halachic times' settings.
        QAction* times = w.dlg->CommandAction(MainCommand::TimesSettings);
        const auto* settings = qobject_cast<QMenu*>(times->associatedObjects().value(0));
        QVERIFY(settings);
        const QList<QAction*> items = settings->actions();
        QCOMPARE(items.value(items.indexOf(times) + 1), action);

        w.Select({24, 2, 2024});
        CPLXCalendarChild* cell = CellOf(*w.dlg, {24, 2, 2024});
        QVERIFY(cell);
        QCOMPARE(cell->personalText(), u"אבא"_qs);
        // The line keeps the direction of the layout whatever the name's script.
        const QChar mark = language == u"Hebrew"_qs ? QChar(0x200F) : QChar(0x200E);
        QVERIFY(Information(*w.dlg).endsWith(u"\n"_qs + mark + u"אבא – "_qs + kind));
        w.Select({25, 2, 2024});
        QVERIFY(!Information(*w.dlg).contains(u"אבא"_qs));

        // Added on the selected day (the editor starts there), stored at once.
        AddThroughTheList(*w.dlg, u"Dana"_qs);
        const PersonalDateList stored = LoadPersonalDates(w.store);
        QCOMPARE(stored.size(), std::size_t{2});
        QVERIFY(stored[1].name == u"Dana");
        QCOMPARE(stored[1].date, (CalendarDate{16, 6, 5784}));
        QCOMPARE(CellOf(*w.dlg, {25, 2, 2024})->personalText(), u"Dana"_qs);
        QVERIFY(Information(*w.dlg).contains(mark + u"Dana – "_qs));
        QVERIFY(messages_.said.isEmpty());
        // The reports and the export draw from the same list.
        QCOMPARE(w.dlg->CurrentReportInputs().personalDates, stored);
    }

    // When the file cannot be written the message names it; declining to try again leaves the
    // list, the file and the grid as they were.
    void aRefusedWriteIsSaidAndChangesNothing() {
        LoadLanguage(u"English"_qs);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(u"plx.ini"_qs);
        IniSettingsStore store(path);
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        QVERIFY(store.Flush().Stored());
        CustomLocationList places;
        CPLXDlg window(store, places, kLanguages);
        window.show();
        window.CalendarView()->setCivil({25, 2, 2024});
        // A folder where the write lock goes stops every write.
        QVERIFY(QDir(folder.path()).mkdir(u"plx.ini.write.lock"_qs));
        messages_.answer = MessageBoxAnswer::No;
        AddThroughTheList(window, u"Dana"_qs);
        QCOMPARE(messages_.said.size(), 1);
        QVERIFY(messages_.said[0].contains(QDir::toNativeSeparators(path)));
        store.Reload();
        QVERIFY(LoadPersonalDates(store).empty());
        QVERIFY(!CellOf(window, {25, 2, 2024})->hasPersonal());
    }
};

QTEST_MAIN(PersonalDatesWindowTest)
#include "personal_dates_window_qtest.moc"
