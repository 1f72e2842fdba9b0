#include <optional>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/day_record.h"

namespace plx::cli {
namespace {

// The names of the personal dates observed on a day.
std::vector<std::u16string> PersonalNames(PersonalObservanceWalk& walk, DayNumber day) {
    std::vector<std::u16string> names;
    for (const PersonalObservance& o : walk.On(day))
        names.push_back(walk.Dates()[o.index].name);
    return names;
}

// One JSON object per day; without --json one line per day, and for a single day the
// information text below it.
class DayPrinter {
public:
    explicit DayPrinter(const Invocation& call)
        : call_(call),
          json_(call.out),
          wantsJson_(WantsJson(call)),
          language_(TextLanguage(call)),
          languageCode_(call.parser.value(QStringLiteral("lang")).toStdU16String()) {
        if (wantsJson_) {
            StoredPersonalDates stored = ReadStoredPersonalDates();
            personal_.emplace(std::move(stored.dates), stored.adar);
        }
    }

    void Print(CalendarDate civil, bool withInformation) {
        const DayFacts day = FactsOfCivilDay(civil);
        if (wantsJson_) {
            WriteDayRecord(json_, day, language_, languageCode_,
                           PersonalNames(*personal_, day.number));
            json_.EndRecord();
        } else {
            call_.out << DayLine(day) << '\n';
            if (withInformation)
                call_.out << InformationLines(day, languageCode_) << '\n';
        }
    }

private:
    const Invocation& call_;
    JsonWriter json_;
    bool wantsJson_;
    Language language_;
    std::u16string languageCode_;
    std::optional<PersonalObservanceWalk> personal_;  // for the JSON records
};

}  // namespace

int RunDay(const Invocation& call) {
    ExpectArguments(call, 0, 1, "day [DATE] [--hebrew] [--json] [--lang CODE]");
    CalendarDate civil = CurrentCivilDate();
    if (!call.positionals.isEmpty()) {
        const QString& text = call.positionals.first();
        civil = call.parser.isSet(QStringLiteral("hebrew")) ? HebrewToCivil(ParseHebrewDate(text))
                                                            : ParseCivilDate(text);
    }
    DayPrinter(call).Print(civil, true);
    return 0;
}

int RunRange(const Invocation& call) {
    ExpectArguments(call, 2, 2, "range START END [--json] [--lang CODE]");
    const CalendarDate start = ParseCivilDate(call.positionals[0]);
    const CalendarDate end = ParseCivilDate(call.positionals[1]);
    const DayNumber last = CivilToDayNumber(end);
    if (last < CivilToDayNumber(start))
        throw UsageError{QStringLiteral("range: END is before START")};
    DayPrinter printer(call);
    for (CalendarDate day = start;; day = NextCivilDay(day)) {
        printer.Print(day, false);
        if (CivilToDayNumber(day) >= last)
            break;
    }
    return 0;
}

}  // namespace plx::cli
