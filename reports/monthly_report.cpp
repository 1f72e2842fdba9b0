#include "reports/monthly_report.h"

#include <algorithm>

namespace plx {

int MonthlyTimes::count() const {
    return int{sunrise} + int{sunset} + int{candles} + int{tallit} + int{plag != 0};
}

MonthlyTimes MonthlyTimesOf(const CalculationSettings& settings) {
    return {settings.monthlySunrise != 0, settings.monthlySunset != 0,
            settings.monthlyCandlesMotzash != 0, settings.monthlyTefilin != 0,
            settings.monthlyPlag};
}

TimesOfDayOptions MonthlyOptions(const TimesOfDayOptions& user, const MonthlyTimes& times) {
    TimesOfDayOptions options = user;
    SetAllTimeSwitches(options, false);
    options.sunrise = times.sunrise;
    options.sunset = times.sunset;
    options.candleLighting = times.candles;
    options.motzash = times.candles;
    options.plagHaMinchaGra = times.plag == 1;
    options.plagHaMinchaMaga = times.plag == 2;
    return options;
}

DayPlan PlannedTimeLines(const MonthlyTimes& times, int weekday, DayKind kind) {
    const bool friday = weekday == 6;
    const bool saturday = weekday == 7;
    DayPlan plan{times.count(), false};
    const bool candleDay =
        friday || saturday || kind == DayKind::kEve || kind == DayKind::kRoshHashanaFirst;
    if (times.candles && !candleDay)
        --plan.lines;
    if (times.tallit) {
        const bool noTallit = saturday || (kind == DayKind::kRoshHashanaFirst && !friday);
        plan.tallit = !noTallit;
        if (noTallit)
            --plan.lines;
    }
    return plan;
}

int MonthsPerPage(PrintOrientation orientation) {
    return orientation == PrintOrientation::Landscape ? 1 : 2;
}

std::vector<ReportRect> MonthRects(const ReportRect& drawRect, int monthsPerPage) {
    if (monthsPerPage == 1)
        return {drawRect};
    const std::int32_t half = drawRect.height() / 2;
    return {{drawRect.left, drawRect.top, drawRect.right, drawRect.top + half},
            {drawRect.left, drawRect.bottom - half, drawRect.right, drawRect.bottom}};
}

std::int32_t MonthReferenceHeight(const ReportRect& rect) {
    const double width = rect.width();
    const double height = rect.height();
    // A month wider than 11 by 8 is laid out for the height such a width would have.
    if (height > 0 && width / height > 1.375)
        return static_cast<std::int32_t>(width / 1.375);
    return rect.height();
}

std::vector<YearMonth> MonthsOfPage(const MonthRange& range, int page, int monthsPerPage) {
    const std::int32_t count = MonthCount(range);
    const std::int32_t skipped = std::int32_t{std::max(page, 1) - 1} * monthsPerPage;
    std::vector<YearMonth> months;
    for (std::int32_t i = skipped; i < count && i < skipped + monthsPerPage; ++i)
        months.push_back(MonthsAfter(range.first, i));
    return months;
}

void MonthlyReportSource::beginPrinting(ReportPageInfo& info) {
    const MonthlyRequest request = request_();
    monthCount_ = MonthCount(request.range);
    monthsPerPage_ = MonthsPerPage(request.inputs.orientation);
    // The page numbers are 16 bits wide, the last value meaning "not declared".
    constexpr std::int32_t kLastPage = ReportPageInfo::kUndeclared - 1;
    const std::int32_t pages = (monthCount_ + monthsPerPage_ - 1) / monthsPerPage_;
    info.minPage = 1;
    info.maxPage = static_cast<std::uint16_t>(std::clamp(pages, 1, kLastPage));
}

void MonthlyReportSource::printPage(ReportSurface& surface, const ReportPageInfo& info) {
    const MonthlyRequest request = request_();
    surface.setBackgroundMode(Qt::TransparentMode);
    const std::vector<YearMonth> months =
        MonthsOfPage(request.range, info.currentPage, monthsPerPage_);
    const std::vector<ReportRect> rects = MonthRects(info.drawRect, monthsPerPage_);
    for (std::size_t i = 0; i < months.size() && i < rects.size(); ++i)
        DrawMonth(surface, request.inputs, months[i], rects[i]);
}

}  // namespace plx
