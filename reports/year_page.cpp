#include "reports/year_page.h"

#include "reports/page_frame.h"
#include "reports/title_texts.h"

namespace plx {

std::int32_t ReportYear(const ReportInputs& inputs) {
    return CivilToHebrew(inputs.civil).year;
}

ReportFont YearTextFont(const ReportSurface& surface) {
    return {PointsToUnits(surface, 10, Axis::Vertical), QFont::Normal};
}

YearPage DrawYearPageHead(ReportSurface& surface, const ReportPageInfo& page,
                          const ReportInputs& inputs, const QString& reportName,
                          const QString& afterYear) {
    const bool rtl = inputs.language.rightToLeft;
    const bool landscape = inputs.orientation == PrintOrientation::Landscape;
    surface.setBackgroundMode(Qt::TransparentMode);
    const ReportFont heading{PointsToUnits(surface, 14, Axis::Vertical), QFont::Bold};
    DrawPageHead(surface, page.drawRect, {PointsToUnits(surface, 20, Axis::Vertical), QFont::Bold},
                 heading, inputs.language);
    if (landscape) {
        surface.setFont(YearTextFont(surface));
        DrawRemarkLine(surface, page.drawRect, inputs.language);
    }

    YearPage year;
    year.frame = page.drawRect;
    year.frame.top += PointsToUnits(surface, 30, Axis::Vertical);
    year.frame.bottom -= PointsToUnits(surface, 30, Axis::Vertical);
    year.frame.left += PointsToUnits(surface, 8, Axis::Horizontal);
    year.frame.right -= PointsToUnits(surface, 8, Axis::Horizontal);
    ReportRect titleBox = year.frame;
    titleBox.bottom = titleBox.top + PointsToUnits(surface, landscape ? 15 : 25, Axis::Vertical);
    year.titleBottom = titleBox.bottom;

    const QString datePart = QStringLiteral(" - ") +
                             YearTitleText(ReportYear(inputs), inputs.language.names) + afterYear;
    surface.setFont(heading);
    DrawTitleBand(surface, ReportTitleLine(reportName, datePart, inputs), titleBox, rtl);
    return year;
}

void DrawPortraitRemark(ReportSurface& surface, const ReportPageInfo& page,
                        const ReportInputs& inputs) {
    if (inputs.orientation == PrintOrientation::Landscape)
        return;
    surface.setFont(YearTextFont(surface));
    DrawRemarkLine(surface, RaisedBottom(surface, page.drawRect, 20), inputs.language);
}

}  // namespace plx
