// plxcal anniversary: the days a birthday or a yahrzeit is kept over a span of Hebrew years.
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/day_record.h"
#include "engine/personal_dates.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "anniversary birthday|yahrzeit DATE [--hebrew] [--after-sunset] --years FROM TO "
    "[--adar first|second|both] [--json]";
// A span longer than a lifetime many times over is a typing mistake, not a question.
constexpr int kMostYearsApart = 1999;

PersonalKind KindOf(const QString& word) {
    if (word == QLatin1String("birthday"))
        return PersonalKind::Birthday;
    if (word == QLatin1String("yahrzeit"))
        return PersonalKind::Yahrzeit;
    throw UsageError{
        QStringLiteral("anniversary: the kind is birthday or yahrzeit, not '%1'").arg(word)};
}

AdarChoice AdarOf(const Invocation& call, PersonalKind kind) {
    const QString option = QStringLiteral("adar");
    if (!call.parser.isSet(option))
        return AdarChoice::AdarI;
    if (kind != PersonalKind::Yahrzeit)
        throw UsageError{QStringLiteral("anniversary: --adar is for yahrzeits only")};
    const QString value = call.parser.value(option);
    if (value == QLatin1String("first"))
        return AdarChoice::AdarI;
    if (value == QLatin1String("second"))
        return AdarChoice::AdarII;
    if (value == QLatin1String("both"))
        return AdarChoice::Both;
    throw UsageError{
        QStringLiteral("anniversary: --adar is first, second or both, not '%1'").arg(value)};
}

std::int32_t YearOf(const QString& text) {
    bool ok = false;
    const int year = text.toInt(&ok);
    if (!ok || year < kFirstHebrewYear || year > kLastHebrewYear) {
        throw UsageError{
            QStringLiteral("anniversary: the Hebrew year '%1' is outside 1 .. 110999").arg(text)};
    }
    return year;
}

struct YearSpan {
    std::int32_t first;
    std::int32_t last;
};

YearSpan YearsOf(const Invocation& call) {
    const QStringList years = call.parser.values(QStringLiteral("years"));
    if (years.size() != 2)
        throw UsageError{QStringLiteral("anniversary: --years takes two Hebrew years, FROM TO")};
    const YearSpan span{YearOf(years[0]), YearOf(years[1])};
    if (span.last < span.first)
        throw UsageError{QStringLiteral("anniversary: TO is before FROM")};
    if (span.last - span.first > kMostYearsApart) {
        throw UsageError{QStringLiteral("anniversary: FROM and TO are %1 or more years apart")
                             .arg(kMostYearsApart + 1)};
    }
    return span;
}

// The event's Hebrew date: as typed with --hebrew, else from its civil date and the evening.
CalendarDate EventDate(const Invocation& call) {
    const EnteredDate entered = ParseEnteredDate(call, call.positionals[1], "anniversary");
    return entered.hebrew ? entered.date : PersonalHebrewDate(entered.date, entered.afterSunset);
}

}  // namespace

int RunAnniversary(const Invocation& call) {
    ExpectArguments(call, 2, 2, kUsage);
    const PersonalKind kind = KindOf(call.positionals[0]);
    const AdarChoice adar = AdarOf(call, kind);
    const CalendarDate event = EventDate(call);
    const YearSpan years = YearsOf(call);

    JsonWriter json(call.out);
    const bool wantsJson = WantsJson(call);
    for (std::int32_t year = years.first; year <= years.last; ++year) {
        for (const DayNumber day : PersonalObservances(kind, event, year, adar)) {
            const CalendarDate hebrew = DayNumberToHebrew(day);
            const CalendarDate civil = DayNumberToCivil(day);
            if (wantsJson) {
                json.StartObject();
                json.Key("civil");
                WriteDate(json, civil);
                json.Key("hebrew");
                WriteDate(json, hebrew);
                json.Field("hebrewYear", int{year});
                json.EndObject();
                json.EndRecord();
            } else {
                call.out << QStringLiteral("%1  Hebrew %2  civil %3\n")
                                .arg(year)
                                .arg(IsoDate(hebrew), IsoDate(civil));
            }
        }
    }
    return 0;
}

}  // namespace plx::cli
