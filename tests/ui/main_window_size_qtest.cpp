// The main window's size and place: it opens at its first size and grows from there, the month
// grid and the texts of its cells grow with it, and where it stood is kept in the settings file
// for the next run.
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <memory>

#include "app/settings.h"
#include "main_window_fixture.h"
#include "ui/calendar_view.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;
using namespace plx::test;

Q_DECLARE_METATYPE(plx::CalendarDate)

namespace {

QRect PrimaryArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The week cell that shows `civil`.
CPLXCalendarChild* CellShowing(const CPLXCalendar& view, CalendarDate civil) {
    for (int row = 1; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            CPLXCalendarChild* cell = view.cell(row, column);
            if (!cell->isBlank() && cell->date() == civil)
                return cell;
        }
    }
    return nullptr;
}

// The main window over a settings file, as the program opens it.
struct FiledWindow {
    explicit FiledWindow(const QString& path) : store(path) {
        store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        Open();
    }
    void Open() {
        dlg = std::make_unique<CPLXDlg>(store, custom, kLanguages);
        dlg->show();
    }
    // Closes the window as the person does and opens the next run's over the file as written.
    void Reopen() {
        dlg->reject();
        dlg.reset();
        store.Reload();
        Open();
    }
    int Stored(std::u16string_view name) const { return store.ReadInteger(u"Settings", name, -1); }

    IniSettingsStore store;
    CustomLocationList custom;
    std::unique_ptr<CPLXDlg> dlg;
};

}  // namespace

class MainWindowSizeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AddProgramSkinThemes(); }
    void init() { LoadLanguage(QStringLiteral("English")); }

    // A fresh install opens at the window's first size, centred, and may grow but not shrink.
    void firstSizeIsTheLeastAndTheWindowGrows() {
        Window w;
        CPLXDlg& dlg = *w.dlg;
        QCOMPARE(dlg.size(), dlg.DefaultSize());
        QCOMPARE(dlg.minimumSize(), dlg.DefaultSize());
        QVERIFY(dlg.maximumWidth() > dlg.minimumWidth());
        QVERIFY(dlg.maximumHeight() > dlg.minimumHeight());
        QCOMPARE(dlg.geometry().center(), PrimaryArea().center());
        dlg.resize(200, 150);
        QCOMPARE(dlg.size(), dlg.DefaultSize());

        // The frame offers the maximise box, and the caption maximises and restores.
        QVERIFY(!dlg.ButtonRect(FrameHit::kMaximize).isEmpty());
        const QPoint caption(dlg.width() / 2, 8);
        QCOMPARE(dlg.HitTest(caption), FrameHit::kCaption);
        QTest::mouseDClick(&dlg, Qt::LeftButton, {}, caption);
        QTRY_VERIFY(dlg.isMaximized());
        QTRY_COMPARE(dlg.size(), PrimaryArea().size());
        QTest::mouseDClick(&dlg, Qt::LeftButton, {}, caption);
        QTRY_VERIFY(!dlg.isMaximized());
        QTRY_COMPARE(dlg.size(), dlg.DefaultSize());
    }

    void theGridAndItsTextsGrowWithTheWindow_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Hebrew") << QStringLiteral("Hebrew");
    }

    void theGridAndItsTextsGrowWithTheWindow() {
        QFETCH(QString, language);
        LoadLanguage(language);
        Window w;
        const CPLXCalendar& view = *w.dlg->CalendarView();
        const CalendarDate sukkot = HebrewToCivil({15, 1, 5787});
        w.Select(sukkot);
        struct Look {
            QSize view;
            QSize band;  // of the Hebrew date's fields
            QSize cell;
            QSize header;
            int numbersFont;
            int eventsLine;
        };
        const auto look = [&] {
            const CPLXCalendarChild* cell = CellShowing(view, sukkot);
            return Look{view.size(),
                        w.dlg->hebrewFields()->size(),
                        cell->size(),
                        view.cell(0, 0)->size(),
                        CellFontHeightsFor(cell->clientRect().height()).numbers,
                        cell->EventsLayout().lineHeight};
        };
        const Look before = look();
        w.dlg->resize(w.dlg->DefaultSize() * 2);
        QTRY_VERIFY(view.width() > before.view.width());
        const Look after = look();

        // The date band keeps its height and spreads; the grid takes the rest.
        QCOMPARE(after.band.height(), before.band.height());
        QVERIFY(after.band.width() > before.band.width() * 3 / 2);
        QVERIFY(after.view.height() > before.view.height() * 2);
        // The cells follow the view: a seventh of its width, their share of its height, each
        // within the pixel both sizes were cut to.
        const double across = double(after.view.width()) / before.view.width();
        const double down = double(after.view.height()) / before.view.height();
        for (const auto& [old, now] :
             {std::pair(before.cell, after.cell), std::pair(before.header, after.header)}) {
            QVERIFY(qAbs(now.width() - old.width() * across) <= across + 1);
            QVERIFY(qAbs(now.height() - old.height() * down) <= down + 1);
        }
        // Their texts start from fonts of the new height; a short event stays in the full one.
        QVERIFY(after.numbersFont > before.numbersFont * 2);
        QVERIFY(after.eventsLine > before.eventsLine * 2);
    }

    // What a person reads in a maximised window: the busiest months whole in every cell.
    void aBusyMonthShowsEveryEntryWholeOnALargeScreen_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<CalendarDate>("hebrew");
        for (const char* language : {"English", "Hebrew"}) {
            QTest::addRow("Tishrei 5787 %s", language)
                << QString::fromLatin1(language) << CalendarDate{1, 1, 5787};
            QTest::addRow("Nisan 5786 %s", language)
                << QString::fromLatin1(language) << CalendarDate{1, 7, 5786};
        }
    }

    void aBusyMonthShowsEveryEntryWholeOnALargeScreen() {
        QFETCH(QString, language);
        QFETCH(CalendarDate, hebrew);
        LoadLanguage(language);
        Window w;
        w.Select(HebrewToCivil(hebrew));
        w.dlg->resize(1920, 1080);
        const CPLXCalendar& view = *w.dlg->CalendarView();
        QTRY_VERIFY(view.width() > 1800);
        const QString ellipsis(QChar(0x2026));
        int entries = 0;
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const CPLXCalendarChild* cell = view.cell(row, column);
                if (cell->isBlank() || cell->eventsText().isEmpty())
                    continue;
                const CellTextLayout layout = cell->EventsLayout();
                QVERIFY2(!layout.lines.join(u' ').contains(ellipsis),
                         qPrintable(cell->eventsText()));
                // Never below the smallest font the default window draws.
                QVERIFY(layout.lineHeight >= kLeastCellFontHeight * 2);
                ++entries;
            }
        }
        QVERIFY(entries >= 10);
    }

    void placeRoundTripsThroughTheSettingsFile() {
        QTemporaryDir folder;
        FiledWindow w(folder.filePath(QStringLiteral("plx.ini")));
        const QRect placed(20, 30, 720, 620);
        w.dlg->setGeometry(placed);
        w.Reopen();
        QCOMPARE(w.Stored(u"plx_window_x"), 20);
        QCOMPARE(w.Stored(u"plx_window_y"), 30);
        QCOMPARE(w.Stored(u"plx_window_width"), 720);
        QCOMPARE(w.Stored(u"plx_window_height"), 620);
        QCOMPARE(w.Stored(u"plx_window_maximized"), 0);
        QCOMPARE(w.dlg->geometry(), placed);
        QVERIFY(!w.dlg->isMaximized());

        // Maximised, it keeps the rectangle it returns to.
        w.dlg->showMaximized();
        QTRY_VERIFY(w.dlg->isMaximized());
        w.Reopen();
        QCOMPARE(w.Stored(u"plx_window_maximized"), 1);
        QCOMPARE(w.Stored(u"plx_window_width"), 720);
        QTRY_VERIFY(w.dlg->isMaximized());
        QCOMPARE(w.dlg->normalGeometry(), placed);
        w.dlg->showNormal();
        QTRY_COMPARE(w.dlg->geometry(), placed);
    }

    // A monitor unplugged, a smaller screen, or numbers no window had: the window opens on the
    // primary screen, centred.
    void aPlaceOffEveryScreenComesBackCentred_data() {
        // The four stored numbers as they stand in the file; a QRect could not hold the largest.
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QSize>("opens");  // the default size when empty
        QTest::newRow("far right") << QList<int>{50000, 100, 700, 600} << QSize(700, 600);
        QTest::newRow("far above") << QList<int>{-40000, -30000, 700, 600} << QSize(700, 600);
        QTest::newRow("caption above the top") << QList<int>{10, -300, 700, 600} << QSize(700, 600);
        QTest::newRow("larger than the screen")
            << QList<int>{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX} << PrimaryArea().size();
        QTest::newRow("no size") << QList<int>{10, 10, 0, -5} << QSize();
    }

    void aPlaceOffEveryScreenComesBackCentred() {
        QFETCH(QList<int>, stored);
        QFETCH(QSize, opens);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plx.ini"));
        {
            IniSettingsStore file(path);
            file.WriteInteger(u"Settings", u"plx_window_x", stored[0]);
            file.WriteInteger(u"Settings", u"plx_window_y", stored[1]);
            file.WriteInteger(u"Settings", u"plx_window_width", stored[2]);
            file.WriteInteger(u"Settings", u"plx_window_height", stored[3]);
        }
        FiledWindow w(path);
        QCOMPARE(w.dlg->size(), opens.isEmpty() ? w.dlg->DefaultSize() : opens);
        QCOMPARE(w.dlg->geometry().center(), PrimaryArea().center());
        QVERIFY(!w.dlg->isMaximized());
    }

    // The welcome greets the person and leaves the window where it was kept.
    void welcomeLeavesThePlaceAlone() {
        MemorySettingsStore initial;
        initial.WriteInteger(u"Settings", u"plx_window_x", 15);
        initial.WriteInteger(u"Settings", u"plx_window_y", 25);
        initial.WriteInteger(u"Settings", u"plx_window_width", 700);
        initial.WriteInteger(u"Settings", u"plx_window_height", 650);
        initial.WriteInteger(u"Settings", u"plx_window_maximized", 1);
        Window w(true, std::move(initial));
        bool greeted = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                greeted = true;
                about->reject();
            }
        });
        poll.start(20);
        QTRY_VERIFY(greeted);
        QVERIFY(w.dlg->isMaximized());
        QCOMPARE(w.dlg->normalGeometry(), QRect(15, 25, 700, 650));
    }
};

QTEST_MAIN(MainWindowSizeTest)
#include "main_window_size_qtest.moc"
