// The main window driven as a user drives it: spinners clicked, keys typed into the fields and
// month boxes, menu commands chosen, the window closed.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "app/language.h"
#include "app/settings_store.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "dialog_driving.h"
#include "engine/calendar.h"
#include "main_window_fixture.h"
#include "ui/calendar_view.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/export_calendar_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/monthly_report_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/time_zones_dialog.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/times_events.h"
#include "ui/toolkit/up_down.h"

using namespace plx;
using namespace plx::test;

Q_DECLARE_METATYPE(plx::CalendarDate)

namespace {

void Up(UpDownControl* spinner) {
    QTest::mouseClick(spinner->UpButton(), Qt::LeftButton);
}
void Down(UpDownControl* spinner) {
    QTest::mouseClick(spinner->DownButton(), Qt::LeftButton);
}

QString TimesText(const Window& w) {
    return w.dlg->TimesEventsPage()->TimesBox()->toPlainText();
}

bool InRange(CalendarDate civil) {
    const DayNumber n = CivilToDayNumber(civil);
    return n >= kFirstDayNumber && n <= kLastDayNumber && NormalizeCivilDate(civil) == civil;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { LoadLanguage(QStringLiteral("English")); }

    void spinnersStepFromTheSelectedDate_data() {
        QTest::addColumn<DateFields::Calendar>("calendar");
        QTest::addColumn<DateFields::Step>("step");
        QTest::addColumn<int>("direction");
        // Both dates in the group's calendar.
        QTest::addColumn<CalendarDate>("from");
        QTest::addColumn<CalendarDate>("to");
        QTest::addColumn<QString>("yearShown");
        using C = DateFields::Calendar;
        using S = DateFields::Step;
        QTest::newRow("civil ten years on")
            << C::Civil << S::Decade << +1 << CalendarDate{1, 1, 2020} << CalendarDate{1, 1, 2030}
            << QStringLiteral("2030");
        QTest::newRow("civil ten years back")
            << C::Civil << S::Decade << -1 << CalendarDate{1, 1, 2020} << CalendarDate{1, 1, 2010}
            << QStringLiteral("2010");
        QTest::newRow("civil year back from 29 February")
            << C::Civil << S::Year << -1 << CalendarDate{29, 2, 2024} << CalendarDate{28, 2, 2023}
            << QStringLiteral("2023");
        QTest::newRow("civil day on into a new year")
            << C::Civil << S::Day << +1 << CalendarDate{31, 12, 2020} << CalendarDate{1, 1, 2021}
            << QStringLiteral("2021");
        QTest::newRow("Hebrew day on into a new year")
            << C::Hebrew << S::Day << +1 << CalendarDate{29, 12, 5783} << CalendarDate{1, 1, 5784}
            << QStringLiteral("ה'תשפד");
        QTest::newRow("Hebrew day back into the old year")
            << C::Hebrew << S::Day << -1 << CalendarDate{1, 1, 5784} << CalendarDate{29, 12, 5783}
            << QStringLiteral("ה'תשפג");
        QTest::newRow("Hebrew year back") << C::Hebrew << S::Year << -1 << CalendarDate{1, 1, 5784}
                                          << CalendarDate{1, 1, 5783} << QStringLiteral("ה'תשפג");
        QTest::newRow("Hebrew ten years on")
            << C::Hebrew << S::Decade << +1 << CalendarDate{1, 1, 5784} << CalendarDate{1, 1, 5794}
            << QStringLiteral("ה'תשצד");
    }

    void spinnersStepFromTheSelectedDate() {
        QFETCH(DateFields::Calendar, calendar);
        QFETCH(DateFields::Step, step);
        QFETCH(int, direction);
        QFETCH(CalendarDate, from);
        QFETCH(CalendarDate, to);
        QFETCH(QString, yearShown);
        Window w;
        const bool hebrew = calendar == DateFields::Calendar::Hebrew;
        const DateFields* fields = hebrew ? w.dlg->hebrewFields() : w.dlg->civilFields();
        if (hebrew) {
            w.dlg->CalendarView()->setFromHebrew(from);
        } else {
            w.Select(from);
        }
        UpDownControl* spinner = step == DateFields::Step::Day    ? fields->daySpinner()
                                 : step == DateFields::Step::Year ? fields->yearSpinner()
                                                                  : fields->decadeSpinner();
        direction > 0 ? Up(spinner) : Down(spinner);
        QCOMPARE(hebrew ? w.Hebrew() : w.Civil(), to);
        QCOMPARE(fields->yearField()->text(), yearShown);
    }

    void civilFieldsShowTheDayAndMonthTheyStepTo() {
        Window w;
        w.Select({29, 2, 2024});
        Down(w.dlg->civilFields()->yearSpinner());
        QCOMPARE(w.dlg->civilFields()->dayField()->text(), QStringLiteral("28"));
        QCOMPARE(w.dlg->civilFields()->monthBox()->currentText(), QStringLiteral("February"));
    }

    void civilDayStepsOverTheReformAndRecaptionsTheSwitch() {
        Window w;
        w.Select({4, 10, 1582});
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Julian Calendar"));
        Up(w.dlg->civilFields()->daySpinner());
        QCOMPARE(w.Civil(), (CalendarDate{15, 10, 1582}));
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Gregorian Calendar"));
        Down(w.dlg->civilFields()->daySpinner());
        QCOMPARE(w.Civil(), (CalendarDate{4, 10, 1582}));
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Julian Calendar"));
    }

    void calendarSwitchNamesTheOtherCalendar() {
        Window w;
        w.Select({1, 1, 2020});
        QAction* toggle = w.dlg->CommandAction(MainCommand::CalendarMode);
        toggle->trigger();
        QVERIFY(w.dlg->CalendarView()->civilMode());
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Hebrew Calendar"));
        w.Select({1, 1, 1500});
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Hebrew Calendar"));
        toggle->trigger();
        QVERIFY(!w.dlg->CalendarView()->civilMode());
        QCOMPARE(w.CalendarSwitchText(), QStringLiteral("Julian Calendar"));
    }

    void civilMonthBoxTakesNamesAndNumbers() {
        Window w;
        w.Select({10, 5, 2021});
        QLineEdit* edit = w.dlg->civilFields()->monthBox()->lineEdit();
        TypeOver(edit, QStringLiteral("12"));
        QCOMPARE(w.Civil(), (CalendarDate{10, 12, 2021}));
        QCOMPARE(edit->text(), QStringLiteral("December"));

        TypeOver(edit, QStringLiteral("3"));
        QCOMPARE(w.Civil(), (CalendarDate{10, 3, 2021}));
        QCOMPARE(edit->text(), QStringLiteral("March"));
        QCOMPARE(edit->selectedText(), QStringLiteral("arch"));

        // A prefix completes the name and leaves its rest selected for further typing.
        TypeOver(edit, QStringLiteral("au"));
        QCOMPARE(w.Civil(), (CalendarDate{10, 8, 2021}));
        QCOMPARE(edit->text(), QStringLiteral("August"));
        QCOMPARE(edit->selectedText(), QStringLiteral("gust"));

        // Neither a name nor a month number: the date stays.
        TypeOver(edit, QStringLiteral("x"));
        QCOMPARE(w.Civil(), (CalendarDate{10, 8, 2021}));
    }

    void hebrewMonthBoxTakesNamesAndNumbers() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Window w;
        w.dlg->CalendarView()->setFromHebrew({12, 1, 5784});  // a leap year: 13 months
        QLineEdit* edit = w.dlg->hebrewFields()->monthBox()->lineEdit();
        TypeOver(edit, QStringLiteral("ני"));
        QCOMPARE(w.Hebrew(), (CalendarDate{12, 8, 5784}));
        QCOMPARE(edit->text(), QStringLiteral("ניסן"));
        QCOMPARE(edit->selectedText(), QStringLiteral("סן"));
        TypeOver(edit, QStringLiteral("13"));
        QCOMPARE(w.Hebrew(), (CalendarDate{12, 13, 5784}));
        QCOMPARE(edit->text(), QStringLiteral("אלול"));
        TypeOver(edit, QStringLiteral("אדר ב"));
        QCOMPARE(w.Hebrew(), (CalendarDate{12, 7, 5784}));
    }

