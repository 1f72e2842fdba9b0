#include "engine/cycles.h"

#include <gtest/gtest.h>

#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

constexpr int kBrachot = 0;
constexpr int kShabbat = 1;
constexpr int kShekalim = 4;
constexpr int kYoma = 5;
constexpr int kRoshHashana = 8;
constexpr int kMegila = 10;
constexpr int kMoedKatan = 11;
constexpr int kHagiga = 12;
constexpr int kKtubot = 14;
constexpr int kSanhedrin = 23;
constexpr int kMakot = 24;
constexpr int kShavuot = 25;
constexpr int kNida = 39;

TEST(DafYomi, CycleBoundaries) {
    EXPECT_EQ(DafYomi(D(4, 1, 2020)), (DafYomiPage{kNida, 73}));
    EXPECT_EQ(DafYomi(D(5, 1, 2020)), (DafYomiPage{kBrachot, 2}));
    EXPECT_EQ(DafYomi(D(7, 3, 2020)), (DafYomiPage{kBrachot, 64}));
    EXPECT_EQ(DafYomi(D(8, 3, 2020)), (DafYomiPage{kShabbat, 2}));
    EXPECT_EQ(DafYomi(D(7, 6, 2027)), (DafYomiPage{kNida, 73}));
    EXPECT_EQ(DafYomi(D(8, 6, 2027)), (DafYomiPage{kBrachot, 2}));
    EXPECT_EQ(DafYomi(D(3, 8, 2012)), (DafYomiPage{kBrachot, 2}));
}

TEST(DafYomi, EdgesOfTheSupportedRange) {
    EXPECT_EQ(DafYomi(D(7, 10, kFirstCivilYear)), (DafYomiPage{kKtubot, 100}));
    const DafYomiPage last = DafYomi(DayNumberToCivil(kLastDayNumber));
    EXPECT_GE(last.page, 2);
    EXPECT_LE(last.page, TractateDays(last.tractate) + 1);
}

// The order the cycle is really studied in: Yoma before Rosh Hashana, Mo'ed Katan before Hagiga,
// Makot before Shavuot.
TEST(DafYomi, TractatesInTheOrderOfStudy) {
    EXPECT_EQ(DafYomi(D(24, 6, 1975)), (DafYomiPage{kBrachot, 2}));
    EXPECT_EQ(DafYomi(D(12, 4, 2021)), (DafYomiPage{kShekalim, 22}));
    EXPECT_EQ(DafYomi(D(13, 4, 2021)), (DafYomiPage{kYoma, 2}));
    EXPECT_EQ(DafYomi(D(11, 10, 2021)), (DafYomiPage{kRoshHashana, 2}));
    EXPECT_EQ(DafYomi(D(13, 1, 2022)), (DafYomiPage{kMegila, 32}));
    EXPECT_EQ(DafYomi(D(14, 1, 2022)), (DafYomiPage{kMoedKatan, 2}));
    EXPECT_EQ(DafYomi(D(11, 2, 2022)), (DafYomiPage{kHagiga, 2}));
    EXPECT_EQ(DafYomi(D(9, 4, 2025)), (DafYomiPage{kSanhedrin, 113}));
    EXPECT_EQ(DafYomi(D(10, 4, 2025)), (DafYomiPage{kMakot, 2}));
    EXPECT_EQ(DafYomi(D(3, 5, 2025)), (DafYomiPage{kShavuot, 2}));
}

// Over one whole cycle every tractate is studied once, page after page from 2 to its last page,
// and the day after the cycle starts it again.
TEST(DafYomi, WholeCycleSweep) {
    const DayNumber start = CivilToDayNumber(D(5, 1, 2020));
    DafYomiPage expected{kBrachot, 2};
    for (DayNumber n = start; n < start + kDafYomiCycleDays; ++n) {
        ASSERT_EQ(DafYomi(DayNumberToCivil(n)), expected) << n;
        const bool lastPage = expected.page == TractateDays(expected.tractate) + 1;
        expected = lastPage ? DafYomiPage{expected.tractate + 1, 2}
                            : DafYomiPage{expected.tractate, expected.page + 1};
    }
    EXPECT_EQ(expected.tractate, kTractateCount);
    EXPECT_EQ(DafYomi(DayNumberToCivil(start + kDafYomiCycleDays)), (DafYomiPage{kBrachot, 2}));
}

TEST(DafYomiText, BothLanguages) {
    EXPECT_EQ(DafYomiText(Language::kEnglish, D(5, 1, 2020)), u"Brachot Page 2");
    EXPECT_EQ(DafYomiText(Language::kHebrew, D(5, 1, 2020)), u"מסכת ברכות דף ב'");
    EXPECT_EQ(DafYomiText(Language::kEnglish, D(12, 4, 2021)), u"Shekalim Page 22");
    EXPECT_EQ(DafYomiText(Language::kHebrew, D(13, 4, 2021)), u"מסכת יומא דף ב'");
    EXPECT_EQ(DafYomiText(Language::kHebrew, D(14, 1, 2022)), u"מסכת מועד קטן דף ב'");
    EXPECT_EQ(DafYomiText(Language::kHebrew, D(13, 1, 2022)), u"מסכת מגילה דף לב'");
    EXPECT_EQ(DafYomiText(Language::kEnglish, D(7, 10, kFirstCivilYear)), u"Ktubot Page 100");
    EXPECT_EQ(DafYomiText(Language::kHebrew, D(7, 10, kFirstCivilYear)), u"מסכת כתובות דף ק'");
}

TEST(YearCycles, ShmitaLunarAndSolar) {
    EXPECT_EQ(ShmitaYearIndex(5782), 6);
    EXPECT_EQ(ShmitaYearIndex(5783), 0);
    EXPECT_EQ(ShmitaYearIndex(1), 0);
    EXPECT_EQ(LunarCyclePosition(5785), (CyclePosition{9, 305}));
    EXPECT_EQ(LunarCyclePosition(19), (CyclePosition{19, 1}));
    EXPECT_EQ(LunarCyclePosition(20), (CyclePosition{1, 2}));
    EXPECT_EQ(SolarCyclePosition(5769), (CyclePosition{1, 207}));
    EXPECT_EQ(SolarCyclePosition(5768), (CyclePosition{28, 206}));
    EXPECT_EQ(SolarCyclePosition(kLastHebrewYear), (CyclePosition{7, 3965}));
}

}  // namespace
}  // namespace plx
