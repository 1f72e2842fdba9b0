#include "cli/monthly_options.h"

namespace plx::cli {

CalendarDate DateArgument(const Invocation& call, const QString& text) {
    return call.parser.isSet(QStringLiteral("hebrew")) ? HebrewToCivil(ParseHebrewDate(text))
                                                       : ParseCivilDate(text);
}

MonthRange MonthlyRange(const Invocation& call) {
    const QStringList& args = call.positionals;
    const CalendarDate first = args.size() > 1 ? DateArgument(call, args[1]) : CurrentCivilDate();
    const CalendarDate last = args.size() > 2 ? DateArgument(call, args[2]) : first;
    const CalendarDate from = CivilToHebrew(first);
    const CalendarDate to = CivilToHebrew(last);
    return {{from.year, from.month}, {to.year, to.month}};
}

void ApplyMonthlyTimes(const Invocation& call, CalculationSettings& settings) {
    const auto isSet = [&call](const char* name) { return call.parser.isSet(QLatin1String(name)); };
    if (!isSet("sunrise") && !isSet("sunset") && !isSet("candles-motzash") && !isSet("tallit") &&
        !isSet("plag")) {
        return;
    }
    settings.monthlySunrise = isSet("sunrise");
    settings.monthlySunset = isSet("sunset");
    settings.monthlyCandlesMotzash = isSet("candles-motzash");
    settings.monthlyTefilin = isSet("tallit");
    settings.monthlyPlag = 0;
    if (isSet("plag")) {
        const QString plag = call.parser.value(QStringLiteral("plag")).toLower();
        if (plag == QLatin1String("gra"))
            settings.monthlyPlag = 1;
        else if (plag == QLatin1String("maga"))
            settings.monthlyPlag = 2;
        else
            throw UsageError{QStringLiteral("invalid --plag '%1': expected gra or maga").arg(plag)};
    }
}

void ExpectPrintableSpan(const Invocation& call, const MonthRange& range,
                         PrintOrientation orientation) {
    if (MonthBefore(range.last, range.first))
        throw UsageError{QStringLiteral("report monthly: END is before DATE")};
    // Page numbers are 16 bits wide, the last value meaning "none declared".
    constexpr std::int32_t kMostPages = ReportPageInfo::kUndeclared - 1;
    const std::int32_t perPage = MonthsPerPage(orientation);
    const std::int32_t pages = (MonthCount(range) + perPage - 1) / perPage;
    if (pages > kMostPages) {
        throw UsageError{QStringLiteral("report monthly: the span takes %1 pages; a report holds "
                                        "at most %2")
                             .arg(pages)
                             .arg(kMostPages)};
    }
    if (range.last.year - range.first.year >= kLongestPlainSpanYears &&
        !call.parser.isSet(QStringLiteral("force"))) {
        throw UsageError{QStringLiteral("report monthly: the span reaches over %1 Hebrew years; "
                                        "add --force to print it all")
                             .arg(kLongestPlainSpanYears)};
    }
}

std::unique_ptr<ReportSource> MonthlyReport(const Invocation& call, const ReportInputs& inputs) {
    MonthlyRequest request{inputs, MonthlyRange(call)};
    ExpectPrintableSpan(call, request.range, inputs.orientation);
    ApplyMonthlyTimes(call, request.inputs.settings);
    return std::make_unique<MonthlyReportSource>([request] { return request; });
}

}  // namespace plx::cli
