#include <QJsonDocument>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/day_events_record.h"
#include "cli/day_record.h"

namespace plx::cli {
namespace {

QString LanguageCode(const Invocation& call) {
    return call.parser.value(QStringLiteral("lang"));
}

// One JSON object per day; without --json one line per day, and for a single day the
// information text below it.
void Print(const Invocation& call, CalendarDate civil, bool withInformation) {
    if (WantsJson(call)) {
        QJsonObject record = DayRecord(civil, TextLanguage(call));
        AddEventFields(record, civil, TextLanguage(call), LanguageCode(call));
        call.out << QJsonDocument(record).toJson(QJsonDocument::Compact) << '\n';
    } else {
        call.out << DayLine(civil) << '\n';
        if (withInformation)
            call.out << InformationLines(civil, LanguageCode(call)) << '\n';
    }
}

}  // namespace

int RunDay(const Invocation& call) {
    ExpectArguments(call, 0, 1, "day [DATE] [--hebrew] [--json] [--lang CODE]");
    CalendarDate civil = CurrentCivilDate();
    if (!call.positionals.isEmpty()) {
        const QString& text = call.positionals.first();
        civil = call.parser.isSet(QStringLiteral("hebrew")) ? HebrewToCivil(ParseHebrewDate(text))
                                                            : ParseCivilDate(text);
    }
    Print(call, civil, true);
    return 0;
}

int RunRange(const Invocation& call) {
    ExpectArguments(call, 2, 2, "range START END [--json] [--lang CODE]");
    const CalendarDate start = ParseCivilDate(call.positionals[0]);
    const CalendarDate end = ParseCivilDate(call.positionals[1]);
    const DayNumber last = CivilToDayNumber(end);
    if (last < CivilToDayNumber(start))
        throw UsageError{QStringLiteral("range: END is before START")};
    for (CalendarDate day = start;; day = NextCivilDay(day)) {
        Print(call, day, false);
        if (CivilToDayNumber(day) >= last)
            break;
    }
    return 0;
}

}  // namespace plx::cli
