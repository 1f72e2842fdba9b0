// The print preview's arithmetic, apart from its window: which controls are enabled, how large a
// page is shown at each zoom state, and where it sits.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>

namespace plx {

// 0 the whole page, 1 the middle step, 2 the paper's own size on the screen.
inline constexpr int kZoomWhole = 0;
inline constexpr int kZoomFull = 2;

struct ScaleRatio {
    int num = 1;
    int den = 1;
    int Scale(int length) const {
        return static_cast<int>(static_cast<long long>(length) * num / den);
    }
    friend bool operator==(const ScaleRatio&, const ScaleRatio&) = default;
};

struct PreviewControls {
    bool next = false;
    bool prev = false;
    bool pages = false;     // the one/two-page button
    bool twoPages = false;  // its caption names the view shown: two pages
    bool zoomIn = false;
    bool zoomOut = false;
};

PreviewControls PreviewControlStates(int currentPage, int pagesShown, int minPage, int maxPage,
                                     int zoomState);

// The ratio at which the paper (in screen pixels) fits the available area whole.
ScaleRatio WholePageRatio(QSize paper, QSize available);
// The ratio of a zoom state, from the whole-page ratio.
ScaleRatio ZoomedRatio(ScaleRatio whole, int zoomState);

// Where the pages are shown and how large, for a client area (scroll bars counted in).
struct PreviewPageFrame {
    QSize available;           // for one page
    int secondPageOffset = 0;  // how far right the second page sits
};
PreviewPageFrame PreviewAvailableArea(QSize client, int pagesShown, int pageSelectorWidth);
// The paper's rectangle on the screen: at (8, 8) with a 3-pixel rim for its frame and shadow;
// in the whole-page view centred in the available area (the second page moved right).
QRect PreviewPageRect(QSize paper, ScaleRatio ratio, int zoomState, const PreviewPageFrame& frame,
                      int pageIndex);

// The pages one scroll-bar page step moves in the whole-page view.
int PreviewPageStep(int minPage, int maxPage);

// A line of the page description ("Pages %u-%u") with its page numbers: the language files mark
// each number as printf does, by "%u", and they are filled in order. Markers beyond the numbers
// stay as they are.
QString FillPageNumbers(const QString& line, std::initializer_list<int> numbers);

}  // namespace plx
