#include "engine/portion.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "engine/events.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

CalendarDate HebrewOfDay(DayNumber n) {
    return DayNumberToHebrew(n);
}

// The portion of the week that contains the n-th Sunday after 1 Tishrei (week n + 1).
std::optional<int> PortionOfWeek(std::int32_t year, int week) {
    const DayNumber first = HebrewToDayNumber(year, 1, 1);
    const DayNumber sunday = first + 7 - (DayNumberWeekday(first) - 1) + 7 * (week - 2);
    return WeeklyPortionIndex(HebrewOfDay(week == 1 ? first : sunday));
}

std::u16string English(int index, PortionNamePart part = PortionNamePart::kWhole) {
    return std::u16string(PortionName(Language::kEnglish, index, part).value_or(u""));
}

TEST(HebrewYearType, KnownYears) {
    EXPECT_EQ(HebrewYearType(5784), 12);  // Saturday, deficient, leap
    EXPECT_EQ(HebrewYearType(5785), 9);   // Thursday, complete, common
    EXPECT_EQ(HebrewYearType(5786), 5);   // Tuesday, regular, common
    EXPECT_EQ(HebrewYearType(5787), 14);  // Saturday, complete, leap
    EXPECT_EQ(HebrewYearType(5761), 11);  // Saturday, deficient, common
}

TEST(WeeklyPortion, YearBeginningOnThursday) {
    EXPECT_EQ(WeeklyPortionIndex(D(1, 1, 5785)), 75);
    EXPECT_EQ(WeeklyPortionIndex(D(3, 1, 5785)), 75);
    EXPECT_EQ(English(75), u"Ha'azinu - Shabbat Shuva");
    EXPECT_EQ(WeeklyPortionIndex(D(4, 1, 5785)), 105);  // the first Sunday starts week 2
    EXPECT_EQ(English(105), u"Shabbat Kippur");
    EXPECT_EQ(PortionOfWeek(5785, 3), 109);
    EXPECT_EQ(PortionOfWeek(5785, 4), 0);
    EXPECT_EQ(English(0), u"Bereshit");
}

TEST(WeeklyPortion, YearBeginningOnSaturday) {
    EXPECT_EQ(PortionOfWeek(5761, 1), 104);  // Rosh Hashana itself is the Sabbath
    EXPECT_EQ(PortionOfWeek(5761, 2), 75);
    EXPECT_EQ(PortionOfWeek(5761, 3), 106);
    EXPECT_EQ(PortionOfWeek(5761, 4), 107);
    EXPECT_EQ(PortionOfWeek(5761, 5), 0);
}

TEST(WeeklyPortion, LastWeekNamesTheNextYearsFirstSabbath) {
    EXPECT_EQ(WeeklyPortionIndex(D(29, 13, 5784)), 75);  // 5785 begins on Thursday
    EXPECT_EQ(WeeklyPortionIndex(D(26, 13, 5784)), 75);  // Sunday of the same week
    EXPECT_EQ(WeeklyPortionIndex(D(25, 13, 5784)), 103);
    EXPECT_EQ(WeeklyPortionIndex(D(29, 12, 5785)),
              74);  // 5786 begins on Tuesday: VaYelech - Shabbat Shuva
    EXPECT_EQ(WeeklyPortionIndex(D(29, 12, 5786)), 104);  // 5787 begins on Saturday
}

TEST(WeeklyPortion, SweepEveryYearEveryWeek) {
    std::set<int> typesSeen;
    for (std::int32_t year = kFirstHebrewYear; year <= kLastHebrewYear; ++year) {
        const int type = HebrewYearType(year);
        ASSERT_GE(type, 1) << year;
        ASSERT_LE(type, 14) << year;
        const std::optional<int> lastDay =
            WeeklyPortionIndex(D(29, 12 + IsHebrewLeapYear(year), year));
        ASSERT_GE(lastDay, 0) << year;
        if (year < kLastHebrewYear) {
            ASSERT_EQ(lastDay, WeeklyPortionIndex(D(1, 1, year + 1))) << year;
        }
        // A shape fixes every week's entry: walk each shape's days once.
        if (!typesSeen.insert(type).second)
            continue;
        const DayNumber end = HebrewToDayNumber(year + 1, 1, 1);
        int previous = -2;
        for (DayNumber n = HebrewToDayNumber(year, 1, 1); n < end; ++n) {
            const int index = WeeklyPortionIndex(HebrewOfDay(n)).value_or(-1);
            ASSERT_GE(index, 0) << year;
            ASSERT_LT(index, 112)
                << year;  // the festival names and the special Sabbath names are never chosen
            if (DayNumberWeekday(n) != 1 && previous != -2) {
                ASSERT_EQ(index, previous) << year;
            }
            previous = index;
        }
    }
    EXPECT_EQ(typesSeen.size(), 14u);
}

