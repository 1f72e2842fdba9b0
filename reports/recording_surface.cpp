#include "reports/recording_surface.h"

#include <algorithm>
#include <limits>

namespace plx {

RecordingSurface::RecordingSurface(int dpiX, int dpiY)
    : dpiX_(dpiX), dpiY_(dpiY), font_{PointsToUnits(*this, 10, Axis::Vertical)} {}

ReportSize RecordingSurface::textExtent(const QString& text) const {
    return {static_cast<std::int32_t>(text.size()) * font_.height / 2, font_.height};
}

QStringList RecordingSurface::Record(const QString& text, const ReportRect& rect,
                                     TextOptions options, bool measured) {
    const QStringList shown = FittedLines(text, options, rect.width(), [this](const QString& line) {
        return textExtent(line).width;
    });
    const auto count = static_cast<std::int32_t>(shown.size());
    const std::int32_t top = FirstLineTop(rect, count, font_.height, options);
    ReportRect occupied{std::numeric_limits<std::int32_t>::max(), top,
                        std::numeric_limits<std::int32_t>::min(), top + count * font_.height};
    for (const QString& line : shown) {
        const std::int32_t width = textExtent(line).width;
        const std::int32_t left = LineLeft(rect, width, options);
        occupied.left = std::min(occupied.left, left);
        occupied.right = std::max(occupied.right, left + width);
    }
    texts.push_back({text, rect, options, measured, font_, shown, occupied});
    return shown;
}

void RecordingSurface::drawText(const QString& text, const ReportRect& rect, TextOptions options) {
    Record(text, rect, options, false);
}

ReportRect RecordingSurface::boundingRect(const QString& text, const ReportRect& rect,
                                          TextOptions options) {
    return FittedTextRect(rect, Record(text, rect, options, true), font_.height,
                          [this](const QString& line) { return textExtent(line).width; });
}

void RecordingSurface::moveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
}

void RecordingSurface::lineTo(std::int32_t x, std::int32_t y) {
    lines.push_back({x_, y_, x, y, penWidth_});
    moveTo(x, y);
}

void RecordingSurface::drawRectangle(const ReportRect& rect) {
    rectangles.push_back({rect, penWidth_, brush_});
}

}  // namespace plx
