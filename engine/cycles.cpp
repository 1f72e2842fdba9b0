#include "engine/cycles.h"

#include <array>
#include <numeric>

#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

// Days per tractate in the order the Daf Yomi is studied (Yoma before Rosh Hashana, Mo'ed Katan
// before Hagiga, Makot before Shavuot).
constexpr std::array<int, kTractateCount> kTractateDays = {
    63,  156, 104, 120, 21, 87, 55, 39, 34,  30,  31,  28, 26, 121, 111, 90, 65, 48, 89, 81,
    118, 118, 175, 112, 23, 48, 75, 13, 119, 109, 141, 60, 33, 33,  27,  21, 3,  8,  4,  72};
static_assert(std::accumulate(kTractateDays.begin(), kTractateDays.end(), 0) == kDafYomiCycleDays);

// Day 0 of a cycle is DayNumber 2110857 (5 January 2020), so (n + 1012) mod 2711 is the day of the
// cycle.
constexpr int kCycleOffset = 1012;
constexpr int kFirstPage = 2;

CyclePosition PositionInCycle(std::int32_t year, int length) {
    return {(year - 1) % length + 1, (year - 1) / length + 1};
}

}  // namespace

int TractateDays(int tractate) {
    return kTractateDays.at(static_cast<std::size_t>(tractate));
}

DafYomiPage DafYomi(CalendarDate civil) {
    int day = (CivilToDayNumber(civil) + kCycleOffset) % kDafYomiCycleDays;
    if (day < 0)
        day += kDafYomiCycleDays;
    int tractate = 0;
    while (day >= kTractateDays[static_cast<std::size_t>(tractate)]) {
        day -= kTractateDays[static_cast<std::size_t>(tractate)];
        ++tractate;
    }
    return {tractate, day + kFirstPage};
}

std::u16string DafYomiText(Language language, CalendarDate civil) {
    const DafYomiPage daf = DafYomi(civil);
    const std::u16string_view tractate = Vocabulary(language).tractateNames[daf.tractate];
    std::u16string text;
    if (language == Language::kHebrew) {
        text = u"מסכת ";
        text += tractate;
        text += u" דף ";
        text += HebrewNumeral(daf.page).value_or(u"");
        text += u'\'';
    } else {
        text = std::u16string(tractate);
        text += u" Page ";
        text += DecimalText(daf.page);
    }
    return text;
}

int ShmitaYearIndex(std::int32_t hebrewYear) {
    return (hebrewYear - 1) % 7;
}

CyclePosition LunarCyclePosition(std::int32_t hebrewYear) {
    return PositionInCycle(hebrewYear, 19);
}

CyclePosition SolarCyclePosition(std::int32_t hebrewYear) {
    return PositionInCycle(hebrewYear, 28);
}

}  // namespace plx