TEST(PortionName, PartsOfTheSplitWeeks) {
    using enum PortionNamePart;
    const std::tuple<int, PortionNamePart, const char16_t*> cases[] = {
        {88, kWhole, u"Naso : Outside Israel 2nd Yom-Tov"},
        {88, kIsrael, u"Naso"},
        {88, kDiaspora, u"Shavuot 2nd Yom-Tov"},
        {34, kIsrael, u"Naso"},  // not split: the full name
        {34, kDiaspora, u"Naso"},
        {66, kDiaspora, u"VaYakhel - Pekudei : HaChodesh"},  // a special Sabbath is not split
    };
    for (const auto& [index, part, text] : cases)
        EXPECT_EQ(English(index, part), text) << index << ' ' << static_cast<int>(part);
    EXPECT_EQ(PortionName(Language::kHebrew, 98, kDiaspora), u"מטות מסעי");
    EXPECT_EQ(PortionName(Language::kEnglish, -1, kWhole), std::nullopt);
    EXPECT_EQ(PortionName(Language::kEnglish, 123, kIsrael), std::nullopt);
}

std::optional<std::u16string> Mevarchim(std::int32_t year, int month, int day) {
    return MevarchimMoladText(Language::kEnglish, D(day, month, year));
}

TEST(Mevarchim, SabbathBeforeRoshChodesh) {
    // 29 Tishrei 5784 is a Saturday; the 30th, on Sunday, is Rosh Chodesh Heshvan.
    ASSERT_EQ(DayNumberWeekday(HebrewToDayNumber(5784, 1, 29)), 7);
    const std::u16string heshvan = MoladText(Language::kEnglish, D(1, 2, 5784));
    EXPECT_EQ(Mevarchim(5784, 1, 24), heshvan);  // any day of that week
    EXPECT_EQ(Mevarchim(5784, 1, 29), heshvan);
    EXPECT_EQ(MevarchimMoladText(Language::kHebrew, D(29, 1, 5784)),
              MoladText(Language::kHebrew, D(1, 2, 5784)));
    // 1 Heshvan 5785 is itself a Saturday: Heshvan was announced the week before (with 30 Tishrei).
    ASSERT_EQ(DayNumberWeekday(HebrewToDayNumber(5785, 2, 1)), 7);
    EXPECT_EQ(Mevarchim(5785, 1, 24), MoladText(Language::kEnglish, D(1, 2, 5785)));
    EXPECT_EQ(Mevarchim(5785, 2, 1), std::nullopt);
    // 30 Kislev 5786 is a Saturday.
    ASSERT_EQ(DayNumberWeekday(HebrewToDayNumber(5786, 3, 30)), 7);
    EXPECT_EQ(Mevarchim(5786, 3, 30), std::nullopt);
    EXPECT_EQ(Mevarchim(5786, 3, 23), MoladText(Language::kEnglish, D(1, 4, 5786)));
}

TEST(Mevarchim, RoshHashanaIsNeverAnnounced) {
    EXPECT_EQ(Mevarchim(5784, 13, 25), std::nullopt);  // the Sabbath before 5785
    EXPECT_EQ(Mevarchim(5785, 12, 27), std::nullopt);
    EXPECT_EQ(Mevarchim(kLastHebrewYear, 12, 29), std::nullopt);  // the calendar's last day
    EXPECT_EQ(Mevarchim(kLastHebrewYear, 12, 20), std::nullopt);
}

}  // namespace
}  // namespace plx
