// The print preview driven as a user drives it, against a source that counts what it is asked:
// paging, zoom by the buttons and by clicks, the landscape box, the mirrored layout, the print run.
// With PLX_PREVIEW_SHOTS set to a folder, the windows are saved there as images.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "app/language.h"
#include "app/settings_store.h"
#include "reports/report_font.h"
#include "ui/dialogs/message_box.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/preview/print_preview.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

// Declares its pages and draws each page's number in a frame.
class CountingSource : public ReportSource {
public:
    explicit CountingSource(std::uint16_t maxPage) : maxPage_(maxPage) {}

    void beginPrinting(ReportPageInfo& info) override {
        ++begun;
        if (maxPage_ != ReportPageInfo::kUndeclared)
            info.maxPage = maxPage_;
    }
    void printPage(ReportSurface& surface, const ReportPageInfo& info) override {
        pages.append(info.currentPage);
        lastArea = info.drawRect;
        surface.setFont({PointsToUnits(surface, 40, Axis::Vertical), QFont::Bold});
        surface.setBrush(ReportBrush::Hollow);
        surface.drawRectangle(info.drawRect);
        surface.drawText(
            QString::number(info.currentPage), info.drawRect,
            TextOption::AlignHCenter | TextOption::AlignVCenter | TextOption::SingleLine);
    }

    int begun = 0;
    QList<int> pages;
    ReportRect lastArea;

private:
    std::uint16_t maxPage_;
};

