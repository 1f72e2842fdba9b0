// Speed of the calendar core: one civil -> Hebrew -> civil round trip, and the whole-range walk
// that the test suite makes.
#include <benchmark/benchmark.h>

#include "engine/calendar.h"

namespace plx {
namespace {

// Includes one DayNumberToCivil to pick the date; BM_RoundTripFixedDate shows the round trip alone.
void BM_CivilHebrewRoundTrip(benchmark::State& state) {
    // Walk through dates spread over the range so that no single year stays cached in the CPU.
    DayNumber n = 1;
    for (auto _ : state) {
        n = n % kLastDayNumber + 104729;
        if (n > kLastDayNumber)
            n -= kLastDayNumber;
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
