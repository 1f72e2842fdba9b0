#include "reports/recording_surface.h"

#include <algorithm>
#include <utility>

namespace plx {

RecordingSurface::RecordingSurface(int dpiX, int dpiY)
    : dpiX_(dpiX), dpiY_(dpiY), font_{PointsToUnits(*this, 10, Axis::Vertical)} {}

ReportFont RecordingSurface::selectFont(const ReportFont& font) {
    const ReportFont previous = font_;
    font_ = font;
    return previous;
}

ReportSize RecordingSurface::textExtent(const QString& text) const {
    return {static_cast<std::int32_t>(text.size()) * font_.height / 2, font_.height};
}

std::int32_t RecordingSurface::drawText(const QString& text, ReportRect& rect, TextFlags flags) {
    const QStringList shown = FittedLines(
        text, flags, rect.width(), [this](const QString& line) { return textExtent(line).width; });
    texts.push_back({text, rect, flags, font_, shown});
    const auto count = static_cast<int>(shown.size());
    if (flags & DT_CALCRECT) {
        std::int32_t widest = 0;
        for (const QString& line : shown)
            widest = std::max(widest, textExtent(line).width);
        rect = FittedTextRect(rect, widest, count, font_.height);
    }
    return count * font_.height;
}

std::int32_t RecordingSurface::selectPen(std::int32_t width) {
    return std::exchange(penWidth_, width);
}

void RecordingSurface::moveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
}

void RecordingSurface::lineTo(std::int32_t x, std::int32_t y) {
    lines.push_back({x_, y_, x, y, penWidth_});
    moveTo(x, y);
}

ReportBrush RecordingSurface::selectBrush(ReportBrush brush) {
    return std::exchange(brush_, brush);
}

void RecordingSurface::drawRectangle(const ReportRect& rect) {
    rectangles.push_back({rect, penWidth_, brush_});
}

BackgroundMode RecordingSurface::setBackgroundMode(BackgroundMode mode) {
    return std::exchange(background_, mode);
}

}  // namespace plx
