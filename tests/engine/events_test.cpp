#include "engine/events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/vocabulary.h"

namespace plx {
namespace {

using Entries = std::vector<std::u16string>;

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

// Month numbers from Adar on shift by one in a leap year.
int Nisan(std::int32_t year) {
    return 7 + IsHebrewLeapYear(year);
}
int Iyar(std::int32_t year) {
    return 8 + IsHebrewLeapYear(year);
}
int Tammuz(std::int32_t year) {
    return 10 + IsHebrewLeapYear(year);
}
int Av(std::int32_t year) {
    return 11 + IsHebrewLeapYear(year);
}
int Elul(std::int32_t year) {
    return 12 + IsHebrewLeapYear(year);
}

Entries English(CalendarDate civil) {
    return DayEvents(Language::kEnglish, civil).entries;
}
Entries EnglishOn(std::int32_t year, int month, int day) {
    return English(HebrewToCivil(D(day, month, year)));
}
Entries HebrewOn(std::int32_t year, int month, int day) {
    return DayEvents(Language::kHebrew, HebrewToCivil(D(day, month, year))).entries;
}

// The days of a month whose list holds `text`.
std::vector<int> DaysWith(std::int32_t year, int month, const std::u16string& text) {
    std::vector<int> days;
    for (int day = 1; day <= HebrewMonthLength(year, month); ++day) {
        for (const std::u16string& entry : EnglishOn(year, month, day)) {
            if (entry == text)
                days.push_back(day);
        }
    }
    return days;
}

TEST(HolidayCode, FestivalDaysAndEves) {
    EXPECT_EQ(HolidayCode(D(1, 1, 5785)),
              (Holiday{Festival::kRoshHashana, DayKind::kRoshHashanaFirst}));
    EXPECT_EQ(HolidayCode(D(9, 1, 5785)), (Holiday{Festival::kYomKippur, DayKind::kEve}));
    EXPECT_EQ(HolidayCode(D(16, 1, 5785)), (Holiday{Festival::kSukkotSecond, DayKind::kFestival}));
    EXPECT_EQ(HolidayCode(D(23, 1, 5785)),
              (Holiday{Festival::kSimchatTorahOutsideIsrael, DayKind::kFestival}));
    EXPECT_EQ(HolidayCode(D(20, 7, 5785)), (Holiday{Festival::kSeventhOfPesach, DayKind::kEve}));
    EXPECT_EQ(HolidayCode(D(22, 7, 5785)),
              (Holiday{Festival::kEighthOfPesach, DayKind::kFestival}));
    EXPECT_EQ(HolidayCode(D(5, 9, 5785)), (Holiday{Festival::kShavuot, DayKind::kEve}));
    EXPECT_EQ(HolidayCode(D(29, 12, 5785)), (Holiday{Festival::kRoshHashana, DayKind::kEve}));
    // In a leap year the spring festivals move one month number on; 14 Adar II is no eve.
    EXPECT_EQ(HolidayCode(D(15, 8, 5784)), (Holiday{Festival::kPesach, DayKind::kFestival}));
    EXPECT_EQ(HolidayCode(D(14, 7, 5784)), Holiday{});
    EXPECT_EQ(HolidayCode(D(6, 10, 5784)), (Holiday{Festival::kShavuot, DayKind::kFestival}));
    EXPECT_EQ(HolidayCode(D(29, 13, 5784)), (Holiday{Festival::kRoshHashana, DayKind::kEve}));
    EXPECT_EQ(HolidayCode(D(29, 12, 5784)), Holiday{});  // 29 Av of a leap year
    EXPECT_EQ(HolidayCode(D(24, 1, 5785)), Holiday{});
    EXPECT_EQ(HolidayCodeForCivilDate(D(3, 10, 2024)),
              (Holiday{Festival::kRoshHashana, DayKind::kRoshHashanaFirst}));
    EXPECT_EQ(HolidayCodeForCivilDate(D(12, 10, 2024)),
              (Holiday{Festival::kYomKippur, DayKind::kFestival}));
}

TEST(HolidayName, EvesDaysAndCodesWithoutAName) {
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kRoshHashana, DayKind::kEve),
              u"Erev Rosh Hashana");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kSukkotSecond, DayKind::kEve),
              u"Erev Sukkot");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kPesachSecond, DayKind::kEve),
              u"Erev Pesach");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kEighthOfPesach, DayKind::kEve),
              u"Erev 7th of Pesach");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kShavuotSecond, DayKind::kEve),
              u"Erev Shavuot");
    EXPECT_EQ(HolidayName(Language::kHebrew, Festival::kSheminiAtzeret, DayKind::kEve),
              u"ערב שמחת תורה");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kRoshHashana, DayKind::kRoshHashanaFirst),
              u"1st of Rosh Hashana");
    EXPECT_EQ(HolidayName(Language::kHebrew, Festival::kSukkotSecond, DayKind::kFestival),
              u"בחו\"ל יום טוב שני של סוכות");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kShavuotSecond, DayKind::kFestival),
              u"Isru Chag Shavuot - Outside Israel Yom-Tov");
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kNone, DayKind::kFestival), std::nullopt);
    EXPECT_EQ(HolidayName(Language::kEnglish, static_cast<Festival>(14), DayKind::kFestival),
              std::nullopt);
    EXPECT_EQ(HolidayName(Language::kHebrew, static_cast<Festival>(-3), DayKind::kEve),
              std::nullopt);
    EXPECT_EQ(HolidayName(Language::kEnglish, Festival::kRoshHashanaSecond, DayKind::kEve),
              std::nullopt);  // the second day of Rosh Hashana has no eve
}

