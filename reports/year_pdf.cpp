#include "reports/year_pdf.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "reports/painter_surface.h"
#include "reports/timetables.h"
#include "reports/yearly_report.h"

namespace plx {
namespace {

constexpr int kDpi = 600;

QPageLayout PageLayout(PrintOrientation orientation) {
    return QPageLayout(
        QPageSize(QPageSize::A4),
        orientation == PrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

}  // namespace

ReportRect YearPdfArea(PrintOrientation orientation, int dpi) {
    const QRect paint = PageLayout(orientation).paintRectPixels(dpi);
    return {0, 0, paint.width(), paint.height()};
}

bool WriteYearPdf(ReportKind kind, const ReportInputs& inputs, QIODevice& out) {
    QPdfWriter writer(&out);
    writer.setResolution(kDpi);
    writer.setPageLayout(PageLayout(inputs.orientation));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    ReportPageInfo page;
    page.drawRect = YearPdfArea(inputs.orientation, kDpi);
    page.maxPage = 1;
    {
        PainterSurface surface(painter, kDpi, kDpi);
        if (IsTimetable(kind))
            DrawTimetable(surface, page, inputs, kind, ComputeTimetableCells(kind, inputs));
        else
            DrawYearlyReport(surface, page, inputs);
    }
    return painter.end();
}

}  // namespace plx
