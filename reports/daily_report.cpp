#include "reports/daily_report.h"

#include <algorithm>

#include "app/utf16.h"
#include "engine/numerals.h"
#include "reports/page_frame.h"
#include "reports/report_table.h"
#include "reports/report_times.h"
#include "reports/title_texts.h"

namespace plx {
namespace {

// " - <Hebrew date> dd/mm/yyyy"
QString DailyDatePart(CalendarDate civil, Language names) {
    return QStringLiteral(" - %1 %2/%3/%4")
        .arg(DayTitleText(CivilToHebrew(civil), names), FromUtf16(DecimalText(civil.day, 2)),
             FromUtf16(DecimalText(civil.month, 2)), FromUtf16(DecimalText(civil.year, 4)));
}

}  // namespace

void DrawDailyReport(ReportSurface& surface, const ReportPageInfo& page,
                     const ReportInputs& inputs) {
    const PageFontScope fontScope(surface);
    const auto points = [&surface](float p, Axis axis) { return PointsToUnits(surface, p, axis); };
    const ReportFont titleFont{points(20, Axis::Vertical), ReportFont::kBold};
    const ReportFont headingFont{points(14, Axis::Vertical), ReportFont::kBold};
    const ReportFont remarkFont{points(12, Axis::Vertical), ReportFont::kNormal};
    const bool rtl = inputs.language.rightToLeft;
    const ReportRect& area = page.drawRect;

    DrawPageHead(surface, area, titleFont, headingFont, rtl);
    surface.selectFont(headingFont);
    ReportRect titleRect = area;
    titleRect.top += points(40, Axis::Vertical);
    DrawTitleLine(surface,
                  ReportTitleLine(u"TIMETABLE_DAILY",
                                  DailyDatePart(inputs.civil, inputs.language.names), inputs),
                  titleRect, DT_CENTER | DT_SINGLELINE | Reading(rtl));

    // A band 200 points wide in the middle of the page.
    const std::int32_t halfWidth = area.width() / 2;
    ReportRect band = area;
    band.left = area.left + halfWidth - points(100, Axis::Horizontal);
    band.right = area.right + points(100, Axis::Horizontal) - halfWidth;

    ReportTable table;
    table.begin(surface, rtl, rtl ? band.right : band.left, area.top + points(50, Axis::Vertical),
                {points(160, Axis::Horizontal), points(40, Axis::Horizontal)});
    table.endRow();  // the list starts one row down
    for (const ReportTime& time : ReportTimes(inputs.civil, inputs)) {
        table.addCell(time.label, true);
        table.addCell(time.time, true);
        table.endRow();
    }

    band.top = table.cursorY + 3 * table.currentRowHeight();
    ReportRect information = band;
    surface.drawText(inputs.informationText, information,
                     DT_CALCRECT | (rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
    // Lines longer than the band would run off the paper: the block moves back onto the page.
    const std::int32_t overflow =
        std::min(information.right - area.right, information.left - area.left);
    if (overflow > 0) {
        information.left -= overflow;
        information.right -= overflow;
    }
    surface.drawText(inputs.informationText, information, ReadingSide(rtl));

    surface.selectFont(remarkFont);
    DrawRemarkLine(surface, RaisedBottom(surface, area, 20), rtl);
}

}  // namespace plx
