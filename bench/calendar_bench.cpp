// Speed of the calendar core: day number -> Hebrew -> day number and civil -> Hebrew -> civil round
// trips, and the whole-range walk that the test suite makes.
#include <benchmark/benchmark.h>

#include "engine/calendar.h"

namespace plx {
namespace {

// The next day number of a walk that jumps across the range, so that no year stays in a cache.
DayNumber NextSpreadDay(DayNumber n) {
    n += 104729;
    return n > kLastDayNumber ? n - kLastDayNumber : n;
}

void BM_DayNumberHebrewRoundTrip(benchmark::State& state) {
    DayNumber n = 1;
    for (auto _ : state) {
        n = NextSpreadDay(n);
        const DayNumber back = HebrewToDayNumber(DayNumberToHebrew(n));
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_DayNumberHebrewRoundTrip);

// Includes one DayNumberToCivil to pick the date; BM_RoundTripFixedDate shows the round trip alone.
void BM_CivilHebrewRoundTrip(benchmark::State& state) {
    DayNumber n = 1;
    for (auto _ : state) {
        n = NextSpreadDay(n);
        const CalendarDate civil = DayNumberToCivil(n);
        const CalendarDate back = HebrewToCivil(CivilToHebrew(civil));
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_CivilHebrewRoundTrip);

void BM_RoundTripFixedDate(benchmark::State& state) {
    CalendarDate civil{9, 12, 2026};
    for (auto _ : state) {
        benchmark::DoNotOptimize(civil);
        const CalendarDate back = HebrewToCivil(CivilToHebrew(civil));
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_RoundTripFixedDate);

// The same walk as the whole-range test: both conversions and both steps for every day.
void BM_WholeRangeWalk(benchmark::State& state) {
    for (auto _ : state) {
        CalendarDate civil{7, 10, kFirstCivilYear};
        CalendarDate hebrew{1, 1, kFirstHebrewYear};
        int mismatches = 0;
        for (DayNumber n = kFirstDayNumber; n <= kLastDayNumber; ++n) {
            mismatches += CivilToDayNumber(civil) != n || HebrewToDayNumber(hebrew) != n;
            mismatches += !(CivilToHebrew(civil) == hebrew) || !(HebrewToCivil(hebrew) == civil);
            const CalendarDate nextCivil = NextCivilDay(civil);
            const CalendarDate nextHebrew = NextHebrewDay(hebrew);
            mismatches +=
                !(PrevCivilDay(nextCivil) == civil) || !(PrevHebrewDay(nextHebrew) == hebrew);
            civil = nextCivil;
            hebrew = nextHebrew;
        }
        benchmark::DoNotOptimize(mismatches);
    }
}
BENCHMARK(BM_WholeRangeWalk)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace plx
