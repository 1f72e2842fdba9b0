// The print preview's arithmetic, apart from its window: which controls are enabled, how large a
// page is shown at each zoom state, and where it sits.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

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

// How far a zoomed page image is moved so that it stands in the middle of a view larger than it,
// on each axis where it is smaller.
QPoint CentringOffset(QSize view, QSize image);

// The size of a preview window that shows the paper whole at its own size on the screen, or as
// large as `screen` allows when that is too small: `chrome` is what the window adds around the
// paper (frame, band, margins); never below `minimum`.
QSize PreviewOpeningSize(QSize paper, QSize chrome, QSize screen, QSize minimum);

// Where the preview window opens among the screens' available areas: the last place it had
// (`stored`) when there is one, else `opening` centred on the owner window; either way moved
// and, when needed, shrunk onto one screen: the one the rectangle mostly lies on, or the owner's
// when it lies on none.
QRect PreviewWindowRect(const std::optional<QRect>& stored, QSize opening, QRect owner,
                        const std::vector<QRect>& screens);

// The pages one scroll-bar page step moves in the whole-page view.
int PreviewPageStep(int minPage, int maxPage);

// A line of the page description ("Pages %u-%u") with its page numbers: the language files mark
// each number as printf does, by "%u", and they are filled in order. Markers beyond the numbers
// stay as they are.
QString FillPageNumbers(const QString& line, std::initializer_list<int> numbers);

}  // namespace plx
