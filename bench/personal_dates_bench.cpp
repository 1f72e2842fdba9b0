// Speed of the personal dates the month grid and the reports look up: the days a long list of
// dates is observed over a year and over the six weeks of a month grid, and the list read from
// the store.
#include <benchmark/benchmark.h>

#include "app/stored_personal_dates.h"
#include "engine/calendar.h"

namespace plx {
namespace {

constexpr int kDates = 1000;

// Dates of every kind, both calendars and the hard months: Adar in common and leap years, 30
// Heshvan and Kislev, civil dates in the evening.
PersonalDateList ManyDates() {
    PersonalDateList dates;
    for (int i = 0; i < kDates; ++i) {
        PersonalDate date;
        date.key = i + 1;
        date.name = u"Name " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        date.kind = static_cast<PersonalKind>(i % 4);
        const DayNumber day = HebrewToDayNumber(5600 + i % 180, 1, 1) + (i * 37) % 354;
        date.hebrewCalendar = i % 3 != 0;
        date.date = date.hebrewCalendar ? DayNumberToHebrew(day) : DayNumberToCivil(day);
        date.afterSunset = !date.hebrewCalendar && i % 2 == 0;
        dates.push_back(std::move(date));
    }
    return dates;
}

// A civil year: two Hebrew years' observances.
void BM_PersonalObservancesOfAYear(benchmark::State& state) {
    const PersonalDateList dates = ManyDates();
    const DayNumber first = CivilToDayNumber({1, 1, 2025});
    const DayNumber last = CivilToDayNumber({31, 12, 2025});
    for (auto _ : state) {
        const auto found = PersonalObservancesBetween(dates, AdarChoice::Both, first, last);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_PersonalObservancesOfAYear)->Unit(benchmark::kMicrosecond);

// The grid's refill: six weeks around a month.
void BM_PersonalObservancesOfAMonthGrid(benchmark::State& state) {
    const PersonalDateList dates = ManyDates();
    const DayNumber first = CivilToDayNumber({28, 8, 2025});
    for (auto _ : state) {
        const auto found = PersonalObservancesBetween(dates, AdarChoice::AdarI, first, first + 41);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_PersonalObservancesOfAMonthGrid)->Unit(benchmark::kMicrosecond);

void BM_LoadPersonalDates(benchmark::State& state) {
    MemorySettingsStore store;
    for (const PersonalDate& date : ManyDates())
        AddStoredPersonalDate(store, date);
    for (auto _ : state) {
        const PersonalDateList loaded = LoadPersonalDates(store);
        benchmark::DoNotOptimize(loaded.data());
    }
}
BENCHMARK(BM_LoadPersonalDates)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plx