TEST(RoshChodeshKind, ThirtiethAndFirstDays) {
    EXPECT_EQ(RoshChodeshKind(D(1, 1, 5785)), RoshChodeshDay::kNone);  // Rosh Hashana
    EXPECT_EQ(RoshChodeshKind(D(30, 1, 5785)), RoshChodeshDay::kFirst);
    EXPECT_EQ(RoshChodeshKind(D(1, 2, 5785)), RoshChodeshDay::kSecond);
    // A complete year: Heshvan has 30 days; a deficient year: Heshvan has 29.
    EXPECT_EQ(RoshChodeshKind(D(1, 3, 5785)), RoshChodeshDay::kSecond);
    EXPECT_EQ(RoshChodeshKind(D(1, 3, 5784)), RoshChodeshDay::kFirst);
    EXPECT_EQ(RoshChodeshKind(D(15, 3, 5785)), RoshChodeshDay::kNone);
}

TEST(RoshChodeshKind, AgreesWithMonthLengthsOverTheWholeRange) {
    for (std::int32_t year = kFirstHebrewYear; year <= kLastHebrewYear; ++year) {
        const int months = 12 + IsHebrewLeapYear(year);
        DayNumber first = HebrewToDayNumber(year, 1, 1);
        for (int month = 1; month <= months; ++month) {
            const int length = HebrewMonthLength(year, month);
            const RoshChodeshDay expected = month == 1 ? RoshChodeshDay::kNone
                                            : DayNumberToHebrew(first - 1).day == 30
                                                ? RoshChodeshDay::kSecond
                                                : RoshChodeshDay::kFirst;
            ASSERT_EQ(RoshChodeshKind(D(1, month, year)), expected) << year << '/' << month;
            ASSERT_EQ(RoshChodeshKind(D(29, month, year)), RoshChodeshDay::kNone);
            if (length == 30) {
                ASSERT_EQ(RoshChodeshKind(D(30, month, year)), RoshChodeshDay::kFirst);
            }
            first += length;
        }
    }
}

TEST(DayEvents, RoshHashanaAndItsEve) {
    const DayEventList first = DayEvents(Language::kEnglish, D(3, 10, 2024));
    EXPECT_EQ(first.entries, Entries{u"1st of Rosh Hashana"});  // no Rosh Chodesh entry
    EXPECT_EQ(first.kind, DayKind::kRoshHashanaFirst);
    const DayEventList eve =
        DayEvents(Language::kEnglish, D(2, 10, 2024));  // 5784 has Pesach on Tuesday
    EXPECT_EQ(eve.entries, (Entries{u"Erev Rosh Hashana", u"Eruv Tavshilin"}));
    EXPECT_EQ(eve.kind, DayKind::kEve);
    EXPECT_EQ(DayEvents(Language::kHebrew, D(4, 10, 2024)).entries, Entries{u"ב' דראש השנה"});
    EXPECT_EQ(DayEvents(Language::kEnglish, D(5, 10, 2024)).kind, DayKind::kOrdinary);
}

