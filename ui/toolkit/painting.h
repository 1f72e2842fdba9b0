// Drawing helpers shared by the owner-drawn widgets: gradient bands and fonts asked for by cell
// height and average width.
#pragma once

#include <QColor>
#include <QFont>
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

}  // namespace plx
