#include "engine/portion.h"

#include <algorithm>
#include <span>

#include "engine/events.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

struct YearTypeRow {
    int roshHashana;  // weekday of 1 Tishrei
    YearKind kind;
    bool leap;
    int length;
};

constexpr YearKind kDeficient = YearKind::kDeficient;
constexpr YearKind kRegular = YearKind::kRegular;
constexpr YearKind kComplete = YearKind::kComplete;

// Index = type - 1.
constexpr YearTypeRow kYearTypes[14] = {
    {2, kDeficient, false, 353}, {2, kDeficient, true, 383},  {2, kComplete, false, 355},
    {2, kComplete, true, 385},   {3, kRegular, false, 354},   {3, kRegular, true, 384},
    {5, kRegular, false, 354},   {5, kDeficient, true, 383},  {5, kComplete, false, 355},
    {5, kComplete, true, 385},   {7, kDeficient, false, 353}, {7, kDeficient, true, 383},
    {7, kComplete, false, 355},  {7, kComplete, true, 385},
};

// Week w (1-based) holds the days of the year whose offset from the Sunday before 1 Tishrei is in
// [7 (w - 1), 7 w); `dayOfYear` counts from 1.
constexpr int WeekOfYear(int dayOfYear, int roshHashana) {
    return (dayOfYear + roshHashana - 2) / 7 + 1;
}

constexpr int LastWeek(const YearTypeRow& t) {
    return WeekOfYear(t.length, t.roshHashana);
}

// The portion of each week, by year type; the last entry belongs to the first Sabbath of the next
// year. No week is without one. An entry is an index into the vocabulary's portion names:
//     0..52    a single portion, Bereshit .. Ha'azinu
//    53..75    a portion read with a special Sabbath (Shekalim, Zachor, Parah, HaChodesh,
//              HaGadol, Shuva)
//    76..98    a week in which Israel and the communities abroad read different portions, the
//              Israel reading first (PortionName splits them)
//    99..103   two portions read together
//   104..111   a Sabbath on a festival or its intermediate days, with no weekly portion
// The names 112..122 (festival days, special Sabbaths alone) never stand in the schedule.
constexpr std::uint8_t kType1[] = {74, 52,  109, 0,  1,   2,  3,   4,  5,  6,  7,   8,  9,
                                   10, 11,  12,  13, 14,  15, 16,  53, 18, 58, 61,  66, 23,
                                   71, 111, 25,  99, 100, 30, 101, 33, 34, 35, 36,  37, 38,
                                   39, 40,  102, 43, 44,  45, 46,  47, 48, 49, 103, 75};
constexpr std::uint8_t kType2[] = {74, 52, 109, 0,   1,  2,  3,  4,  5,  6,  7,  8,   9,  10,
                                   11, 12, 13,  14,  15, 16, 17, 18, 19, 20, 55, 22,  59, 64,
                                   69, 26, 72,  111, 28, 29, 30, 31, 32, 33, 88, 90,  91, 92,
                                   93, 94, 40,  102, 43, 44, 45, 46, 47, 48, 49, 103, 104};
constexpr std::uint8_t kType3[] = {74, 52,  109, 0,  1,   2,  3,   4,  5,  6,  7,   8,  9,
                                   10, 11,  12,  13, 14,  15, 16,  53, 18, 58, 61,  66, 23,
                                   71, 111, 25,  99, 100, 30, 101, 33, 88, 90, 91,  92, 93,
                                   94, 40,  102, 43, 44,  45, 46,  47, 48, 49, 103, 104};
constexpr std::uint8_t kType4[] = {74, 52, 109, 0,   1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                   11, 12, 13,  14,  15, 16, 17, 18, 19, 20, 55, 22, 59, 24,
                                   65, 70, 72,  108, 76, 78, 80, 84, 85, 86, 89, 90, 91, 92,
                                   93, 95, 96,  97,  98, 43, 44, 45, 46, 47, 48, 49, 50, 74};
