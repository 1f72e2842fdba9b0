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
    const FontScope pageFont(surface);
    const auto points = [&surface](float p, Axis axis) { return PointsToUnits(surface, p, axis); };
    const ReportFont titleFont{points(20, Axis::Vertical), QFont::Bold};
    const ReportFont headingFont{points(14, Axis::Vertical), QFont::Bold};
    const ReportFont remarkFont{points(12, Axis::Vertical), QFont::Normal};
    const bool rtl = inputs.language.rightToLeft;
    const ReportRect& area = page.drawRect;

    DrawPageHead(surface, area, titleFont, headingFont, inputs.language);
    surface.setFont(headingFont);
    ReportRect titleRect = area;
    titleRect.top += points(40, Axis::Vertical);
    DrawTitleLine(surface,
                  ReportTitleLine(inputs.language.texts.dailyTitle,
                                  DailyDatePart(inputs.civil, inputs.language.names), inputs),
                  titleRect, TextOption::AlignHCenter | TextOption::SingleLine | Reading(rtl));

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
    ReportRect information = surface.boundingRect(inputs.informationText, band, ReadingSide(rtl));
    // Lines longer than the band would run off the paper: the block moves back onto the page.
    const std::int32_t overflow =
        std::min(information.right - area.right, information.left - area.left);
    if (overflow > 0) {
        information.left -= overflow;
        information.right -= overflow;
    }
    surface.drawText(inputs.informationText, information, ReadingSide(rtl));

    surface.setFont(remarkFont);
    DrawRemarkLine(surface, RaisedBottom(surface, area, 20), inputs.language);
}

}  // namespace plx