TEST(DayEvents, TishreiOfAYearBeginningOnThursday) {
    EXPECT_EQ(English(D(5, 10, 2024)), Entries{});  // 3 Tishrei 5785, a Saturday: no fast
    EXPECT_EQ(English(D(6, 10, 2024)),
              (Entries{u"Tzom Gedaliah 'Postponed'", u"Aseret Yemai Teshuvah"}));
    EXPECT_EQ(HebrewOn(5785, 1, 4), (Entries{u"צום גדליה 'נדחה'", u"עשרת ימי תשובה"}));
    EXPECT_EQ(English(D(16, 10, 2024)),
              (Entries{u"Erev Sukkot", u"Outside Israel Eruv Tavshilin"}));
    EXPECT_EQ(English(D(18, 10, 2024)),
              (Entries{u"Outside Israel 2nd Sukkot", u"1st Hol Hamoed Sukkot"}));
    EXPECT_EQ(HebrewOn(5785, 1, 16), (Entries{u"בחו\"ל יום טוב שני של סוכות", u"א חוה\"מ סוכות"}));
    EXPECT_EQ(English(D(19, 10, 2024)), Entries{u"Shabbat Hol Hamoed Sukkot"});
    EXPECT_EQ(English(D(23, 10, 2024)),
              (Entries{u"Erev Simhat Torah", u"Outside Israel Eruv Tavshilin", u"Hoshana Raba"}));
    EXPECT_EQ(English(D(26, 10, 2024)), Entries{u"Outside Israel Isru Chag"});
    // 5786 begins on Tuesday: the fast keeps its day.
    EXPECT_EQ(EnglishOn(5786, 1, 3), (Entries{u"Tzom Gedaliah", u"Aseret Yemai Teshuvah"}));
    EXPECT_EQ(EnglishOn(5786, 1, 4), Entries{u"Aseret Yemai Teshuvah"});
}

TEST(DayEvents, ChanukahInCompleteAndDeficientYears) {
    EXPECT_EQ(EnglishOn(5785, 3, 24),
              Entries{u""});  // the English vocabulary has no text for the eve
    EXPECT_EQ(HebrewOn(5785, 3, 24), Entries{u"ערב חג החנוכה"});
    EXPECT_EQ(EnglishOn(5785, 3, 25), Entries{u"1st of Hanukkah"});
    EXPECT_EQ(HebrewOn(5785, 3, 25), Entries{u"א' דחנוכה"});
    // 5785 is complete: Kislev has a 30th and Chanukah ends on 2 Tevet.
    EXPECT_EQ(EnglishOn(5785, 3, 30), (Entries{u"1st of Rosh Hodesh", u"6th of Hanukkah"}));
    EXPECT_EQ(EnglishOn(5785, 4, 1), (Entries{u"2nd of Rosh Hodesh", u"7th of Hanukkah"}));
    EXPECT_EQ(EnglishOn(5785, 4, 2), Entries{u"8th of Hanukkah"});
    EXPECT_EQ(EnglishOn(5785, 4, 3), Entries{});
    // 5784 is deficient: Kislev has 29 days and Chanukah ends on 3 Tevet.
    ASSERT_EQ(HebrewYearKind(5784), YearKind::kDeficient);
    EXPECT_EQ(EnglishOn(5784, 4, 1), (Entries{u"Rosh Hodesh", u"6th of Hanukkah"}));
    EXPECT_EQ(EnglishOn(5784, 4, 2), Entries{u"7th of Hanukkah"});
    EXPECT_EQ(EnglishOn(5784, 4, 3), Entries{u"8th of Hanukkah"});
    EXPECT_EQ(HebrewOn(5784, 4, 3), Entries{u"ח' דחנוכה"});
    EXPECT_EQ(EnglishOn(5784, 4, 10), Entries{u"Fast Tevet 10th \"General Kaddish Day\""});
}

