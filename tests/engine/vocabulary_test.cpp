#include "engine/vocabulary.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace plx {
namespace {

using std::u16string;
using std::u16string_view;

// Every plain string table with its length, for the sweeps below.
struct Table {
    const char* name;
    TextTable entries;
    int count;
};

std::vector<Table> StringTables(const PlxLocaleBase& v) {
    return {
        {"TimeNames", v.timeNames, kTimeNameCount},
        {"TimeShortNames", v.timeShortNames, kTimeShortNameCount},
        {"HebrewMonthNames", v.hebrewMonthNames, 13},
        {"HebrewLeapMonthNames", v.hebrewLeapMonthNames, 13},
        {"CivilMonthNames", v.civilMonthNames, 12},
        {"WeekdayNames", v.weekdayNames, 7},
        {"WeekdayShortNames", v.weekdayShortNames, 7},
        {"WeekdayLetters", v.weekdayLetters, 7},
        {"TractateNames", v.tractateNames, kTractateCount},
        {"ShmitaYearNames", v.shmitaYearNames, kShmitaYearCount},
        {"PortionNames", v.portionNames, kPortionCount},
        {"DayEventPhrases", v.dayEventPhrases, kDayEventPhraseCount},
        {"HolidayNames", v.HolidayNames(HolidayNaming::kIsrael), kHolidayCount},
        {"HolidayNamesOutside", v.HolidayNames(HolidayNaming::kOutsideIsrael), kHolidayCount},
        {"HolidayEveNames", v.holidayEveNames, kHolidayEveCount},
        {"DayPartNames", v.dayPartNames, kDayPartCount},
    };
}

bool HasHebrewLetter(u16string_view text) {
    for (char16_t c : text) {
        if (c >= u'א' && c <= u'ת') {
            return true;
        }
    }
    return false;
}

// Every way to the vocabularies reaches the right language's words; anything but Hebrew is
// English.
TEST(Vocabulary, EveryAccessReachesItsLanguage) {
    const std::pair<const PlxLocaleBase*, const char16_t*> cases[] = {
        {gHebrewVocabulary, u"ב"},
        {&HebrewVocabulary(), u"ב"},
        {&Vocabulary(Language::kHebrew), u"ב"},
        {gEnglishVocabulary, u"M"},
        {&EnglishVocabulary(), u"M"},
        {&Vocabulary(Language::kEnglish), u"M"},
        {&Vocabulary(static_cast<Language>(7)), u"M"},
    };
    for (const auto& [vocabulary, monday] : cases)
        EXPECT_EQ(u16string(vocabulary->weekdayLetters[1]), monday);
}

TEST(Vocabulary, MonthTables) {
    const PlxLocaleBase& he = HebrewVocabulary();
    const PlxLocaleBase& en = EnglishVocabulary();
    EXPECT_EQ(u16string(he.hebrewMonthNames[12]), u"");
    EXPECT_EQ(u16string(en.hebrewMonthNames[12]), u"");
    EXPECT_EQ(u16string(he.hebrewLeapMonthNames[5]), u"אדר א");
    EXPECT_EQ(u16string(he.hebrewLeapMonthNames[6]), u"אדר ב");
    EXPECT_EQ(u16string(en.hebrewLeapMonthNames[5]), u"Adar A");
    EXPECT_EQ(u16string(en.hebrewLeapMonthNames[6]), u"Adar B");
    EXPECT_EQ(u16string(en.hebrewLeapMonthNames[12]), u"Elul");
    EXPECT_EQ(u16string(en.civilMonthNames[11]), u"December");
}

TEST(Vocabulary, TimeNamesEndInTheirAlignmentTabs) {
    EXPECT_EQ(u16string(EnglishVocabulary().timeNames[2]), u"Sunrise\t\t");
    EXPECT_EQ(u16string(HebrewVocabulary().timeNames[2]), u"הנץ החמה\t");
    EXPECT_EQ(u16string(EnglishVocabulary().timeNames[3]), u"End of Sh'ma (Maga)");
    EXPECT_EQ(u16string(HebrewVocabulary().timeNames[20]), u"צאת הכוכבים (רש\"ז)");
}

TEST(Vocabulary, HolidayNamings) {
    const PlxLocaleBase& he = HebrewVocabulary();
    const PlxLocaleBase& en = EnglishVocabulary();
    constexpr HolidayNaming kIsrael = HolidayNaming::kIsrael;
    constexpr HolidayNaming kAbroad = HolidayNaming::kOutsideIsrael;
    EXPECT_EQ(u16string(en.HolidayNames(kAbroad)[5]), u"Simhat Torah");
    EXPECT_EQ(u16string(he.HolidayNames(kAbroad)[5]), u"שמיני עצרת");
    EXPECT_EQ(u16string(he.HolidayNames(kIsrael)[5]), u"שמחת תורה");
    EXPECT_EQ(u16string(en.HolidayNames(kIsrael)[4]), u"Outside Israel 2nd Sukkot");
    EXPECT_EQ(u16string(en.HolidayNames(kAbroad)[4]), u"2nd Yom-Tov of Sukkot");
}

TEST(Vocabulary, TractatesFollowTheDafYomiCycle) {
    const char16_t* const expected[kTractateCount] = {
        u"Brachot", u"Shabbat",  u"Eiruvin",      u"Psahim",     u"Shekalim",   u"Yoma",
        u"Suka",    u"Beiza",    u"Rosh Hashana", u"Ta'anit",    u"Megila",     u"Mo'ed Katan",
        u"Hagiga",  u"Yevamot",  u"Ktubot",       u"Nedarim",    u"Nazir",      u"Sota",
        u"Gitin",   u"Kidushin", u"Baba Kamma",   u"Baba Mezia", u"Baba Batra", u"Sanhedrin",
        u"Makot",   u"Shavuot",  u"Avoda Zara",   u"Horiot",     u"Zvahim",     u"Minhot",
        u"Holin",   u"Bechorot", u"Arachin",      u"Tmura",      u"Kritot",     u"Me'ila",
        u"Kinim",   u"Tamid",    u"Midot",        u"Nida",
    };
    for (int i = 0; i < kTractateCount; ++i) {
        EXPECT_EQ(u16string(EnglishVocabulary().tractateNames[i]), expected[i]) << i;
    }
    const TextTable he = HebrewVocabulary().tractateNames;
    EXPECT_EQ(u16string(he[4]), u"שקלים");
    EXPECT_EQ(u16string(he[5]), u"יומא");
    EXPECT_EQ(u16string(he[8]), u"ראש השנה");
    EXPECT_EQ(u16string(he[11]), u"מועד קטן");
    EXPECT_EQ(u16string(he[12]), u"חגיגה");
    EXPECT_EQ(u16string(he[24]), u"מכות");
    EXPECT_EQ(u16string(he[25]), u"שבועות");
    EXPECT_EQ(u16string(he[39]), u"נידה");
}

TEST(Vocabulary, EnglishOrdinals) {
    const PlxLocaleBase& en = EnglishVocabulary();
    const std::pair<int, const char16_t*> cases[] = {
        {1, u"1st"},     {2, u"2nd"},     {3, u"3rd"},   {4, u"4th"},
        {11, u"11th"},   {12, u"12th"},   {13, u"13th"}, {19, u"19th"},
        {21, u"21st"},   {22, u"22nd"},   {23, u"23rd"}, {0, u"0th"},
        {101, u"101st"}, {111, u"111st"}, {-3, u"-3rd"}, {INT_MIN, u"-2147483648th"},
    };
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(en.NumberText(n, Gender::kFeminine), text) << n;
        EXPECT_EQ(en.NumberText(n, Gender::kMasculine), text) << n;  // no gender in English
    }
}

