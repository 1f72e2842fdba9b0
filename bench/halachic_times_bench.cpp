// The halachic times with every time switched on: one day, and every day of a year at one place.
#include <benchmark/benchmark.h>

#include "app/time_zone_database.h"
#include "astro/halachic_times.h"

namespace {

plx::TimesOfDayOptions EveryTime() {
    plx::TimesOfDayOptions options;
    plx::SetAllTimeSwitches(options, true);
    return options;
}

void BM_HalachicTimesOneDay(benchmark::State& state) {
    const plx::TimesOfDayOptions options = EveryTime();
    for (auto _ : state) {
        auto times = plx::ComputeHalachicTimes({22, 3, 2024}, {31.78, 35.231, 800, 7200, true, 40},
                                               options, plx::DayKind::kOrdinary);
        benchmark::DoNotOptimize(times);
    }
}
BENCHMARK(BM_HalachicTimesOneDay);

// The argument picks the solar calculation: 0 classic, 1 precise.
void BM_HalachicTimesWholeYear(benchmark::State& state) {
    plx::TimesOfDayOptions options = EveryTime();
    options.solarCalculation = static_cast<plx::SolarCalculation>(state.range(0));
    for (auto _ : state) {
        for (plx::CalendarDate day{1, 1, 2024}; day.year == 2024; day = plx::NextCivilDay(day)) {
            auto times = plx::ComputeHalachicTimes(day, {31.78, 35.231, 800, 7200, true, 40},
                                                   options, plx::DayKind::kOrdinary);
            benchmark::DoNotOptimize(times);
        }
    }
}
BENCHMARK(BM_HalachicTimesWholeYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the times page does on every change of date: the day's festival kind, the clock of the
// place's time zone that day, the times, the text.
void BM_TimesPageText(benchmark::State& state) {
    const plx::CalculationSettings settings;
    const plx::Location jerusalem = plx::BuiltInLocation(0);
    for (auto _ : state) {
        auto text = plx::BuildTimesText({22, 3, 2024}, settings, jerusalem, plx::Language::kEnglish,
                                        plx::SystemZoneOffset);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TimesPageText);

// What a yearly timetable adds in the automatic mode: the zone's offset of every day of a year.
void BM_ZoneOffsetsOfAYear(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (plx::CalendarDate day{1, 1, 2024}; day.year == 2024; day = plx::NextCivilDay(day))
            sum += plx::SystemZoneOffset(u"Asia/Jerusalem", day)->seconds;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ZoneOffsetsOfAYear)->Unit(benchmark::kMicrosecond);

}  // namespace
