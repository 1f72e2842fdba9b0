// The monthly report dialog driven as a user drives it: the range kept in order through the month
// lists, the year edits and the spinners, the plag boxes, the choices stored at closing, and the
// preview opened with the dialog as the report's source.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "app/language.h"
#include "ui/dialogs/monthly_report_dialog.h"
#include "ui/toolkit/skin_theme.h"
#include "ui/toolkit/up_down.h"

using namespace plx;
using Dlg = CPLXReportMonthlyDlg;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

void LoadLanguage(const QString& name) {
    QVERIFY(LoadLanguageFile(kLanguages + u'/' + name + QStringLiteral(".xml")));
}

ReportInputs NoInputs() {
    return {};
}

// Selects everything in the field and types `text` over it, key by key (QTest::keyClicks cannot
// type Hebrew).
void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void Click(UpDownControl* spinner, bool up) {
    QTest::mouseClick(up ? spinner->UpButton() : spinner->DownButton(), Qt::LeftButton);
}

// 1 Adar II 5784 (a leap year): 11 March 2024.
constexpr CalendarDate kAdarTwo5784{11, 3, 2024};

}  // namespace

class MonthlyReportDialogTest : public QObject {
    Q_OBJECT

    CalculationSettings settings_;

private slots:
    void initTestCase() { AddProgramSkinThemes(); }  // the dialog in its frame, as shown
    void init() {
        LoadLanguage(QStringLiteral("English"));
        settings_ = {};
    }

