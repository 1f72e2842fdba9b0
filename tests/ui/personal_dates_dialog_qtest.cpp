// The personal dates' windows driven as a user drives them, in both layouts: the editor of one date
// (its calendar switch carrying the day over, the month list following the year, its refusals)
// and the list (its rows, and each add, edit, delete and Adar choice handed on at once).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

#include "app/language.h"
#include "dialog_driving.h"
#include "engine/calendar.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/personal_date_dialog.h"
#include "ui/dialogs/personal_dates_dialog.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;
using plx::test::AnsweredMessages;
using plx::test::WhenModal;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

void LoadLanguage(bool hebrew) {
    QVERIFY(LoadLanguageFile(
        kLanguages + (hebrew ? QStringLiteral("/Hebrew.xml") : QStringLiteral("/English.xml"))));
}

// Types over the field key by key (QTest::keyClicks cannot type Hebrew).
void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Chooses the entry of a combo box by the keyboard, as a user without the mouse does.
void Choose(QComboBox* box, int index) {
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

PersonalDate Date(int key, const QString& name, PersonalKind kind, bool civil, CalendarDate date,
                  bool afterSunset = false) {
    PersonalDate d;
    d.key = key;
    d.name = name.toStdU16String();
    d.kind = kind;
    d.hebrewCalendar = !civil;
    d.date = date;
    d.afterSunset = afterSunset;
    return d;
}

// A stand-in for the store: keeps every edit, gives each new date the next key, and can refuse.
struct FakeStore {
    PersonalList list;
    QList<PersonalEdit> edits;
    bool refuse = false;
    int nextKey = 10;

    std::optional<PersonalList> operator()(const PersonalEdit& edit) {
        edits << edit;
        if (refuse)
            return std::nullopt;
        PersonalList after = list;
        after.key.reset();
        switch (edit.kind) {
            case PersonalEdit::Kind::Add: {
                PersonalDate added = edit.date;
                added.key = nextKey++;
                after.dates.push_back(added);
                after.key = added.key;
                break;
            }
            case PersonalEdit::Kind::Update:
                for (PersonalDate& d : after.dates) {
                    if (d.key == edit.date.key)
                        d = edit.date;
                }
                after.key = edit.date.key;
                break;
            case PersonalEdit::Kind::Remove:
                std::erase_if(after.dates,
                              [&](const PersonalDate& d) { return d.key == edit.date.key; });
                break;
            case PersonalEdit::Kind::Adar:
                after.adar = edit.adar;
                break;
        }
        list = after;
        return after;
    }
};

QStringList RowTexts(const QTreeWidget* rows, int row) {
    QStringList texts;
    for (int column = 0; column < CPLXPersonalDatesDlg::kColumns; ++column)
        texts << rows->topLevelItem(row)->text(column);
    return texts;
}

}  // namespace

class PersonalDatesDialogTest : public QObject {
    Q_OBJECT

    AnsweredMessages messages_;

private slots:
    void initTestCase() { AddProgramSkinThemes(); }
    void init() { messages_.Reset(); }

