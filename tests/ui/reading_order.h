// Where the pieces of a text land when it is drawn: the reading order of a run inside a paragraph,
// and the ink of a widget's text found by drawing it twice.
#pragma once

#include <QApplication>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace plx::test {

// Whether `run`, found in `text`, reads left to right in one piece when its line of `text` is laid
// out as a paragraph of `direction`: each of its characters stands to the right of the one before.
inline bool ReadsLeftToRight(const QString& text, const QString& run,
                             Qt::LayoutDirection direction) {
    for (const QString& paragraph : text.split(u'\n')) {
        const qsizetype start = paragraph.indexOf(run);
        if (start < 0)
            continue;
        QTextLayout layout(paragraph, QApplication::font());
        QTextOption option;
        option.setTextDirection(direction);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();
        // Where each character's glyph stands (a cursor position is ambiguous where runs meet).
        const auto glyphX = [&layout](qsizetype i) {
            const QList<QGlyphRun> glyphs = layout.glyphRuns(static_cast<int>(i), 1);
            return glyphs.isEmpty() || glyphs.front().positions().isEmpty()
                       ? -1.0
                       : glyphs.front().positions().front().x();
        };
        for (qsizetype i = start; i + 1 < start + run.size(); ++i) {
            if (glyphX(i + 1) <= glyphX(i))
                return false;
        }
        return true;
    }
    return false;
}

// The columns where two pictures differ; empty when they do not.
struct InkSpan {
    int left = -1;
    int right = -1;
    bool empty() const { return right < left || right < 0; }
    int centre() const { return (left + right) / 2; }
};

inline InkSpan DifferingColumns(const QImage& a, const QImage& b) {
    InkSpan span;
    if (a.size() != b.size())
        return span;
    const QImage one = a.convertToFormat(QImage::Format_ARGB32);
    const QImage two = b.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < one.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(one.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(two.constScanLine(y));
        for (int x = 0; x < one.width(); ++x) {
            if (p[x] != q[x]) {
                span.left = span.left < 0 ? x : std::min(span.left, x);
                span.right = std::max(span.right, x);
            }
        }
    }
    return span;
}

// A text as drawn by some part of a widget: how to write it and where it shows.
struct ShownText {
    QString name;  // for the failure message
    std::function<QString()> read;
    std::function<void(const QString&)> write;
    std::function<QImage()> draw;
    int lead = 0;  // what stands before the text where reading starts (a check box's box)
};

// Where a text's ink lies, and where the ink of `part` (a piece of it) lies, in the widget's
// pixels: the text is drawn as it is, with `part` replaced by as many zeros (digits share one
// width, so nothing else moves), and with every character a figure space (no ink at all). The
// text is put back afterwards.
struct TextInk {
    InkSpan text;
    InkSpan part;
    int width = 0;
    // Gaps between the text's ink and the two ends of where it is drawn.
    int leftGap() const { return text.left; }
    int rightGap() const { return width - 1 - text.right; }
};

inline TextInk InkOf(const ShownText& shown, const QString& text, const QString& part) {
    const QString kept = shown.read();
    shown.write(text);
    const QImage drawn = shown.draw();
    shown.write(QString(text).replace(part, QString(part.size(), u'0')));
    const QImage withoutPart = shown.draw();
    shown.write(QString(text.size(), QChar(0x2007)));
    const QImage blank = shown.draw();
    shown.write(kept);
    const qreal ratio = drawn.devicePixelRatio();
    const auto logical = [ratio](InkSpan span) {
        return span.empty() ? span
                            : InkSpan{static_cast<int>(span.left / ratio),
                                      static_cast<int>(span.right / ratio)};
    };
    return {logical(DifferingColumns(drawn, blank)), logical(DifferingColumns(drawn, withoutPart)),
            static_cast<int>(drawn.width() / ratio)};
}

}  // namespace plx::test
