#include "reports/monthly_pdf.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "reports/painter_surface.h"

namespace plx {

bool WriteMonthlyReportPdf(const MonthlyRequest& request, QIODevice& out) {
    QPdfWriter writer(&out);
    writer.setResolution(600);
    const auto orientation = request.inputs.orientation == PrintOrientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait;
    // A common printer's margins: a quarter inch.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    MonthlyReportSource source([&request] { return request; });
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    ReportPageInfo info{{0, 0, area.width(), area.height()}};
    source.beginPrinting(info);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        if (page > info.minPage)
            writer.newPage();
        info.currentPage = page;
        PainterSurface surface(painter, writer.resolution(), writer.resolution());
        source.printPage(surface, info);
    }
    return painter.end();
}

}  // namespace plx
