#include "ui/toolkit/painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plx {

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

}  // namespace plx
