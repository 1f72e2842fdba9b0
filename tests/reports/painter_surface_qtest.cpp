// The surface over QPainter draws what the recording surface only records: text placed by its
// flags and clipped to its rectangle, fonts of the asked cell height, pens and hollow rectangles.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>

#include <QBuffer>
#include <QPdfWriter>

#include "reports/painter_surface.h"
#include "reports/print_pages.h"
#include "reports/report_font.h"

namespace plx {

// Declares `pages` pages (none when 0) and notes the pages it draws.
class NotingSource : public ReportSource {
public:
    explicit NotingSource(int pages) : pages_(pages) {}
    void beginPrinting(ReportPageInfo& info) override {
        if (pages_ > 0)
            info.maxPage = static_cast<std::uint16_t>(pages_);
    }
    void printPage(ReportSurface&, const ReportPageInfo& info) override {
        drawn.append(info.currentPage);
    }
    QList<int> drawn;

private:
    int pages_;
};

// The pages PrintPages draws of a source with `pages` pages when asked for first..last.
static QList<int> PrintedPages(int pages, int first, int last) {
    NotingSource source(pages);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    QPainter painter(&writer);
    ReportPageInfo info;
    source.beginPrinting(info);
    PrintPages(source, info, painter, writer, writer.resolution(), first, last);
    return source.drawn;
}

// The ink's extent in the image: the smallest rectangle around every pixel that is not white.
static QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != Qt::white)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

class PainterSurfaceTest : public QObject {
    Q_OBJECT

    QImage page_{400, 200, QImage::Format_RGB32};

    // A white page at 72 dpi with `draw` done on it.
    void Draw(const std::function<void(QPainter&, PainterSurface&)>& draw) {
        page_.fill(Qt::white);
        QPainter painter(&page_);
        PainterSurface surface(painter, 72, 72);
        draw(painter, surface);
    }

private slots:
    void pageRangeIsClampedAndMayRunBackwards() {
        QCOMPARE(PrintedPages(5, 2, 4), (QList<int>{2, 3, 4}));
        QCOMPARE(PrintedPages(5, 4, 2), (QList<int>{4, 3, 2}));
        QCOMPARE(PrintedPages(3, 0, 9), (QList<int>{1, 2, 3}));
        QCOMPARE(PrintedPages(0, 1, 9), (QList<int>{1}));  // no page count: page 1 alone
    }

    void fontHasTheCellHeight() {
        for (const int height : {12, 40, 233}) {
            const QFontMetricsF metrics(ReportQFont({height, QFont::Bold}));
            QVERIFY2(qAbs(metrics.height() - height) <= 1.5, qPrintable(QString::number(height)));
        }
    }

    void textStaysInsideItsRectangle() {
        Draw([](QPainter&, PainterSurface& surface) {
            surface.setFont({20, QFont::Normal});
            surface.drawText(QStringLiteral("a text far wider than its cell"), {100, 50, 160, 80},
                             TextOption::SingleLine);
        });
        const QRect ink = Ink(page_);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 100 && ink.right() < 160);
        QVERIFY(ink.top() >= 50 && ink.bottom() < 80);
    }

    void rightToLeftTextEndsAtTheRightEdge() {
        Draw([](QPainter&, PainterSurface& surface) {
            surface.setFont({20, QFont::Normal});
            surface.drawText(
                QStringLiteral("שלום עולם:"), {0, 0, 300, 40},
                TextOption::SingleLine | TextOption::AlignRight | TextOption::RightToLeft);
        });
        const QRect ink = Ink(page_);
        QVERIFY(ink.right() >= 290 && ink.right() < 300);
        QVERIFY(ink.left() > 150);
    }

    void hollowRectangleLeavesItsInside() {
        Draw([](QPainter& painter, PainterSurface& surface) {
            painter.fillRect(QRect(20, 20, 40, 40), Qt::red);
            surface.setBrush(ReportBrush::Hollow);
            surface.drawRectangle({10, 10, 70, 70});
        });
        QCOMPARE(page_.pixelColor(10, 10), QColor(Qt::black));
        QCOMPARE(page_.pixelColor(69, 69), QColor(Qt::black));
        QCOMPARE(page_.pixelColor(70, 70), QColor(Qt::white));
        QCOMPARE(page_.pixelColor(40, 40), QColor(Qt::red));
    }

    void wordBreakDrawsTheWordsOnLinesOfTheRectangle() {
        Draw([](QPainter&, PainterSurface& surface) {
            surface.setFont({20, QFont::Normal});
            surface.drawText(QStringLiteral("one two three four"), {100, 20, 200, 180},
                             TextOption::WordWrap);
        });
        const QRect ink = Ink(page_);
        QVERIFY(ink.left() >= 100 && ink.right() < 200);
        QVERIFY2(ink.height() > 25, "more than one line");
    }

    void rightToLeftEllipsisStandsAtTheLeft() {
        QRect cut;
        Draw([&cut](QPainter&, PainterSurface& surface) {
            surface.setFont({20, QFont::Normal});
            surface.drawText(
                QStringLiteral("שקיעת החמה בהרים"), {100, 20, 200, 60},
                TextOption::ElideLines | TextOption::AlignRight | TextOption::RightToLeft);
            // The ellipsis, three dots on the base line, is the last thing at the left.
            const ReportSize dots = surface.textExtent(QStringLiteral("…"));
            cut = QRect(100, 20, dots.width + 2, 40);
        });
        const QRect ink = Ink(page_);
        QVERIFY(ink.right() >= 190 && ink.right() < 200);
        QVERIFY(ink.left() >= 100);
        // Only the dots' low ink in the leftmost strip: nothing above the base line's middle.
        const QRect dotsInk = Ink(page_.copy(cut));
        QVERIFY(!dotsInk.isEmpty());
        QVERIFY(dotsInk.height() < 6);
    }
};

}  // namespace plx

QTEST_MAIN(plx::PainterSurfaceTest)
#include "painter_surface_qtest.moc"
