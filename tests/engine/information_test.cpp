#include "engine/information.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cycles.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

constexpr InterfaceLanguage kHebrew = InterfaceLanguage::kHebrew;
constexpr InterfaceLanguage kEnglish = InterfaceLanguage::kEnglish;

// The lines after the leading line break.
std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    EXPECT_EQ(text.substr(0, 1), u"\n");
    for (std::size_t start = 1;;) {
        const std::size_t end = text.find(u'\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string::npos)
            return lines;
        start = end + 1;
    }
}

TEST(ShabbatCount, CountsTheSaturdaysOfTheYear) {
    EXPECT_EQ(ShabbatCount(5785), 51);
    for (std::int32_t year = 5700; year <= 5800; ++year) {
        int saturdays = 0;
        for (DayNumber n = HebrewToDayNumber(year, 1, 1); n < HebrewToDayNumber(year + 1, 1, 1);
             ++n) {
            saturdays += DayNumberWeekday(n) == 7;
        }
        ASSERT_EQ(ShabbatCount(year), saturdays) << year;
    }
}

TEST(YearInformation, RoshHashana5785InEnglish) {
    const CalendarDate civil = D(3, 10, 2024);
    const std::vector<std::u16string> expected = {
        u"5785 yrs. to the Creation",
        u"Simple year, and its sign: ה.ש.א",
        u"This year has 355 days and 51 Shabbats",
        u"3rd to the Smita: Maaser Ani",
        u"Year 9 in Moon's period 305",
        u"Year 17 in Sun's period 207",
        MoladText(Language::kEnglish, D(1, 1, 5785)),
        u"Parashat HaShavua: Ha'azinu - Shabbat Shuva",
        u"Daf Yomi: " + DafYomiText(Language::kEnglish, civil),
        u"1st of Rosh Hashana",
    };
    EXPECT_EQ(Lines(YearInformationText(civil, kEnglish)), expected);
}

TEST(YearInformation, HebrewLayoutWithHebrewTexts) {
    const std::vector<std::u16string> lines = Lines(YearInformationText(D(3, 10, 2024), kHebrew));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], u"שנת 5785 לבריאת העולם");
    EXPECT_EQ(lines[1], u"שנה פשוטה וסימנה: ה.ש.א");
    EXPECT_EQ(lines[2], u"בשנה זו 355 ימים ו - 51 שבתות");
    EXPECT_EQ(lines[3], u"ג' לשמיטה: מעשר עני");
    EXPECT_EQ(lines[4], u"שנה 9 במחזור לבנה 305");
    EXPECT_EQ(lines[5], u"שנה 17 במחזור חמה 207");
    EXPECT_EQ(lines[6], MoladText(Language::kHebrew, D(1, 1, 5785)));
    EXPECT_EQ(lines[7], u"פרשת השבוע: האזינו - שבת שובה");
    EXPECT_EQ(lines[8], u"הדף היומי: " + DafYomiText(Language::kHebrew, D(3, 10, 2024)));
    EXPECT_EQ(lines[9], u"א' דראש השנה");
}

TEST(InterfaceLanguage, OnlyHeAndEnAreHebrewAndEnglish) {
    EXPECT_EQ(InterfaceLanguageOfCode(u"he"), kHebrew);
    EXPECT_EQ(InterfaceLanguageOfCode(u"en"), kEnglish);
    for (const std::u16string_view code : {u"fr", u"", u"EN", u"HE", u"he "})
        EXPECT_EQ(InterfaceLanguageOfCode(code), InterfaceLanguage::kOther);
}

TEST(YearInformation, OtherLanguagesUseTheHebrewLayoutWithEnglishTexts) {
    // 20 October 2024 (18 Tishrei 5785): its Sabbath precedes Rosh Chodesh Heshvan.
    const CalendarDate civil = D(20, 10, 2024);
    const std::vector<std::u16string> lines =
        Lines(YearInformationText(civil, InterfaceLanguage::kOther));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], u"שנת 5785 לבריאת העולם");
    EXPECT_EQ(lines[3], u"3rd to the Smita: Maaser Ani");
    EXPECT_EQ(lines[7], u"פרשת השבוע: Bereshit");
    EXPECT_EQ(lines[9], u"3rd Hol Hamoed Sukkot");
    EXPECT_EQ(lines[10], u"Shabbat Mevarchim: " + MoladText(Language::kEnglish, D(1, 2, 5785)));
    EXPECT_EQ(Lines(YearInformationText(civil, kHebrew))[10],
              u"שבת מברכים: " + MoladText(Language::kHebrew, D(1, 2, 5785)));
    EXPECT_EQ(Lines(YearInformationText(civil, kEnglish))[10],
              u"Shabbat Mevarchim: " + MoladText(Language::kEnglish, D(1, 2, 5785)));
}

TEST(YearInformation, LeapYearsAndDaysWithoutEventsOrAnnouncement) {
    // 5 Heshvan 5784 (20 October 2023): no event, and no Rosh Chodesh in the week after its
    // Sabbath.
    const std::vector<std::u16string> lines = Lines(YearInformationText(D(20, 10, 2023), kEnglish));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], u"Pregnant year, and its sign: ז.ח.ג");
    EXPECT_EQ(lines[2], u"This year has 383 days and 55 Shabbats");
    EXPECT_EQ(lines[7], u"Parashat HaShavua: Noah");
    EXPECT_EQ(Lines(YearInformationText(D(20, 10, 2023), kHebrew))[1], u"שנה מעוברת וסימנה: ז.ח.ג");
}

TEST(YearInformation, TheEnglishEveOfChanukahAddsAnEmptyLine) {
    // 24 Kislev 5785 is 25 December 2024.
    const std::vector<std::u16string> lines = Lines(YearInformationText(D(25, 12, 2024), kEnglish));
    EXPECT_EQ(lines[9], u"");
}

}  // namespace
}  // namespace plx
