#include "engine/numerals.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

std::u16string Numeral(int n) {
    return HebrewNumeral(n).value();
}

TEST(HebrewNumeral, LettersFinalFormsAndThousands) {
    EXPECT_EQ(Numeral(0), u"");
    EXPECT_EQ(Numeral(5), u"ה");
    EXPECT_EQ(Numeral(15), u"טו");
    EXPECT_EQ(Numeral(16), u"טז");
    EXPECT_EQ(Numeral(20), u"כ");  // no final form without hundreds or thousands
    EXPECT_EQ(Numeral(23), u"כג");
    EXPECT_EQ(Numeral(30), u"ל");
    EXPECT_EQ(Numeral(115), u"קטו");
    EXPECT_EQ(Numeral(120), u"קך");
    EXPECT_EQ(Numeral(150), u"קן");
    EXPECT_EQ(Numeral(400), u"ת");
    EXPECT_EQ(Numeral(500), u"תק");
    EXPECT_EQ(Numeral(800), u"תת");
    EXPECT_EQ(Numeral(990), u"תתקץ");
    EXPECT_EQ(Numeral(1000), u"א'");
    EXPECT_EQ(Numeral(2020), u"ב'ך");
    EXPECT_EQ(Numeral(5000), u"ה'");
    EXPECT_EQ(Numeral(5760), u"ה'תשס");
    EXPECT_EQ(Numeral(5780), u"ה'תשף");
    EXPECT_EQ(Numeral(5783), u"ה'תשפג");
    EXPECT_EQ(Numeral(15016), u"טו'טז");
    EXPECT_EQ(Numeral(40040), u"מ'ם");
    EXPECT_EQ(Numeral(110999), u"קי'תתקצט");
}

TEST(HebrewNumeral, NothingOutsideTheRange) {
    EXPECT_FALSE(HebrewNumeral(111000).has_value());
    EXPECT_FALSE(HebrewNumeral(-1).has_value());
    EXPECT_TRUE(HebrewNumeral(kLargestHebrewNumeral).has_value());
}

TEST(ParseHebrewNumeral, MarksFinalLettersAndIgnoredCharacters) {
    EXPECT_EQ(ParseHebrewNumeral(u"ה'תשפד"), 5784);
    EXPECT_EQ(ParseHebrewNumeral(u"ה\u05F3תשפד"), 5784);  // Hebrew geresh
    EXPECT_EQ(ParseHebrewNumeral(u"תשפ\u05F4ד"), 784);    // gershayim are ignored
    EXPECT_EQ(ParseHebrewNumeral(u"תשפד"), 784);
    EXPECT_EQ(ParseHebrewNumeral(u"טו"), 15);
    EXPECT_EQ(ParseHebrewNumeral(u"טז"), 16);
    EXPECT_EQ(ParseHebrewNumeral(u"קך"), 120);
    EXPECT_EQ(ParseHebrewNumeral(u"ץףןםך"), 280);
    EXPECT_EQ(ParseHebrewNumeral(u"ג'"), 3000);
    EXPECT_EQ(ParseHebrewNumeral(u"ה'ת'"), 5400);    // only the first mark multiplies
    EXPECT_EQ(ParseHebrewNumeral(u" כג' "), 23000);  // a trailing mark multiplies too
    EXPECT_EQ(ParseHebrewNumeral(u"Day 12, 2024"), 0);
    EXPECT_EQ(ParseHebrewNumeral(u""), 0);
}

TEST(ParseHebrewNumeral, LetterBeforeAGreaterOneCountsAsThousands) {
    EXPECT_EQ(ParseHebrewNumeral(u"התשפד"), 5784);
    EXPECT_EQ(ParseHebrewNumeral(u"אב"), 1002);
    EXPECT_EQ(ParseHebrewNumeral(u"ךם"), 20040);
    EXPECT_EQ(ParseHebrewNumeral(u"קיתתקצט"),
              11099);                          // only the letter just before the greater one
    EXPECT_EQ(ParseHebrewNumeral(u"יא"), 11);  // falling values stay units
}

TEST(ParseHebrewNumeral, ReadsAtMost255Characters) {
    EXPECT_EQ(ParseHebrewNumeral(std::u16string(300, u'א')), 255);
    EXPECT_EQ(ParseHebrewNumeral(std::u16string(255, u' ') + u"ת"), 0);
}

// Every numeral reads back as its number, and none is longer than eight characters.
TEST(HebrewNumeralSweep, ParsesBackAndStaysShort) {
    std::size_t longest = 0;
    for (int n = 1; n <= kLargestHebrewNumeral; ++n) {
        const std::u16string text = Numeral(n);
        ASSERT_EQ(ParseHebrewNumeral(text), n) << n;
        longest = std::max(longest, text.size());
    }
    EXPECT_EQ(longest, 8u);
}

TEST(HebrewMonthFromName, ExactNameOfTheRightList) {
    EXPECT_EQ(HebrewMonthFromName(true, u"אדר ב", Language::kHebrew), 7);
    EXPECT_EQ(HebrewMonthFromName(false, u"אדר ב", Language::kHebrew), std::nullopt);
    EXPECT_EQ(HebrewMonthFromName(false, u"תשרי", Language::kHebrew), 1);
    EXPECT_EQ(HebrewMonthFromName(false, u"Shebat", Language::kEnglish), 5);
    EXPECT_EQ(HebrewMonthFromName(true, u"Shebat", Language::kEnglish),
              std::nullopt);  // the leap list spells it "Sheba"
    EXPECT_EQ(HebrewMonthFromName(true, u"Elul", Language::kEnglish), 13);
    EXPECT_EQ(HebrewMonthFromName(false, u"elul", Language::kEnglish), std::nullopt);
    EXPECT_EQ(HebrewMonthFromName(false, u"", Language::kEnglish),
              std::nullopt);  // not the empty thirteenth entry
}

