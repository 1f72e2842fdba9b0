// The frame of text every report page carries: the corner mark and the program's title at the
// top, the report's title line, and the remark line at the bottom. Texts come from the report's
// language; a right-to-left report mirrors its alignments and reads right to left.
#pragma once

#include <QString>

#include "reports/report_inputs.h"
#include "reports/report_surface.h"

namespace plx {

// Right-to-left reading in a right-to-left report, nothing otherwise.
inline TextOptions Reading(bool rtl) {
    return rtl ? TextOptions(TextOption::RightToLeft) : TextOptions();
}
// Lines that start on the reading side.
inline TextOptions ReadingSide(bool rtl) {
    return rtl ? TextOption::AlignRight | TextOption::RightToLeft
               : TextOptions(TextOption::AlignLeft);
}

// The corner mark in the heading font, on the reading side of the top edge of `rect`, and the
// program's title in the title font at the top centre. Leaves the title font selected.
void DrawPageHead(ReportSurface& surface, const ReportRect& rect, const ReportFont& titleFont,
                  const ReportFont& headingFont, const ReportLanguage& language);

// The report's name, the date part as given (" - ..."), the daylight-saving remark when it has
// any text, and " - <place> (<candle minutes>)".
QString ReportTitleLine(const QString& reportName, const QString& datePart,
                        const ReportInputs& inputs);

// The current font, or one of its weight just small enough for `line` to fit `room` units.
ReportFont FittingFont(ReportSurface& surface, const QString& line, std::int32_t room);

// The title line in the current font as one line by `options`. A line wider than `rect` is drawn
// in a font just small enough to fit, rather than be cut at both ends.
void DrawTitleLine(ReportSurface& surface, const QString& line, const ReportRect& rect,
                   TextOptions options);

// The title line centred in `band` both ways, by the reading direction.
void DrawTitleBand(ReportSurface& surface, const QString& line, const ReportRect& band, bool rtl);

// `rect` with its bottom raised by `points`.
ReportRect RaisedBottom(const ReportSurface& surface, ReportRect rect, float points);
// The closing remark, one centred line on the bottom edge of `rect`, in the current font.
void DrawRemarkLine(ReportSurface& surface, const ReportRect& rect, const ReportLanguage& language);

}  // namespace plx
