#include "ui/toolkit/painting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plx {
namespace {

bool IsDanglingMark(QChar c) {
    return QStringView(u"-:,;\u2013\u2014").contains(c);
}

}  // namespace

QFont SizedFont(const QString& family, int height, int averageWidth, bool bold) {
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(std::max(1, height));
    // A pixel size is the em; the requested height is the whole line, so scale the em down.
    const qreal line = QFontMetricsF(font).height();
    if (line > 0)
        font.setPixelSize(std::max(1, qRound(height * height / line)));
    const qreal average = QFontMetricsF(font).averageCharWidth();
    if (averageWidth > 0 && average > 0) {
        font.setStretch(std::clamp(qRound(100 * averageWidth / average), 1, 4000));
    }
    return font;
}

void FillGradientBand(QPainter& painter, const QRect& band, QColor from, QColor to) {
    constexpr int kStrips = 255;
    const float step = static_cast<float>(band.height()) / kStrips;
    const int dr = to.red() - from.red();
    const int dg = to.green() - from.green();
    const int db = to.blue() - from.blue();
    for (int i = 0; i < kStrips; ++i) {
        const int top = static_cast<int>(static_cast<float>(i) * step);
        const int bottom = static_cast<int>(static_cast<float>(i + 1) * step);
        if (bottom <= top)
            continue;
        const QColor colour(from.red() + dr * i / kStrips, from.green() + dg * i / kStrips,
                            from.blue() + db * i / kStrips);
        painter.fillRect(QRect(band.left(), band.top() + top, band.width(), bottom - top), colour);
    }
}

QString ElideAtWord(const QString& line, const QFontMetricsF& metrics, qreal width) {
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const QString ellipsis(QChar(0x2026));
    QString kept = line;
    for (;;) {
        const qsizetype space = kept.lastIndexOf(QLatin1Char(' '));
        if (space <= 0)
            break;
        kept.truncate(space);
        // A dash or colon left dangling before the ellipsis says nothing.
        while (!kept.isEmpty() && (kept.back().isSpace() || IsDanglingMark(kept.back()))) {
            kept.chop(1);
        }
        if (kept.isEmpty())
            break;
        const QString candidate = kept + ellipsis;
        if (metrics.horizontalAdvance(candidate) <= width)
            return candidate;
    }
    return metrics.elidedText(line, Qt::ElideRight, width);
}

}  // namespace plx
