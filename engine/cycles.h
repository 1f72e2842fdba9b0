// The Daf Yomi page of a day and the place of a Hebrew year in the Shmita, lunar and solar cycles.
#pragma once

#include <string>

#include "engine/calendar.h"
#include "engine/language.h"

namespace plx {

inline constexpr int kDafYomiCycleDays = 2711;

// A page of the Daf Yomi: tractate index into TractateNames (0..39) and page, numbered from 2.
struct DafYomiPage {
    int tractate = 0;
    int page = 2;

    friend constexpr bool operator==(const DafYomiPage&, const DafYomiPage&) = default;
};

// The days each tractate takes, in the order of the cycle.
int TractateDays(int tractate);

DafYomiPage DafYomi(CalendarDate civil);
// "Brachot Page 2" / "מסכת ברכות דף ב'".
std::u16string DafYomiText(Language language, CalendarDate civil);

// A year's place in a repeating cycle: year of the cycle (from 1) and cycle number (from 1).
struct CyclePosition {
    int year = 1;
    int cycle = 1;

    friend constexpr bool operator==(const CyclePosition&, const CyclePosition&) = default;
};

// 0..6, the index into ShmitaYearNames; 6 is the Shmita year itself.
int ShmitaYearIndex(std::int32_t hebrewYear);
CyclePosition LunarCyclePosition(std::int32_t hebrewYear);  // 19 years
CyclePosition SolarCyclePosition(std::int32_t hebrewYear);  // 28 years

}  // namespace plx
