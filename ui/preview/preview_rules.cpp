#include "ui/preview/preview_rules.h"

#include <QStringList>

#include <algorithm>

namespace plx {

PreviewControls PreviewControlStates(int currentPage, int pagesShown, int minPage, int maxPage,
                                     int zoomState) {
    PreviewControls c;
    c.next = currentPage + pagesShown - 1 < maxPage;
    c.prev = minPage < currentPage;
    c.pages = zoomState == kZoomWhole && (maxPage > 1 || pagesShown == 2);
    c.twoPages = pagesShown == 2;
    c.zoomIn = zoomState != kZoomFull;
    c.zoomOut = zoomState != kZoomWhole;
    return c;
}

ScaleRatio WholePageRatio(QSize paper, QSize available) {
    if (paper.width() <= 0 || paper.height() <= 0)
        return {};
    const long long fitWidth =
        static_cast<long long>(paper.width()) * available.height() / paper.height();
    if (available.width() < fitWidth)
        return {available.width(), paper.width()};
    return {available.height(), paper.height()};
}

ScaleRatio ZoomedRatio(ScaleRatio whole, int zoomState) {
    const int c = whole.num;
    const int d = whole.den;
    switch (zoomState) {
        case 1:
            return c < d ? ScaleRatio{(c + d) / 2, d} : ScaleRatio{(3 * c - d) / 2, d};
        case kZoomFull:
            return c < d ? ScaleRatio{1, 1} : ScaleRatio{2 * c - d, d};
        default:
            return whole;
    }
}

PreviewPageFrame PreviewAvailableArea(QSize client, int pagesShown, int pageSelectorWidth) {
    int width = client.width() - pageSelectorWidth;
    PreviewPageFrame frame;
    frame.secondPageOffset = (width - 8) / 2;
    const int height = client.height() - 16;
    width = pagesShown == 2 ? (width - 24) / 2 : width - 16;
    frame.available = QSize(width, height);
    return frame;
}

QRect PreviewPageRect(QSize paper, ScaleRatio ratio, int zoomState, const PreviewPageFrame& frame,
                      int pageIndex) {
    const int w = ratio.Scale(paper.width());
    const int h = ratio.Scale(paper.height());
    QRect rect(QPoint(8, 8), QPoint(w + 11 - 1, h + 11 - 1));  // right and bottom inclusive
    if (zoomState == kZoomWhole) {
        rect.translate((frame.available.width() - rect.width()) / 2 - 1,
                       (frame.available.height() - rect.height()) / 2 - 1);
        if (pageIndex == 1)
            rect.translate(frame.secondPageOffset, 0);
    }
    return rect;
}

QPoint CentringOffset(QSize view, QSize image) {
    return {std::max(0, (view.width() - image.width()) / 2),
            std::max(0, (view.height() - image.height()) / 2)};
}

QSize PreviewOpeningSize(QSize paper, QSize chrome, QSize screen, QSize minimum) {
    if (paper.isEmpty())
        return minimum.expandedTo(chrome);
    const QSize room = screen - chrome;
    const double scale = std::clamp(
        std::min(double(room.width()) / paper.width(), double(room.height()) / paper.height()), 0.0,
        1.0);
    const QSize page(static_cast<int>(paper.width() * scale),
                     static_cast<int>(paper.height() * scale));
    return (page + chrome).expandedTo(minimum);
}

namespace {

long long OverlapArea(QRect a, QRect b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// The screen `rect` shares the most with; the one holding `fallback`'s centre (or the first)
// when it shares nothing with any.
QRect ScreenFor(QRect rect, QRect fallback, const std::vector<QRect>& screens) {
    const auto most = std::max_element(screens.begin(), screens.end(), [&](QRect a, QRect b) {
        return OverlapArea(rect, a) < OverlapArea(rect, b);
    });
    if (OverlapArea(rect, *most) > 0)
        return *most;
    for (const QRect& screen : screens) {
        if (screen.contains(fallback.center()))
            return screen;
    }
    return screens.front();
}

QRect KeptInside(QRect rect, QRect area) {
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
    return rect;
}

}  // namespace

QRect PreviewWindowRect(const std::optional<QRect>& stored, QSize opening, QRect owner,
                        const std::vector<QRect>& screens) {
    const bool remembered = stored && !stored->isEmpty();
    QRect rect = remembered ? *stored : QRect(QPoint(), opening);
    if (screens.empty())
        return rect;
    if (!remembered) {
        // Without an owner, in the middle of the screen.
        rect.moveCenter(owner.isEmpty() ? ScreenFor(owner, owner, screens).center()
                                        : owner.center());
    }
    return KeptInside(rect, ScreenFor(rect, owner, screens));
}

int PreviewPageStep(int minPage, int maxPage) {
    return (maxPage - minPage + 9) / 10;
}

QString FillPageNumbers(const QString& line, std::initializer_list<int> numbers) {
    const QString marker = QStringLiteral("%u");
    const QStringList pieces = line.split(marker);
    QString filled = pieces.front();
    auto number = numbers.begin();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        filled += number != numbers.end() ? QString::number(*number++) : marker;
        filled += pieces[i];
    }
    return filled;
}

}  // namespace plx
