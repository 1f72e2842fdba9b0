// Drawing helpers shared by the owner-drawn widgets: gradient bands, fonts asked for by cell
// height and average width, and single-line elision at a word.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRect>
#include <QString>

#include "reports/font_family.h"

class QPainter;

namespace plx {

// A font of `family` whose line (ascent + descent) is `height` pixels and whose average character
// is `averageWidth` pixels wide, the way the owner-drawn widgets size their fonts.
QFont SizedFont(const QString& family, int height, int averageWidth, bool bold);

// A vertical gradient from `from` at the top of `band` to just short of `to` at its bottom,
// painted as 255 strips.
void FillGradientBand(QPainter& painter, const QRect& band, QColor from, QColor to);

// `line` as it fits into `width`: whole, or cut after its last word that still fits, with an
// ellipsis; a first word too wide on its own is cut inside.
QString ElideAtWord(const QString& line, const QFontMetricsF& metrics, qreal width);

}  // namespace plx