// A year that begins on Tuesday with a regular Heshvan reads as one that begins on Monday with a
// complete Heshvan: both begin in the same week, their Sabbaths in Tishrei and Heshvan fall one
// date apart but on the same side of every festival, and from Kislev on every date has the same
// weekday (Pesach is on Thursday in a common year, on the Sabbath in a leap year). So type 5
// shares the row of type 3, and type 6 that of type 4.
constexpr const auto& kType5 = kType3;
constexpr const auto& kType6 = kType4;
constexpr std::uint8_t kType7[] = {75, 105, 109, 0,   1,  2,  3,  4,  5,  6,  7,  8,  9,
                                   10, 11,  12,  13,  14, 15, 16, 53, 18, 58, 20, 63, 68,
                                   71, 108, 77,  79,  81, 83, 84, 87, 33, 34, 35, 36, 37,
                                   38, 39,  40,  102, 43, 44, 45, 46, 47, 48, 49, 50, 74};
constexpr std::uint8_t kType8[] = {75, 105, 109, 0,  1,   2,  3,  4,  5,  6,  7,  8,  9,  10,
                                   11, 12,  13,  14, 15,  16, 17, 18, 19, 20, 21, 56, 59, 24,
                                   65, 70,  27,  73, 110, 29, 30, 31, 32, 33, 34, 35, 36, 37,
                                   38, 39,  40,  41, 42,  43, 44, 45, 46, 47, 48, 49, 50, 74};
constexpr std::uint8_t kType9[] = {75, 105, 109, 0,   1,  2,   3,  4,   5,  6,  7,  8,  9,
                                   10, 11,  12,  13,  14, 15,  16, 17,  54, 58, 20, 62, 67,
                                   23, 71,  110, 25,  99, 100, 30, 101, 33, 34, 35, 36, 37,
                                   38, 39,  40,  102, 43, 44,  45, 46,  47, 48, 49, 50, 74};
constexpr std::uint8_t kType10[] = {75, 105, 109, 0,  1,   2,  3,  4,  5,  6,  7,  8,  9,   10,
                                    11, 12,  13,  14, 15,  16, 17, 18, 19, 20, 21, 56, 23,  60,
                                    65, 70,  27,  73, 111, 29, 30, 31, 32, 33, 34, 35, 36,  37,
                                    38, 39,  40,  41, 42,  43, 44, 45, 46, 47, 48, 49, 103, 75};
constexpr std::uint8_t kType11[] = {104, 75, 106, 107, 0,  1,   2,  3,   4,  5,  6,  7,  8,
                                    9,   10, 11,  12,  13, 14,  15, 16,  53, 57, 19, 61, 66,
                                    23,  71, 110, 25,  99, 100, 30, 101, 33, 34, 35, 36, 37,
                                    38,  39, 40,  102, 43, 44,  45, 46,  47, 48, 49, 50, 74};
constexpr std::uint8_t kType12[] = {104, 75, 106, 107, 0,   1,  2,  3,  4,  5,  6,  7,  8,   9,
                                    10,  11, 12,  13,  14,  15, 16, 17, 18, 19, 20, 55, 22,  59,
                                    64,  69, 26,  72,  111, 28, 29, 30, 31, 32, 33, 34, 35,  36,
                                    37,  38, 39,  40,  102, 43, 44, 45, 46, 47, 48, 49, 103, 75};
constexpr std::uint8_t kType13[] = {104, 75, 106, 107, 0,  1,   2,  3,   4,  5,  6,  7,   8,
                                    9,   10, 11,  12,  13, 14,  15, 16,  53, 18, 58, 61,  66,
                                    23,  71, 111, 25,  99, 100, 30, 101, 33, 34, 35, 36,  37,
                                    38,  39, 40,  102, 43, 44,  45, 46,  47, 48, 49, 103, 75};
constexpr std::uint8_t kType14[] = {104, 75, 106, 107, 0,   1,  2,  3,  4,  5,  6,  7,  8,   9,
                                    10,  11, 12,  13,  14,  15, 16, 17, 18, 19, 20, 55, 22,  59,
                                    64,  69, 26,  72,  111, 28, 29, 30, 31, 32, 33, 88, 90,  91,
                                    92,  93, 94,  40,  102, 43, 44, 45, 46, 47, 48, 49, 103, 104};

