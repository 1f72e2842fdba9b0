#include "reports/page_frame.h"

#include <algorithm>
#include <cstdint>

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/time_zones.h"

namespace plx {

void DrawPageHead(ReportSurface& surface, const ReportRect& rect, const ReportFont& titleFont,
                  const ReportFont& headingFont, const ReportLanguage& language) {
    const bool rtl = language.rightToLeft;
    surface.setFont(headingFont);
    surface.drawText(language.texts.cornerMark, rect, ReadingSide(rtl));
    surface.setFont(titleFont);
    surface.drawText(language.texts.programTitle, rect,
                     TextOption::AlignHCenter | TextOption::SingleLine | Reading(rtl));
}

namespace {

// The manual switch as it stands; automatic where the place has a zone the system knows, else
// standard time, which is what the automatic mode then falls back to.
const QString& DaylightRemark(const ReportInputs& inputs) {
    const ReportTexts& texts = inputs.language.texts;
    if (!inputs.settings.daylightAuto)
        return inputs.settings.daylightOn ? texts.daylightSaving : texts.standardTime;
    const DateClock clock =
        ClockOnDate(inputs.civil, inputs.place, inputs.settings, SystemZoneOffset);
    return clock.source == ClockSource::kZone ? texts.automaticDaylightSaving : texts.standardTime;
}

}  // namespace

QString ReportTitleLine(const QString& reportName, const QString& datePart,
                        const ReportInputs& inputs) {
    QString line = reportName + datePart;
    const QString remark = DaylightRemark(inputs).trimmed();
    if (!remark.isEmpty())
        line += QStringLiteral(" - ") + remark;
    if (inputs.settings.times.solarCalculation == SolarCalculation::Precise)
        line += QStringLiteral(" - ") + inputs.language.texts.preciseSun;
    return line + QStringLiteral(" - ") +
           FromUtf16(LocationListText(inputs.place, inputs.language.names));
}

ReportFont FittingFont(ReportSurface& surface, const QString& line, std::int32_t room) {
    const FontScope scope(surface);
    ReportFont fitting = surface.font();
    for (std::int32_t width = surface.textExtent(line).width;
         width > room && room > 0 && fitting.height > 1; width = surface.textExtent(line).width) {
        const auto scaled = static_cast<std::int32_t>(std::int64_t{fitting.height} * room / width);
        fitting.height = std::max(1, std::min(scaled, fitting.height - 1));
        surface.setFont(fitting);
    }
    return fitting;
}

void DrawTitleLine(ReportSurface& surface, const QString& line, const ReportRect& rect,
                   TextOptions options) {
    const FontScope fitting(surface, FittingFont(surface, line, rect.width()));
    surface.drawText(line, rect, options);
}

void DrawTitleBand(ReportSurface& surface, const QString& line, const ReportRect& band, bool rtl) {
    DrawTitleLine(surface, line, band,
                  TextOption::AlignHCenter | TextOption::AlignVCenter | TextOption::SingleLine |
                      Reading(rtl));
}

ReportRect RaisedBottom(const ReportSurface& surface, ReportRect rect, float points) {
    rect.bottom -= PointsToUnits(surface, points, Axis::Vertical);
    return rect;
}

void DrawRemarkLine(ReportSurface& surface, const ReportRect& rect,
                    const ReportLanguage& language) {
    surface.drawText(language.texts.remark, rect,
                     TextOption::AlignHCenter | TextOption::SingleLine | TextOption::AlignBottom |
                         Reading(language.rightToLeft));
}

}  // namespace plx