    void layouts_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::newRow("Hebrew") << true;
        QTest::newRow("English") << false;
    }

    // The editor shows the date it is given in the layout's names, and switching the calendar
    // carries the same day over (the evening of a civil date being the next Hebrew day).
    void editorCarriesTheDayAcrossCalendars_data() { layouts_data(); }
    void editorCarriesTheDayAcrossCalendars() {
        QFETCH(bool, hebrew);
        LoadLanguage(hebrew);
        const PersonalDate given =
            Date(3, u"Sarah"_qs, PersonalKind::Yahrzeit, true, {25, 3, 2024});
        CPLXPersonalDateDlg dialog(given, hebrew, nullptr);
        QCOMPARE(dialog.layoutDirection(), hebrew ? Qt::RightToLeft : Qt::LeftToRight);
        QVERIFY(dialog.CivilChoice()->isChecked());
        QVERIFY(dialog.AfterSunsetBox()->isEnabled());
        QCOMPARE(dialog.MonthBox()->count(), 12);
        QCOMPARE(dialog.YearEdit()->text(), u"2024"_qs);
        QCOMPARE(dialog.Entered().key, 3);
        QCOMPARE(dialog.Entered().kind, PersonalKind::Yahrzeit);
        QCOMPARE(dialog.Entered().date, (CalendarDate{25, 3, 2024}));

        dialog.show();
        QTest::mouseClick(dialog.AfterSunsetBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.HebrewChoice(), Qt::LeftButton);
        // 25 March 2024 after sunset is 16 Adar II 5784.
        const PersonalDate asHebrew = dialog.Entered();
        QVERIFY(asHebrew.hebrewCalendar);
        QVERIFY(!asHebrew.afterSunset);
        QVERIFY(!dialog.AfterSunsetBox()->isEnabled());
        QCOMPARE(asHebrew.date, (CalendarDate{16, 7, 5784}));
        QCOMPARE(dialog.MonthBox()->count(), 13);
        QCOMPARE(dialog.YearEdit()->text(), hebrew ? u"ה'תשפד"_qs : u"5784"_qs);
        QCOMPARE(dialog.DayBox()->currentText(), hebrew ? u"טז"_qs : u"16"_qs);
        // And back: 16 Adar II 5784 is 26 March 2024 in the daytime.
        QTest::mouseClick(dialog.CivilChoice(), Qt::LeftButton);
        QCOMPARE(dialog.Entered().date, (CalendarDate{26, 3, 2024}));
        QCOMPARE(dialog.MonthBox()->count(), 12);
    }

    // Typing a year of the other length gives the month list of that year and keeps the month by
    // name; the Adars of a leap year become the Adar of a common year.
    void monthListFollowsTheYearTyped_data() { layouts_data(); }
    void monthListFollowsTheYearTyped() {
        QFETCH(bool, hebrew);
        LoadLanguage(hebrew);
        CPLXPersonalDateDlg dialog(Date(0, {}, PersonalKind::Birthday, false, {15, 7, 5784}),
                                   hebrew, nullptr);
        dialog.show();
        QCOMPARE(dialog.MonthBox()->count(), 13);
        TypeOver(dialog.YearEdit(), hebrew ? u"תשפג"_qs : u"5783"_qs);
        QCOMPARE(dialog.MonthBox()->count(), 12);
        QCOMPARE(dialog.Entered().date, (CalendarDate{15, 6, 5783}));  // Adar
        Choose(dialog.MonthBox(), 6);                                  // Nisan
        TypeOver(dialog.YearEdit(), hebrew ? u"תשפד"_qs : u"5784"_qs);
        QCOMPARE(dialog.MonthBox()->count(), 13);
        QCOMPARE(dialog.Entered().date, (CalendarDate{15, 8, 5784}));  // still Nisan
        // Half a year typed keeps the list.
        TypeOver(dialog.YearEdit(), u"x"_qs);
        QCOMPARE(dialog.MonthBox()->count(), 13);
        QCOMPARE(dialog.Entered().date.year, 0);
    }

    // OK keeps the dialog open with a message for a missing name, a name with control
    // characters and a day the month lacks; a good date closes it.
    void editorRefusesWhatCannotBeKept_data() { layouts_data(); }
    void editorRefusesWhatCannotBeKept() {
        QFETCH(bool, hebrew);
        LoadLanguage(hebrew);
        // 5784 has a Heshvan of 29 days.
        QCOMPARE(HebrewMonthLength(5784, 2), 29);
        CPLXPersonalDateDlg dialog(Date(0, {}, PersonalKind::Birthday, false, {30, 2, 5784}),
                                   hebrew, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
        QCOMPARE(messages_.said, QStringList{LookupString(u"PersonalDates", u"NO_NAME")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog.NameEdit());

        TypeOver(dialog.NameEdit(), u"דוד"_qs);
        dialog.NameEdit()->insert(u"\t"_qs);
        QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
        QCOMPARE(messages_.said.last(), LookupString(u"PersonalDates", u"BAD_NAME"));

        TypeOver(dialog.NameEdit(), u"דוד"_qs);
        QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
        QCOMPARE(messages_.said.last(), LookupString(u"PersonalDates", u"BAD_DATE"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        Choose(dialog.DayBox(), 28);  // the 29th
        QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
        QCOMPARE(messages_.said.size(), 3);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Entered().name == u"דוד");
        QCOMPARE(dialog.Entered().date, (CalendarDate{29, 2, 5784}));
    }

    // The rows: name, kind, the date as entered and the next observance on both calendars, in
    // the layout's language.
    void rowsShowTheDateAndItsNextObservance_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::addColumn<QStringList>("yahrzeit");
        QTest::addColumn<QStringList>("birthday");
        // 15 Adar 5783 is kept in Adar I of the leap year 5784; the evening of 25 March 2024 is
        // 16 Adar II, which is that birthday's own day.
        QTest::newRow("Hebrew") << true
                                << QStringList{u"אבא"_qs, u"יארצייט"_qs, u"טו' אדר ה'תשפג"_qs,
                                               u"טו' אדר א ה'תשפד"_qs, u"24 פברואר 2024"_qs}
                                << QStringList{u"Dana"_qs, u"יום הולדת"_qs,
                                               u"25 מרץ 2024, אחרי השקיעה"_qs,
                                               u"טז' אדר ב ה'תשפד"_qs, u"26 מרץ 2024"_qs};
        QTest::newRow("English") << false
                                 << QStringList{u"אבא"_qs, u"Yahrzeit"_qs, u"15 Adar 5783"_qs,
                                                u"15 Adar A 5784"_qs, u"24 February 2024"_qs}
                                 << QStringList{u"Dana"_qs, u"Birthday"_qs,
                                                u"25 March 2024, after sunset"_qs,
                                                u"16 Adar B 5784"_qs, u"26 March 2024"_qs};
    }

    void rowsShowTheDateAndItsNextObservance() {
        QFETCH(bool, hebrew);
        QFETCH(QStringList, yahrzeit);
        QFETCH(QStringList, birthday);
        LoadLanguage(hebrew);
        PersonalList list;
        list.dates = {Date(1, u"אבא"_qs, PersonalKind::Yahrzeit, false, {15, 6, 5783}),
                      Date(2, u"Dana"_qs, PersonalKind::Birthday, true, {25, 3, 2024}, true)};
        CPLXPersonalDatesDlg dialog(list, {1, 1, 2024}, {1, 1, 2024}, {}, hebrew, nullptr);
        QCOMPARE(dialog.layoutDirection(), hebrew ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(dialog.Rows()->topLevelItemCount(), 2);
        QCOMPARE(RowTexts(dialog.Rows(), 0), yahrzeit);
        QCOMPARE(RowTexts(dialog.Rows(), 1), birthday);
        QVERIFY(dialog.AdarButton(AdarChoice::AdarI)->isChecked());
        // Nothing chosen: nothing to edit or delete.
        QVERIFY(!dialog.EditButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());
    }

    // Add, edit, delete and the Adar choice each go to the owner at once; the rows then show the
    // list it hands back, the date added or changed selected. A change the owner could not keep
    // leaves the rows and the choice as they were.
    void everyChangeIsHandedOnAtOnce_data() { layouts_data(); }
    void everyChangeIsHandedOnAtOnce() {
        QFETCH(bool, hebrew);
        LoadLanguage(hebrew);
        FakeStore store;
        store.list.dates = {Date(1, u"Sarah"_qs, PersonalKind::Birthday, false, {1, 1, 5700})};
        CPLXPersonalDatesDlg dialog(store.list, {1, 1, 2024}, {14, 2, 2024}, std::ref(store),
                                    hebrew, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // Add: the editor opens on the Hebrew date of the day selected in the main window.
        WhenModal<CPLXPersonalDateDlg>([](CPLXPersonalDateDlg& editor) {
            QCOMPARE(editor.Entered().date, (CalendarDate{5, 6, 5784}));
            TypeOver(editor.NameEdit(), u"דוד"_qs);
            Choose(editor.KindBox(), 1);
            QTest::mouseClick(editor.findChildren<QPushButton*>().first(), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        QCOMPARE(store.edits.size(), 1);
        QCOMPARE(store.edits[0].kind, PersonalEdit::Kind::Add);
        QVERIFY(store.edits[0].date.name == u"דוד");
        QCOMPARE(store.edits[0].date.kind, PersonalKind::Yahrzeit);
        QCOMPARE(dialog.Rows()->topLevelItemCount(), 2);
        QCOMPARE(dialog.Rows()->currentItem()->text(CPLXPersonalDatesDlg::kName), u"דוד"_qs);
        QVERIFY(dialog.EditButton()->isEnabled());

        // Edit by a double click on the first row; Cancel hands nothing on.
        QTreeWidgetItem* first = dialog.Rows()->topLevelItem(0);
        const QRect firstRect = dialog.Rows()->visualItemRect(first);
        WhenModal<CPLXPersonalDateDlg>([](CPLXPersonalDateDlg& editor) { editor.reject(); });
        QTest::mouseClick(dialog.Rows()->viewport(), Qt::LeftButton, {}, firstRect.center());
        QTest::mouseDClick(dialog.Rows()->viewport(), Qt::LeftButton, {}, firstRect.center());
        QCOMPARE(store.edits.size(), 1);
        WhenModal<CPLXPersonalDateDlg>([](CPLXPersonalDateDlg& editor) {
            QCOMPARE(editor.NameEdit()->text(), u"Sarah"_qs);
            TypeOver(editor.NameEdit(), u"Sara"_qs);
            QTest::keyClick(editor.NameEdit(), Qt::Key_Return);
        });
        dialog.Rows()->setCurrentItem(dialog.Rows()->topLevelItem(0));
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        QCOMPARE(store.edits.size(), 2);
        QCOMPARE(store.edits[1].kind, PersonalEdit::Kind::Update);
        QCOMPARE(store.edits[1].date.key, 1);
        QCOMPARE(dialog.Rows()->topLevelItem(0)->text(CPLXPersonalDatesDlg::kName), u"Sara"_qs);

        // Delete asks first; No keeps the row.
        messages_.answer = MessageBoxAnswer::No;
        QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
        QCOMPARE(messages_.said.size(), 1);
        QVERIFY(messages_.said[0].contains(u"Sara"_qs));
        QCOMPARE(store.edits.size(), 2);
        messages_.answer = MessageBoxAnswer::Yes;
        QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
        QCOMPARE(store.edits.size(), 3);
        QCOMPARE(store.edits[2].kind, PersonalEdit::Kind::Remove);
        QCOMPARE(store.edits[2].date.key, 1);
        QCOMPARE(dialog.Rows()->topLevelItemCount(), 1);

        // The Adar choice.
        QTest::mouseClick(dialog.AdarButton(AdarChoice::Both), Qt::LeftButton);
        QCOMPARE(store.edits.size(), 4);
        QCOMPARE(store.edits[3].kind, PersonalEdit::Kind::Adar);
        QCOMPARE(store.edits[3].adar, AdarChoice::Both);
        QCOMPARE(dialog.List().adar, AdarChoice::Both);

        // Refused by the owner: the rows and the choice stay.
        store.refuse = true;
        QTest::mouseClick(dialog.AdarButton(AdarChoice::AdarII), Qt::LeftButton);
        QVERIFY(dialog.AdarButton(AdarChoice::Both)->isChecked());
        QCOMPARE(dialog.List().adar, AdarChoice::Both);
        dialog.Rows()->setCurrentItem(dialog.Rows()->topLevelItem(0));
        QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
        QCOMPARE(store.edits.size(), 6);
        QCOMPARE(dialog.Rows()->topLevelItemCount(), 1);
    }
};

QTEST_MAIN(PersonalDatesDialogTest)
#include "personal_dates_dialog_qtest.moc"
