// The words the calendar puts around a date, in Hebrew and in English.
//
// Each table operation returns a constant array that the caller indexes directly; the strings are
// static data and are never freed. Some strings carry trailing tabs or a leading blank: they are
// part of the text (alignment, concatenation).
#pragma once

#include <cstdint>
#include <string>

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
    const char16_t* text;
};

class PlxLocaleBase {
public:
    virtual ~PlxLocaleBase() = default;

    virtual const char16_t* const* TimeNames() const = 0;             // 26 labels, tab-terminated
    virtual const char16_t* const* TimeShortNames() const = 0;        // 24
    virtual const char16_t* const* HebrewMonthNames() const = 0;      // 12, then ""
    virtual const char16_t* const* HebrewLeapMonthNames() const = 0;  // 13
    virtual const char16_t* const* CivilMonthNames() const = 0;       // 12
    virtual const char16_t* const* WeekdayNames() const = 0;          // 7, Sunday first
    virtual const char16_t* const* WeekdayShortNames() const = 0;     // 7
    virtual const char16_t* const* WeekdayLetters() const = 0;        // 7
    virtual const char16_t* const* TractateNames() const = 0;         // 40, Daf Yomi order
    virtual const char16_t* const* ShmitaYearNames() const = 0;       // 7
    virtual const char16_t* const* PortionNames() const = 0;          // 123
    virtual const PortionPart* PortionIsraelParts() const = 0;        // 23, keys 76..98
    virtual const PortionPart* PortionDiasporaParts() const = 0;      // 23, keys 76..98
    virtual const char16_t* const* DayEventPhrases() const = 0;       // 68
    virtual const char16_t* const* HolidayNames(int mode) const = 0;  // 14; mode 2: outside Israel
    virtual const char16_t* const* HolidayEveNames() const = 0;       // 8
    virtual const char16_t* const* DayPartNames() const = 0;          // 5, then nullptr
    virtual std::u16string NumberText(int n, int gender) const = 0;

    int portionCount = kPortionCount;
};

class PlxLocaleHebrew final : public PlxLocaleBase {
public:
    const char16_t* const* TimeNames() const override;
    const char16_t* const* TimeShortNames() const override;
    const char16_t* const* HebrewMonthNames() const override;
    const char16_t* const* HebrewLeapMonthNames() const override;
    const char16_t* const* CivilMonthNames() const override;
    const char16_t* const* WeekdayNames() const override;
    const char16_t* const* WeekdayShortNames() const override;
    const char16_t* const* WeekdayLetters() const override;
    const char16_t* const* TractateNames() const override;
    const char16_t* const* ShmitaYearNames() const override;
    const char16_t* const* PortionNames() const override;
    const PortionPart* PortionIsraelParts() const override;
    const PortionPart* PortionDiasporaParts() const override;
    const char16_t* const* DayEventPhrases() const override;
    const char16_t* const* HolidayNames(int mode) const override;
    const char16_t* const* HolidayEveNames() const override;
    const char16_t* const* DayPartNames() const override;
    std::u16string NumberText(int n, int gender) const override;
};

class PlxLocaleEnglish final : public PlxLocaleBase {
public:
    const char16_t* const* TimeNames() const override;
    const char16_t* const* TimeShortNames() const override;
    const char16_t* const* HebrewMonthNames() const override;
    const char16_t* const* HebrewLeapMonthNames() const override;
    const char16_t* const* CivilMonthNames() const override;
    const char16_t* const* WeekdayNames() const override;
    const char16_t* const* WeekdayShortNames() const override;
    const char16_t* const* WeekdayLetters() const override;
    const char16_t* const* TractateNames() const override;
    const char16_t* const* ShmitaYearNames() const override;
    const char16_t* const* PortionNames() const override;
    const PortionPart* PortionIsraelParts() const override;
    const PortionPart* PortionDiasporaParts() const override;
    const char16_t* const* DayEventPhrases() const override;
    const char16_t* const* HolidayNames(int mode) const override;
    const char16_t* const* HolidayEveNames() const override;
    const char16_t* const* DayPartNames() const override;
    std::u16string NumberText(int n, int gender) const override;
};

// The two program-wide vocabularies, constant-initialised so that any static initialiser may use
// them.
extern const PlxLocaleBase* const gHebrewVocabulary;
extern const PlxLocaleBase* const gEnglishVocabulary;
const PlxLocaleBase& HebrewVocabulary();
const PlxLocaleBase& EnglishVocabulary();
const PlxLocaleBase& Vocabulary(Language language);

}  // namespace plx