void Shot(QWidget* window, const char* name) {
    QCoreApplication::processEvents();  // scroll bars shown by the last step
    const QString folder = qEnvironmentVariable("PLX_PREVIEW_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

// Runs the preview; `drive` acts on the open window, which is closed afterwards.
void RunPreview(CPrintPreviewDlg& dlg, const std::function<void()>& drive) {
    QTimer::singleShot(0, &dlg, [&dlg, drive] {
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        drive();
        if (dlg.isVisible())
            dlg.close();
    });
    dlg.Run();
}

void Click(CPrintPreviewDlg& dlg, PreviewCommand command) {
    QAbstractButton* control = dlg.Control(command);
    QVERIFY(control->isEnabled());
    control->click();
    QCoreApplication::processEvents();  // the canvas carries the command out when posted
}

// A point inside page `index` of the canvas, in viewport coordinates.
QPoint OnPage(CPrintPreview* canvas, int index) {
    return canvas->PageRect(index).center() + canvas->ImageOrigin();
}

}  // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PinTahomaFont();
        AddProgramSkinThemes();  // the preview as the program shows it, in its frame
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }
    void init() { WritePrintOrientation(PrintOrientation::Portrait); }

    void onePageZoomsInTwiceThenAClickReturns() {
        CountingSource source(1);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            QCOMPARE(source.begun, 1);
            QVERIFY(!dlg.Control(PreviewCommand::NextPage)->isEnabled());
            QVERIFY(!dlg.Control(PreviewCommand::PrevPage)->isEnabled());
            QVERIFY(!dlg.Control(PreviewCommand::Pages)->isEnabled());
            QVERIFY(!dlg.Control(PreviewCommand::ZoomOut)->isEnabled());
            QCOMPARE(dlg.Control(PreviewCommand::Pages)->text(), QStringLiteral("&One Page"));
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Print Preview"));
            QVERIFY(!canvas->verticalScrollBar()->isVisible());
            canvas->viewport()->repaint();
            QVERIFY(source.pages.contains(1));
            Shot(&dlg, "preview_default");
            const ScaleRatio whole = canvas->PageRatio(0);
            Click(dlg, PreviewCommand::ZoomIn);
            QCOMPARE(canvas->ZoomState(), 1);
            Click(dlg, PreviewCommand::ZoomIn);
            QCOMPARE(canvas->ZoomState(), 2);
            QCOMPARE(canvas->PageRatio(0), (ScaleRatio{1, 1}));  // the paper's own size
            QVERIFY(!dlg.Control(PreviewCommand::ZoomIn)->isEnabled());
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, OnPage(canvas, 0));
            QCOMPARE(canvas->ZoomState(), 0);
            QCOMPARE(canvas->PageRatio(0), whole);
        });
    }

    void clickZoomsAtThePointClicked() {
        CountingSource source(1);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            const QRect page = canvas->PageRect(0);
            // Near the bottom right corner: the zoomed view scrolls there.
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {},
                              page.bottomRight() - QPoint(10, 10));
            QCOMPARE(canvas->ZoomState(), 1);
            QVERIFY(canvas->ScrollPosition().y() > 0);
            QCOMPARE(canvas->ScrollPosition().y(), canvas->verticalScrollBar()->maximum());
            canvas->viewport()->repaint();
            Shot(&dlg, "preview_zoomed");
        });
    }

    void middleButtonScrollsUntilTheNextKey() {
        CountingSource source(1);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            const QPoint middle = canvas->viewport()->rect().center();
            QTest::mousePress(canvas->viewport(), Qt::MiddleButton, {}, middle);
            QVERIFY(!canvas->AutoScrolling());  // nothing scrolls in the whole-page view
            Click(dlg, PreviewCommand::ZoomIn);
            Click(dlg, PreviewCommand::ZoomIn);
            QTest::mousePress(canvas->viewport(), Qt::MiddleButton, {}, middle);
            QVERIFY(canvas->AutoScrolling());
            // Letting go where it started is a click: the scrolling goes on.
            QTest::mouseRelease(canvas->viewport(), Qt::MiddleButton, {}, middle);
            QVERIFY(canvas->AutoScrolling());
            QTest::keyClick(canvas->viewport(), Qt::Key_A);
            QTRY_VERIFY(!canvas->AutoScrolling());
        });
    }

    void twoPagesPageAndZoomIntoTheSecond() {
        CountingSource source(3);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            QVERIFY(canvas->verticalScrollBar()->isVisible());  // the page selector
            Click(dlg, PreviewCommand::Pages);
            QCOMPARE(canvas->PagesShown(), 2);
            QCOMPARE(dlg.Control(PreviewCommand::Pages)->text(), QStringLiteral("&Two Pages"));
            QVERIFY(dlg.Control(PreviewCommand::NextPage)->isEnabled());  // 1 + 2 - 1 < 3
            Click(dlg, PreviewCommand::NextPage);
            QCOMPARE(canvas->CurrentPage(), 2);
            QVERIFY(!dlg.Control(PreviewCommand::NextPage)->isEnabled());
            QCOMPARE(dlg.PageNumberLabel()->text(), QStringLiteral("Pages 2-3"));
            source.pages.clear();
            canvas->viewport()->repaint();
            QCOMPARE(source.pages, (QList<int>{2, 3}));
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, OnPage(canvas, 1));
            QCOMPARE(canvas->ZoomState(), 1);
            QCOMPARE(canvas->PagesShown(), 1);
            QCOMPARE(canvas->CurrentPage(), 3);
            Click(dlg, PreviewCommand::ZoomOut);
            QCOMPARE(canvas->PagesShown(), 2);  // the user's choice again
        });
        // A new opening starts with one page.
        RunPreview(dlg, [&] { QCOMPARE(dlg.Canvas()->PagesShown(), 1); });
    }

    void pageSelectorTurnsPages() {
        CountingSource source(3);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            canvas->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QCOMPARE(canvas->CurrentPage(), 2);
            canvas->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
            QCOMPARE(canvas->CurrentPage(), 3);
            QScrollBar* bar = canvas->verticalScrollBar();
            bar->setSliderDown(true);
            bar->setSliderPosition(1);
            QCOMPARE(canvas->CurrentPage(), 3);  // not while the thumb is held
            bar->setSliderDown(false);
            QCOMPARE(canvas->CurrentPage(), 1);
            canvas->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
            QWheelEvent up(QPointF(50, 50), canvas->mapToGlobal(QPointF(50, 50)), {}, {0, 120},
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(canvas->viewport(), &up);
            QCOMPARE(canvas->CurrentPage(), 2);
        });
    }

    void landscapeBoxBeginsPrintingAgain() {
        CountingSource source(3);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            Click(dlg, PreviewCommand::Pages);
            const QRect portrait = canvas->PageRect(0);
            QVERIFY(portrait.height() > portrait.width());
            Click(dlg, PreviewCommand::Landscape);
            QCOMPARE(source.begun, 2);
            QVERIFY(canvas->Landscape());
            QCOMPARE(ReadPrintOrientation(), PrintOrientation::Landscape);
            QVERIFY(dlg.Control(PreviewCommand::Landscape)->isChecked());
            QCOMPARE(canvas->PagesShown(), 2);
            const QRect landscape = canvas->PageRect(0);
            QVERIFY(landscape.width() > landscape.height());
            source.pages.clear();
            canvas->viewport()->repaint();
            QCOMPARE(source.pages, (QList<int>{1, 2}));
            QVERIFY(source.lastArea.right > source.lastArea.bottom);
        });
    }

    void undeclaredPageCountShowsPageOneOnly() {
        CountingSource source(ReportPageInfo::kUndeclared);
        CPrintPreviewDlg dlg(source, nullptr);
        RunPreview(dlg, [&] {
            CPrintPreview* canvas = dlg.Canvas();
            Click(dlg, PreviewCommand::NextPage);
            canvas->viewport()->repaint();  // page 2 cannot be drawn: back to page 1
            QCoreApplication::processEvents();
            canvas->viewport()->repaint();
            QCOMPARE(canvas->CurrentPage(), 1);
            QVERIFY(!source.pages.contains(2));
        });
    }

    void hebrewLayoutRunsFromTheRight() {
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/Hebrew.xml")));
        CountingSource source(3);
        CPrintPreviewDlg* dlg = nullptr;
        QWidget owner;
        QTimer::singleShot(0, &owner, [&] {
            QAbstractButton* print = dlg->Control(PreviewCommand::Print);
            QCOMPARE(print->geometry().right(), dlg->ClientRect().right() - 2);
            QCOMPARE(print->text(), QStringLiteral("הדפסה..."));
            QCOMPARE(dlg->windowTitle(), QStringLiteral("תצוגה לפני הדפסה"));
            QScrollBar* selector = dlg->Canvas()->verticalScrollBar();
            QVERIFY(selector->isVisible());
            QVERIFY(selector->mapTo(dlg->Canvas(), QPoint()).x() < dlg->Canvas()->width() / 2);
            dlg->Canvas()->viewport()->repaint();
            Shot(dlg, "preview_hebrew");
            dlg->close();
        });
        OpenPrintPreview(dlg, source, &owner);
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }

    void printRunDrawsTheChosenRange() {
        CountingSource source(3);
        CPrintPreviewDlg dlg(source, nullptr);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        dlg.choosePrinter = [&](QPrinter& printer, int minPage, int maxPage) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return minPage == 1 && maxPage == 3;
        };
        QList<int> status;
        int ended = 0;
        connect(dlg.Canvas(), &CPrintPreview::statusPageNumber, this,
                [&](int page) { status.append(page); });
        connect(dlg.Canvas(), &CPrintPreview::endPrinting, this, [&] { ++ended; });
        RunPreview(dlg, [&] {
            source.pages.clear();
            Click(dlg, PreviewCommand::Print);
        });
        QCOMPARE(status, (QList<int>{2, 3}));
        QCOMPARE(source.pages, (QList<int>{2, 3}));
        QVERIFY(QFileInfo(file).size() > 0);
        QVERIFY(ended >= 1);
        QVERIFY(!dlg.isVisible());
        DefaultPrinter().setOutputFileName({});
        DefaultPrinter().setPrintRange(QPrinter::AllPages);
    }

    void printJobThatCannotStart_data() {
        QTest::addColumn<QString>("language");  // empty: the window is given no texts
        QTest::addColumn<QString>("message");
        QTest::newRow("no texts") << QString() << QStringLiteral("Could not start print job.");
        QTest::newRow("English") << QStringLiteral("English")
                                 << QStringLiteral("Could not start print job.");
        QTest::newRow("Hebrew") << QStringLiteral("Hebrew")
                                << QStringLiteral("לא ניתן להתחיל את עבודת ההדפסה.");
    }

    void printJobThatCannotStart() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        if (!language.isEmpty())
            QVERIFY(LoadLanguageFile(kLanguages + u'/' + language + QStringLiteral(".xml")));
        CountingSource source(1);
        QWidget owner;
        auto* dlg = new CPrintPreviewDlg(source, &owner);
        dlg->choosePrinter = [](QPrinter& printer, int, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent/folder/out.pdf"));
            return true;
        };
        QString shown;
        SetMessageBoxAnswerer([&](const QString& said, const QString&, MessageBoxButtons) {
            shown = said;
            return MessageBoxAnswer::Ok;
        });
        QTimer::singleShot(0, dlg, [dlg] {
            QVERIFY(QTest::qWaitForWindowExposed(dlg));
            Click(*dlg, PreviewCommand::Print);
        });
        if (language.isEmpty())
            dlg->Run();
        else
            OpenPrintPreview(dlg, source, &owner);
        SetMessageBoxAnswerer({});
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
        DefaultPrinter().setOutputFileName({});
        QCOMPARE(shown, message);
    }

    void opensOnItsOwnerAndComesBackWhereItWasLeft() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        MemorySettingsStore store;
        CountingSource source(3);
        QWidget owner;
        owner.setGeometry(screen.left() + 40, screen.top() + 60, 300, 200);
        owner.show();
        CPrintPreviewDlg* dlg = nullptr;
        const auto open = [&](const std::function<void()>& drive) {
            QTimer::singleShot(0, &owner, [&, drive] {
                QVERIFY(QTest::qWaitForWindowExposed(dlg));
                drive();
                dlg->close();
            });
            OpenPrintPreview(dlg, source, &owner, &store);
        };
        QRect first;
        open([&] {
            first = dlg->geometry();
            // Centred on the owner as far as the screen lets it; whole on the screen.
            QVERIFY(screen.contains(first.topLeft()));
            if (first.width() <= screen.width() && first.height() <= screen.height()) {
                QVERIFY(screen.contains(first));
            }
            dlg->setGeometry(first.translated(7, 5).adjusted(0, 0, 10, -30));
        });
        const QRect left = first.translated(7, 5).adjusted(0, 0, 10, -30);
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_preview_x", 0), left.x());
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_preview_y", 0), left.y());
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_preview_width", 0), left.width());
        QCOMPARE(store.ReadInteger(u"Settings", u"plx_preview_height", 0), left.height());
        open([&] { QCOMPARE(dlg->geometry(), left); });

        // A place on a screen that is gone comes back onto the owner's screen.
        store.WriteInteger(u"Settings", u"plx_preview_x", 50000);
        store.WriteInteger(u"Settings", u"plx_preview_y", -40000);
        open([&] {
            QVERIFY(screen.contains(dlg->geometry().topLeft()));
            QCOMPARE(dlg->size(), left.size());
        });
    }

    // The band keeps every text whole at the window's smallest width, in both languages, and a
    // zoomed page narrower than the view stands in its middle.
    void bandFitsAtTheLeastWidthAndZoomedPagesAreCentred_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Hebrew") << QStringLiteral("Hebrew");
    }

    void bandFitsAtTheLeastWidthAndZoomedPagesAreCentred() {
        QFETCH(QString, language);
        QVERIFY(LoadLanguageFile(kLanguages + u'/' + language + QStringLiteral(".xml")));
        CountingSource source(12);
        QWidget owner;
        CPrintPreviewDlg* dlg = nullptr;
        QTimer::singleShot(0, &owner, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(dlg));
            Click(*dlg, PreviewCommand::Pages);
            Click(*dlg, PreviewCommand::NextPage);  // "Pages 2-3"
            dlg->resize(dlg->minimumSize());
            QCoreApplication::processEvents();
            const QRect client = dlg->ClientRect();
            QList<QWidget*> band;
            for (int c = 0; c <= static_cast<int>(PreviewCommand::Landscape); ++c)
                band += dlg->Control(static_cast<PreviewCommand>(c));
            band += dlg->PageNumberLabel();
            for (QWidget* control : band) {
                const QRect place = control->geometry();
                QVERIFY2(client.contains(place), qPrintable(control->objectName()));
                QVERIFY(place.width() >= control->sizeHint().width());
                const QLabel* label = qobject_cast<QLabel*>(control);
                if (label) {
                    QVERIFY(place.width() >= label->fontMetrics().horizontalAdvance(label->text()));
                }
            }
            Shot(dlg, qPrintable(QStringLiteral("preview_least_") + language));

            dlg->showMaximized();
            QCoreApplication::processEvents();
            Click(*dlg, PreviewCommand::ZoomIn);
            CPrintPreview* canvas = dlg->Canvas();
            const QRect page = canvas->PageRect(0).translated(canvas->ImageOrigin());
            const int view = canvas->viewport()->width();
            QVERIFY(page.width() + 16 < view);
            QVERIFY(std::abs(page.center().x() - view / 2) <= 2);
            canvas->viewport()->repaint();
            Shot(dlg, qPrintable(QStringLiteral("preview_maximised_") + language));
            dlg->close();
        });
        OpenPrintPreview(dlg, source, &owner);
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }

    void mainWindowOpensItsReports() {
        for (const char* language : {"English", "Hebrew"}) {
            QVERIFY(LoadLanguageFile(kLanguages + u'/' + QLatin1String(language) +
                                     QStringLiteral(".xml")));
            MemorySettingsStore store;
            store.WriteInteger(u"Settings", u"ShowWelcome", 0);
            CustomLocationList custom;
            CPLXDlg window(store, custom, kLanguages);
            window.show();
            QVERIFY(window.CommandAction(MainCommand::DailyReport)->isEnabled());
            QVERIFY(window.CommandAction(MainCommand::WeeklyReport)->isEnabled());
            WritePrintOrientation(PrintOrientation::Landscape);
            QPointer<CPrintPreviewDlg> first;
            for (const MainCommand command :
                 {MainCommand::DailyReport, MainCommand::WeeklyReport}) {
                QTimer::singleShot(0, &window, [&, command] {
                    CPrintPreviewDlg* preview = window.PreviewWindow();
                    QVERIFY(preview && preview->isVisible());
                    if (!first)
                        first = preview;
                    // The first window lives on and is the one shown again.
                    QVERIFY(first);
                    QCOMPARE(preview, first.data());
                    QCoreApplication::processEvents();
                    // Each opening starts with the whole page, whatever the last one ended in.
                    QCOMPARE(preview->Canvas()->ZoomState(), 0);
                    QVERIFY(!preview->Canvas()->horizontalScrollBar()->isVisible());
                    QVERIFY(!preview->Canvas()->verticalScrollBar()->isVisible());
                    preview->Canvas()->viewport()->repaint();
                    const QByteArray name =
                        QByteArray("main_") + language +
                        (command == MainCommand::DailyReport ? "_daily" : "_weekly");
                    Shot(preview, name.constData());
                    Click(*preview, PreviewCommand::ZoomIn);
                    Click(*preview, PreviewCommand::ZoomIn);
                    Shot(preview, (name + "_full").constData());
                    preview->close();
                });
                window.CommandAction(command)->trigger();
            }
            QCOMPARE(window.Reports().kind(), ReportKind::Weekly);
            // The daily and weekly commands leave the orientation alone.
            QCOMPARE(ReadPrintOrientation(), PrintOrientation::Landscape);
        }
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_qtest.moc"
