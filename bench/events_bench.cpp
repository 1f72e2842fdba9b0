// Speed of what the month view and the main window ask for every shown day: the event list, the
// highlight and the weekly portion of a day, and the day-and-year information text.
#include <benchmark/benchmark.h>

#include "engine/events.h"
#include "engine/information.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

// Days spread over a few modern years, so that every month's rules take their turn.
CalendarDate NextSampleDay(DayNumber& n) {
    constexpr DayNumber kFirst = 2110000;  // 2017
    constexpr DayNumber kSpan = 4000;
    n = kFirst + (n - kFirst + 37) % kSpan;
    return DayNumberToCivil(n);
}

void BM_DayEvents(benchmark::State& state) {
    const auto language = static_cast<Language>(state.range(0));
    DayNumber n = 2110000;
    for (auto _ : state) {
        const DayEventList list = DayEvents(language, NextSampleDay(n));
        benchmark::DoNotOptimize(list.entries.data());
    }
}
BENCHMARK(BM_DayEvents)->Arg(0)->Arg(1);  // Hebrew, English

// 20 Nisan 5782: four entries, the most a day has.
void BM_DayEventsBusiestDay(benchmark::State& state) {
    const CalendarDate civil{21, 4, 2022};
    for (auto _ : state) {
        const DayEventList list = DayEvents(Language::kEnglish, civil);
        benchmark::DoNotOptimize(list.entries.data());
    }
}
BENCHMARK(BM_DayEventsBusiestDay);

void BM_DayHasEventAndPortion(benchmark::State& state) {
    DayNumber n = 2110000;
    for (auto _ : state) {
        const CalendarDate hebrew = CivilToHebrew(NextSampleDay(n));
        benchmark::DoNotOptimize(DayHasEvent(hebrew));
        benchmark::DoNotOptimize(WeeklyPortionIndex(hebrew));
    }
}
BENCHMARK(BM_DayHasEventAndPortion);

void BM_YearInformationText(benchmark::State& state) {
    const InterfaceLanguage language =
        state.range(0) == 0 ? InterfaceLanguage::kHebrew : InterfaceLanguage::kEnglish;
    DayNumber n = 2110000;
    for (auto _ : state) {
        const std::u16string text = YearInformationText(NextSampleDay(n), language);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_YearInformationText)->Arg(0)->Arg(1);  // Hebrew, English

}  // namespace
}  // namespace plx
