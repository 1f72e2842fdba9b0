#include <algorithm>
#include <optional>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/day_record.h"

namespace plx::cli {
namespace {

// The names of the personal dates observed on each day, from the list read once; the days asked
// for go forward, so the observances are found a Hebrew year at a time.
class PersonalNames {
public:
    explicit PersonalNames(StoredPersonalDates stored) : stored_(std::move(stored)) {}

    std::vector<std::u16string> On(const DayFacts& day) {
        if (day.hebrew.year != year_) {
            year_ = day.hebrew.year;
            const DayNumber first = HebrewToDayNumber(year_, 1, 1);
            observances_ = PersonalObservancesBetween(stored_.dates, stored_.adar, first,
                                                      first + YearLength(day.year) - 1);
        }
        const auto [from, to] = std::equal_range(
            observances_.begin(), observances_.end(), PersonalObservance{day.number},
            [](const PersonalObservance& a, const PersonalObservance& b) { return a.day < b.day; });
        std::vector<std::u16string> names;
        for (auto o = from; o != to; ++o)
            names.push_back(stored_.dates[o->index].name);
        return names;
    }

private:
    StoredPersonalDates stored_;
    std::int32_t year_ = 0;
    std::vector<PersonalObservance> observances_;
};

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
        if (wantsJson_)
            personal_.emplace(ReadStoredPersonalDates());
    }

    void Print(CalendarDate civil, bool withInformation) {
        const DayFacts day = FactsOfCivilDay(civil);
        if (wantsJson_) {
            WriteDayRecord(json_, day, language_, languageCode_, personal_->On(day));
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
    std::optional<PersonalNames> personal_;  // for the JSON records
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
