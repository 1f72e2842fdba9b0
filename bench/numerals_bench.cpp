// Hebrew numerals and Daf Yomi texts are written for every day cell and report row.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/cycles.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace {

void BM_HebrewNumeral(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        n = n % plx::kLargestHebrewNumeral + 1;
        benchmark::DoNotOptimize(plx::HebrewNumeral(n));
    }
}
BENCHMARK(BM_HebrewNumeral);

void BM_ParseHebrewNumeral(benchmark::State& state) {
    const std::u16string text = u"ה'תשפד";
    for (auto _ : state)
        benchmark::DoNotOptimize(plx::ParseHebrewNumeral(text));
}
BENCHMARK(BM_ParseHebrewNumeral);

// One whole cycle of days, converted beforehand so that only the text is timed.
std::vector<plx::CalendarDate> CycleDays() {
    std::vector<plx::CalendarDate> days;
    const plx::DayNumber start = plx::CivilToDayNumber({5, 1, 2020});
    for (plx::DayNumber n = start; n < start + plx::kDafYomiCycleDays; ++n)
        days.push_back(plx::DayNumberToCivil(n));
    return days;
}

void BM_DafYomiText(benchmark::State& state) {
    const auto language = static_cast<plx::Language>(state.range(0));
    const std::vector<plx::CalendarDate> days = CycleDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plx::DafYomiText(language, days[i]));
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_DafYomiText)->Arg(0)->Arg(1);  // Hebrew, English

void BM_MoladText(benchmark::State& state) {
    const auto language = static_cast<plx::Language>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(plx::MoladText(language, {1, 1, 5785}));
}
BENCHMARK(BM_MoladText)->Arg(0)->Arg(1);  // Hebrew, English

}  // namespace
