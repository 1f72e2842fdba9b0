// Drawing a report source's pages onto a paged device (a printer or a PDF writer): the loop the
// print run and plxcal share.
#pragma once

#include <QPageLayout>

#include <functional>

#include "reports/report_source.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace plx {

// The printable area of the device's page in device units, from (0, 0): what a page may draw in.
ReportRect PrintableArea(const QPagedPaintDevice& device, int dpi);

// Draws pages `first` to `last` of a source that has begun printing onto the device `painter` is
// active on, each page number raised to minPage and then lowered to maxPage; backwards when last
// comes before first; page 1 alone when the source declared no page count. `beforePage` runs
// before each page and stops the run by returning false. Returns whether every page was drawn.
bool PrintPages(ReportSource& source, ReportPageInfo& info, QPainter& painter,
                QPagedPaintDevice& device, int dpi, int first, int last,
                const std::function<bool(int page)>& beforePage = {});

// A page of the given size and orientation with the margins of a common printer (a quarter
// inch), which is the printable area the reports lay out in.
QPageLayout ReportPageLayout(QPageSize::PageSizeId size, PrintOrientation orientation);

// Every page of the source, as a PDF written to `out`. False when the writer cannot paint.
bool WriteReportPdf(ReportSource& source, QIODevice& out, const QPageLayout& layout);

}  // namespace plx