TEST(Vocabulary, HebrewNumberWords) {
    constexpr Gender kFeminine = Gender::kFeminine;
    constexpr Gender kMasculine = Gender::kMasculine;
    const struct {
        int n;
        Gender gender;
        const char16_t* text;
    } cases[] = {
        {23, kMasculine, u"עשרים ושלושה"},
        {23, kFeminine, u"עשרים ושלוש"},
        {15, kFeminine, u"חמש עשרה"},
        {15, kMasculine, u"חמישה עשר"},
        {2, kFeminine, u"שניה"},
        {9, kMasculine, u"תשיעי"},
        {10, kFeminine, u"עשירית"},
        {10, kMasculine, u"עשירי"},
        {11, kFeminine, u"אחת עשרה"},
        {30, kMasculine, u"שלושים"},
        {99, kFeminine, u"תשעים ותשע"},
        // Hundreds and above are not spoken.
        {123, kMasculine, u"עשרים ושלושה"},
        {100, kMasculine, u""},
        {101, kMasculine, u""},
        {INT_MAX, kFeminine, u"ארבעים ושבע"},  // 2147483647
        {1, kFeminine, u""},
        {1, kMasculine, u""},
        {0, kFeminine, u""},
        {-5, kMasculine, u""},
        {INT_MIN, kFeminine, u""},
    };
    for (const auto& [n, gender, text] : cases)
        EXPECT_EQ(HebrewVocabulary().NumberText(n, gender), text)
            << n << (gender == kFeminine ? " feminine" : " masculine");
}

TEST(Vocabulary, PortionPartsCoverTheSplitWeeksInOrder) {
    for (const PlxLocaleBase* v : {gHebrewVocabulary, gEnglishVocabulary}) {
        for (const std::span<const PortionPart> parts :
             {v->portionIsraelParts, v->portionDiasporaParts}) {
            std::int32_t key = kFirstSplitPortion;
            for (const PortionPart& part : parts) {
                EXPECT_EQ(part.key, key++);
                EXPECT_FALSE(part.text.empty()) << part.key;
            }
        }
    }
    EXPECT_EQ(u16string(EnglishVocabulary().portionDiasporaParts[0].text),
              u"7th of Pesach - 2nd Yom-Tov");
    EXPECT_EQ(u16string(HebrewVocabulary().portionIsraelParts[22].text), u"מסעי");
}

// Catches a table wired to the wrong field (its length differs), a stray tab, and a string that
// landed in the other language's table.
TEST(Vocabulary, EveryTableIsWholeAndInItsLanguage) {
    for (const PlxLocaleBase* v : {gHebrewVocabulary, gEnglishVocabulary}) {
        const bool hebrew = v == gHebrewVocabulary;
        for (const Table& table : StringTables(*v)) {
            ASSERT_EQ(table.entries.size(), static_cast<std::size_t>(table.count)) << table.name;
            for (int i = 0; i < table.count; ++i) {
                SCOPED_TRACE(std::string(table.name) + "[" + std::to_string(i) + "]");
                const u16string_view text = table.entries[i];
                const auto tab = text.find(u'\t');
                if (tab != u16string_view::npos) {
                    EXPECT_EQ(std::string(table.name), "TimeNames");
                    EXPECT_EQ(text.find_first_not_of(u'\t', tab), u16string_view::npos);
                }
                if (!text.empty() && text.find_first_not_of(u" '") != u16string_view::npos) {
                    EXPECT_EQ(HasHebrewLetter(text), hebrew);
                }
            }
        }
        for (int i = 0; i < kPortionCount; ++i) {
            EXPECT_FALSE(u16string_view(v->portionNames[i]).empty()) << i;
        }
    }
}

}  // namespace
}  // namespace plx