TEST(DecimalText, ZeroPaddedAndSigned) {
    EXPECT_EQ(DecimalText(7, 2), u"07");
    EXPECT_EQ(DecimalText(0), u"0");
    EXPECT_EQ(DecimalText(1234, 2), u"1234");
    EXPECT_EQ(DecimalText(-5, 2), u"-05");
}

TEST(HebrewDateText, DayMonthAndYear) {
    EXPECT_EQ(HebrewDateText(D(23, 4, 5760)), u"כג' טבת ה'תשס");
    EXPECT_EQ(HebrewDateText(D(14, 7, 5784)), u"יד' אדר ב ה'תשפד");
    EXPECT_EQ(HebrewDateText(D(15, 7, 5785)), u"טו' ניסן ה'תשפה");
    EXPECT_EQ(HebrewDateText(D(1, 1, 1)), u"א' תשרי א");
}

TEST(HebrewMonthName, EmptyForAMonthTheYearLacks) {
    EXPECT_EQ(HebrewMonthName(5785, 13, Language::kHebrew), u"");
    EXPECT_EQ(HebrewMonthName(5784, 13, Language::kEnglish), u"Elul");
    EXPECT_EQ(HebrewMonthName(5784, 0, Language::kEnglish), u"");
}

TEST(YearSignText, RoshHashanaKindAndPesach) {
    EXPECT_EQ(YearSignText(5785), u"ה.ש.א");  // Thursday, complete, Pesach on Sunday
    EXPECT_EQ(YearSignText(5784), u"ז.ח.ג");  // Saturday, deficient leap year, Pesach on Tuesday
}

// The Pesach letter of the sign is the weekday 15 Nisan really falls on, in every year.
TEST(YearSignText, PesachWeekdayMatchesTheCalendar) {
    for (std::int32_t year = kFirstHebrewYear; year <= kLastHebrewYear; ++year) {
        const int nisan = 7 + IsHebrewLeapYear(year);
        const int pesach = DayNumberWeekday(HebrewToDayNumber(year, nisan, 15));
        const std::u16string sign = YearSignText(year);
        ASSERT_EQ(ParseHebrewNumeral(sign.substr(sign.rfind(u'.') + 1)), pesach) << year;
    }
}

TEST(MoladText, FirstMoladInBothLanguages) {
    EXPECT_EQ(MoladText(Language::kEnglish, D(1, 1, 1)),
              u"Molad 2nd of Tishrei, Night, 11:11 O'Clock and 6 chalakim");
    EXPECT_EQ(MoladText(Language::kHebrew, D(1, 1, 1)), u"מולד תשרי ליל ב' שעה 11:11 ו- 6 חלקים");
}

// Evening from 6 p.m., night from 9 p.m. (12 at midnight), morning from 3 a.m., day from 9 a.m.
// (12 at noon), ending from 3 p.m.
TEST(MoladText, ClockAndPartOfDay) {
    EXPECT_EQ(MoladText(Language::kEnglish, D(10, 2, 5784)),
              u"Molad 1st of Heshvan, Evening, 06:33 O'Clock and 1 chalakim");
    EXPECT_EQ(MoladText(Language::kEnglish, D(1, 10, 5784)),
              u"Molad 6th of Sivan, Night, 12:25 O'Clock and 9 chalakim");
    EXPECT_EQ(MoladText(Language::kEnglish, D(1, 1, 5785)),
              u"Molad 5th of Tishrei, Morning, 03:21 O'Clock and 13 chalakim");
    EXPECT_EQ(MoladText(Language::kEnglish, D(1, 1, 5786)),
              u"Molad 2nd of Tishrei, Day, 12:10 O'Clock and 7 chalakim");
    EXPECT_EQ(MoladText(Language::kEnglish, D(29, 2, 5785)),
              u"Molad 6th of Heshvan, Ending, 04:05 O'Clock and 14 chalakim");
    EXPECT_EQ(MoladText(Language::kHebrew, D(1, 1, 5785)),
              u"מולד תשרי בוקר ה' שעה 03:21 ו- 13 חלקים");
}

TEST(MoladText, ThirtiethAnnouncesTheMonthItOpens) {
    EXPECT_EQ(MoladAnnouncementDate(D(30, 1, 5785)), D(1, 2, 5785));
    EXPECT_EQ(MoladAnnouncementDate(D(29, 1, 5785)), D(29, 1, 5785));
    EXPECT_EQ(MoladText(Language::kEnglish, D(30, 1, 5785)),
              MoladText(Language::kEnglish, D(1, 2, 5785)));
    EXPECT_EQ(MoladText(Language::kEnglish, D(30, 6, 5784)),
              u"Molad 1st of Adar B, Day, 10:13 O'Clock and 6 chalakim");
    EXPECT_EQ(MoladText(Language::kHebrew, D(30, 6, 5784)),
              u"מולד אדר ב יום א' שעה 10:13 ו- 6 חלקים");
}

}  // namespace
}  // namespace plx
