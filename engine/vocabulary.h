// The words the calendar puts around a date, in Hebrew and in English.
//
// Each table is a span of constant strings that the caller indexes; the strings are static data
// and are never freed. Some strings carry trailing tabs or a leading blank: they are
// part of the text (alignment, concatenation).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/language.h"

namespace plx {

// Table lengths: callers index the tables directly and must stay inside them.
inline constexpr int kTimeNameCount = 26;
inline constexpr int kTimeShortNameCount = 24;
inline constexpr int kTractateCount = 40;
inline constexpr int kShmitaYearCount = 7;
inline constexpr int kPortionCount = 123;
inline constexpr int kPortionPartCount = 23;  // keys kFirstSplitPortion .. kFirstSplitPortion + 22
inline constexpr int kFirstSplitPortion = 76;
inline constexpr int kDayEventPhraseCount = 68;
inline constexpr int kHolidayCount = 14;
inline constexpr int kHolidayEveCount = 8;
inline constexpr int kDayPartCount = 5;

// One half of a portion name read differently in Israel and abroad (portion indexes 76..98).
struct PortionPart {
    std::int32_t key;
    std::u16string_view text;
};

using TextTable = std::span<const std::u16string_view>;

// Which way the festivals are named: Israel's festivals with the days kept only abroad labelled
// as such, or the naming used abroad.
enum class HolidayNaming : int { kIsrael, kOutsideIsrael };

// The grammatical gender of the Hebrew number words; English ordinals have none.
enum class Gender : int { kFeminine, kMasculine };

// A language's vocabulary: one value per language, every table constant data.
struct PlxLocaleBase {
    TextTable timeNames;                                // 26 labels, tab-terminated
    TextTable timeShortNames;                           // 24
    TextTable hebrewMonthNames;                         // 12, then ""
    TextTable hebrewLeapMonthNames;                     // 13
    TextTable civilMonthNames;                          // 12
    TextTable weekdayNames;                             // 7, Sunday first
    TextTable weekdayShortNames;                        // 7
    TextTable weekdayLetters;                           // 7
    TextTable tractateNames;                            // 40, Daf Yomi order
    TextTable shmitaYearNames;                          // 7
    TextTable portionNames;                             // 123
    std::span<const PortionPart> portionIsraelParts;    // 23, keys 76..98
    std::span<const PortionPart> portionDiasporaParts;  // 23, keys 76..98
    TextTable dayEventPhrases;                          // 68
    TextTable holidayNames;                             // 14, by festival code - 1: Israel's naming
    TextTable holidayNamesOutsideIsrael;                // 14: the naming used abroad
    TextTable holidayEveNames;                          // 8
    TextTable dayPartNames;                             // 5
    std::u16string (*numberText)(int n, Gender gender);

    TextTable HolidayNames(HolidayNaming naming) const {
        return naming == HolidayNaming::kOutsideIsrael ? holidayNamesOutsideIsrael : holidayNames;
    }
    // English ordinals ("3rd"); Hebrew number words of the tens and units, by gender.
    std::u16string NumberText(int n, Gender gender) const { return numberText(n, gender); }
};

// The two program-wide vocabularies, constant-initialised so that any static initialiser may use
// them.
extern const PlxLocaleBase* const gHebrewVocabulary;
extern const PlxLocaleBase* const gEnglishVocabulary;
const PlxLocaleBase& HebrewVocabulary();
const PlxLocaleBase& EnglishVocabulary();
const PlxLocaleBase& Vocabulary(Language language);

}  // namespace plx