TEST(DayEvents, PurimClusterWhenPesachFallsOnSunday) {
    // 5785: Pesach on Sunday, so Purim is on Friday and Jerusalem's Purim spreads over three days.
    EXPECT_EQ(EnglishOn(5785, 6, 13), Entries{u"Ta'anit Esther"});
    EXPECT_EQ(EnglishOn(5785, 6, 14), (Entries{u"Purim Holiday", u"In cities Purim is tripled",
                                               u"Purim Holiday 'Megillat Esther'"}));
    EXPECT_EQ(EnglishOn(5785, 6, 15), Entries{u"'Tripled' Purim De'Mukafot"});
    EXPECT_EQ(HebrewOn(5785, 6, 15), Entries{u"'משולש' פורים דמוקפים"});
    EXPECT_EQ(EnglishOn(5785, 6, 16), (Entries{u"In cities Purim is tripled", u"Purim Feast"}));
    EXPECT_EQ(EnglishOn(5785, 7, 12), Entries{u"Bedikat Hametz 'Early'"});
    EXPECT_EQ(EnglishOn(5785, 7, 13), Entries{});
    EXPECT_EQ(EnglishOn(5785, 7, 26),
              (Entries{u"Holocaust Martyrs & Heroes Remembrance Day", u"11th of the Omer"}));
    EXPECT_EQ(EnglishOn(5785, 7, 20),
              (Entries{u"Erev 7th of Pesach", u"5th Hol Hamoed Pesach", u"5th of the Omer"}));
}

TEST(DayEvents, AdarAndNisanInOtherYears) {
    // 5784 is a leap year with Pesach on Tuesday: the Fast of Esther moves back to Thursday 11 Adar
    // II.
    EXPECT_EQ(EnglishOn(5784, 6, 14), Entries{u"Purim Katan"});
    EXPECT_EQ(EnglishOn(5784, 7, 7), Entries{u"Yahrtzeit of Moshe Rabbeinu"});
    EXPECT_EQ(EnglishOn(5784, 7, 11), Entries{u"Ta'anit Esther 'Early'"});
    EXPECT_EQ(EnglishOn(5784, 7, 13), Entries{});
    EXPECT_EQ(EnglishOn(5784, 7, 15), Entries{u"Purim De'Mukafot"});
    EXPECT_EQ(EnglishOn(5784, 8, 13), Entries{u"Bedikat Hametz"});
    EXPECT_EQ(EnglishOn(5784, 8, 19), (Entries{u"Shabbat Hol Hamoed Pesach", u"4th of the Omer"}));
    // 5782 has Pesach on Saturday: four entries on 20 Nisan, the summer fasts postponed.
    EXPECT_EQ(EnglishOn(5782, Nisan(5782), 20),
              (Entries{u"Erev 7th of Pesach", u"Eruv Tavshilin", u"5th Hol Hamoed Pesach",
                       u"5th of the Omer"}));
    EXPECT_EQ(EnglishOn(5782, Tammuz(5782), 17), Entries{});
    EXPECT_EQ(EnglishOn(5782, Tammuz(5782), 18),
              (Entries{u"The Fast of the 17th of Tammuz 'Postponed'", u"Bein HaMetzarim"}));
    EXPECT_EQ(EnglishOn(5782, Av(5782), 9), Entries{});
    EXPECT_EQ(EnglishOn(5782, Av(5782), 10),
              (Entries{u"Tish'a B'Av 'Postponed'", u"-2444 for the First Temple",
                       u"-1953 for the Second Temple"}));
    EXPECT_EQ(HebrewOn(5782, Iyar(5782), 1), (Entries{u"ב' דראש חודש", u"טז' לעומר"}));
    // 5786 has Pesach on Thursday, so Shavuot falls on Friday.
    EXPECT_EQ(EnglishOn(5786, 9, 1), (Entries{u"Rosh Hodesh", u"45th of the Omer"}));
    EXPECT_EQ(EnglishOn(5786, 9, 5),
              (Entries{u"Erev Shavuot", u"49th of the Omer", u"Eruv Tavshilin"}));
    EXPECT_EQ(EnglishOn(5786, 9, 8), Entries{u"Outside Israel Isru Chag"});
}

