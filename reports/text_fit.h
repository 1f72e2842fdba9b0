// Fitting a text to the room it is given without losing any of it: broken between words first,
// then in a smaller font down to a floor, and only at the floor cut with an ellipsis. Pages and
// the month grid on the screen size their texts this way, so that a long event name or portion
// shrinks a little rather than ending in "…".
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

#include "reports/report_surface.h"

namespace plx {

// The largest height from `start` down to `floor` for which `fits` holds (it is taken to hold
// for every height below one for which it holds); `floor` when it holds for none. A floor above
// the start is the start.
std::int32_t LargestFittingHeight(std::int32_t start, std::int32_t floor,
                                  const std::function<bool(std::int32_t height)>& fits);

// The largest height from the surface's font down to `floor` at which `fits` holds while a font
// of that height (and the same weight) is selected; the surface's font is kept.
std::int32_t LargestFittingFont(ReportSurface& surface, std::int32_t floor,
                                const std::function<bool()>& fits);

// Whether `text` laid out by `options` fits a box of `room` with lines `lineHeight` high: every
// line (under WordWrap every word) within the width and all lines within the height.
bool TextFits(const QString& text, TextOptions options, ReportSize room, std::int32_t lineHeight,
              const LineMeasure& measure);

// `text` as it shows in `room` at the floor when it fits at no height: the lines of FittedLines
// with every line and word that is too wide cut with an ellipsis, and only as many lines as the
// height holds, the last one shown ending in an ellipsis when lines were left out.
QStringList CutToRoom(const QString& text, TextOptions options, ReportSize room,
                      std::int32_t lineHeight, const LineMeasure& measure);

// A text fitted to its room on a surface: the font it is drawn in and its lines.
struct FittedText {
    ReportFont font;
    QStringList lines;
    bool whole = true;  // nothing was cut or left out

    std::int32_t height() const { return static_cast<std::int32_t>(lines.size()) * font.height; }
};

// `text` by `options` in `room`, in the surface's font or one of its weight as small as `floor`.
FittedText FitText(ReportSurface& surface, const QString& text, TextOptions options,
                   ReportSize room, std::int32_t floor);

// Draws a fitted text into `rect` by `options` in its font; the surface's font is kept.
void DrawFitted(ReportSurface& surface, const QString& text, const FittedText& fitted,
                const ReportRect& rect, TextOptions options);

// FitText, then DrawFitted into `rect`; returns the fitted text.
FittedText DrawFittedText(ReportSurface& surface, const QString& text, const ReportRect& rect,
                          TextOptions options, std::int32_t floor);

}  // namespace plx