    void adarTwoKeepsTheDayAndBecomesAdarInACommonYear() {
        Window w;
        w.dlg->CalendarView()->setFromHebrew({10, 5, 5784});  // 10 Shevat of a leap year
        QComboBox* months = w.dlg->hebrewFields()->monthBox();
        QCOMPARE(months->count(), 13);
        QTest::keyClick(months, Qt::Key_Down);
        QTest::keyClick(months, Qt::Key_Down);
        QCOMPARE(w.Hebrew(), (CalendarDate{10, 7, 5784}));
        QCOMPARE(months->currentText(), QStringLiteral("Adar B"));

        Up(w.dlg->hebrewFields()->yearSpinner());
        QCOMPARE(w.Hebrew(), (CalendarDate{10, 6, 5785}));
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->currentText(), QStringLiteral("Adar"));
    }

    void hebrewFieldsTakeNumerals() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Window w;
        w.dlg->CalendarView()->setFromHebrew({3, 8, 5784});  // 3 Nisan of a leap year
        TypeOver(w.dlg->hebrewFields()->dayField(), QStringLiteral("טו"));
        QCOMPARE(w.Hebrew(), (CalendarDate{15, 8, 5784}));
        QCOMPARE(w.dlg->hebrewFields()->dayField()->text(), QStringLiteral("טו"));
        QCOMPARE(w.dlg->hebrewFields()->dayField()->cursorPosition(), 2);

        // Typing a year keeps the month's name: Nisan is the 7th month of the common year 5785.
        TypeOver(w.dlg->hebrewFields()->yearField(), QStringLiteral("התשפה"));
        QCOMPARE(w.Hebrew(), (CalendarDate{15, 7, 5785}));
        QCOMPARE(w.dlg->hebrewFields()->monthBox()->currentText(), QStringLiteral("ניסן"));

        // Text that names no year or day leaves the date alone.
        TypeOver(w.dlg->hebrewFields()->yearField(), QStringLiteral("ab"));
        TypeOver(w.dlg->hebrewFields()->dayField(), QStringLiteral("x"));
        QCOMPARE(w.Hebrew(), (CalendarDate{15, 7, 5785}));

        // A day past the month's end carries into the next month.
        TypeOver(w.dlg->hebrewFields()->dayField(), QStringLiteral("לא"));
        QCOMPARE(w.Hebrew(), (CalendarDate{1, 8, 5785}));

        // Years past the calendar wait for the typing to come back into it: 5111 (letters
        // without thousands) is taken, 111001 is not, and the field keeps what was typed.
        TypeOver(w.dlg->hebrewFields()->yearField(), QStringLiteral("קיא'א"));
        QCOMPARE(w.Hebrew().year, 5111);
        QCOMPARE(w.dlg->hebrewFields()->yearField()->text(), QStringLiteral("קיא'א"));

        // So do days that would carry past the last day of the calendar.
        w.Select({19, 12, 107240});
        const CalendarDate last = w.Hebrew();
        TypeOver(w.dlg->hebrewFields()->dayField(), QStringLiteral("ל"));
        QCOMPARE(w.Hebrew(), last);
    }

    void arrowKeysStepTheFields() {
        Window w;
        w.Select({31, 12, 2020});
        w.dlg->civilFields()->dayField()->setFocus();
        QTest::keyClick(w.dlg->civilFields()->dayField(), Qt::Key_Up);
        QCOMPARE(w.Civil(), (CalendarDate{1, 1, 2021}));
        QTest::keyClick(w.dlg->civilFields()->yearField(), Qt::Key_Down);
        QCOMPARE(w.Civil(), (CalendarDate{1, 1, 2020}));
        const CalendarDate hebrew = w.Hebrew();
        QTest::keyClick(w.dlg->hebrewFields()->yearField(), Qt::Key_Up);
        QCOMPARE(w.Hebrew(), AddHebrewYears(1, hebrew));
        QTest::keyClick(w.dlg->hebrewFields()->dayField(), Qt::Key_Down);
        QCOMPARE(w.Hebrew(), PrevHebrewDay(AddHebrewYears(1, hebrew)));
    }

    void garbageNeverLeavesTheRange() {
        const QString alphabet = QStringLiteral("0123456789-+ 'x\"אבגדהוזחטיכךלמםנןסעפףצץקרשת");
        Window w;
        QList<QLineEdit*> fields{w.dlg->hebrewFields()->dayField(),
                                 w.dlg->hebrewFields()->yearField(),
                                 w.dlg->civilFields()->dayField(),
                                 w.dlg->civilFields()->yearField(),
                                 w.dlg->hebrewFields()->monthBox()->lineEdit(),
                                 w.dlg->civilFields()->monthBox()->lineEdit()};
        QRandomGenerator random(8);
        const QList<CalendarDate> starts{
            {7, 10, -3761}, {19, 12, 107240}, {29, 2, 2024}, {4, 10, 1582}};
        for (int round = 0; round < 120; ++round) {
            w.Select(starts[round % starts.size()]);
            QLineEdit* field = fields[random.bounded(fields.size())];
            QString text;
            for (int i = random.bounded(1, 9); i > 0; --i)
                text += alphabet[random.bounded(alphabet.size())];
            TypeOver(field, text);
            QVERIFY2(InRange(w.Civil()), qPrintable(text));
            if (round % 10 == 0) {
                Up(w.dlg->hebrewFields()->decadeSpinner());
                Down(w.dlg->civilFields()->decadeSpinner());
                QVERIFY(InRange(w.Civil()));
            }
        }
    }

    void todayJumpsToTheDateOfTheClock() {
        Window w;
        w.dlg->CalendarView()->setTodaySource([] { return CalendarDate{15, 6, 2031}; });
        w.Select({1, 1, 2000});
        w.dlg->CommandAction(MainCommand::Today)->trigger();
        QCOMPARE(w.Civil(), (CalendarDate{15, 6, 2031}));
        QCOMPARE(w.dlg->CalendarView()->today(), (CalendarDate{15, 6, 2031}));
        QCOMPARE(w.dlg->civilFields()->yearField()->text(), QStringLiteral("2031"));
    }

    // A settings file written before the automatic mode keeps its manual switch.
    static MemorySettingsStore ManualStore() {
        MemorySettingsStore store;
        store.WriteInteger(u"Settings", u"plx_daylight", 0);
        return store;
    }

    void daylightSavingChecksCaptionsAndTitle() {
        Window w(false, ManualStore());
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        QVERIFY(!w.dlg->CommandAction(MainCommand::DaylightAuto)->isChecked());
        QCOMPARE(w.dlg->DaylightMenu()->title(), QStringLiteral("Daylight Saving: Off"));
        QCOMPARE(w.dlg->windowTitle(),
                 QStringLiteral("plx Hebrew Calendar - Jerusalem (40) - Daylight Saving: Off"));
        QCOMPARE(w.dlg->CommandAction(MainCommand::Location)->text(),
                 QStringLiteral("Time Zone - Jerusalem (40)"));
        const QString sunriseOff = w.dlg->TimesEventsPage()->TimesBox()->toPlainText();

        w.dlg->CommandAction(MainCommand::Daylight2)->trigger();
        QVERIFY(w.dlg->CommandAction(MainCommand::Daylight2)->isChecked());
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightOn)->isChecked());
        QVERIFY(!w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        QCOMPARE(w.dlg->DaylightMenu()->title(), QStringLiteral("Daylight Saving: 2 Hours"));
        QVERIFY(w.dlg->windowTitle().endsWith(QStringLiteral(" - Daylight Saving: 2 Hours")));
        QVERIFY(w.dlg->TimesEventsPage()->TimesBox()->toPlainText() != sunriseOff);

        // Choosing the checked item again leaves its check mark.
        w.dlg->CommandAction(MainCommand::Daylight2)->trigger();
        QVERIFY(w.dlg->CommandAction(MainCommand::Daylight2)->isChecked());
        w.dlg->CommandAction(MainCommand::DaylightOff)->trigger();
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        QVERIFY(
            w.dlg->CommandAction(MainCommand::Daylight2)->isChecked());  // the hours are remembered
    }

    void aFreshInstallShowsTheClockOfEachDate() {
        Window w;
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightAuto)->isChecked());
        QVERIFY(!w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        // Erev Pesach 5784 in Jerusalem: candles at 18:32 by the summer clock.
        w.Select({22, 4, 2024});
        QVERIFY(
            w.dlg->TimesEventsPage()->TimesBox()->toPlainText().contains(QStringLiteral("18:32")));
        QCOMPARE(w.dlg->DaylightMenu()->title(),
                 QStringLiteral("Daylight Saving: Automatic, Summer Time"));
        QVERIFY(
            w.dlg->windowTitle().endsWith(QStringLiteral(" - Daylight Saving: Automatic, "
                                                         "Summer Time")));
        const QString summer = w.dlg->TimesEventsPage()->TimesBox()->toPlainText();
        w.Select({1, 1, 2024});
        QVERIFY(w.dlg->windowTitle().endsWith(QStringLiteral("Automatic, Standard Time")));

        // A manual item leaves automatic; the automatic item brings it back.
        w.Select({22, 4, 2024});
        w.dlg->CommandAction(MainCommand::DaylightOff)->trigger();
        QVERIFY(!w.dlg->CommandAction(MainCommand::DaylightAuto)->isChecked());
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        QVERIFY(
            w.dlg->TimesEventsPage()->TimesBox()->toPlainText().contains(QStringLiteral("17:32")));
        w.dlg->CommandAction(MainCommand::DaylightAuto)->trigger();
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightAuto)->isChecked());
        QVERIFY(!w.dlg->CommandAction(MainCommand::DaylightOff)->isChecked());
        QCOMPARE(w.dlg->TimesEventsPage()->TimesBox()->toPlainText(), summer);
        w.dlg->CommandAction(MainCommand::DaylightAuto)->trigger();  // again: stays checked
        QVERIFY(w.dlg->CommandAction(MainCommand::DaylightAuto)->isChecked());

        QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
        // Back where it started: nothing to write.
        QVERIFY(!w.store.Contains(u"Settings", u"plx_daylight_auto"));
    }

    void automaticSaysWhenThePlaceHasNoUsableZone() {
        MemorySettingsStore store;
        store.WriteInteger(u"Settings", u"plx_timezone", 80);
        Location place = BuiltInLocation(0);
        place.id = 0;
        place.nameEnglish = QStringLiteral("Old place").toStdU16String();
        place.timeZone.clear();
        {
            Window w(false, store, {place});
            w.Select({22, 4, 2024});
            QVERIFY(w.dlg->windowTitle().endsWith(
                QStringLiteral("Automatic, but the place has no time zone: Standard Time")));
            QVERIFY(w.dlg->TimesEventsPage()->TimesBox()->toPlainText().contains(
                QStringLiteral("17:32")));
        }
        place.timeZone = u"Mars/Olympus";
        Window w(false, store, {place});
        QVERIFY(w.dlg->windowTitle().endsWith(QStringLiteral(
            "Automatic, but the time zone \u2066Mars/Olympus\u2069 is unknown: Standard "
            "Time")));
    }

    void englishMenuSwitchesToHebrewOnly() {
        Window w;
        QVERIFY(w.dlg->CommandAction(MainCommand::SwitchToHebrew));
        QVERIFY(!w.dlg->CommandAction(
            MainCommand::SwitchToEnglish));  // the English menu switches to Hebrew only
    }

    void locationListChoosesThePlaceAndItsTimes() {
        Window w;
        const QString jerusalem = TimesText(w);
        WhenModal<CPLXTimeZonesDlg>([](CPLXTimeZonesDlg& list) {
            QCOMPARE(list.List()->currentRow(), 0);
            list.List()->setCurrentRow(66);
            QTest::keyClick(list.List(), Qt::Key_Return);
        });
        w.dlg->CommandAction(MainCommand::Location)->trigger();
        QCOMPARE(w.dlg->CommandAction(MainCommand::Location)->text(),
                 QStringLiteral("Time Zone - New York (22)"));
        QVERIFY(w.dlg->windowTitle().contains(QStringLiteral(" - New York (22) - ")));
        QVERIFY(TimesText(w) != jerusalem);

        WhenModal<CPLXTimeZonesDlg>([](CPLXTimeZonesDlg& list) {
            list.List()->setCurrentRow(0);
            QTest::keyClick(list.List(), Qt::Key_Escape);
        });
        w.dlg->CommandAction(MainCommand::Location)->trigger();
        QCOMPARE(w.dlg->CommandAction(MainCommand::Location)->text(),
                 QStringLiteral("Time Zone - New York (22)"));
    }

    void deletingTheCurrentPlaceThenCancellingFallsBackAndKeepsTheList() {
        Location place;
        place.nameEnglish = u"Safed";
        place.candleMinutes = 30;
        Location other = place;
        other.nameEnglish = u"Tzfat";
        MemorySettingsStore store;
        SaveCustomLocations(store, {place, other});  // keys 80 and 81
        Window w(false, store, LoadCustomLocations(store));
        SetMessageBoxAnswerer([](const QString&, const QString&, MessageBoxButtons) {
            return MessageBoxAnswer::Yes;
        });
        const auto deleteCurrent = [&](LocationKey current) {
            WhenModal<CPLXTimeZonesDlg>([current](CPLXTimeZonesDlg& list) {
                QCOMPARE(list.Key(), current);
                QTest::mouseClick(list.DeleteButton(), Qt::LeftButton);
                QTest::keyClick(list.List(), Qt::Key_Escape);
            });
            w.dlg->CommandAction(MainCommand::Location)->trigger();
        };

        // Safed becomes current, then goes: the key now finds the last place, Tzfat.
        WhenModal<CPLXTimeZonesDlg>([](CPLXTimeZonesDlg& list) {
            list.List()->setCurrentRow(80);
            QTest::keyClick(list.List(), Qt::Key_Return);
        });
        w.dlg->CommandAction(MainCommand::Location)->trigger();
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_timezone", -1), 80);
        deleteCurrent(80);
        QCOMPARE(w.dlg->CommandAction(MainCommand::Location)->text(),
                 QStringLiteral("Time Zone - Tzfat (30)"));
        // Written as the place was deleted, with the key that finds the same place after a restart.
        QCOMPARE(w.store.ReadInteger(u"Settings", u"CustomLocations", -1), 1);
        QVERIFY(w.store.ReadString(u"Settings/Location0", u"name_eng", u"") == u"Tzfat");
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_timezone", -1), 80);
        QCOMPARE(w.custom.front().id, 0);

        deleteCurrent(80);
        SetMessageBoxAnswerer({});
        QCOMPARE(w.dlg->CommandAction(MainCommand::Location)->text(),
                 QStringLiteral("Time Zone - Jerusalem (40)"));
        QCOMPARE(w.store.ReadInteger(u"Settings", u"CustomLocations", -1), 0);
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_timezone", -1), 0);
    }

    // Another process (plxcal) adds a place and chooses a place while the window is open: the
    // window's own edit and its closing keep both.
    void changesAnotherProcessMadeMeanwhileSurvive() {
        Location safed;
        safed.nameEnglish = u"Safed";
        MemorySettingsStore store;
        SaveCustomLocations(store, {safed});
        Window w(false, store, LoadCustomLocations(store));
        Location meron;
        meron.nameEnglish = u"Meron";
        w.store.Update([&](SettingsStore& file) {
            AddStoredLocation(file, meron);
            file.WriteInteger(u"Settings", u"plx_timezone", 81);
        });

        SetMessageBoxAnswerer([](const QString&, const QString&, MessageBoxButtons) {
            return MessageBoxAnswer::Yes;
        });
        WhenModal<CPLXTimeZonesDlg>([](CPLXTimeZonesDlg& list) {
            QCOMPARE(list.List()->count(), 81);  // the list as the window read it
            list.List()->setCurrentRow(80);
            QTest::mouseClick(list.DeleteButton(), Qt::LeftButton);
            QCOMPARE(list.List()->count(), 81);  // Safed gone, Meron read in
            QCOMPARE(list.List()->item(80)->text(), QStringLiteral("Meron (0)"));
            QTest::keyClick(list.List(), Qt::Key_Escape);
        });
        w.dlg->CommandAction(MainCommand::Location)->trigger();
        SetMessageBoxAnswerer({});
        w.dlg->CommandAction(MainCommand::Daylight2)->trigger();
        w.dlg->reject();

        QCOMPARE(w.store.ReadInteger(u"Settings", u"CustomLocations", -1), 1);
        QVERIFY(w.store.ReadString(u"Settings/Location0", u"name_eng", u"") == u"Meron");
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_timezone", -1), 80);  // Meron's, moved
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_daylight", -1), 2);
    }

    void timesSettingsRebuildTheTimesAndReachTheStoreAtClose() {
        Window w;
        w.store.WriteInteger(u"Settings/TimesOfDay", u"Motzash", 0);
        w.Open();  // reads it
        const QString before = TimesText(w);

        WhenModal<CPLXSettingsDlg>([](CPLXSettingsDlg& settings) {
            QTest::mouseClick(settings.DefaultsButton(), Qt::LeftButton);
            QTest::mouseClick(settings.CancelButton(), Qt::LeftButton);
        });
        w.dlg->CommandAction(MainCommand::TimesSettings)->trigger();
        QCOMPARE(TimesText(w), before);

        WhenModal<CPLXSettingsDlg>([](CPLXSettingsDlg& settings) {
            using Choice = CPLXSettingsDlg::Choice;
            QVERIFY(settings.ChoiceButton(Choice::TallitMethod, 3)->isChecked());
            QRadioButton* tenPointTwoDegrees = settings.ChoiceButton(Choice::TallitMethod, 5);
            tenPointTwoDegrees->setFocus();
            QTest::keyClick(tenPointTwoDegrees, Qt::Key_Space);
            QCheckBox* magaHour = settings.TimeBox(&TimesOfDayOptions::propHourMaga);
            magaHour->setFocus();
            QTest::keyClick(magaHour, Qt::Key_Space);
            QTest::mouseClick(settings.OkButton(), Qt::LeftButton);
        });
        w.dlg->CommandAction(MainCommand::TimesSettings)->trigger();
        const QString after = TimesText(w);
        QCOMPARE(after.count(u'\n'), before.count(u'\n') + 1);
        QVERIFY(after.section(u'\n', 2, 2) != before.section(u'\n', 2, 2));  // tallit, not 11.5°
        QVERIFY(!w.store.Contains(u"Settings/TimesOfDay", u"TalitTfilinMethod"));

        w.dlg->reject();
        QCOMPARE(w.store.ReadInteger(u"Settings/TimesOfDay", u"TalitTfilinMethod", -1), 5);
        QCOMPARE(w.store.ReadInteger(u"Settings/TimesOfDay", u"Motzash", -1), 0);
        w.Open();
        WhenModal<CPLXSettingsDlg>([](CPLXSettingsDlg& settings) {
            QVERIFY(settings.ChoiceButton(CPLXSettingsDlg::Choice::TallitMethod, 5)->isChecked());
            QVERIFY(settings.TimeBox(&TimesOfDayOptions::propHourMaga)->isChecked());
            settings.reject();
        });
        w.dlg->CommandAction(MainCommand::TimesSettings)->trigger();
    }

    void escapeAndCloseSaveTheSettingsEnterDoesNothing() {
        Window w;
        w.dlg->CommandAction(MainCommand::Daylight3)->trigger();
        QTest::keyClick(w.dlg.get(), Qt::Key_Return);
        QVERIFY(w.dlg->isVisible());
        QVERIFY(!w.store.Contains(u"Settings", u"plx_daylight"));
        QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
        QVERIFY(!w.dlg->isVisible());
        QCOMPARE(w.store.ReadInteger(u"Settings", u"plx_daylight", -1), 3);
        QVERIFY(!w.dlg->SwitchLanguage());
    }

    void languageSwitchLoadsTheOtherFileAndCloses() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Window w;
        QCOMPARE(w.dlg->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(w.dlg->Tabs()->tabText(0), QStringLiteral("לוח שנה"));
        w.dlg->CommandAction(MainCommand::SwitchToEnglish)->trigger();
        QVERIFY(w.dlg->SwitchLanguage());
        QVERIFY(!w.dlg->isVisible());
        QCOMPARE(ActiveLanguage().code, QStringLiteral("en"));
        // Only what the window changed is written, and it changed nothing.
        QVERIFY(!w.store.Contains(u"Settings", u"plx_timezone"));
    }

    void welcomeOpensTheAboutBoxUnlessSwitchedOff() {
        {
            Window w;
            QVERIFY(!w.dlg->WelcomeTimer().isActive());
        }
        Window w(true);
        QVERIFY(w.dlg->WelcomeTimer().isActive());
        bool aboutOpened = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                aboutOpened = dynamic_cast<CAboutDlg*>(about) != nullptr;
                about->reject();
            }
        });
        poll.start(20);
        QTRY_VERIFY(aboutOpened);
        QVERIFY(!w.dlg->WelcomeTimer().isActive());
    }

    void monthlyReportOpensItsDialogAndKeepsItsChoices() {
        Window w;
        w.Select({11, 3, 2024});  // 1 Adar II 5784
        bool seen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* monthly = dynamic_cast<CPLXReportMonthlyDlg*>(QApplication::activeModalWidget());
            if (!monthly)
                return;
            seen = monthly->Range().first == YearMonth{5784, 7} &&
                   monthly->Range().last == YearMonth{5784, 7};
            monthly->TallitBox()->click();
            monthly->reject();
        });
        poll.start(20);
        w.dlg->CommandAction(MainCommand::MonthlyReport)->trigger();
        QVERIFY(seen);
        // The choice goes into the window's settings, which are saved when the window closes.
        w.dlg->reject();
        QCOMPARE(LoadCalculationSettings(w.store).monthlyTefilin, 1);
    }

    void exportToCalendarStartsAtTheSelectedDateAndPlace() {
        Window w;
        w.Select({11, 3, 2024});
        QCOMPARE(w.dlg->CommandAction(MainCommand::ExportCalendar)->text(),
                 QStringLiteral("Export to calendar…"));
        bool seen = false;
        WhenModal<CPLXExportCalendarDlg>([&](CPLXExportCalendarDlg& dialog) {
            const CalendarExportRequest request = dialog.Request();
            seen = request.first == CalendarDate{11, 3, 2024} &&
                   request.last == CalendarDate{10, 4, 2024} &&
                   request.place == w.dlg->CurrentReportInputs().place;
            dialog.reject();
        });
        w.dlg->CommandAction(MainCommand::ExportCalendar)->trigger();
        QVERIFY(seen);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
