// A yearly report or timetable drawn into a PDF: the page the printer gets, on A4 paper in the
// inputs' orientation with a quarter-inch margin, for the tests and the benchmarks.
#pragma once

#include "reports/report_inputs.h"
#include "reports/report_source.h"

class QIODevice;

namespace plx {

// The page's printable area in units of `dpi`, from (0, 0).
ReportRect YearPdfArea(PrintOrientation orientation, int dpi);

// False when the PDF writer cannot paint.
bool WriteYearPdf(ReportKind kind, const ReportInputs& inputs, QIODevice& out);

}  // namespace plx
