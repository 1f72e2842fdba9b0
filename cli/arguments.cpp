#include "cli/arguments.h"

#include <QRegularExpression>

namespace plx::cli {
namespace {

struct DateFields {
    qint64 year;
    int month;
    int day;
};

DateFields SplitDate(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(^(-?\d{1,7})-(\d{1,2})-(\d{1,2})$)"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        throw UsageError{QStringLiteral("invalid date '%1': expected YEAR-MM-DD").arg(text)};
    }
    return {match.captured(1).toLongLong(), match.captured(2).toInt(), match.captured(3).toInt()};
}

CalendarDate Make(const DateFields& f) {
    return {static_cast<std::uint8_t>(f.day), static_cast<std::uint8_t>(f.month),
            static_cast<std::int32_t>(f.year)};
}

// The month's length in the calendar in force that year, ignoring where the supported range
// ends, so that a day past the range's end is reported as out of range, not as missing.
int CivilMonthLengthOfYear(std::int32_t year, int month) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month - 1] + (month == 2 ? IsCivilLeapYear(year) : 0);
}

struct SplitArguments {
    QStringList options;  // with their values
    QStringList positionals;
};

// The arguments after the program's name: the options, each with its value, apart from the
// positional arguments.
SplitArguments Split(const QStringList& arguments, const QStringList& valueOptions) {
    static const QRegularExpression optionLike(QStringLiteral(R"(^--?[A-Za-z])"));
    SplitArguments split;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--")) {
            split.positionals += arguments.mid(i + 1);
            break;
        }
        if (!optionLike.match(arg).hasMatch()) {
            split.positionals << arg;
            continue;
        }
        split.options << arg;
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        if (!name.contains(QLatin1Char('=')) && valueOptions.contains(name) &&
            i + 1 < arguments.size()) {
            split.options << arguments[++i];
        }
    }
    return split;
}

}  // namespace

CalendarDate ParseCivilDate(const QString& text) {
    const DateFields f = SplitDate(text);
    if (f.year == 0)
        throw UsageError{QStringLiteral("invalid date '%1': there is no year 0").arg(text)};
    if (f.month < 1 || f.month > 12) {
        throw UsageError{QStringLiteral("invalid date '%1': month %2 is outside 1 .. 12")
                             .arg(text)
                             .arg(f.month)};
    }
    const QString outside =
        QStringLiteral("date '%1' is outside 7 October -3761 .. 19 December 107240").arg(text);
    if (f.year < kFirstCivilYear || f.year > kLastCivilYear)
        throw UsageError{outside};
    const CalendarDate date = Make(f);
    if (f.day < 1 || f.day > CivilMonthLengthOfYear(date.year, date.month)) {
        throw UsageError{QStringLiteral("invalid date '%1': no such day in that month").arg(text)};
    }
    if (date.year == 1582 && date.month == 10 && date.day >= 5 && date.day <= 14) {
        throw UsageError{
            QStringLiteral(
                "invalid date '%1': 5-14 October 1582 were skipped by the calendar reform")
                .arg(text)};
    }
    const bool beforeFirst =
        date.year == kFirstCivilYear && (date.month < 10 || (date.month == 10 && date.day < 7));
    const bool afterLast = date.year == kLastCivilYear && date.month == 12 && date.day > 19;
    if (beforeFirst || afterLast)
        throw UsageError{outside};
    return date;
}

CalendarDate ParseHebrewDate(const QString& text) {
    const DateFields f = SplitDate(text);
    if (f.year < kFirstHebrewYear || f.year > kLastHebrewYear) {
        throw UsageError{QStringLiteral("Hebrew year in '%1' is outside 1 .. 110999").arg(text)};
    }
    const auto year = static_cast<std::int32_t>(f.year);
    const int months = 12 + IsHebrewLeapYear(year);
    if (f.month < 1 || f.month > months) {
        throw UsageError{
            QStringLiteral("invalid Hebrew date '%1': year %2 has months 1 .. %3 (Tishrei = 1)")
                .arg(text)
                .arg(year)
                .arg(months)};
    }
    if (f.day < 1 || f.day > HebrewMonthLength(year, f.month)) {
        throw UsageError{
            QStringLiteral("invalid Hebrew date '%1': no such day in that month").arg(text)};
    }
    return Make(f);
}

QStringList ProtectPositionals(const QStringList& arguments, const QStringList& valueOptions) {
    const SplitArguments split = Split(arguments, valueOptions);
    QStringList result{arguments.value(0)};
    result << split.options << QStringLiteral("--") << split.positionals;
    return result;
}

QString FirstPositional(const QStringList& arguments, const QStringList& valueOptions) {
    return Split(arguments, valueOptions).positionals.value(0);
}

}  // namespace plx::cli
