// The main window as a person uses it in the first minute: menus that read from the right in
// Hebrew, Hebrew years typed as people write them, fields that never keep text the calendar
// did not take, and the keyboard in the month grid.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

#include "engine/calendar.h"
#include "main_window_fixture.h"
#include "ui/calendar_view.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"

using namespace plx;
using namespace plx::test;

namespace {

// Every popup reached from the bar's items, nested ones included.
QList<QMenu*> AllMenus(const QWidget* menuOrBar) {
    QList<QMenu*> menus;
    for (QAction* action : menuOrBar->actions()) {
        if (QMenu* menu = action->menu()) {
            menus << menu << AllMenus(menu);
        }
    }
    return menus;
}

// The leftmost and rightmost columns of dark pixels in a row band of the image.
std::pair<int, int> InkColumns(const QImage& image, const QRect& band) {
    int left = image.width();
    int right = -1;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

void PressEnter(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class MainWindowUsageTest : public QObject {
    Q_OBJECT

private slots:
    void menusOfTheHebrewLayoutRunRightToLeft_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::newRow("Hebrew") << true;
        QTest::newRow("English") << false;
    }

    void menusOfTheHebrewLayoutRunRightToLeft() {
        QFETCH(bool, hebrew);
        LoadLanguage(hebrew ? QStringLiteral("Hebrew") : QStringLiteral("English"));
        Window w;
        const Qt::LayoutDirection expected = hebrew ? Qt::RightToLeft : Qt::LeftToRight;
        const QList<QMenu*> menus = AllMenus(w.dlg->findChild<QMenuBar*>());
        QVERIFY(menus.size() >= 3);
        for (QMenu* menu : menus)
            QCOMPARE(menu->layoutDirection(), expected);

        // The check mark of the checked daylight item sits at the reading start.
        QMenu* daylight = w.dlg->DaylightMenu();
        w.dlg->CommandAction(MainCommand::DaylightOff)->trigger();
        daylight->popup(w.dlg->mapToGlobal(QPoint(300, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(daylight));
        const QImage image = daylight->grab().toImage();
        // Inside the menu's frame lines.
        const QRect checked =
            daylight->actionGeometry(w.dlg->CommandAction(MainCommand::DaylightOff))
                .adjusted(4, 0, -4, 0);
        const auto [left, right] = InkColumns(image, checked);
        QVERIFY(right > left);
        if (hebrew) {
            QVERIFY2(checked.right() - right < 25, "the mark at the right");
        } else {
            QVERIFY2(left - checked.left() < 25, "the mark at the left");
        }
        daylight->hide();
    }

    void hebrewYearsAsPeopleWriteThem_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("shown");  // once Enter is pressed
        const QString full = QStringLiteral("ה'תשפד");
        QTest::newRow("gershayim") << QStringLiteral("תשפ\"ד") << 5784 << full;
        QTest::newRow("letters") << QStringLiteral("תשפד") << 5784 << full;
        QTest::newRow("thousands") << QStringLiteral("ה'תשפד") << 5784 << full;
        QTest::newRow("Hebrew punctuation") << QStringLiteral("ה׳תשפ״ד") << 5784 << full;
        QTest::newRow("digits") << QStringLiteral("5784") << 5784 << full;
        QTest::newRow("digits without thousands")
            << QStringLiteral("784") << 784 << QStringLiteral("תשפד");
    }

    void hebrewYearsAsPeopleWriteThem() {
        QFETCH(QString, typed);
        QFETCH(int, year);
        QFETCH(QString, shown);
        LoadLanguage(QStringLiteral("Hebrew"));
        Window w;
        w.dlg->CalendarView()->setFromHebrew({10, 1, 5700});
        QLineEdit* field = w.dlg->hebrewFields()->yearField();
        TypeOver(field, typed);
        QCOMPARE(w.Hebrew().year, year);
        // Still typing: the person's spelling stays as typed.
        QCOMPARE(field->text(), typed);
        PressEnter(field);
        QCOMPARE(field->text(), shown);
    }

    // Escape while a field holds text the selected date would not show drops that text and keeps
    // the window; the next Escape closes it.
    void escapeDropsAnEditBeforeItCloses_data() {
        QTest::addColumn<int>("field");  // 0 civil year, 1 Hebrew year, 2 civil month box
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // after Escape
        QTest::newRow("year with a leading zero") << 0 << u"0202"_qs << u"202"_qs;
        QTest::newRow("year naming none") << 1 << u"abc"_qs << u"ה'תשפא"_qs;
        QTest::newRow("month naming none") << 2 << u"Xy"_qs << u"May"_qs;
    }

    void escapeDropsAnEditBeforeItCloses() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        LoadLanguage(QStringLiteral("English"));
        Window w;
        w.Select({10, 5, 2021});
        QLineEdit* edit = field == 0   ? w.dlg->civilFields()->yearField()
                          : field == 1 ? w.dlg->hebrewFields()->yearField()
                                       : w.dlg->civilFields()->monthBox()->lineEdit();
        TypeOver(edit, typed);
        QCOMPARE(edit->text(), typed);
        const CalendarDate typedDate = w.Civil();
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(w.dlg->isVisible());
        QCOMPARE(edit->text(), shown);
        QCOMPARE(w.Civil(), typedDate);
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!w.dlg->isVisible());
    }

    void textThatNamesNoDateIsReplacedWhenTheFieldIsLeft() {
        LoadLanguage(QStringLiteral("English"));
        Window w;
        const CalendarDate start{10, 5, 2021};
        w.Select(start);

        TypeOver(w.dlg->civilFields()->yearField(), QStringLiteral("abc"));
        QCOMPARE(w.Civil(), start);
        QCOMPARE(w.dlg->civilFields()->yearField()->text(), QStringLiteral("abc"));
        PressEnter(w.dlg->civilFields()->yearField());
        QCOMPARE(w.dlg->civilFields()->yearField()->text(), QStringLiteral("2021"));

        TypeOver(w.dlg->civilFields()->yearField(), QStringLiteral("0"));
        QCOMPARE(w.Civil(), start);
        w.dlg->civilFields()->dayField()->setFocus();  // focus leaves the year field
        QCOMPARE(w.dlg->civilFields()->yearField()->text(), QStringLiteral("2021"));

        QComboBox* month = w.dlg->civilFields()->monthBox();
        TypeOver(month->lineEdit(), QStringLiteral("Qux"));
        QCOMPARE(w.Civil(), start);
        w.dlg->civilFields()->dayField()->setFocus();
        QCOMPARE(month->currentText(), QStringLiteral("May"));
        QCOMPARE(month->count(), 12);

        QComboBox* hebrewMonth = w.dlg->hebrewFields()->monthBox();
        const QString shown = hebrewMonth->currentText();
        TypeOver(hebrewMonth->lineEdit(), QStringLiteral("xyz"));
        QCOMPARE(w.Civil(), start);
        PressEnter(hebrewMonth);
        QCOMPARE(hebrewMonth->currentText(), shown);
    }

    void arrowKeysMoveTheSelectionAsTheGridIsDrawn() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Window w;
        CPLXCalendar* view = w.dlg->CalendarView();
        view->setFocus();
        QVERIFY(view->hasFocus());

        // Hebrew-month mode: Sunday is at the right, so Left is the next day.
        w.Select({31, 3, 2024});
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(w.Civil(), (CalendarDate{1, 4, 2024}));
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(w.Civil(), (CalendarDate{30, 3, 2024}));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(w.Civil(), (CalendarDate{6, 4, 2024}));
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(w.Civil(), (CalendarDate{30, 3, 2024}));
        // 20 Adar II 5784, a month on: 20 Nisan; a month back from 30 Adar I: 30 Shevat.
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(w.Hebrew(), (CalendarDate{20, 8, 5784}));
        QTest::keyClick(view, Qt::Key_PageUp);
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(w.Hebrew(), (CalendarDate{20, 6, 5784}));

        // Civil-month mode: Sunday is at the left.
        w.dlg->CommandAction(MainCommand::CalendarMode)->trigger();
        view->setFocus();
        w.Select({31, 1, 2024});
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(w.Civil(), (CalendarDate{1, 2, 2024}));
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(w.Civil(), (CalendarDate{1, 3, 2024}));

        // The ends of the calendar hold.
        w.Select({19, 12, 107240});
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(w.Civil(), (CalendarDate{19, 12, 107240}));

        view->setTodaySource([] { return CalendarDate{15, 6, 2031}; });
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(w.Civil(), (CalendarDate{15, 6, 2031}));

        // The selected cell carries the focus mark while the grid has the focus.
        int marked = 0;
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column)
                marked += view->cell(row, column)->hasFocusMark();
        }
        QCOMPARE(marked, 1);
        w.dlg->civilFields()->dayField()->setFocus();
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column)
                QVERIFY(!view->cell(row, column)->hasFocusMark());
        }
    }

    void tabReachesTheGrid() {
        LoadLanguage(QStringLiteral("English"));
        Window w;
        w.dlg->hebrewFields()->dayField()->setFocus();
        for (int i = 0; i < 40 && !w.dlg->CalendarView()->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(w.dlg->CalendarView()->hasFocus());
    }
};

QTEST_MAIN(MainWindowUsageTest)
#include "main_window_usage_qtest.moc"