TEST(DayEvents, IsraeliDaysByEra) {
    const std::u16string holocaust = u"Holocaust Martyrs & Heroes Remembrance Day";
    const std::u16string remembrance = u"Remembrance Day for the Fallen of Israel's Wars";

    EXPECT_EQ(DaysWith(5707, Nisan(5707), holocaust), std::vector<int>{});
    EXPECT_EQ(DaysWith(5708, Nisan(5708), holocaust), std::vector<int>{27});
    EXPECT_EQ(DaysWith(5753, Nisan(5753), holocaust),
              std::vector<int>{27});  // Pesach on Tuesday, before 5757
    EXPECT_EQ(DaysWith(5757, Nisan(5757), holocaust), std::vector<int>{28});
    EXPECT_EQ(DaysWith(5754, Nisan(5754), holocaust), std::vector<int>{26});

    // 5708: the declaration only.
    EXPECT_EQ(
        EnglishOn(5708, Iyar(5708), 5),
        (Entries{u"20th of the Omer", u"Declaration of the Establishment of the State of Israel"}));
    EXPECT_EQ(DaysWith(5708, Iyar(5708), remembrance), std::vector<int>{});
    EXPECT_EQ(EnglishOn(5709, Iyar(5709), 5),
              (Entries{u"20th of the Omer", u"Israel's Independence Day the 1"}));
    EXPECT_EQ(DaysWith(5709, Iyar(5709), remembrance), std::vector<int>{});
    EXPECT_EQ(DaysWith(5710, Iyar(5710), u"Israel's Independence Day the 2"),
              std::vector<int>{6});                                           // Pesach on Sunday
    EXPECT_EQ(DaysWith(5711, Iyar(5711), remembrance), std::vector<int>{3});  // Pesach on Saturday
    EXPECT_EQ(DaysWith(5711, Iyar(5711), u"Israel's Independence Day the 3"), std::vector<int>{4});
    EXPECT_EQ(DaysWith(5713, Iyar(5713), remembrance), std::vector<int>{4});  // Pesach on Tuesday
    EXPECT_EQ(DaysWith(5713, Iyar(5713), u"Israel's Independence Day the 5"), std::vector<int>{5});
    EXPECT_EQ(DaysWith(5714, Iyar(5714), remembrance), std::vector<int>{2});  // Pesach on Sunday
    EXPECT_EQ(DaysWith(5714, Iyar(5714), u"Israel's Independence Day the 6"), std::vector<int>{3});
    EXPECT_EQ(DaysWith(5764, Iyar(5764), remembrance), std::vector<int>{5});  // Pesach on Tuesday
    EXPECT_EQ(DaysWith(5764, Iyar(5764), u"Israel's Independence Day the 56"), std::vector<int>{6});
    EXPECT_EQ(EnglishOn(5784, Iyar(5784), 5), (Entries{u"20th of the Omer", remembrance}));
    EXPECT_EQ(EnglishOn(5784, Iyar(5784), 6),
              (Entries{u"21st of the Omer", u"Israel's Independence Day the 76"}));
    EXPECT_EQ(HebrewOn(5784, Iyar(5784), 6), (Entries{u"כא' לעומר", u"יום העצמאות ה... 76"}));

    EXPECT_EQ(DaysWith(5726, Iyar(5726), u"Jerusalem Liberation Day"), std::vector<int>{});
    EXPECT_EQ(DaysWith(5727, Iyar(5727), u"Jerusalem Liberation Day"), std::vector<int>{28});
}

