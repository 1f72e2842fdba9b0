// A table drawn row by row: cells are drawn as they are added, rows are closed one by one, and
// the grid (outline, row and column separators) is drawn over the rows ended so far. A right-to-
// left table starts at its right edge and its first column is the rightmost. The table lives for
// one page; a report may give the current row a height of its own through rowHeightSet and
// rowHeight.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "reports/report_surface.h"

namespace plx {

struct ReportTable {
    // Columns trunc(totalWidth x fraction) wide.
    void begin(ReportSurface& surface, bool rightToLeft, std::int32_t x, std::int32_t y,
               std::int32_t totalWidth, const std::vector<double>& fractions);
    // Columns of the given widths in surface units; the total is their sum.
    void begin(ReportSurface& surface, bool rightToLeft, std::int32_t x, std::int32_t y,
               const std::vector<std::int32_t>& widths);

    // Draws the next cell of the current row, single-line and clipped to the cell; a cell beyond
    // the last column is dropped and does not move the cursor.
    void addCell(const QString& text, bool rtlReading);
    void endRow();
    // rowHeight when set for this row, else the height of "A" in the current font plus 2 units.
    std::int32_t currentRowHeight() const;
    void drawGrid();

    bool rtl = false;
    bool rowHeightSet = false;
    std::int32_t rowHeight = 0;
    std::int32_t originX = 0;  // the left edge (left to right) or the right edge (right to left)
    std::int32_t originY = 0;
    std::int32_t cursorX = 0;  // where the next cell starts
    std::int32_t cursorY = 0;  // the top of the current row
    std::int32_t cellIndex = 0;
    std::int32_t rowCount = 0;
    std::int32_t columnCount = 0;
    std::int32_t totalWidth = 0;
    ReportSurface* surface = nullptr;  // not owned
    std::int32_t lineWidth = 0;
    ReportRect cellRect;  // of the last cell
    std::int32_t cellPadding = 0;
    std::int32_t cellTopGap = 0;
    std::vector<std::int32_t> columnWidths;
    std::vector<std::int32_t> rowHeights;

private:
    void Start(ReportSurface& on, bool rightToLeft, std::int32_t x, std::int32_t y);
};

}  // namespace plx
