// The day cell: its colours, what it paints where, and how it reports the mouse.
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

#include "ui/calendar_cell.h"
#include "ui/cell_colours.h"
#include "ui/day_texts.h"
#include "ui/toolkit/painting.h"

using namespace plx;

namespace {

using PixelTest = std::function<bool(QRgb)>;

bool IsWhite(QRgb c) {
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}
bool IsRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool IsPurple(QRgb c) {
    return qRed(c) > 80 && qRed(c) < 170 && qGreen(c) < 50 && qBlue(c) > 100 && qBlue(c) < 200;
}
bool IsDark(QRgb c) {
    return qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70;
}

int CountPixels(const QImage& image, const QRect& area, const PixelTest& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// The columns of `area` holding at least one pixel that passes `test`.
QList<int> InkColumns(const QImage& image, const QRect& area, const PixelTest& test) {
    QList<int> columns;
    for (int x = area.left(); x <= area.right(); ++x) {
        if (CountPixels(image, QRect(x, area.top(), 1, area.height()), test) > 0)
            columns << x;
    }
    return columns;
}

struct CellSetup {
    bool header = false;
    bool rightToLeft = true;
    QString dayText = {};
    QString eventsText = {};
    QString personalText = {};
    bool blank = false;
    bool marked = false;
    Highlight highlight = Highlight::kNone;
};

QImage Render(const CellSetup& setup, QSize size = QSize(86, 64)) {
    CPLXCalendarChild cell(setup.header ? 0 : 1, 3, setup.rightToLeft, nullptr);
    cell.resize(size);
    cell.setHeader(setup.header);
    cell.setDayText(setup.dayText);
    cell.setEventsText(setup.eventsText);
    cell.setPersonalText(setup.personalText);
    cell.setMarked(setup.marked);
    cell.setHighlight(setup.highlight);
    cell.setBlank(setup.blank);
    return cell.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The client area below the number band, away from the sunken edge.
QRect EventsArea(QSize size) {
    return QRect(3, 1 + (size.height() - 2) / 4 + 1, size.width() - 6, size.height() / 2);
}
QRect NumberBand(QSize size) {
    return QRect(2, 1, size.width() - 4, (size.height() - 2) / 4);
}

}  // namespace

class CalendarCellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PinTahomaFont(); }