TEST(DayEvents, FastOfAvCountsTheTemples) {
    EXPECT_EQ(EnglishOn(3337, Av(3337), 9), Entries{u"Tish'a B'Av"});
    EXPECT_EQ(EnglishOn(3338, Av(3338), 9), (Entries{u"Tish'a B'Av", u"-0 for the First Temple"}));
    EXPECT_EQ(HebrewOn(3338, Av(3338), 9), (Entries{u"צום תשעה באב", u"-0 לבית ראשון"}));
    EXPECT_EQ(EnglishOn(3829, Av(3829), 9),
              (Entries{u"Tish'a B'Av", u"-491 for the First Temple", u"-0 for the Second Temple"}));
    // The three weeks are kept from 3830 on.
    EXPECT_EQ(EnglishOn(3829, Av(3829), 2), Entries{});
    EXPECT_EQ(EnglishOn(3829, Tammuz(3829), 18), Entries{});
    EXPECT_EQ(EnglishOn(3830, Av(3830), 2), Entries{u"Bein HaMetzarim"});
    EXPECT_EQ(EnglishOn(3830, Tammuz(3830), 29), Entries{u"Bein HaMetzarim"});
    EXPECT_EQ(EnglishOn(5785, Av(5785), 15), Entries{u"15th of Av, Tu Be'Av"});
}

TEST(DayEvents, SelichotInElul) {
    // 2 Elul 5783 is a Saturday (5784 begins on Saturday): the Sephardic Selichot begin on Sunday.
    EXPECT_EQ(EnglishOn(5783, 12, 2), Entries{});
    EXPECT_EQ(EnglishOn(5783, 12, 3), Entries{u"Selichot by Sepharadic tradition"});
    EXPECT_EQ(EnglishOn(5784, Elul(5784), 2), Entries{u"Selichot by Sepharadic tradition"});
    EXPECT_EQ(DaysWith(5784, Elul(5784), u"Selichot by Ahkenaz tradition"),
              std::vector<int>{26});  // Pesach Tuesday
    EXPECT_EQ(DaysWith(5785, Elul(5785), u"Selichot by Ahkenaz tradition"),
              std::vector<int>{21});  // Pesach Sunday
    EXPECT_EQ(DaysWith(5782, Elul(5782), u"Selichot by Ahkenaz tradition"),
              std::vector<int>{22});  // Pesach Saturday
    EXPECT_EQ(DaysWith(5786, Elul(5786), u"Selichot by Ahkenaz tradition"),
              std::vector<int>{24});  // Pesach Thursday
}

TEST(DayEvents, SigdMovesOffTheSabbath) {
    // 29 Heshvan 5785 is a Saturday: the day is kept on Thursday 27 Heshvan.
    EXPECT_EQ(English(D(28, 11, 2024)), Entries{u"Sig'd Holiday"});
    EXPECT_EQ(English(D(30, 11, 2024)), Entries{});
    EXPECT_EQ(DayEvents(Language::kHebrew, D(28, 11, 2024)).entries, Entries{u"חג הסיגד"});
    EXPECT_EQ(EnglishOn(5786, 2, 29), Entries{u"Sig'd Holiday"});  // a Thursday
}

TEST(DayEvents, SigdIsKeptOnceAYearFrom1400) {
    for (std::int32_t year = 5161; year <= 5800; ++year) {
        int days = 0;
        for (DayNumber n = HebrewToDayNumber(year, 2, 1); n < HebrewToDayNumber(year, 5, 1); ++n) {
            for (const std::u16string& entry : English(DayNumberToCivil(n)))
                days += entry == u"Sig'd Holiday";
        }
        ASSERT_EQ(days, 1) << year;
    }
    for (DayNumber n = HebrewToDayNumber(5150, 1, 1); n < HebrewToDayNumber(5160, 1, 1); ++n) {
        for (const std::u16string& entry : English(DayNumberToCivil(n)))
            ASSERT_NE(entry, u"Sig'd Holiday");
    }
}

TEST(DayEvents, CalendarReformNotes) {
    EXPECT_EQ(English(D(4, 10, 1582)),
              (Entries{u"3rd Hol Hamoed Sukkot", u"Today Pope Gregory the 13th has",
                       u"subtracted 10 days from the calendar",
                       u"The day after 4/10/1582 is 15/10/1582"}));
    EXPECT_EQ(English(D(15, 10, 1582)),
              (Entries{u"4th Hol Hamoed Sukkot", u"Until today every 4yrs. Feb. is 29 days",
                       u"From now every 100yrs. Feb. is 28 days",
                       u"Except 400yrs. when Feb. is 29 days"}));
    EXPECT_EQ(DayEvents(Language::kHebrew, D(15, 10, 1582)).entries[2],
              u"מעתה כל 100 שנים פברואר 28 יום");
    EXPECT_EQ(English(D(15, 10, 1583)), Entries{});
}

