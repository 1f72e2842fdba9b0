// The yearly report and the timetables from the main window's menu: each opens the preview on
// the page orientation it is laid out for and puts back only what it changed, so a change the
// user makes in the preview survives unless the command's own rule undoes it. With
// PLX_PREVIEW_SHOTS set to a folder, the previews are saved there as images.
#include <QAbstractButton>
#include <QAction>
#include <QtTest>

#include <optional>

#include "app/language.h"
#include "app/settings_store.h"
#include "reports/report_font.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/preview/print_preview.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"

using namespace plx;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

struct MainWindow {
    MemorySettingsStore store;
    CustomLocationList custom;
    std::optional<CPLXDlg> dlg;

    MainWindow() {
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        dlg.emplace(store, custom, kLanguages);
        dlg->show();
    }
};

// Triggers the command; `inPreview` runs in the open preview, which is closed afterwards.
// Returns the orientation the preview opened with.
PrintOrientation RunCommand(CPLXDlg& window, MainCommand command,
                            const std::function<void(CPrintPreviewDlg&)>& inPreview = {}) {
    PrintOrientation opened = PrintOrientation::Portrait;
    QTimer::singleShot(0, &window, [&] {
        CPrintPreviewDlg* preview = window.PreviewWindow();
        QVERIFY(preview && preview->isVisible());
        opened = ReadPrintOrientation();
        if (inPreview)
            inPreview(*preview);
        preview->close();
    });
    window.CommandAction(command)->trigger();
    return opened;
}

void ToggleLandscape(CPrintPreviewDlg& preview) {
    preview.Control(PreviewCommand::Landscape)->click();
    QCoreApplication::processEvents();
}

}  // namespace

class YearlyReportsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PinTahomaFont();
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }

    void yearlyReportOpensOnPortraitPages() {
        MainWindow w;
        QVERIFY(w.dlg->CommandAction(MainCommand::YearlyReport)->isEnabled());
        WritePrintOrientation(PrintOrientation::Landscape);
        QCOMPARE(RunCommand(*w.dlg, MainCommand::YearlyReport), PrintOrientation::Portrait);
        QCOMPARE(w.dlg->Reports().kind(), ReportKind::Yearly);
        QCOMPARE(ReadPrintOrientation(), PrintOrientation::Landscape);  // put back

        // Landscape chosen in the preview of a portrait start survives: the command changed
        // nothing it must put back.
        WritePrintOrientation(PrintOrientation::Portrait);
        RunCommand(*w.dlg, MainCommand::YearlyReport, ToggleLandscape);
        QCOMPARE(ReadPrintOrientation(), PrintOrientation::Landscape);
        // From landscape, the command puts landscape back whatever the preview chose.
        RunCommand(*w.dlg, MainCommand::YearlyReport, ToggleLandscape);
        QCOMPARE(ReadPrintOrientation(), PrintOrientation::Landscape);
    }

    void timetablesOpenOnLandscapePages() {
        MainWindow w;
        const std::pair<MainCommand, ReportKind> commands[] = {
            {MainCommand::SunsetTimetable, ReportKind::SunsetTimetable},
            {MainCommand::SunriseTimetable, ReportKind::SunriseTimetable},
            {MainCommand::DawnTimetable, ReportKind::DawnTimetable},
        };
        for (const auto& [command, kind] : commands) {
            QVERIFY(w.dlg->CommandAction(command)->isEnabled());
            WritePrintOrientation(PrintOrientation::Portrait);
            QCOMPARE(RunCommand(*w.dlg, command), PrintOrientation::Landscape);
            QCOMPARE(w.dlg->Reports().kind(), kind);
            QCOMPARE(ReadPrintOrientation(), PrintOrientation::Portrait);  // put back
        }
        // Portrait chosen in the preview of a landscape start survives.
        WritePrintOrientation(PrintOrientation::Landscape);
        RunCommand(*w.dlg, MainCommand::SunsetTimetable, ToggleLandscape);
        QCOMPARE(ReadPrintOrientation(), PrintOrientation::Portrait);
        // From portrait, the command puts portrait back whatever the preview chose.
        RunCommand(*w.dlg, MainCommand::DawnTimetable, ToggleLandscape);
        QCOMPARE(ReadPrintOrientation(), PrintOrientation::Portrait);
    }

    void previewsInBothLanguages() {
        const QString folder = qEnvironmentVariable("PLX_PREVIEW_SHOTS");
        for (const char* language : {"English", "Hebrew"}) {
            QVERIFY(LoadLanguageFile(kLanguages + u'/' + QLatin1String(language) +
                                     QStringLiteral(".xml")));
            MainWindow w;
            for (const MainCommand command :
                 {MainCommand::YearlyReport, MainCommand::SunriseTimetable}) {
                RunCommand(*w.dlg, command, [&](CPrintPreviewDlg& preview) {
                    preview.Canvas()->viewport()->repaint();
                    QCOMPARE(preview.Canvas()->Landscape(), command != MainCommand::YearlyReport);
                    if (!folder.isEmpty()) {
                        preview.grab().save(QStringLiteral("%1/%2_%3.png")
                                                .arg(folder, QLatin1String(language))
                                                .arg(static_cast<int>(command)));
                    }
                });
            }
        }
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }
};

QTEST_MAIN(YearlyReportsTest)
#include "yearly_reports_qtest.moc"