    void adjustColorMatchesHandComputedValues_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("lightness");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<QColor>("expected");
        // HLS (hue on 0..255) of 50,150,255 is 149,152,255; of 125,190,255 148,190,255; of
        // 150,200,255 149,202,255; of 200,100,50 14,125,153; of 60,180,120 106,120,127.
        QTest::newRow("blank header top")
            << QColor(50, 150, 255) << 30 << -30 << QColor(131, 181, 232);
        QTest::newRow("blank day middle")
            << QColor(125, 190, 255) << 30 << -30 << QColor(176, 210, 241);
        QTest::newRow("today header top")
            << QColor(50, 150, 255) << -40 << 40 << QColor(0, 89, 182);
        QTest::newRow("today day top") << QColor(150, 200, 255) << -50 << 50 << QColor(0, 99, 202);
        QTest::newRow("grey lightened")
            << QColor(100, 100, 100) << 20 << 0 << QColor(131, 131, 131);
        QTest::newRow("red hue, darker and richer")
            << QColor(200, 100, 50) << -20 << 10 << QColor(163, 78, 36);
        QTest::newRow("green hue, darker and richer")
            << QColor(60, 180, 120) << -30 << 20 << QColor(33, 134, 83);
    }

    void adjustColorMatchesHandComputedValues() {
        QFETCH(QColor, colour);
        QFETCH(int, lightness);
        QFETCH(int, saturation);
        QFETCH(QColor, expected);
        QCOMPARE(AdjustColor(colour, lightness, saturation), expected);
    }

    void backgroundFollowsTheTableAndBlankWins() {
        const CellShades blankToday = CellBackground(false, true, Highlight::kToday);
        QCOMPARE(blankToday.top, AdjustColor(QColor(150, 200, 255), 30, -30));
        QCOMPARE(blankToday.bottom, blankToday.top);
        QCOMPARE(CellBackground(true, false, Highlight::kToday).middle,
                 AdjustColor(QColor(15, 135, 255), -40, 40));
        QCOMPARE(CellBackground(true, false, Highlight::kSelected).middle, QColor(110, 110, 255));
        // The painted cell starts its gradient with the top colour.
        const QImage today = Render({.highlight = Highlight::kToday});
        QCOMPARE(QColor(today.pixel(10, 1)), AdjustColor(QColor(150, 200, 255), -50, 50));
    }

    void blankCellDrawsNoStaleText() {
        const QImage stale = Render({.dayText = u"כג\t5"_qs,
                                     .eventsText = u"ראש חודש"_qs,
                                     .blank = true,
                                     .marked = true,
                                     .highlight = Highlight::kSelected});
        QCOMPARE(stale, Render({.blank = true}));
        // A blank header shows its background alone as well.
        QCOMPARE(Render({.header = true, .dayText = u"שבת"_qs, .blank = true}),
                 Render({.header = true, .blank = true}));
    }

    void eventColoursFollowMarkerAndHighlight() {
        const QSize size(86, 64);
        const QRect events = EventsArea(size);
        const QString text = u"ראש חודש"_qs;
        const QImage unselected =
            Render({.dayText = u"א\t1"_qs, .eventsText = text, .marked = true});
        QVERIFY(CountPixels(unselected, events, IsRed) > 10);
        const QImage selected = Render({.dayText = u"א\t1"_qs,
                                        .eventsText = text,
                                        .marked = true,
                                        .highlight = Highlight::kSelected});
        QVERIFY(CountPixels(selected, events, IsWhite) > 10);
        QCOMPARE(CountPixels(selected, events, IsRed), 0);
        const QImage today = Render({.dayText = u"א\t1"_qs,
                                     .eventsText = text,
                                     .marked = true,
                                     .highlight = Highlight::kToday});
        QVERIFY(CountPixels(today, events, IsWhite) > 10);
        QVERIFY(CountPixels(today, NumberBand(size), IsWhite) > 10);
        const QImage plain =
            Render({.dayText = u"א\t1"_qs, .eventsText = text, .highlight = Highlight::kSelected});
        QVERIFY(CountPixels(plain, events, IsDark) > 10);
        QCOMPARE(CountPixels(plain, events, IsWhite), 0);
        // Header text is white on today's column, black otherwise.
        const QImage header = Render({.header = true, .dayText = u"שבת"_qs}, QSize(86, 38));
        const QImage headerToday = Render(
            {.header = true, .dayText = u"שבת"_qs, .highlight = Highlight::kToday}, QSize(86, 38));
        const QRect inside(3, 3, 80, 32);
        QVERIFY(CountPixels(header, inside, IsDark) > 10);
        QVERIFY(CountPixels(headerToday, inside, IsWhite) > 10);
    }

    // The family's dates: their own colour under the events, white on today and the selection,
    // and a mark in the bottom corner of the reading side even when no name fits.
    void personalDatesStandApartFromTheEvents() {
        const QSize size(86, 64);
        const QRect events = EventsArea(size);
        const CellSetup both{.dayText = u"א\t1"_qs,
                             .eventsText = u"ראש חודש"_qs,
                             .personalText = u"שרה"_qs,
                             .marked = true};
        const QImage plain = Render(both);
        QVERIFY(CountPixels(plain, events, IsRed) > 10);
        QVERIFY(CountPixels(plain, events, IsPurple) > 10);
        // The events come first: the names' ink lies below the events' ink.
        const auto lowest = [&](const QImage& image, const PixelTest& test) {
            int row = -1;
            for (int y = events.top(); y <= events.bottom(); ++y) {
                if (CountPixels(image, QRect(events.left(), y, events.width(), 1), test) > 0)
                    row = y;
            }
            return row;
        };
        QVERIFY(lowest(plain, IsPurple) > lowest(plain, IsRed));
        for (Highlight highlight : {Highlight::kSelected, Highlight::kToday}) {
            CellSetup lit = both;
            lit.highlight = highlight;
            const QImage image = Render(lit);
            QCOMPARE(CountPixels(image, QRect(QPoint(1, 1), size - QSize(2, 2)), IsPurple), 0);
            QVERIFY(CountPixels(image, events, IsWhite) > 10);
        }

        // Names alone are drawn from the top of the events area, with the mark.
        const QRect bottomRight(size.width() - 4, size.height() - 4, 3, 3);
        const QRect bottomLeft(1, size.height() - 4, 3, 3);
        const QImage hebrew = Render({.dayText = u"א\t1"_qs, .personalText = u"שרה"_qs});
        QVERIFY(CountPixels(hebrew, events, IsPurple) > 10);
        QCOMPARE(CountPixels(hebrew, bottomRight, IsPurple), 9);
        QCOMPARE(CountPixels(hebrew, bottomLeft, IsPurple), 0);
        const QImage english =
            Render({.rightToLeft = false, .dayText = u"1\t1"_qs, .personalText = u"Sarah"_qs});
        QCOMPARE(CountPixels(english, bottomLeft, IsPurple), 9);
        QCOMPARE(CountPixels(english, bottomRight, IsPurple), 0);
        // A cell without personal dates has no mark.
        QCOMPARE(CountPixels(Render({.dayText = u"א\t1"_qs}), bottomRight, IsPurple), 0);
    }

    void numbersSitAtOppositeEdgesByDirection() {
        const QSize size(86, 64);
        const QRect band = NumberBand(size);
        const int middle = band.center().x();
        // Two Hebrew letters against one digit: the wider ink is the Hebrew day.
        auto inkLeftOfMiddle = [&](const QImage& image) {
            int left = 0;
            for (int x : InkColumns(image, band, IsDark))
                left += x < middle ? 1 : -1;
            return left;
        };
        QVERIFY(inkLeftOfMiddle(Render({.rightToLeft = true, .dayText = u"כג\t5"_qs})) < 0);
        QVERIFY(inkLeftOfMiddle(Render({.rightToLeft = false, .dayText = u"כג\t5"_qs})) > 0);
        // The Hebrew day hugs the right edge in Hebrew, the left edge in English.
        const QList<int> hebrew =
            InkColumns(Render({.rightToLeft = true, .dayText = u"כג\t"_qs}), band, IsDark);
        QVERIFY(!hebrew.isEmpty() && hebrew.first() > middle && hebrew.last() >= band.right() - 3);
        const QList<int> english =
            InkColumns(Render({.rightToLeft = false, .dayText = u"כג\t"_qs}), band, IsDark);
        QVERIFY(!english.isEmpty() && english.last() < middle &&
                english.first() <= band.left() + 3);
        // Without a tab the text is centred.
        const QList<int> centred = InkColumns(Render({.dayText = u"15"_qs}), band, IsDark);
        QVERIFY(!centred.isEmpty());
        QVERIFY(qAbs((centred.first() + centred.last()) / 2 - middle) <= 2);
    }

    void longEventsBreakBetweenWordsAndShrinkBeforeTheyAreCut() {
        const QString ellipsis(QChar(0x2026));
        const QString events = QStringLiteral("Shabbat Mevarchim Chodesh Adar\nPurim");
        // Broken between words, in the events font of a 60-pixel cell.
        const CellTextLayout roomy = LayOutCellEvents(events, {84, 60}, 12, false);
        QCOMPARE(roomy.lines.join(u' '), QStringLiteral("Shabbat Mevarchim Chodesh Adar Purim"));
        QVERIFY(roomy.lines.size() > 2);
        const int full = LayOutCellEvents(QStringLiteral("Purim"), {84, 45}, 12, false).lineHeight;
        QCOMPARE(roomy.lineHeight, full);
        // Less room: a smaller font rather than a lost word.
        const CellTextLayout tight = LayOutCellEvents(events, {84, 24}, 12, false);
        QVERIFY(tight.lineHeight < full && tight.lineHeight >= kLeastCellFontHeight);
        QVERIFY(!tight.lines.join(u' ').contains(ellipsis));
        QVERIFY(tight.lines.size() * tight.lineHeight <= 24);
        const QFontMetricsF metrics(tight.font);
        for (const QString& line : tight.lines)
            QVERIFY(metrics.horizontalAdvance(line) <= 84);
        // No room even in the smallest font: the last line shown ends in an ellipsis.
        const CellTextLayout cut = LayOutCellEvents(events, {40, 12}, 12, true);
        QVERIFY(cut.lines.size() * cut.lineHeight <= 12);
        QVERIFY(cut.lines.last().endsWith(ellipsis));
        QVERIFY(cut.lineHeight <= kLeastCellFontHeight + 1);

        // The painted lines stay inside the cell: nothing dark touches its side edges.
        const QSize size(86, 64);
        const QImage image =
            Render({.rightToLeft = false, .dayText = u"א\t1"_qs, .eventsText = events}, size);
        QCOMPARE(CountPixels(image, QRect(1, 20, 1, 40), IsDark), 0);
        QCOMPARE(CountPixels(image, QRect(size.width() - 2, 20, 1, 40), IsDark), 0);
    }

    // Every day of three years, as the main window's grid shows it in each language: the events
    // whole and within their area, and the two day numbers side by side within their band.
    void everyDayOfThreeYearsFitsItsCell_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::newRow("English") << false;
        QTest::newRow("Hebrew") << true;
    }

    void everyDayOfThreeYearsFitsItsCell() {
        QFETCH(bool, hebrew);
        // The client area of a day cell of the main window's grid.
        const QSize client(88, 59);
        const QSize area(client.width(), client.height() - client.height() / 4);
        const QString ellipsis(QChar(0x2026));
        const Language vocabulary = hebrew ? Language::kHebrew : Language::kEnglish;
        CalendarDate day = HebrewToCivil({1, 1, 5785});
        const CalendarDate end = HebrewToCivil({1, 1, 5788});
        const int full = LayOutCellEvents(u"x"_qs, area, client.height() / 5, hebrew).lineHeight;
        int reflowed = 0;  // days whose events were broken between words or drawn smaller
        for (; day != end; day = NextCivilDay(day)) {
            const CalendarDate hebrewDay = CivilToHebrew(day);
            const bool saturday = DayNumberWeekday(HebrewToDayNumber(hebrewDay)) == 7;
            const DayCellTexts texts = DayCellTextsFor(day, hebrewDay, saturday, vocabulary);
            const QByteArray where = texts.eventsText.toUtf8();

            const CellTextLayout layout =
                LayOutCellEvents(texts.eventsText, area, client.height() / 5, hebrew);
            QVERIFY2(!layout.lines.join(u' ').contains(ellipsis), where);
            QVERIFY2(layout.lines.size() * layout.lineHeight <= area.height(), where);
            const QFontMetricsF metrics(layout.font);
            for (const QString& line : layout.lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= area.width(), where);
            const bool broken = layout.lines.size() > texts.eventsText.count(u'\n') + 1;
            reflowed += broken || layout.lineHeight < full ? 1 : 0;

            const QStringList numbers = texts.dayText.split(u'\t');
            const QFontMetricsF numberMetrics(
                FittingCellFont(numbers, client.width() - 2, 2, client.height() / 4));
            QVERIFY(numberMetrics.horizontalAdvance(numbers.value(0)) + 2 +
                        numberMetrics.horizontalAdvance(numbers.value(1)) <=
                    client.width() - 2);
        }
        QVERIFY(reflowed > 0);
    }

    void hoverIsReportedOncePerEntry() {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* first = new CPLXCalendarChild(1, 0, false, &window);
        auto* second = new CPLXCalendarChild(1, 1, false, &window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.resize(200, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy firstHovers(first, &CPLXCalendarChild::childMouseHover);
        QSignalSpy secondHovers(second, &CPLXCalendarChild::childMouseHover);

        QTest::mouseMove(first, QPoint(10, 10));
        QTest::mouseMove(first, QPoint(20, 30));
        QTest::mouseMove(first, QPoint(12, 40));
        QCOMPARE(firstHovers.count(), 1);
        QCOMPARE(firstHovers.first().at(1).toInt(), 1);
        QCOMPARE(firstHovers.first().at(2).toInt(), 0);

        QTest::mouseMove(second, QPoint(10, 10));
        QTest::mouseMove(second, QPoint(15, 20));
        QCOMPARE(secondHovers.count(), 1);
        QTest::mouseMove(first, QPoint(10, 10));
        QCOMPARE(firstHovers.count(), 2);
    }

    void pressAndDoubleClickAreReported() {
        CPLXCalendarChild cell(4, 6, true, nullptr);
        cell.resize(80, 60);
        QSignalSpy clicks(&cell, &CPLXCalendarChild::childClicked);
        QSignalSpy doubleClicks(&cell, &CPLXCalendarChild::childDoubleClicked);
        QTest::mouseClick(&cell, Qt::RightButton);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(&cell, Qt::LeftButton);
        QTest::mouseDClick(&cell, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(clicks.first().at(0).value<CPLXCalendarChild*>(), &cell);
        QCOMPARE(doubleClicks.first().at(1).toInt(), 4);
        QCOMPARE(doubleClicks.first().at(2).toInt(), 6);
    }
};

QTEST_MAIN(CalendarCellTest)
#include "calendar_cell_qtest.moc"
