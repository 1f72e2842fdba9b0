// The monthly report: a range of Hebrew months as month calendars, two to a portrait page (the
// upper and the lower half) or one to a landscape page. Every length of a month follows from one
// reference length of its rectangle; each day cell carries the Hebrew and the civil day, the
// day's events, the portion on Sabbaths and the times the report's choices name.
#pragma once

#include <functional>
#include <vector>

#include "astro/halachic_times.h"
#include "reports/month_range.h"
#include "reports/report_inputs.h"
#include "reports/report_source.h"
#include "reports/report_surface.h"

namespace plx {

// The report's choice of times, from the monthly fields of the settings.
struct MonthlyTimes {
    bool sunrise = false;
    bool sunset = false;
    bool candles = false;  // candle lighting and the end of the Sabbath
    bool tallit = false;
    int plag = 0;  // 0 none, 1 Gra, 2 Maga

    // How many of the six choices are ticked (the two plag choices exclude each other).
    int count() const;
};
MonthlyTimes MonthlyTimesOf(const CalculationSettings& settings);

// The times switched on for a day of the report: every switch of the user's options off, their
// definitions kept, then the chosen times on; the tallit time per day (see PlannedTimeLines).
TimesOfDayOptions MonthlyOptions(const TimesOfDayOptions& user, const MonthlyTimes& times);

// The lines of times a day plans for, which decide between one and two label-and-time columns
// pairs: the candle line only on a Friday, a Saturday, a festival eve or the first day of Rosh
// Hashana; no tallit line on a Saturday or (but on a Friday) on the first day of Rosh Hashana.
struct DayPlan {
    int lines = 0;
    bool tallit = false;
};
DayPlan PlannedTimeLines(const MonthlyTimes& times, int weekday, DayKind kind);

// One month a page on landscape paper, two on portrait paper.
int MonthsPerPage(PrintOrientation orientation);
// The rectangles of the months of a page in the page's drawing area: all of it for one month; for
// two, the upper and the lower half, both of the same integer height.
std::vector<ReportRect> MonthRects(const ReportRect& drawRect, int monthsPerPage);
// The reference length every size of a month derives from.
std::int32_t MonthReferenceHeight(const ReportRect& rect);

// Draws one month into `rect`.
void DrawMonth(ReportSurface& surface, const ReportInputs& inputs, YearMonth month,
               const ReportRect& rect);

// What a monthly report draws from: the common inputs (their monthly fields are the choices of
// times) and the range of months.
struct MonthlyRequest {
    ReportInputs inputs;
    MonthRange range;
};

// The months of page `page` (from 1): the months of earlier pages skipped, then as many as a page
// holds, until the range ends.
std::vector<YearMonth> MonthsOfPage(const MonthRange& range, int page, int monthsPerPage);

// The monthly report as a report source: the owner hands over its current request at every call,
// so the pages follow the owner's fields as they are when each page is drawn.
class MonthlyReportSource final : public ReportSource {
public:
    explicit MonthlyReportSource(std::function<MonthlyRequest()> request)
        : request_(std::move(request)) {}

    // Counts the months and fixes how many go on a page, by the request's orientation.
    void beginPrinting(ReportPageInfo& info) override;
    void printPage(ReportSurface& surface, const ReportPageInfo& info) override;

    std::int32_t monthCount() const { return monthCount_; }
    int monthsPerPage() const { return monthsPerPage_; }

private:
    std::function<MonthlyRequest()> request_;
    std::int32_t monthCount_ = 1;
    int monthsPerPage_ = 1;
};

}  // namespace plx
