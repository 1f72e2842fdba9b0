// The colours of the month view's cells.
#pragma once

#include <QColor>

namespace plx {

enum class Highlight : int { kNone = 0, kToday = 1, kSelected = 2 };

// Moves lightness and saturation in the HLS model: a positive percentage moves a value that far
// towards 255, a negative one that far towards 0.
QColor AdjustColor(QColor rgb, int lightnessPercent, int saturationPercent);

// The three colours of a cell's two-band background.
struct CellShades {
    QColor top;
    QColor middle;
    QColor bottom;
};

// A blank cell keeps its blank look whatever its highlight.
CellShades CellBackground(bool header, bool blank, Highlight highlight);

}  // namespace plx
