// What `plxcal report monthly` takes from its command line: the range of Hebrew months and the
// times to print, over the monthly choices the program keeps.
#pragma once

#include <memory>

#include "cli/command.h"
#include "reports/monthly_report.h"

namespace plx::cli {

// A date argument: civil, or Hebrew with --hebrew.
CalendarDate DateArgument(const Invocation& call, const QString& text);

// The months from the one holding DATE (positional 1, default today) to the one holding END
// (positional 2, default DATE).
MonthRange MonthlyRange(const Invocation& call);

// A span whose last Hebrew year is this many after its first is printed only with --force: a
// report of centuries is far more likely a slip than a wish, and takes minutes and gigabytes.
inline constexpr std::int32_t kLongestPlainSpanYears = 100;

// Throws unless the months run forward, fit the pages a report can number, and (without --force)
// span less than kLongestPlainSpanYears: all before anything is drawn.
void ExpectPrintableSpan(const Invocation& call, const MonthRange& range,
                         PrintOrientation orientation);

// With any of --sunrise, --sunset, --candles-motzash, --tallit, --plag gra|maga, exactly those
// times; without them, the saved choices.
void ApplyMonthlyTimes(const Invocation& call, CalculationSettings& settings);

// The monthly report of the command line's range, drawn from `inputs`.
std::unique_ptr<ReportSource> MonthlyReport(const Invocation& call, const ReportInputs& inputs);

}  // namespace plx::cli