    void opensAtTheCurrentMonth() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 7}));
        QCOMPARE(dlg.Range().last, (YearMonth{5784, 7}));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Print monthly report"));
        auto* month = dlg.FirstSide().month;
        QCOMPARE(month->count(), 13);
        QCOMPARE(month->currentText(), QStringLiteral("Adar B"));
        QCOMPARE(dlg.FirstSide().year->text(), QStringLiteral("5784"));
    }

    void hebrewLayoutShowsYearsInHebrewNumerals() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        QCOMPARE(dlg.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("הדפסת לוח חודשי"));
        auto* year = dlg.LastSide().year;
        QCOMPARE(year->text(), QStringLiteral("ה'תשפד"));
        QCOMPARE(dlg.LastSide().month->currentText(), QStringLiteral("אדר ב"));
        // Years as people write them, as the main window reads them.
        TypeOver(year, QStringLiteral("תשפ\"ז"));
        QCOMPARE(dlg.Range().last.year, 5787);
        TypeOver(year, QStringLiteral("התשפו"));
        QCOMPARE(dlg.Range().last, (YearMonth{5786, 7}));  // Nisan of a common year
        QCOMPARE(dlg.LastSide().month->count(), 12);
        QLineEdit* month = dlg.LastSide().month->lineEdit();
        TypeOver(month, QStringLiteral("תמ"));
        QCOMPARE(dlg.Range().last, (YearMonth{5786, 10}));
        QCOMPARE(month->text(), QStringLiteral("תמוז"));
    }

    void rangeStaysInOrder() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        // A later first year carries the last month with it.
        TypeOver(dlg.FirstSide().year, QStringLiteral("5790"));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 7}));
        QCOMPARE(dlg.Range().last, (YearMonth{5790, 7}));
        QCOMPARE(dlg.LastSide().year->text(), QStringLiteral("5790"));
        // An earlier last month carries the first month with it.
        dlg.LastSide().month->setCurrentIndex(2);
        QCOMPARE(dlg.Range().last, (YearMonth{5790, 3}));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 3}));
        QCOMPARE(dlg.FirstSide().month->currentText(), QStringLiteral("Kislev"));
        // A later last month leaves the first alone.
        Click(dlg.LastSide().tenYears, true);
        QCOMPARE(dlg.Range().last, (YearMonth{5800, 3}));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 3}));
    }

    void yearsOutsideTheCalendarAreItsNearestYear() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        auto* first = dlg.FirstSide().year;
        TypeOver(first, QStringLiteral("abc"));
        QCOMPARE(dlg.Range().first, (YearMonth{1, 7}));
        QCOMPARE(first->text(), QStringLiteral("abc"));  // what the user typed stays
        TypeOver(dlg.LastSide().year, QStringLiteral("99999999999"));
        QCOMPARE(dlg.Range().last, (YearMonth{110999, 7}));
        // Ten years on from the last year stops at the calendar's last day.
        Click(dlg.LastSide().tenYears, true);
        QCOMPARE(dlg.Range().last, (YearMonth{110999, 12}));
        // The whole calendar: as many pages as a page number holds.
        ReportPageInfo info;
        dlg.Source().beginPrinting(info);
        QCOMPARE(info.maxPage, std::uint16_t{0xFFFE});
    }

    void monthListTakesNamesAndNumbers() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        QLineEdit* edit = dlg.FirstSide().month->lineEdit();
        TypeOver(edit, QStringLiteral("11"));
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 11}));
        QCOMPARE(edit->text(), QStringLiteral("Tammuz"));
        TypeOver(edit, QStringLiteral("12"));
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 12}));
        TypeOver(edit, QStringLiteral("13"));
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 13}));
        QCOMPARE(edit->text(), QStringLiteral("Elul"));
        TypeOver(edit, QStringLiteral("ni"));
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 8}));
        QCOMPARE(edit->selectedText(), QStringLiteral("san"));
        // The last month followed every step past it.
        QCOMPARE(dlg.Range().last, (YearMonth{5784, 13}));

        // A common year has no thirteenth month: its "1" chose Tishrei, its "13" nothing.
        TypeOver(dlg.FirstSide().year, QStringLiteral("5785"));
        TypeOver(edit, QStringLiteral("13"));
        QCOMPARE(dlg.Range().first, (YearMonth{5785, 1}));
    }

    void spinnersMoveAcrossTheLeapBoundary() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        Click(dlg.FirstSide().oneYear, true);
        // Adar II of 5784 is Adar of the common year 5785.
        QCOMPARE(dlg.Range().first, (YearMonth{5785, 6}));
        QCOMPARE(dlg.FirstSide().month->currentText(), QStringLiteral("Adar"));
        QCOMPARE(dlg.Range().last, dlg.Range().first);
        Click(dlg.FirstSide().tenYears, false);
        QCOMPARE(dlg.Range().first, (YearMonth{5775, 6}));
        QCOMPARE(dlg.FirstSide().year->text(), QStringLiteral("5775"));
    }

    void choicesRoundTripThroughTheSettings() {
        settings_.monthlyLandscape = 1;
        settings_.monthlySunrise = 0;
        settings_.monthlyTefilin = 1;
        settings_.monthlyPlag = 2;
        {
            Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
            QVERIFY(dlg.FullPageChoice()->isChecked());
            QVERIFY(!dlg.SunriseBox()->isChecked());
            QVERIFY(dlg.TallitBox()->isChecked());
            QVERIFY(dlg.PlagMagaBox()->isChecked());
            // The plag boxes exclude each other.
            dlg.PlagGraBox()->click();
            QVERIFY(!dlg.PlagMagaBox()->isChecked());
            dlg.HalfPageChoice()->click();
            dlg.SunriseBox()->click();
            dlg.SunsetBox()->click();
            QCOMPARE(settings_.monthlySunset, 1);  // nothing is stored before closing
            dlg.CloseButton()->click();
        }
        QCOMPARE(settings_.monthlyLandscape, 0);
        QCOMPARE(settings_.monthlySunrise, 1);
        QCOMPARE(settings_.monthlySunset, 0);
        QCOMPARE(settings_.monthlyCandlesMotzash, 1);
        QCOMPARE(settings_.monthlyTefilin, 1);
        QCOMPARE(settings_.monthlyPlag, 1);
        Dlg again(settings_, kAdarTwo5784, &NoInputs);
        QVERIFY(again.PlagGraBox()->isChecked());
        QVERIFY(again.HalfPageChoice()->isChecked());
    }

    void previewDrawsTheDialogsRangeInTheChosenOrientation() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        PrintOrientation printer = PrintOrientation::Portrait;
        QList<PrintOrientation> written;
        int pages = 0;
        dlg.readOrientation = [&printer] { return printer; };
        dlg.writeOrientation = [&](PrintOrientation o) {
            printer = o;
            written += o;
        };
        dlg.runPreview = [&](ReportSource& source) {
            ReportPageInfo info;
            source.beginPrinting(info);
            pages = info.maxPage;
            // The user turns the page in the preview.
            printer = PrintOrientation::Landscape;
        };
        Click(dlg.LastSide().oneYear, true);  // Adar II 5784 to Adar 5785: 13 months
        dlg.FullPageChoice()->click();
        dlg.PrintPreviewButton()->click();
        QCOMPARE(pages, 13);
        // Portrait before: set back to portrait after.
        QCOMPARE(written, (QList{PrintOrientation::Landscape, PrintOrientation::Portrait}));

        dlg.HalfPageChoice()->click();
        printer = PrintOrientation::Landscape;
        written.clear();
        dlg.PrintPreviewButton()->click();
        QCOMPARE(pages, 7);
        // Landscape before: what the preview left stays.
        QCOMPARE(written, QList{PrintOrientation::Portrait});
    }
};

QTEST_MAIN(MonthlyReportDialogTest)
#include "monthly_report_dialog_qtest.moc"
