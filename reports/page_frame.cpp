#include "reports/page_frame.h"

#include <algorithm>
#include <cstdint>

#include "app/language.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/time_zones.h"

namespace plx {

void DrawPageHead(ReportSurface& surface, const ReportRect& rect, const ReportFont& titleFont,
                  const ReportFont& headingFont, bool rtl) {
    surface.selectFont(headingFont);
    ReportRect area = rect;
    surface.drawText(LookupString(u"Global", u"BASAD"), area, ReadingSide(rtl));
    surface.selectFont(titleFont);
    area = rect;
    surface.drawText(LookupString(u"Plx", u"PLX"), area, DT_CENTER | DT_SINGLELINE | Reading(rtl));
}

namespace {

// The manual switch as it stands; automatic where the place has a zone the system knows, else
// standard time, which is what the automatic mode then falls back to.
std::u16string_view DaylightRemarkKey(const ReportInputs& inputs) {
    if (!inputs.settings.daylightAuto)
        return inputs.settings.daylightOn ? u"REPORT_DSC" : u"REPORT_NODSC";
    const DateClock clock =
        ClockOnDate(inputs.civil, inputs.place, inputs.settings, SystemZoneOffset);
    return clock.source == ClockSource::kZone ? u"REPORT_AUTODSC" : u"REPORT_NODSC";
}

}  // namespace

QString ReportTitleLine(QStringView reportKey, const QString& datePart,
                        const ReportInputs& inputs) {
    QString line = LookupString(u"Plx", reportKey) + datePart;
    const QString remark = LookupString(u"Plx", FromUtf16(DaylightRemarkKey(inputs))).trimmed();
    if (!remark.isEmpty())
        line += QStringLiteral(" - ") + remark;
    return line + QStringLiteral(" - ") +
           FromUtf16(LocationListText(inputs.place, inputs.language.names));
}

ReportFont FittingFont(ReportSurface& surface, const QString& line, std::int32_t room) {
    const ReportFont font = surface.currentFont();
    ReportFont fitting = font;
    for (std::int32_t width = surface.textExtent(line).width;
         width > room && room > 0 && fitting.height > 1; width = surface.textExtent(line).width) {
        const auto scaled = static_cast<std::int32_t>(std::int64_t{fitting.height} * room / width);
        fitting.height = std::max(1, std::min(scaled, fitting.height - 1));
        surface.selectFont(fitting);
    }
    surface.selectFont(font);
    return fitting;
}

void DrawTitleLine(ReportSurface& surface, const QString& line, ReportRect rect, TextFlags flags) {
    const ReportFont font = surface.selectFont(FittingFont(surface, line, rect.width()));
    surface.drawText(line, rect, flags);
    surface.selectFont(font);
}

ReportRect RaisedBottom(const ReportSurface& surface, ReportRect rect, float points) {
    rect.bottom -= PointsToUnits(surface, points, Axis::Vertical);
    return rect;
}

void DrawRemarkLine(ReportSurface& surface, ReportRect rect, bool rtl) {
    surface.drawText(LookupString(u"Plx", u"CALRIFY_DOUBTS"), rect,
                     DT_CENTER | DT_SINGLELINE | DT_BOTTOM | Reading(rtl));
}

}  // namespace plx
