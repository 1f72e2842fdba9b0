// The Hebrew vocabulary: every calendar table in Hebrew, and the Hebrew ordinal number words.
#include <iterator>
#include <string>

#include "engine/vocabulary.h"

namespace plx {
namespace {

// Halachic-time labels; the trailing tabs line the times up in a column.
constexpr std::u16string_view kTimeNames[] = {
    u"עלות השחר\t",          // 0
    u"טלית ותפילין\t",       // 1
    u"הנץ החמה\t",           // 2
    u"סוף קריאת שמע (מגא)",  // 3
    u"סוף קריאת שמע (גרא)",  // 4
    u"סוף שחרית (מגא)\t",    // 5
    u"סוף שחרית (גרא)\t",    // 6
    u"חצות היום\t",          // 7
    u"מנחה גדולה (מגא)",     // 8
    u"מנחה גדולה (גרא)\t",   // 9
    u"מנחה גדולה (30)\t",    // 10
    u"מנחה קטנה (מגא)\t",    // 11
    u"מנחה קטנה (גרא)\t",    // 12
    u"פלג המנחה (מגא)\t",    // 13
    u"פלג המנחה (גרא)\t",    // 14
    u"הדלקת נרות\t",         // 15
    u"שקיעת החמה\t",         // 16
    u"צאת הכוכבים\t",        // 17
    u"מוצאי שבת/חג\t",       // 18
    u"צאת הכוכבים (גרא)",    // 19
    u"צאת הכוכבים (רש\"ז)",  // 20
    u"צאת הכוכבים (ר\"ת)",   // 21
    u"שעה זמנית (מגא)\t",    // 22
    u"שעה זמנית (גרא)\t",    // 23
    u"מוצאי שבת\t",          // 24
    u"מוצאי החג\t",          // 25
};
static_assert(std::size(kTimeNames) == kTimeNameCount);

constexpr std::u16string_view kTimeShortNames[] = {
    u"עלוה\"ש",  // 0
    u"תפילין",   // 1
    u"הנץ",      // 2
    u"סוף שמע",  // 3
    u"סוף שמע",  // 4
    u"שחרית",    // 5
    u"שחרית",    // 6
    u"חצות",     // 7
    u"מנחה ג",   // 8
    u"מנחה ג",   // 9
    u"מנחה ג",   // 10
    u"מנחה ק",   // 11
    u"מנחה ק",   // 12
    u"פלג",      // 13
    u"פלג",      // 14
    u"הדל\"נ",   // 15
    u"שקיעה",    // 16
    u"כוכבים",   // 17
    u"מוצ\"ש",   // 18
    u"כוכבים",   // 19
    u"כוכבים",   // 20
    u"כוכבים",   // 21
    u"שעה ז.",   // 22
    u"שעה ז.",   // 23
};
static_assert(std::size(kTimeShortNames) == kTimeShortNameCount);

// Tishrei first; the empty entry stands where a leap year has Elul.
constexpr std::u16string_view kHebrewMonthNames[] = {
    u"תשרי", u"חשון", u"כסלו", u"טבת", u"שבט",  u"אדר", u"ניסן",
    u"אייר", u"סיון", u"תמוז", u"אב",  u"אלול", u"",
};
static_assert(std::size(kHebrewMonthNames) == 13);

constexpr std::u16string_view kHebrewLeapMonthNames[] = {
    u"תשרי", u"חשון", u"כסלו", u"טבת",  u"שבט", u"אדר א", u"אדר ב",
    u"ניסן", u"אייר", u"סיון", u"תמוז", u"אב",  u"אלול",
};
static_assert(std::size(kHebrewLeapMonthNames) == 13);

constexpr std::u16string_view kCivilMonthNames[] = {
    u"ינואר", u"פברואר", u"מרץ",    u"אפריל",   u"מאי",    u"יוני",
    u"יולי",  u"אוגוסט", u"ספטמבר", u"אוקטובר", u"נובמבר", u"דצמבר",
};
static_assert(std::size(kCivilMonthNames) == 12);

// Sunday first.
constexpr std::u16string_view kWeekdayNames[] = {
    u"יום ראשון", u"יום שני", u"יום שלישי", u"יום רביעי", u"יום חמישי", u"יום שישי", u"יום שבת",
};
static_assert(std::size(kWeekdayNames) == 7);

constexpr std::u16string_view kWeekdayShortNames[] = {
    u"יום א'", u"יום ב'", u"יום ג'", u"יום ד'", u"יום ה'", u"יום ו'", u"יום ז'",
};
static_assert(std::size(kWeekdayShortNames) == 7);

constexpr std::u16string_view kWeekdayLetters[] = {
    u"א", u"ב", u"ג", u"ד", u"ה", u"ו", u"ש",
};
static_assert(std::size(kWeekdayLetters) == 7);

// In the order the Daf Yomi cycle studies them.
constexpr std::u16string_view kTractateNames[] = {
    u"ברכות",      // 0
    u"שבת",        // 1
    u"עירובין",    // 2
    u"פסחים",      // 3
    u"שקלים",      // 4
    u"יומא",       // 5
    u"סוכה",       // 6
    u"ביצה",       // 7
    u"ראש השנה",   // 8
    u"תענית",      // 9
    u"מגילה",      // 10
    u"מועד קטן",   // 11
    u"חגיגה",      // 12
    u"יבמות",      // 13
    u"כתובות",     // 14
    u"נדרים",      // 15
    u"נזיר",       // 16
    u"סוטה",       // 17
    u"גיטין",      // 18
    u"קידושין",    // 19
    u"בבא קמא",    // 20
    u"בבא מציעא",  // 21
    u"בבא בתרא",   // 22
    u"סנהדרין",    // 23
    u"מכות",       // 24
    u"שבועות",     // 25
    u"עבודה זרה",  // 26
    u"הוריות",     // 27
    u"זבחים",      // 28
    u"מנחות",      // 29
    u"חולין",      // 30
    u"בכורות",     // 31
    u"ערכין",      // 32
    u"תמורה",      // 33
    u"כריתות",     // 34
    u"מעילה",      // 35
    u"קינים",      // 36
    u"תמיד",       // 37
    u"מידות",      // 38
    u"נידה",       // 39
};
static_assert(std::size(kTractateNames) == kTractateCount);

constexpr std::u16string_view kShmitaYearNames[] = {
    u"א' לשמיטה: מעשר שני", u"ב' לשמיטה: מעשר שני", u"ג' לשמיטה: מעשר עני", u"ד' לשמיטה: מעשר שני",
    u"ה' לשמיטה: מעשר שני", u"ו' לשמיטה: מעשר עני", u"שנת שמיטה",
};
static_assert(std::size(kShmitaYearNames) == kShmitaYearCount);

// Single portions 0..52, with a special Sabbath 53..75, read differently in Israel
// and abroad 76..98, double portions 99..103, Sabbaths of a festival 104..111, festival days
// 112..119, special Sabbaths 120..122.
constexpr std::u16string_view kPortionNames[] = {
    u"בראשית",                                  // 0
    u"נח",                                      // 1
    u"לך לך",                                   // 2
    u"וירא",                                    // 3
    u"חיי שרה",                                 // 4
    u"תולדות",                                  // 5
    u"ויצא",                                    // 6
    u"וישלח",                                   // 7
    u"וישב",                                    // 8
    u"מקץ",                                     // 9
    u"ויגש",                                    // 10
    u"ויחי",                                    // 11
    u"שמות",                                    // 12
    u"וארא",                                    // 13
    u"בא",                                      // 14
    u"בשלח - שבת שירה",                         // 15
    u"יתרו",                                    // 16
    u"משפטים",                                  // 17
    u"תרומה",                                   // 18
    u"תצוה",                                    // 19
    u"כי תשא",                                  // 20
    u"ויקהל",                                   // 21
    u"פקודי",                                   // 22
    u"ויקרא",                                   // 23
    u"צו",                                      // 24
    u"שמיני",                                   // 25
    u"תזריע",                                   // 26
    u"מצורע",                                   // 27
    u"אחרי מות",                                // 28
    u"קדושים",                                  // 29
    u"אמור",                                    // 30
    u"בהר",                                     // 31
    u"בחוקותי",                                 // 32
    u"במדבר",                                   // 33
    u"נשא",                                     // 34
    u"בהעלותך",                                 // 35
    u"שלח לך",                                  // 36
    u"קורח",                                    // 37
    u"חוקת",                                    // 38
    u"בלק",                                     // 39
    u"פנחס",                                    // 40
    u"מטות",                                    // 41
    u"מסעי",                                    // 42
    u"דברים - שבת חזון",                        // 43
    u"ואתחנן - שבת נחמו",                       // 44
    u"עקב",                                     // 45
    u"ראה",                                     // 46
    u"שופטים",                                  // 47
    u"כי תצא",                                  // 48
    u"כי תבוא",                                 // 49
    u"ניצבים",                                  // 50
    u"וילך",                                    // 51
    u"האזינו",                                  // 52
    u"משפטים - שקלים",                          // 53
    u"תרומה - שקלים",                           // 54
    u"ויקהל - שקלים",                           // 55
    u"פקודי - שקלים",                           // 56
    u"תרומה - שבת זכור",                        // 57
    u"תצוה - שבת זכור",                         // 58
    u"ויקרא - שבת זכור",                        // 59
    u"צו - שבת זכור",                           // 60
    u"כי תשא - שבת פרה",                        // 61
    u"ויקהל - שבת פרה",                         // 62
    u"ויקהל - פקודי : פרה",                     // 63
    u"צו - שבת פרה",                            // 64
    u"שמיני - שבת פרה",                         // 65
    u"ויקהל - פקודי : החודש",                   // 66
    u"פקודי - החודש",                           // 67
    u"ויקרא - החודש",                           // 68
    u"שמיני - החודש",                           // 69
    u"תזריע - החודש",                           // 70
    u"צו - שבת הגדול",                          // 71
    u"מצורע - שבת הגדול",                       // 72
    u"אחרי מות - שבת הגדול",                    // 73
    u"וילך - שבת שובה",                         // 74
    u"האזינו - שבת שובה",                       // 75
    u"אחרי מות : בחו\"ל יום טוב",               // 76
    u"שמיני : בחו\"ל יום טוב",                  // 77
    u"קדושים : בחו\"ל אחרי מות",                // 78
    u"תזריע-מצורע : בחו\"ל שמיני",              // 79
    u"אמור : בחו\"ל קדושים",                    // 80
    u"אחרי מות - קדושים : בחו\"ל תזריע מצורע",  // 81
    u"בהר : בחו\"ל אמור",                       // 82
    u"אמור : בחו\"ל אחרי מות - קדושים",         // 83
    u"בהר : בחו\"ל אמור",                       // 84
    u"בחוקותי : בחו\"ל בהר",                    // 85
    u"במדבר : בחו\"ל בחוקותי",                  // 86
    u"בחוקותי : בחו\"ל בהר - בחוקותי",          // 87
    u"נשא : בחו\"ל יום טוב שני",                // 88
    u"נשא : בחו\"ל במדבר",                      // 89
    u"בהעלותך : בחו\"ל נשא",                    // 90
    u"שלח לך : בחו\"ל בהעלותך",                 // 91
    u"קורח : בחו\"ל שלח לך",                    // 92
    u"חוקת : בחו\"ל קורח",                      // 93
    u"בלק : בחו\"ל חוקת בלק",                   // 94
    u"בלק : בחו\"ל חוקת",                       // 95
    u"פנחס : בחו\"ל בלק",                       // 96
    u"מטות : בחו\"ל פנחס",                      // 97
    u"מסעי : בחו\"ל מטות מסעי",                 // 98
    u"תזריע - מצורע",                           // 99
    u"אחרי מות - קדושים",                       // 100
    u"בהר - בחוקותי",                           // 101
    u"מטות - מסעי",                             // 102
    u"ניצבים - וילך",                           // 103
    u"שבת ראש השנה",                            // 104
    u"שבת כפור",                                // 105
    u"שבת סוכות",                               // 106
    u"שבת שמחת תורה",                           // 107
    u"שבת פסח",                                 // 108
    u"שבת חוה\"מ סוכות",                        // 109
    u"שבת שביעי של פסח",                        // 110
    u"שבת חוה\"מ פסח",                          // 111
    u"ראש השנה (א)",                            // 112
    u"ראש השנה (ב)",                            // 113
    u"כפור",                                    // 114
    u"סוכות",                                   // 115
    u"שמחת תורה",                               // 116
    u"פסח (א)",                                 // 117
    u"שביעי של פסח",                            // 118
    u"שבועות",                                  // 119
    u"שבת הגדול",                               // 120
    u"שבת זכור",                                // 121
    u"שבת שובה",                                // 122
};
static_assert(std::size(kPortionNames) == kPortionCount);

// The halves of portions 76..98: what Israel reads, then what is read abroad.
constexpr PortionPart kPortionIsraelParts[] = {
    {76, u"אחרי מות"},      {77, u"שמיני"}, {78, u"קדושים"},
    {79, u"תזריע - מצורע"}, {80, u"אמור"},  {81, u"אחרי מות - קדושים"},
    {82, u"בהר"},           {83, u"אמור"},  {84, u"בהר"},
    {85, u"בחוקותי"},       {86, u"במדבר"}, {87, u"בחוקותי"},
    {88, u"נשא"},           {89, u"נשא"},   {90, u"בהעלותך"},
    {91, u"שלח לך"},        {92, u"קורח"},  {93, u"חוקת"},
    {94, u"בלק"},           {95, u"בלק"},   {96, u"פנחס"},
    {97, u"מטות"},          {98, u"מסעי"},
};
static_assert(std::size(kPortionIsraelParts) == kPortionPartCount);

constexpr PortionPart kPortionDiasporaParts[] = {
    {76, u"שביעי של פסח - יום טוב שני"},
    {77, u"פסח - יום טוב שני"},
    {78, u"אחרי מות"},
    {79, u"שמיני"},
    {80, u"קדושים"},
    {81, u"תזריע מצורע"},
    {82, u"אמור"},
    {83, u"אחרי מות - קדושים"},
    {84, u"אמור"},
    {85, u"בהר"},
    {86, u"בחוקותי"},
    {87, u"בהר - בחוקותי"},
    {88, u"שבועות - יום טוב שני"},
    {89, u"במדבר"},
    {90, u"נשא"},
    {91, u"בהעלותך"},
    {92, u"שלח לך"},
    {93, u"קורח"},
    {94, u"חוקת בלק"},
    {95, u"חוקת"},
    {96, u"בלק"},
    {97, u"פנחס"},
    {98, u"מטות מסעי"},
};
static_assert(std::size(kPortionDiasporaParts) == kPortionPartCount);

// The pieces the day events are built from; a leading blank joins a phrase to what precedes it.
constexpr std::u16string_view kDayEventPhrases[] = {
    u"א' דראש חודש",                      // 0
    u"ראש חודש",                          // 1
    u"ב' דראש חודש",                      // 2
    u"",                                  // 3
    u"צום גדליה",                         // 4
    u"",                                  // 5
    u"",                                  // 6
    u"עשרת ימי תשובה",                    // 7
    u"",                                  // 8
    u"בחו\"ל ערוב תבשילין",               // 9
    u"",                                  // 10
    u" חוה\"מ סוכות",                     // 11
    u"",                                  // 12
    u"הושענא רבה",                        // 13
    u"",                                  // 14
    u"",                                  // 15
    u"שאלת הגשמים 'טל ומטר'",             // 16
    u"ערב חג החנוכה",                     // 17
    u"' דחנוכה",                          // 18
    u"צום עשרה בטבת 'יום הקדיש הכללי'",   // 19
    u"ראש השנה לאילנות",                  // 20
    u"פורים קטן",                         // 21
    u"יום פטירת משה רבינו",               // 22
    u"תענית אסתר",                        // 23
    u" 'מוקדם'",                          // 24
    u"חג פורים",                          // 25
    u"פורים דמוקפים",                     // 26
    u"",                                  // 27
    u"'משולש' ",                          // 28
    u"במוקפות פורים משולש",               // 29
    u"חג פורים 'מגילת אסתר'",             // 30
    u"סעודת פורים",                       // 31
    u"בדיקת חמץ",                         // 32
    u"",                                  // 33
    u"עירוב תבשילין",                     // 34
    u"",                                  // 35
    u"שבת",                               // 36
    u" חוה'מ פסח",                        // 37
    u"",                                  // 38
    u"איסרו חג",                          // 39
    u"בחו\"ל איסרו חג",                   // 40
    u"יום השואה והגבורה",                 // 41
    u"' לעומר",                           // 42
    u"פסח שני",                           // 43
    u"יום הזיכרון - לחללי מערכות ישראל",  // 44
    u"יום שחרור ירושלים",                 // 45
    u"יום העצמאות ה... ",                 // 46
    u"יום הכרזת המדינה",                  // 47
    u"",                                  // 48
    u"",                                  // 49
    u"צום יז' בתמוז",                     // 50
    u" 'נדחה'",                           // 51
    u"ימי בין המצרים",                    // 52
    u"צום תשעה באב",                      // 53
    u" לבית ראשון",                       // 54
    u" לבית שני",                         // 55
    u"ט'ו באב",                           // 56
    u"סליחות לעדות ספרד",                 // 57
    u"סליחות לעדות אשכנז",                // 58
    u"",                                  // 59
    u"בתאריך זה האפיפיור גריגורי ה-13",   // 60
    u"תיקן והחסיר 10 ימים בלוח הלועזי",   // 61
    u"למחרת 4/10/1582 יבוא 15/10/1582",   // 62
    u"עד היום כל 4 שנים פברואר 29 יום",   // 63
    u"מעתה כל 100 שנים פברואר 28 יום",    // 64
    u"חוץ מ-400 שנה שאז פברואר 29 יום",   // 65
    u"",                                  // 66
    u"חג הסיגד",                          // 67
};
static_assert(std::size(kDayEventPhrases) == kDayEventPhraseCount);

// By holiday code - 1: Israel's festivals, with the days kept only abroad labelled as such.
constexpr std::u16string_view kHolidayNames[] = {
    u"א' דראש השנה",                     // 0
    u"ב' דראש השנה",                     // 1
    u"יום הכיפורים",                     // 2
    u"חג הסוכות",                        // 3
    u"בחו\"ל יום טוב שני של סוכות",      // 4
    u"שמחת תורה",                        // 5
    u"בחו\"ל יום טוב שני של שמחת תורה",  // 6
    u"פסח א'",                           // 7
    u"בחו\"ל יום טוב שני של פסח",        // 8
    u"שביעי של פסח",                     // 9
    u"אסרו חג פסח - בחו\"ל יום טוב",     // 10
    u"שבועות",                           // 11
    u"אסרו חג שבועות - בחו\"ל יום טוב",  // 12
    u"ראש השנה",                         // 13
};
static_assert(std::size(kHolidayNames) == kHolidayCount);

// The naming used abroad.
constexpr std::u16string_view kHolidayNamesOutsideIsrael[] = {
    u"א' דראש השנה",           // 0
    u"ב' דראש השנה",           // 1
    u"יום הכיפורים",           // 2
    u"חג הסוכות",              // 3
    u"יום טוב שני של סוכות",   // 4
    u"שמיני עצרת",             // 5
    u"שמחת תורה",              // 6
    u"פסח א'",                 // 7
    u"יום טוב שני של פסח",     // 8
    u"שביעי של פסח",           // 9
    u"שמיני של פסח",           // 10
    u"שבועות",                 // 11
    u"יום טוב שני של שבועות",  // 12
    u"ראש השנה",               // 13
};
static_assert(std::size(kHolidayNamesOutsideIsrael) == kHolidayCount);

constexpr std::u16string_view kHolidayEveNames[] = {
    u"ערב ראש השנה",   u"ערב יום הכיפורים", u"ערב סוכות",        u"ערב שמחת תורה",
    u"ערב שמיני עצרת", u"ערב פסח",          u"ערב שביעי של פסח", u"ערב שבועות",
};
static_assert(std::size(kHolidayEveNames) == kHolidayEveCount);

// The stretches of the day (evening, night, ...) a molad falls in.
constexpr std::u16string_view kDayPartNames[] = {
    u"ערב", u"ליל", u"בוקר", u"יום", u"סוף",
};
static_assert(std::size(kDayPartNames) == kDayPartCount);

// Number words by gender: feminine, then masculine.
constexpr const char16_t* kOrdinals[2][8] = {
    // 2..9
    {u"שניה", u"שלישית", u"רביעית", u"חמישית", u"ששית", u"שביעית", u"שמינית", u"תשיעית"},
    {u"שני", u"שלישי", u"רביעי", u"חמישי", u"ששי", u"שביעי", u"שמיני", u"תשיעי"},
};
constexpr const char16_t* kTenths[2] = {u"עשירית", u"עשירי"};
constexpr const char16_t* kTeens[2][9] = {
    // 11..19
    {u"אחת עשרה", u"שתים עשרה", u"שלוש עשרה", u"ארבע עשרה", u"חמש עשרה", u"שש עשרה", u"שבע עשרה",
     u"שמונה עשרה", u"תשע עשרה"},
    {u"אחד עשר", u"שנים עשר", u"שלושה עשר", u"ארבעה עשר", u"חמישה עשר", u"שישה עשר", u"שבעה עשר",
     u"שמונה עשר", u"תשעה עשר"},
};
constexpr const char16_t* kTens[8] = {
    // 20..90, the same for both genders
    u"עשרים", u"שלושים", u"ארבעים", u"חמישים", u"ששים", u"שבעים", u"שמונים", u"תשעים",
};
constexpr const char16_t* kCardinals[2][9] = {
    // 1..9, after the tens
    {u"אחת", u"שתיים", u"שלוש", u"ארבע", u"חמש", u"שש", u"שבע", u"שמונה", u"תשע"},
    {u"אחד", u"שניים", u"שלושה", u"ארבעה", u"חמישה", u"ששה", u"שבעה", u"שמונה", u"תשעה"},
};

// Only the tens and units are spoken; 0 and 1 have no word (nor have 100, 101 and the like).
std::u16string NumberText(int n, Gender gender) {
    if (n <= 1) {
        return {};
    }
    const int g = gender == Gender::kFeminine ? 0 : 1;
    const int tens = n / 10 % 10;
    const int units = n % 10;
    if (tens == 0) {
        return units >= 2 ? kOrdinals[g][units - 2] : u"";
    }
    if (tens == 1) {
        return units == 0 ? kTenths[g] : kTeens[g][units - 1];
    }
    std::u16string text = kTens[tens - 2];
    if (units != 0) {
        text += u" ו";
        text += kCardinals[g][units - 1];
    }
    return text;
}

constexpr PlxLocaleBase kHebrewLocale{
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

constinit const PlxLocaleBase* const gHebrewVocabulary = &kHebrewLocale;

}  // namespace plx
