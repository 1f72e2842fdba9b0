// The page both yearly reports share: the yearly Sabbath table and the three timetables lay a
// year out inside the same frame, with the title line in a box at its top and the closing remark
// placed by the page's orientation.
#pragma once

#include <QString>

#include <cstdint>

#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

// The Hebrew year the current date lies in: the year both reports show.
std::int32_t ReportYear(const ReportInputs& inputs);

// 10 points, normal: the table rows and the remark line.
ReportFont YearTextFont(const ReportSurface& surface);

struct YearPage {
    ReportRect frame;  // the page's area less 30 points at top and bottom, 8 at the sides
    std::int32_t titleBottom = 0;  // where the table may start
};

// The corner mark, the program's title, on a landscape page the remark line at once on the
// bottom edge itself, and the title line of the report `reportName` with the year (and
// `afterYear` right after it), centred in a box at the frame's top; text on the page is drawn
// without filling its background.
YearPage DrawYearPageHead(ReportSurface& surface, const ReportPageInfo& page,
                          const ReportInputs& inputs, const QString& reportName,
                          const QString& afterYear = {});

// On a portrait page, the remark line 20 points above the bottom edge, in the text font.
void DrawPortraitRemark(ReportSurface& surface, const ReportPageInfo& page,
                        const ReportInputs& inputs);

}  // namespace plx
