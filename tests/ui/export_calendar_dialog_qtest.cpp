// The export dialog driven as a user drives it: the span from the selected date or typed, the
// ticks, the file written through the same code as plxcal ics, and the refusals it explains.
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/language.h"
#include "reports/calendar_file.h"
#include "ui/dialogs/export_calendar_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;
using Dlg = CPLXExportCalendarDlg;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

ReportInputs Inputs(CalendarDate civil, bool hebrew = false) {
    ReportInputs inputs;
    inputs.civil = civil;
    inputs.place = LookupLocation(0, {});
    inputs.language.names = hebrew ? Language::kHebrew : Language::kEnglish;
    inputs.language.rightToLeft = hebrew;
    return inputs;
}

}  // namespace

class ExportCalendarDialogTest : public QObject {
    Q_OBJECT

    QStringList messages_;
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        AddProgramSkinThemes();
        SetMessageBoxAnswerer([this](const QString& message, const QString&, MessageBoxButtons) {
            messages_ += message;
            return MessageBoxAnswer::Ok;
        });
    }
    void cleanupTestCase() { SetMessageBoxAnswerer({}); }
    void init() {
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
        messages_.clear();
    }

    void spansFromTheSelectedDateOrTyped() {
        Dlg dlg(Inputs({9, 12, 2026}));
        CalendarExportRequest request = dlg.Request();
        QCOMPARE(request.first, (CalendarDate{9, 12, 2026}));
        QCOMPARE(request.last, (CalendarDate{8, 1, 2027}));
        QVERIFY(request.contents.events && request.contents.portion);
        QVERIFY(!request.contents.dafYomi);
        QCOMPARE(request.contents.times, WithoutTimes({}));

        dlg.YearChoice()->click();
        QCOMPARE(dlg.Request().last, (CalendarDate{8, 12, 2027}));
        // Changing a date field chooses the typed span.
        dlg.ToEdit()->setDate(QDate(2027, 3, 1));
        QVERIFY(dlg.CustomChoice()->isChecked());
        QCOMPARE(dlg.Request().first, (CalendarDate{9, 12, 2026}));
        QCOMPARE(dlg.Request().last, (CalendarDate{1, 3, 2027}));

        // A month from a date before the reform is counted on the program's own (Julian) dates.
        Dlg early(Inputs({20, 1, 1500}));
        QCOMPARE(early.Request().last, (CalendarDate{19, 2, 1500}));
    }

    void theTicksChooseWhatIsWritten() {
        ReportInputs inputs = Inputs({1, 3, 2024});
        inputs.settings.times.sunrise = true;
        inputs.settings.times.candleLighting = false;
        Dlg dlg(inputs);
        dlg.EventsBox()->click();
        dlg.PortionBox()->click();
        dlg.CandlesBox()->click();
        CalendarExportContents contents = dlg.Request().contents;
        QVERIFY(!contents.events && !contents.portion);
        QVERIFY(contents.times.candleLighting && !contents.times.sunrise);
        dlg.TimesBox()->click();
        dlg.DafBox()->click();
        contents = dlg.Request().contents;
        QVERIFY(contents.times.sunrise && contents.times.candleLighting && contents.dafYomi);
        // The user's definitions go with them.
        QCOMPARE(contents.times.milesMethod, inputs.settings.times.milesMethod);
        QVERIFY(!contents.personal);
    }

    void writesTheFileAsPlxcalDoes() {
        // The window's personal dates go into the file when they are ticked.
        ReportInputs inputs = Inputs({1, 3, 2024});
        PersonalDate birthday;
        birthday.key = 7;
        birthday.name = u"Sarah";
        birthday.date = {1, 7, 5784};  // 1 Adar II, 11 March 2024
        inputs.personalDates = {birthday};
        inputs.personalAdar = AdarChoice::Both;
        Dlg dlg(inputs);
        QVERIFY(!dlg.PersonalBox()->isChecked());
        dlg.PersonalBox()->click();
        QVERIFY(dlg.Request().contents.personal);
        QCOMPARE(dlg.Request().personalDates, inputs.personalDates);
        QCOMPARE(dlg.Request().personalAdar, AdarChoice::Both);
        const QString path = dir_.filePath(QStringLiteral("march.ics"));
        auto* file = dlg.FileEdit();
        QVERIFY(file->text().endsWith(QStringLiteral("plx.ics")));
        file->setText(path);
        dlg.ExportButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(path));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        // The same file the shared writer makes, but for the moment of writing.
        QByteArray expected = CalendarFileText(dlg.Request(), QDateTime::currentDateTimeUtc());
        const QRegularExpression stamp(QStringLiteral("DTSTAMP:[0-9TZ]+"));
        QCOMPARE(QString::fromUtf8(text).replace(stamp, QString()),
                 QString::fromUtf8(expected).replace(stamp, QString()));
        QVERIFY(text.contains("UID:personal-7-5784@plx"));
        QVERIFY(text.contains("SUMMARY:Sarah"));
    }

    void refusalsSayWhyAndKeepTheDialogOpen() {
        Dlg dlg(Inputs({1, 3, 2024}));
        dlg.FileEdit()->setText(dir_.filePath(QStringLiteral("x.ics")));
        dlg.FromEdit()->setDate(QDate(2000, 1, 1));
        dlg.ToEdit()->setDate(QDate(2021, 1, 1));
        QVERIFY(!dlg.Export());
        dlg.ToEdit()->setDate(QDate(1999, 1, 1));
        QVERIFY(!dlg.Export());
        dlg.ToEdit()->setDate(QDate(2000, 1, 31));
        dlg.EventsBox()->click();
        dlg.PortionBox()->click();
        QVERIFY(!dlg.Export());
        dlg.DafBox()->click();
        dlg.FileEdit()->setText(QStringLiteral("/no/such/folder/x.ics"));
        QVERIFY(!dlg.Export());
        QCOMPARE(messages_, (QStringList{
                                LookupString(u"ExportCalendar", u"TOO_LONG"),
                                LookupString(u"ExportCalendar", u"ENDS_BEFORE"),
                                LookupString(u"ExportCalendar", u"NOTHING"),
                                messages_.value(3),
                            }));
        QVERIFY(
            messages_[3].startsWith(QStringLiteral("Could not write \u2066/no/such/folder/x.ics")));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("x.ics"))));
        QVERIFY(dlg.isVisible() || dlg.result() != int(QDialog::Accepted));
    }

    void bothLayoutsHaveTheirTexts() {
        for (const bool hebrew : {false, true}) {
            QVERIFY(LoadLanguageFile(kLanguages + (hebrew ? QStringLiteral("/Hebrew.xml")
                                                          : QStringLiteral("/English.xml"))));
            Dlg dlg(Inputs({9, 12, 2026}, hebrew));
            QCOMPARE(dlg.layoutDirection(), hebrew ? Qt::RightToLeft : Qt::LeftToRight);
            const QList<QAbstractButton*> buttons{
                dlg.MonthChoice(), dlg.YearChoice(),  dlg.CustomChoice(), dlg.EventsBox(),
                dlg.PortionBox(),  dlg.DafBox(),      dlg.TimesBox(),     dlg.CandlesBox(),
                dlg.PersonalBox(), dlg.ExportButton()};
            for (const QAbstractButton* button : buttons)
                QVERIFY(!button->text().isEmpty());
            QVERIFY(!dlg.windowTitle().isEmpty());
            dlg.show();
            if (qEnvironmentVariableIsSet("PLX_SCREENSHOTS")) {
                dlg.grab().save(QStringLiteral("%1/export-%2.png")
                                    .arg(qEnvironmentVariable("PLX_SCREENSHOTS"),
                                         hebrew ? QStringLiteral("he") : QStringLiteral("en")));
            }
        }
    }
};

QTEST_MAIN(ExportCalendarDialogTest)
#include "export_calendar_dialog_qtest.moc"