constexpr std::span<const std::uint8_t> kSchedule[14] = {
    kType1, kType2, kType3,  kType4,  kType5,  kType6,  kType7,
    kType8, kType9, kType10, kType11, kType12, kType13, kType14,
};

constexpr bool EveryWeekHasAnEntry() {
    for (int t = 0; t < 14; ++t) {
        if (static_cast<int>(kSchedule[t].size()) != LastWeek(kYearTypes[t]))
            return false;
    }
    return true;
}
static_assert(EveryWeekHasAnEntry(), "a schedule row must cover every week its year type can have");

int YearTypeOfShape(const YearShape& shape) {
    for (int t = 0; t < 14; ++t) {
        const YearTypeRow& row = kYearTypes[t];
        if (row.roshHashana == shape.roshHashana && row.kind == shape.kind &&
            row.leap == shape.leap)
            return t + 1;
    }
    return 0;  // only outside the supported years
}

}  // namespace

int HebrewYearType(std::int32_t year) noexcept {
    return YearTypeOfShape(ShapeOfHebrewYear(year));
}

std::optional<int> WeeklyPortionIndex(CalendarDate hebrew) noexcept {
    return WeeklyPortionIndex(hebrew, ShapeOfHebrewYear(hebrew.year));
}

std::optional<int> WeeklyPortionIndex(CalendarDate hebrew, const YearShape& year) noexcept {
    const int type = YearTypeOfShape(year);
    if (type == 0)
        return std::nullopt;
    const int dayOfYear = HebrewDaysBeforeMonth(hebrew.year, hebrew.month) + hebrew.day;
    const int week = WeekOfYear(dayOfYear, kYearTypes[type - 1].roshHashana);
    const std::span<const std::uint8_t> row = kSchedule[type - 1];
    if (week < 1 || week > static_cast<int>(row.size()))
        return std::nullopt;
    return row[week - 1];
}

std::optional<std::u16string_view> PortionName(Language language, int index,
                                               PortionNamePart part) noexcept {
    if (index < 0 || index >= kPortionCount)
        return std::nullopt;
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    if (part != PortionNamePart::kWhole) {
        const std::span<const PortionPart> halves = part == PortionNamePart::kIsrael
                                                        ? vocabulary.portionIsraelParts
                                                        : vocabulary.portionDiasporaParts;
        for (const PortionPart& half : halves) {
            if (half.key == index)
                return half.text;
        }
    }
    return vocabulary.portionNames[index];
}

std::optional<std::u16string_view> WeeklyPortionName(Language language, CalendarDate hebrew) {
    return WeeklyPortionName(language, hebrew, ShapeOfHebrewYear(hebrew.year));
}

std::optional<std::u16string_view> WeeklyPortionName(Language language, CalendarDate hebrew,
                                                     const YearShape& year) {
    const std::optional<int> index = WeeklyPortionIndex(hebrew, year);
    return index ? PortionName(language, *index, PortionNamePart::kWhole) : std::nullopt;
}

std::optional<std::u16string> MevarchimMoladText(Language language, CalendarDate hebrew) {
    return MevarchimMoladText(language, HebrewToDayNumber(hebrew));
}

std::optional<std::u16string> MevarchimMoladText(Language language, DayNumber n) {
    const DayNumber sabbath = n + 7 - DayNumberWeekday(n);
    if (sabbath >= kLastDayNumber)
        return std::nullopt;  // the calendar ends before that Sabbath
    // The month is blessed on the last Sabbath before its Rosh Chodesh; a Rosh Chodesh on the
    // Sabbath itself was blessed a week earlier.
    for (DayNumber day = sabbath + 1; day <= std::min(sabbath + 7, kLastDayNumber); ++day) {
        if (RoshChodeshKind(DayNumberToHebrew(day)) == RoshChodeshDay::kFirst) {
            // Two days on is inside the new month whether Rosh Chodesh lasts one day or two.
            return MoladText(language, DayNumberToHebrew(std::min(day + 2, kLastDayNumber)));
        }
    }
    return std::nullopt;
}

}  // namespace plx
