// The monthly report written as a PDF, page by page, as the printer would print it.
#pragma once

#include "reports/monthly_report.h"

class QIODevice;

namespace plx {

// Every page of the report on A4 paper in the request's orientation. False when the writer
// cannot paint.
bool WriteMonthlyReportPdf(const MonthlyRequest& request, QIODevice& out);

}  // namespace plx
