#include "reports/year_page.h"

#include "reports/page_frame.h"
#include "reports/title_texts.h"

namespace plx {

std::int32_t ReportYear(const ReportInputs& inputs) {
    return CivilToHebrew(inputs.civil).year;
}

ReportFont YearTextFont(const ReportSurface& surface) {
    return {PointsToUnits(surface, 10, Axis::Vertical), ReportFont::kNormal};
}

YearPage DrawYearPageHead(ReportSurface& surface, const ReportPageInfo& page,
                          const ReportInputs& inputs, QStringView reportKey) {
    const bool rtl = inputs.language.rightToLeft;
    const bool landscape = inputs.orientation == PrintOrientation::Landscape;
    surface.setBackgroundMode(BackgroundMode::Transparent);
    const ReportFont heading{PointsToUnits(surface, 14, Axis::Vertical), ReportFont::kBold};
    DrawPageHead(surface, page.drawRect,
                 {PointsToUnits(surface, 20, Axis::Vertical), ReportFont::kBold}, heading, rtl);
    if (landscape) {
        surface.selectFont(YearTextFont(surface));
        DrawRemarkLine(surface, page.drawRect, rtl);
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

    const QString datePart =
        QStringLiteral(" - ") + YearTitleText(ReportYear(inputs), inputs.language.names);
    surface.selectFont(heading);
    DrawTitleLine(surface, ReportTitleLine(reportKey, datePart, inputs), titleBox,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | Reading(rtl));
    return year;
}

void DrawPortraitRemark(ReportSurface& surface, const ReportPageInfo& page,
                        const ReportInputs& inputs) {
    if (inputs.orientation == PrintOrientation::Landscape)
        return;
    surface.selectFont(YearTextFont(surface));
    DrawRemarkLine(surface, RaisedBottom(surface, page.drawRect, 20), inputs.language.rightToLeft);
}

FramePenScope::FramePenScope(ReportSurface& surface)
    : surface_(surface),
      pen_(surface.selectPen(1)),
      brush_(surface.selectBrush(ReportBrush::Hollow)) {}

FramePenScope::~FramePenScope() {
    surface_.selectBrush(brush_);
    surface_.selectPen(pen_);
}

}  // namespace plx
