// The English vocabulary: every calendar table in English, and ordinal day numbers.
#include <cstdlib>
#include <iterator>
#include <string>

#include "engine/vocabulary.h"

namespace plx {
namespace {

// Halachic-time labels; the trailing tabs line the times up in a column.
constexpr std::u16string_view kTimeNames[] = {
    u"Alot Hashachar\t",          // 0
    u"Tallith & Tefilin\t",       // 1
    u"Sunrise\t\t",               // 2
    u"End of Sh'ma (Maga)",       // 3
    u"End of Sh'ma (Gra)\t",      // 4
    u"End of Shachrit (Maga)",    // 5
    u"End of Shachrit (Gra)",     // 6
    u"Midday\t\t",                // 7
    u"Mincha gedola (Maga)",      // 8
    u"Mincha gedola (Gra)",       // 9
    u"Mincha gedola (30)\t",      // 10
    u"Mincha ketana (Maga)",      // 11
    u"Mincha ketana (Gra)",       // 12
    u"Plag ha'Mincha (Maga)",     // 13
    u"Plag ha'Mincha (Gra)",      // 14
    u"Candle lighting\t",         // 15
    u"Sunset\t\t",                // 16
    u"Stars out\t\t",             // 17
    u"End of Sabbath/Chag",       // 18
    u"Stars out (Gra)\t",         // 19
    u"Stars out (Rashaz)\t",      // 20
    u"Stars out (R.T)\t",         // 21
    u"Proportional hour (Maga)",  // 22
    u"Proportional hour (Gra)",   // 23
    u"End of Shabbat",            // 24
    u"End of Chag",               // 25
};
static_assert(std::size(kTimeNames) == kTimeNameCount);

constexpr std::u16string_view kTimeShortNames[] = {
    u"Alo\"sh",   // 0
    u"Tefilin",   // 1
    u"Sunrise",   // 2
    u"Sh'ma",     // 3
    u"Sh'ma",     // 4
    u"Shachrit",  // 5
    u"Shachrit",  // 6
    u"Midday",    // 7
    u"Mincha G",  // 8
    u"Mincha G",  // 9
    u"Mincha G",  // 10
    u"Mincha K",  // 11
    u"Mincha K",  // 12
    u"Plag",      // 13
    u"Plag",      // 14
    u"Candles",   // 15
    u"Sunset",    // 16
    u"Stars",     // 17
    u"Motzash",   // 18
    u"Stars",     // 19
    u"Stars",     // 20
    u"Stars",     // 21
    u"PropHr",    // 22
    u"PropHr",    // 23
};
static_assert(std::size(kTimeShortNames) == kTimeShortNameCount);

// Tishrei first; the empty entry stands where a leap year has Elul.
constexpr std::u16string_view kHebrewMonthNames[] = {
    u"Tishrei", u"Heshvan", u"Kislev", u"Teveth", u"Shebat", u"Adar", u"Nisan",
    u"Iyyar",   u"Sivan",   u"Tammuz", u"Av",     u"Elul",   u"",
};
static_assert(std::size(kHebrewMonthNames) == 13);

constexpr std::u16string_view kHebrewLeapMonthNames[] = {
    u"Tishrei", u"Heshvan", u"Kislev", u"Teveth", u"Sheba", u"Adar A", u"Adar B",
    u"Nisan",   u"Iyyar",   u"Sivan",  u"Tammuz", u"Av",    u"Elul",
};
static_assert(std::size(kHebrewLeapMonthNames) == 13);

constexpr std::u16string_view kCivilMonthNames[] = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};
static_assert(std::size(kCivilMonthNames) == 12);

// Sunday first.
constexpr std::u16string_view kWeekdayNames[] = {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday",
};
static_assert(std::size(kWeekdayNames) == 7);

constexpr std::u16string_view kWeekdayShortNames[] = {
    u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat",
};
static_assert(std::size(kWeekdayShortNames) == 7);

constexpr std::u16string_view kWeekdayLetters[] = {
    u"S", u"M", u"T", u"W", u"T", u"F", u"S",
};
static_assert(std::size(kWeekdayLetters) == 7);

// In the order the Daf Yomi cycle studies them.
constexpr std::u16string_view kTractateNames[] = {
    u"Brachot",       // 0
    u"Shabbat",       // 1
    u"Eiruvin",       // 2
    u"Psahim",        // 3
    u"Shekalim",      // 4
    u"Yoma",          // 5
    u"Suka",          // 6
    u"Beiza",         // 7
    u"Rosh Hashana",  // 8
    u"Ta'anit",       // 9
    u"Megila",        // 10
    u"Mo'ed Katan",   // 11
    u"Hagiga",        // 12
    u"Yevamot",       // 13
    u"Ktubot",        // 14
    u"Nedarim",       // 15
    u"Nazir",         // 16
    u"Sota",          // 17
    u"Gitin",         // 18
    u"Kidushin",      // 19
    u"Baba Kamma",    // 20
    u"Baba Mezia",    // 21
    u"Baba Batra",    // 22
    u"Sanhedrin",     // 23
    u"Makot",         // 24
    u"Shavuot",       // 25
    u"Avoda Zara",    // 26
    u"Horiot",        // 27
    u"Zvahim",        // 28
    u"Minhot",        // 29
    u"Holin",         // 30
    u"Bechorot",      // 31
    u"Arachin",       // 32
    u"Tmura",         // 33
    u"Kritot",        // 34
    u"Me'ila",        // 35
    u"Kinim",         // 36
    u"Tamid",         // 37
    u"Midot",         // 38
    u"Nida",          // 39
};
static_assert(std::size(kTractateNames) == kTractateCount);

constexpr std::u16string_view kShmitaYearNames[] = {
    u"1st to the Smita: Maaser Sheni", u"2nd to the Smita: Maaser Sheni",
    u"3rd to the Smita: Maaser Ani",   u"4th to the Smita: Maaser Sheni",
    u"5th to the Smita: Maaser Sheni", u"6th to the Smita: Maaser Ani",
    u"Shnat Shmita (Sabbatical Year)",
};
static_assert(std::size(kShmitaYearNames) == kShmitaYearCount);

// Single portions 0..52, with a special Sabbath 53..75, read differently in Israel
// and abroad 76..98, double portions 99..103, Sabbaths of a festival 104..111, festival days
// 112..119, special Sabbaths 120..122.
constexpr std::u16string_view kPortionNames[] = {
    u"Bereshit",                                               // 0
    u"Noah",                                                   // 1
    u"Lech Lecha",                                             // 2
    u"VaYera",                                                 // 3
    u"Chaye Sarah",                                            // 4
    u"Toldot",                                                 // 5
    u"VaYetze",                                                // 6
    u"VaYishlach",                                             // 7
    u"VaYeshev",                                               // 8
    u"Miketz",                                                 // 9
    u"VaYigash",                                               // 10
    u"VaYechi",                                                // 11
    u"Shmot",                                                  // 12
    u"Va'Era",                                                 // 13
    u"Bo",                                                     // 14
    u"Beshalach - Shabbat Shira",                              // 15
    u"Yitro",                                                  // 16
    u"Mishpatim",                                              // 17
    u"Terumah",                                                // 18
    u"Tetzaveh",                                               // 19
    u"Ki Tisa",                                                // 20
    u"VaYakhel",                                               // 21
    u"Pekudei",                                                // 22
    u"VaYikra",                                                // 23
    u"Tzav",                                                   // 24
    u"Shemini",                                                // 25
    u"Tazria",                                                 // 26
    u"Metzora",                                                // 27
    u"Achare Mot",                                             // 28
    u"Kedoshim",                                               // 29
    u"Emor",                                                   // 30
    u"Behar",                                                  // 31
    u"Bechukotai",                                             // 32
    u"Bamidbar",                                               // 33
    u"Naso",                                                   // 34
    u"Be'ha'alotecha",                                         // 35
    u"Shlach Lecha",                                           // 36
    u"Korach",                                                 // 37
    u"Chukat",                                                 // 38
    u"Balak",                                                  // 39
    u"Pinchas",                                                // 40
    u"Matot",                                                  // 41
    u"Masei",                                                  // 42
    u"Devarim - Shabbat Chazon",                               // 43
    u"Va'Etchanan - Shabbat Nachamu",                          // 44
    u"Ekev",                                                   // 45
    u"Re'eh",                                                  // 46
    u"Shoftim",                                                // 47
    u"Ki Tetze",                                               // 48
    u"Ki Tavo",                                                // 49
    u"Nitzavim",                                               // 50
    u"VaYelech",                                               // 51
    u"Ha'azinu",                                               // 52
    u"Mishpatim - Shekalim",                                   // 53
    u"Terumah - Shekalim",                                     // 54
    u"VaYakhel - Shekalim",                                    // 55
    u"Pekudei - Shekalim",                                     // 56
    u"Terumah - Shabbat Zachor",                               // 57
    u"Tetzaveh - Shabbat Zachor",                              // 58
    u"VaYikra - Shabbat Zachor",                               // 59
    u"Tzav - Shabbat Zachor",                                  // 60
    u"Ki Tisa - Shabbat Parah",                                // 61
    u"VaYakhel - Shabbat Parah",                               // 62
    u"VaYakhel - Pekudei : Parah",                             // 63
    u"Tzav - Shabbat Parah",                                   // 64
    u"Shemini - Shabbat Parah",                                // 65
    u"VaYakhel - Pekudei : HaChodesh",                         // 66
    u"Pekudei - HaChodesh",                                    // 67
    u"VaYikra - HaChodesh",                                    // 68
    u"Shemini - HaChodesh",                                    // 69
    u"Tazria - HaChodesh",                                     // 70
    u"Tzav - Shabbat HaGadol",                                 // 71
    u"Metzora - Shabbat HaGadol",                              // 72
    u"Achare Mot - Shabbat HaGadol",                           // 73
    u"VaYelech - Shabbat Shuva",                               // 74
    u"Ha'azinu - Shabbat Shuva",                               // 75
    u"Achare Mot : Outside Israel Yom-Tov",                    // 76
    u"Shemini : Outside Israel Yom-Tov",                       // 77
    u"Kedoshim : Outside Israel Achare Mot",                   // 78
    u"Tazria - Metzora : Outside Israel Shemini",              // 79
    u"Emor : Outside Israel Kedoshim",                         // 80
    u"Achare Mot - Kedoshim : Outside Israel Tazria Metzora",  // 81
    u"Behar : Outside Israel Emor",                            // 82
    u"Emor : Outside Israel Achare Mot - Kedoshim",            // 83
    u"Behar : Outside Israel Emor",                            // 84
    u"Bechukotai : Outside Israel Behar",                      // 85
    u"Bamidbar : Outside Israel Bechukotai",                   // 86
    u"Bechukotai : Outside Israel Behar Bechukotai",           // 87
    u"Naso : Outside Israel 2nd Yom-Tov",                      // 88
    u"Naso : Outside Israel Bamidbar",                         // 89
    u"Be'ha'alotecha : Outside Israel Naso",                   // 90
    u"Shlach Lecha : Outside Israel Be'ha'alotecha",           // 91
    u"Korach : Outside Israel Shlach Lecha",                   // 92
    u"Chukat : Outside Israel Korach",                         // 93
    u"Balak : Outside Israel Chukat Balak",                    // 94
    u"Balak : Outside Israel Chukat",                          // 95
    u"Pinchas : Outside Israel Balak",                         // 96
    u"Matot : Outside Israel Pinchas",                         // 97
    u"Masei : Outside Israel Matot Masei",                     // 98
    u"Tazria - Metzora",                                       // 99
    u"Achare Mot - Kedoshim",                                  // 100
    u"Behar - Bechukotai",                                     // 101
    u"Matot - Masei",                                          // 102
    u"Nitzavim - VaYelech",                                    // 103
    u"Shabbat Rosh Hashanah",                                  // 104
    u"Shabbat Kippur",                                         // 105
    u"Shabbat Sukkot",                                         // 106
    u"Shabbat Simhat Tora",                                    // 107
    u"Shabbat Pesach",                                         // 108
    u"Shabbat Hol Hamoed Sukkot",                              // 109
    u"Shabbat 7th of Pesach",                                  // 110
    u"Shabbat Hol Hamoed Pesach",                              // 111
    u"Rosh Hashanah (A)",                                      // 112
    u"Rosh Hashanah (B)",                                      // 113
    u"Kippur",                                                 // 114
    u"Sukkot",                                                 // 115
    u"Simhat Tora",                                            // 116
    u"Pesach (A)",                                             // 117
    u"7th of Pesach",                                          // 118
    u"Shavuot",                                                // 119
    u"Shabbat HaGadol",                                        // 120
    u"Shabbat Zachor",                                         // 121
    u"Shabbat Shuva",                                          // 122
};
static_assert(std::size(kPortionNames) == kPortionCount);

// The halves of portions 76..98: what Israel reads, then what is read abroad.
constexpr PortionPart kPortionIsraelParts[] = {
    {76, u"Achare Mot"},     {77, u"Shemini"},
    {78, u"Kedoshim"},       {79, u"Tazria - Metzora"},
    {80, u"Emor"},           {81, u"Achare Mot - Kedoshim"},
    {82, u"Behar"},          {83, u"Emor"},
    {84, u"Behar"},          {85, u"Bechukotai"},
    {86, u"Bamidbar"},       {87, u"Bechukotai"},
    {88, u"Naso"},           {89, u"Naso"},
    {90, u"Be'ha'alotecha"}, {91, u"Shlach Lecha"},
    {92, u"Korach"},         {93, u"Chukat"},
    {94, u"Balak"},          {95, u"Balak"},
    {96, u"Pinchas"},        {97, u"Matot"},
    {98, u"Masei"},
};
static_assert(std::size(kPortionIsraelParts) == kPortionPartCount);

constexpr PortionPart kPortionDiasporaParts[] = {
    {76, u"7th of Pesach - 2nd Yom-Tov"},
    {77, u"Pesach 2nd Yom-Tov"},
    {78, u"Achare Mot"},
    {79, u"Shemini"},
    {80, u"Kedoshim"},
    {81, u"Tazria Metzora"},
    {82, u"Emor"},
    {83, u"Achare Mot - Kedoshim"},
    {84, u"Emor"},
    {85, u"Behar"},
    {86, u"Bechukotai"},
    {87, u"Behar Bechukotai"},
    {88, u"Shavuot 2nd Yom-Tov"},
    {89, u"Bamidbar"},
    {90, u"Naso"},
    {91, u"Be'ha'alotecha"},
    {92, u"Shlach Lecha"},
    {93, u"Korach"},
    {94, u"Chukat Balak"},
    {95, u"Chukat"},
    {96, u"Balak"},
    {97, u"Pinchas"},
    {98, u"Matot Masei"},
};
static_assert(std::size(kPortionDiasporaParts) == kPortionPartCount);

// The pieces the day events are built from; a leading blank joins a phrase to what precedes it.
constexpr std::u16string_view kDayEventPhrases[] = {
    u"1st of Rosh Hodesh",                                       // 0
    u"Rosh Hodesh",                                              // 1
    u"2nd of Rosh Hodesh",                                       // 2
    u"",                                                         // 3
    u"Tzom Gedaliah",                                            // 4
    u"",                                                         // 5
    u"",                                                         // 6
    u"Aseret Yemai Teshuvah",                                    // 7
    u"",                                                         // 8
    u"Outside Israel Eruv Tavshilin",                            // 9
    u"",                                                         // 10
    u" Hol Hamoed Sukkot",                                       // 11
    u"",                                                         // 12
    u"Hoshana Raba",                                             // 13
    u"",                                                         // 14
    u"",                                                         // 15
    u"Request for rains (Tal U'Matar)",                          // 16
    u"",                                                         // 17
    u" of Hanukkah",                                             // 18
    u"Fast Tevet 10th \"General Kaddish Day\"",                  // 19
    u"Rosh HaShana La'Ilanot",                                   // 20
    u"Purim Katan",                                              // 21
    u"Yahrtzeit of Moshe Rabbeinu",                              // 22
    u"Ta'anit Esther",                                           // 23
    u" 'Early'",                                                 // 24
    u"Purim Holiday",                                            // 25
    u"Purim De'Mukafot",                                         // 26
    u"",                                                         // 27
    u"'Tripled' ",                                               // 28
    u"In cities Purim is tripled",                               // 29
    u"Purim Holiday 'Megillat Esther'",                          // 30
    u"Purim Feast",                                              // 31
    u"Bedikat Hametz",                                           // 32
    u"",                                                         // 33
    u"Eruv Tavshilin",                                           // 34
    u"",                                                         // 35
    u"Shabbat",                                                  // 36
    u" Hol Hamoed Pesach",                                       // 37
    u"",                                                         // 38
    u"Isru Chag",                                                // 39
    u"Outside Israel Isru Chag",                                 // 40
    u"Holocaust Martyrs & Heroes Remembrance Day",               // 41
    u" of the Omer",                                             // 42
    u"2nd Pesach",                                               // 43
    u"Remembrance Day for the Fallen of Israel's Wars",          // 44
    u"Jerusalem Liberation Day",                                 // 45
    u"Israel's Independence Day the ",                           // 46
    u"Declaration of the Establishment of the State of Israel",  // 47
    u"",                                                         // 48
    u"",                                                         // 49
    u"The Fast of the 17th of Tammuz",                           // 50
    u" 'Postponed'",                                             // 51
    u"Bein HaMetzarim",                                          // 52
    u"Tish'a B'Av",                                              // 53
    u" for the First Temple",                                    // 54
    u" for the Second Temple",                                   // 55
    u"15th of Av, Tu Be'Av",                                     // 56
    u"Selichot by Sepharadic tradition",                         // 57
    u"Selichot by Ahkenaz tradition",                            // 58
    u"",                                                         // 59
    u"Today Pope Gregory the 13th has",                          // 60
    u"subtracted 10 days from the calendar",                     // 61
    u"The day after 4/10/1582 is 15/10/1582",                    // 62
    u"Until today every 4yrs. Feb. is 29 days",                  // 63
    u"From now every 100yrs. Feb. is 28 days",                   // 64
    u"Except 400yrs. when Feb. is 29 days",                      // 65
    u"",                                                         // 66
    u"Sig'd Holiday",                                            // 67
};
static_assert(std::size(kDayEventPhrases) == kDayEventPhraseCount);

// By holiday code - 1: Israel's festivals, with the days kept only abroad labelled as such.
constexpr std::u16string_view kHolidayNames[] = {
    u"1st of Rosh Hashana",                         // 0
    u"2nd of Rosh Hashana",                         // 1
    u"Yom HaKippurim",                              // 2
    u"Sukkot",                                      // 3
    u"Outside Israel 2nd Sukkot",                   // 4
    u"Simhat Torah",                                // 5
    u"Outside Israel 2nd Simhat Torah",             // 6
    u"1st Yom-Tov of Pesach",                       // 7
    u"Outside Israel 2nd Yom-Tov of Pesach",        // 8
    u"7th of Pesach",                               // 9
    u"Isru Chag Pesach - Outside Israel Yom-Tov",   // 10
    u"Shavuot",                                     // 11
    u"Isru Chag Shavuot - Outside Israel Yom-Tov",  // 12
    u"Rosh Hashana",                                // 13
};
static_assert(std::size(kHolidayNames) == kHolidayCount);

// The naming used abroad.
constexpr std::u16string_view kHolidayNamesOutsideIsrael[] = {
    u"1st of Rosh Hashana",          // 0
    u"2nd of Rosh Hashana",          // 1
    u"Yom HaKippurim",               // 2
    u"Sukkot",                       // 3
    u"2nd Yom-Tov of Sukkot",        // 4
    u"Simhat Torah",                 // 5
    u"2nd Yom-Tov of Simhat Torah",  // 6
    u"1st Yom-Tov of Pesach",        // 7
    u"2nd Yom-Tov of Pesach",        // 8
    u"7th of Pesach",                // 9
    u"8th of Pesach",                // 10
    u"Shavuot",                      // 11
    u"2nd Yom-Tov of Shavuot",       // 12
    u"Rosh Hashana",                 // 13
};
static_assert(std::size(kHolidayNamesOutsideIsrael) == kHolidayCount);

constexpr std::u16string_view kHolidayEveNames[] = {
    u"Erev Rosh Hashana",    u"Erev Yom HaKippurim", u"Erev Sukkot",        u"Erev Simhat Torah",
    u"Erev Shemini Atzeret", u"Erev Pesach",         u"Erev 7th of Pesach", u"Erev Shavuot",
};
static_assert(std::size(kHolidayEveNames) == kHolidayEveCount);

// The stretches of the day (evening, night, ...) a molad falls in.
constexpr std::u16string_view kDayPartNames[] = {
    u"Evening", u"Night", u"Morning", u"Day", u"Ending",
};
static_assert(std::size(kDayPartNames) == kDayPartCount);

// "1st", "12th", "22nd". Only the last digit counts above 19, so 111 gives "111st"; the engine
// asks for day counts (Hanukkah, Omer, Hol Hamoed), well below that.
std::u16string NumberText(int n, Gender /*gender*/) {
    const int key = n >= 1 && n <= 19 ? n : std::abs(n % 10);
    const char16_t* suffix = key == 1 ? u"st" : key == 2 ? u"nd" : key == 3 ? u"rd" : u"th";
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end()) + suffix;
}

constexpr PlxLocaleBase kEnglishLocale{
    .timeNames = kTimeNames,
    .timeShortNames = kTimeShortNames,
    .hebrewMonthNames = kHebrewMonthNames,
    .hebrewLeapMonthNames = kHebrewLeapMonthNames,
    .civilMonthNames = kCivilMonthNames,
    .weekdayNames = kWeekdayNames,
    .weekdayShortNames = kWeekdayShortNames,
    .weekdayLetters = kWeekdayLetters,
    .tractateNames = kTractateNames,
    .shmitaYearNames = kShmitaYearNames,
    .portionNames = kPortionNames,
    .portionIsraelParts = kPortionIsraelParts,
    .portionDiasporaParts = kPortionDiasporaParts,
    .dayEventPhrases = kDayEventPhrases,
    .holidayNames = kHolidayNames,
    .holidayNamesOutsideIsrael = kHolidayNamesOutsideIsrael,
    .holidayEveNames = kHolidayEveNames,
    .dayPartNames = kDayPartNames,
    .numberText = NumberText,
};

}  // namespace

constinit const PlxLocaleBase* const gEnglishVocabulary = &kEnglishLocale;

}  // namespace plx
