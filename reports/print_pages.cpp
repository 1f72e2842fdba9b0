#include "reports/print_pages.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "reports/painter_surface.h"

namespace plx {

ReportRect PrintableArea(const QPagedPaintDevice& device, int dpi) {
    const QRect paint = device.pageLayout().paintRectPixels(dpi);
    return {0, 0, paint.width(), paint.height()};
}

bool PrintPages(ReportSource& source, ReportPageInfo& info, QPainter& painter,
                QPagedPaintDevice& device, int dpi, int first, int last,
                const std::function<bool(int page)>& beforePage) {
    const auto clamp = [&info](int page) {
        return std::min<int>(std::max<int>(page, info.minPage), info.maxPage);
    };
    first = clamp(first);
    last = clamp(last);
    const int step = last < first ? -1 : 1;
    for (int page = first;; page += step) {
        if (info.maxPage == ReportPageInfo::kUndeclared && page != 1)
            break;
        if (beforePage && !beforePage(page))
            return false;
        if (page != first && !device.newPage())
            return false;
        info.currentPage = page;
        info.drawRect = PrintableArea(device, dpi);
        PainterSurface surface(painter, dpi, dpi);
        source.printPage(surface, info);
        if (page == last)
            break;
    }
    return true;
}

QPageLayout ReportPageLayout(QPageSize::PageSizeId size, PrintOrientation orientation) {
    return QPageLayout(
        QPageSize(size),
        orientation == PrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

bool WriteReportPdf(ReportSource& source, QIODevice& out, const QPageLayout& layout) {
    constexpr int kDpi = 600;
    QPdfWriter writer(&out);
    writer.setResolution(kDpi);
    writer.setPageLayout(layout);
    writer.setCreator(QStringLiteral("plx"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    ReportPageInfo info;
    info.drawRect = PrintableArea(writer, kDpi);
    source.beginPrinting(info);
    const bool drawn = PrintPages(source, info, painter, writer, kDpi, info.minPage, info.maxPage);
    return painter.end() && drawn;
}

}  // namespace plx
