// The yearly report: a row for every Sabbath of the Hebrew year of the current date, from the
// first Friday on or after Rosh Hashana to the last Friday of the year, with the Friday's date,
// the week's portion (and the new month's molad on the Sabbaths that bless it), candle lighting
// and sunset on the Friday, and the end of the Sabbath and Rabbeinu Tam's nightfall on the
// Saturday. One page, laid out for portrait.
#pragma once

#include <QString>

#include <vector>

#include "astro/times_options.h"
#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

struct SabbathRow {
    CalendarDate friday;  // Hebrew
    QString date;         // "ו תשרי" or "Tishrei 6th"
    QString portion;      // with the announcement of the new month when the Sabbath blesses it
    bool blessesMonth = false;
    QString candleLighting;  // the Friday's; empty when the calculator gives none
    QString sunset;
    QString sabbathEnds;  // the Saturday's
    QString rabbeinuTam;
};

// The user's definitions of the times with only candle lighting and the end of the Sabbath
// switched on.
TimesOfDayOptions SabbathOptions(const TimesOfDayOptions& user);

// The rows of the year, Friday by Friday. The last Friday's Saturday may be the next Rosh
// Hashana; its times are shown all the same.
std::vector<SabbathRow> SabbathRows(const ReportInputs& inputs);

void DrawYearlyReport(ReportSurface& surface, const ReportPageInfo& page,
                      const ReportInputs& inputs);

}  // namespace plx
