#include "reports/report_table.h"

#include <numeric>

namespace plx {

void ReportTable::Start(ReportSurface& on, bool rightToLeft, std::int32_t x, std::int32_t y) {
    surface = &on;
    rtl = rightToLeft;
    originX = cursorX = x;
    originY = cursorY = y;
    cellIndex = rowCount = 0;
    rowHeightSet = false;
    rowHeights.clear();
    cellPadding = PointsToUnits(on, 2, Axis::Horizontal);
    cellTopGap = PointsToUnits(on, 1, Axis::Vertical);
    lineWidth = PointsToUnits(on, 1, Axis::Horizontal);
    columnCount = static_cast<std::int32_t>(columnWidths.size());
}

void ReportTable::begin(ReportSurface& on, bool rightToLeft, std::int32_t x, std::int32_t y,
                        std::int32_t total, const std::vector<double>& fractions) {
    columnWidths.clear();
    for (const double fraction : fractions)
        columnWidths.push_back(static_cast<std::int32_t>(total * fraction));
    Start(on, rightToLeft, x, y);
    totalWidth = total;
}

void ReportTable::begin(ReportSurface& on, bool rightToLeft, std::int32_t x, std::int32_t y,
                        const std::vector<std::int32_t>& widths) {
    columnWidths = widths;
    Start(on, rightToLeft, x, y);
    totalWidth = std::accumulate(widths.begin(), widths.end(), std::int32_t{0});
}

std::int32_t ReportTable::currentRowHeight() const {
    if (rowHeightSet)
        return rowHeight;
    return surface->textExtent(QStringLiteral("A")).height + 2;
}

void ReportTable::addCell(const QString& text, bool rtlReading) {
    if (cellIndex >= static_cast<std::int32_t>(columnWidths.size()))
        return;
    const std::int32_t width = columnWidths[static_cast<std::size_t>(cellIndex)];
    if (rtl) {
        cellRect.right = cursorX - cellPadding;
        cursorX -= width;
        cellRect.left = cursorX + lineWidth + cellPadding;
    } else {
        cellRect.left = cursorX + lineWidth + cellPadding;
        cursorX += width;
        cellRect.right = cursorX - cellPadding;
    }
    cellRect.top = cursorY + cellTopGap;
    cellRect.bottom = cursorY + 2 * currentRowHeight();
    TextOptions options = TextOption::NoMnemonic | TextOption::SingleLine |
                          (rtl ? TextOption::AlignRight : TextOption::AlignLeft);
    if (rtl && rtlReading)
        options |= TextOption::RightToLeft;
    surface->drawText(text, cellRect, options);
    ++cellIndex;
}

void ReportTable::endRow() {
    const std::int32_t height = currentRowHeight();
    rowHeights.push_back(height);
    cursorY += height;
    ++rowCount;
    cursorX = originX;
    cellIndex = 0;
    rowHeightSet = false;
}

void ReportTable::drawGrid() {
    const std::int32_t left = rtl ? originX - totalWidth : originX;
    const std::int32_t right = rtl ? originX : originX + totalWidth;
    const std::int32_t top = originY;
    const std::int32_t bottom =
        originY + std::accumulate(rowHeights.begin(), rowHeights.end(), std::int32_t{0});
    const std::int32_t penH = lineWidth;
    const std::int32_t penV = PointsToUnits(*surface, 1, Axis::Vertical);

    const PenScope previous(*surface);
    surface->setPenWidth(penH);
    surface->moveTo(left, top);
    surface->lineTo(right, top);
    surface->setPenWidth(penV);
    surface->lineTo(right, bottom);
    surface->setPenWidth(penH);
    surface->lineTo(left, bottom);
    surface->setPenWidth(penV);
    surface->lineTo(left, top);

    surface->setPenWidth(penH);
    std::int32_t y = originY;
    for (std::int32_t i = 1; i < rowCount; ++i) {
        y += rowHeights[static_cast<std::size_t>(i - 1)];
        surface->moveTo(left, y);
        surface->lineTo(right, y);
    }
    surface->setPenWidth(penV);
    std::int32_t x = originX;
    for (std::int32_t i = 1; i < columnCount; ++i) {
        const std::int32_t width = columnWidths[static_cast<std::size_t>(i - 1)];
        x += rtl ? -width : width;
        surface->moveTo(x, top);
        surface->lineTo(x, bottom);
    }
}

}  // namespace plx
