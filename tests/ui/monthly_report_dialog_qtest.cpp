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

template <typename W>
W* Control(const Dlg& dlg, int id) {
    return qobject_cast<W*>(dlg.ControlOf(id));
}

// Selects everything in the field and types `text` over it, key by key (QTest::keyClicks cannot
// type Hebrew).
void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void Click(const Dlg& dlg, int spinnerId, bool up) {
    auto* spinner = Control<UpDownControl>(dlg, spinnerId);
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

    void opensAtTheCurrentMonthWithEveryControl() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        QCOMPARE(dlg.Range().first, (YearMonth{5784, 7}));
        QCOMPARE(dlg.Range().last, (YearMonth{5784, 7}));
        for (int id :
             {Dlg::kIdFirstMonth, Dlg::kIdFirstYear, Dlg::kIdFirstTenYears, Dlg::kIdFirstOneYear,
              Dlg::kIdLastMonth, Dlg::kIdLastYear, Dlg::kIdLastTenYears, Dlg::kIdLastOneYear,
              Dlg::kIdHalfPage, Dlg::kIdFullPage, Dlg::kIdSunrise, Dlg::kIdSunset, Dlg::kIdCandles,
              Dlg::kIdTallit, Dlg::kIdPlagGra, Dlg::kIdPlagMaga, Dlg::kIdPrintPreview,
              Dlg::kIdClose}) {
            QVERIFY2(dlg.ControlOf(id), qPrintable(QString::number(id)));
        }
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Print monthly report"));
        auto* month = Control<QComboBox>(dlg, Dlg::kIdFirstMonth);
        QCOMPARE(month->count(), 13);
        QCOMPARE(month->currentText(), QStringLiteral("Adar B"));
        QCOMPARE(Control<QLineEdit>(dlg, Dlg::kIdFirstYear)->text(), QStringLiteral("5784"));
    }

    void hebrewLayoutShowsYearsInHebrewNumerals() {
        LoadLanguage(QStringLiteral("Hebrew"));
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        QCOMPARE(dlg.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("הדפסת לוח חודשי"));
        auto* year = Control<QLineEdit>(dlg, Dlg::kIdLastYear);
        QCOMPARE(year->text(), QStringLiteral("ה'תשפד"));
        QCOMPARE(Control<QComboBox>(dlg, Dlg::kIdLastMonth)->currentText(),
                 QStringLiteral("אדר ב"));
        // Years as people write them, as the main window reads them.
        TypeOver(year, QStringLiteral("תשפ\"ז"));
        QCOMPARE(dlg.Range().last.year, 5787);
        TypeOver(year, QStringLiteral("התשפו"));
        QCOMPARE(dlg.Range().last, (YearMonth{5786, 7}));  // Nisan of a common year
        QCOMPARE(Control<QComboBox>(dlg, Dlg::kIdLastMonth)->count(), 12);
        QLineEdit* month = Control<QComboBox>(dlg, Dlg::kIdLastMonth)->lineEdit();
        TypeOver(month, QStringLiteral("תמ"));
        QCOMPARE(dlg.Range().last, (YearMonth{5786, 10}));
        QCOMPARE(month->text(), QStringLiteral("תמוז"));
    }

    void rangeStaysInOrder() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        // A later first year carries the last month with it.
        TypeOver(Control<QLineEdit>(dlg, Dlg::kIdFirstYear), QStringLiteral("5790"));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 7}));
        QCOMPARE(dlg.Range().last, (YearMonth{5790, 7}));
        QCOMPARE(Control<QLineEdit>(dlg, Dlg::kIdLastYear)->text(), QStringLiteral("5790"));
        // An earlier last month carries the first month with it.
        Control<QComboBox>(dlg, Dlg::kIdLastMonth)->setCurrentIndex(2);
        QCOMPARE(dlg.Range().last, (YearMonth{5790, 3}));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 3}));
        QCOMPARE(Control<QComboBox>(dlg, Dlg::kIdFirstMonth)->currentText(),
                 QStringLiteral("Kislev"));
        // A later last month leaves the first alone.
        Click(dlg, Dlg::kIdLastTenYears, true);
        QCOMPARE(dlg.Range().last, (YearMonth{5800, 3}));
        QCOMPARE(dlg.Range().first, (YearMonth{5790, 3}));
    }

    void yearsOutsideTheCalendarAreItsNearestYear() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        auto* first = Control<QLineEdit>(dlg, Dlg::kIdFirstYear);
        TypeOver(first, QStringLiteral("abc"));
        QCOMPARE(dlg.Range().first, (YearMonth{1, 7}));
        QCOMPARE(first->text(), QStringLiteral("abc"));  // what the user typed stays
        TypeOver(Control<QLineEdit>(dlg, Dlg::kIdLastYear), QStringLiteral("99999999999"));
        QCOMPARE(dlg.Range().last, (YearMonth{110999, 7}));
        // Ten years on from the last year stops at the calendar's last day.
        Click(dlg, Dlg::kIdLastTenYears, true);
        QCOMPARE(dlg.Range().last, (YearMonth{110999, 12}));
        // The whole calendar: as many pages as a page number holds.
        ReportPageInfo info;
        dlg.Source().beginPrinting(info);
        QCOMPARE(info.maxPage, std::uint16_t{0xFFFE});
    }

    void monthListTakesNamesAndNumbers() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        QLineEdit* edit = Control<QComboBox>(dlg, Dlg::kIdFirstMonth)->lineEdit();
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
        TypeOver(Control<QLineEdit>(dlg, Dlg::kIdFirstYear), QStringLiteral("5785"));
        TypeOver(edit, QStringLiteral("13"));
        QCOMPARE(dlg.Range().first, (YearMonth{5785, 1}));
    }

    void spinnersMoveAcrossTheLeapBoundary() {
        Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
        dlg.show();
        Click(dlg, Dlg::kIdFirstOneYear, true);
        // Adar II of 5784 is Adar of the common year 5785, as AddHebrewYears moves it.
        const CalendarDate moved = AddHebrewYears(1, {1, 7, 5784});
        QCOMPARE(dlg.Range().first, (YearMonth{5785, moved.month}));
        QCOMPARE(dlg.Range().first, (YearMonth{5785, 6}));
        QCOMPARE(Control<QComboBox>(dlg, Dlg::kIdFirstMonth)->currentText(),
                 QStringLiteral("Adar"));
        QCOMPARE(dlg.Range().last, dlg.Range().first);
        Click(dlg, Dlg::kIdFirstTenYears, false);
        QCOMPARE(dlg.Range().first, (YearMonth{5775, 6}));
        QCOMPARE(Control<QLineEdit>(dlg, Dlg::kIdFirstYear)->text(), QStringLiteral("5775"));
    }

    void choicesRoundTripThroughTheSettings() {
        settings_.monthlyLandscape = 1;
        settings_.monthlySunrise = 0;
        settings_.monthlyTefilin = 1;
        settings_.monthlyPlag = 2;
        {
            Dlg dlg(settings_, kAdarTwo5784, &NoInputs);
            QVERIFY(Control<QRadioButton>(dlg, Dlg::kIdFullPage)->isChecked());
            QVERIFY(!Control<QCheckBox>(dlg, Dlg::kIdSunrise)->isChecked());
            QVERIFY(Control<QCheckBox>(dlg, Dlg::kIdTallit)->isChecked());
            QVERIFY(Control<QCheckBox>(dlg, Dlg::kIdPlagMaga)->isChecked());
            // The plag boxes exclude each other.
            Control<QCheckBox>(dlg, Dlg::kIdPlagGra)->click();
            QVERIFY(!Control<QCheckBox>(dlg, Dlg::kIdPlagMaga)->isChecked());
            Control<QRadioButton>(dlg, Dlg::kIdHalfPage)->click();
            Control<QCheckBox>(dlg, Dlg::kIdSunrise)->click();
            Control<QCheckBox>(dlg, Dlg::kIdSunset)->click();
            QCOMPARE(settings_.monthlySunset, 1);  // nothing is stored before closing
            Control<QPushButton>(dlg, Dlg::kIdClose)->click();
        }
        QCOMPARE(settings_.monthlyLandscape, 0);
        QCOMPARE(settings_.monthlySunrise, 1);
        QCOMPARE(settings_.monthlySunset, 0);
        QCOMPARE(settings_.monthlyCandlesMotzash, 1);
        QCOMPARE(settings_.monthlyTefilin, 1);
        QCOMPARE(settings_.monthlyPlag, 1);
        Dlg again(settings_, kAdarTwo5784, &NoInputs);
        QVERIFY(Control<QCheckBox>(again, Dlg::kIdPlagGra)->isChecked());
        QVERIFY(Control<QRadioButton>(again, Dlg::kIdHalfPage)->isChecked());
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
            QCOMPARE(&source, &dlg.Source());
            ReportPageInfo info;
            source.beginPrinting(info);
            pages = info.maxPage;
            // The user turns the page in the preview.
            printer = PrintOrientation::Landscape;
        };
        Click(dlg, Dlg::kIdLastOneYear, true);  // Adar II 5784 to Adar 5785: 13 months
        Control<QRadioButton>(dlg, Dlg::kIdFullPage)->click();
        Control<QPushButton>(dlg, Dlg::kIdPrintPreview)->click();
        QCOMPARE(pages, 13);
        // Portrait before: set back to portrait after.
        QCOMPARE(written, (QList{PrintOrientation::Landscape, PrintOrientation::Portrait}));

        Control<QRadioButton>(dlg, Dlg::kIdHalfPage)->click();
        printer = PrintOrientation::Landscape;
        written.clear();
        Control<QPushButton>(dlg, Dlg::kIdPrintPreview)->click();
        QCOMPARE(pages, 7);
        // Landscape before: what the preview left stays.
        QCOMPARE(written, QList{PrintOrientation::Portrait});
    }
};

QTEST_MAIN(MonthlyReportDialogTest)
#include "monthly_report_dialog_qtest.moc"