TEST(DayHasEvent, DiffersFromTheListWhereDocumented) {
    EXPECT_TRUE(DayHasEvent(D(18, Iyar(5785), 5785)));
    EXPECT_EQ(EnglishOn(5785, Iyar(5785), 18), Entries{u"33rd of the Omer"});
    EXPECT_TRUE(DayHasEvent(D(2, 12, 5783)));  // a Saturday without Selichot
    EXPECT_FALSE(DayHasEvent(D(3, 12, 5783)));
    EXPECT_FALSE(DayHasEvent(D(14, 1, 5785)));  // eves
    EXPECT_FALSE(DayHasEvent(D(29, 2, 5786)));  // Sigd
    EXPECT_FALSE(DayHasEvent(D(20, Iyar(5785), 5785)));
    EXPECT_FALSE(DayHasEvent(D(5, Av(5785), 5785)));
    EXPECT_FALSE(DayHasEvent(D(9, Av(3337), 3337)));
    EXPECT_TRUE(DayHasEvent(D(9, Av(3338), 3338)));
    EXPECT_TRUE(DayHasEvent(D(14, 6, 5784)));  // Purim Katan
    EXPECT_TRUE(DayHasEvent(D(11, 7, 5784)));  // the early Fast of Esther
    EXPECT_FALSE(DayHasEvent(D(13, 7, 5784)));
    EXPECT_TRUE(DayHasEvent(D(3, 4, 5784)));  // 8th of Chanukah of a deficient year
    EXPECT_FALSE(DayHasEvent(D(3, 4, 5785)));
    EXPECT_TRUE(DayHasEvent(D(5, Iyar(5708), 5708)));
    EXPECT_TRUE(DayHasEvent(D(6, 9, 5784)));  // independence day
    EXPECT_FALSE(DayHasEvent(D(23, 1, 5785)));
}

// The rules depend on the date only through the year's shape (weekday of Rosh Hashana, kind, leap)
// and a few eras: every year around the era changes, and elsewhere, every 10000 years, the first
// year of each shape.
std::vector<std::int32_t> SweptYears() {
    std::vector<std::int32_t> years;
    for (std::int32_t y = 3330; y <= 3345; ++y)
        years.push_back(y);
    for (std::int32_t y = 3825; y <= 3835; ++y)
        years.push_back(y);
    for (std::int32_t y = 5150; y <= 5800; ++y)
        years.push_back(y);
    for (std::int32_t anchor = 1; anchor < kLastHebrewYear - 1000; anchor += 10000) {
        std::vector<int> seen;
        for (std::int32_t y = anchor; seen.size() < 14; ++y) {
            const int shape = RoshHashanaWeekday(y) * 100 +
                              static_cast<int>(HebrewYearKind(y)) * 10 + IsHebrewLeapYear(y);
            if (std::find(seen.begin(), seen.end(), shape) != seen.end())
                continue;
            seen.push_back(shape);
            years.push_back(y);
        }
    }
    return years;
}

TEST(DayEvents, SweepAtMostFourEntriesAndMarkerAgreement) {
    for (const std::int32_t year : SweptYears()) {
        const DayNumber end = HebrewToDayNumber(year + 1, 1, 1);
        for (DayNumber n = HebrewToDayNumber(year, 1, 1); n < end; ++n) {
            const CalendarDate civil = DayNumberToCivil(n);
            const CalendarDate hebrew = DayNumberToHebrew(n);
            const DayEventList list = DayEvents(Language::kEnglish, civil);
            ASSERT_LE(list.entries.size(), 4u)
                << year << '/' << int(hebrew.month) << '/' << int(hebrew.day);
            ASSERT_EQ(list.kind, HolidayCode(hebrew).kind);
            const bool saturdayElul2 =
                hebrew.month == 12 + IsHebrewLeapYear(year) && hebrew.day == 2;
            if (DayHasEvent(hebrew) && !saturdayElul2) {
                ASSERT_FALSE(list.entries.empty())
                    << year << '/' << int(hebrew.month) << '/' << int(hebrew.day);
            }
        }
    }
}

}  // namespace
}  // namespace plx
