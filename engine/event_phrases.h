// Building day-event texts from the vocabulary's phrases, in either language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/language.h"
#include "engine/vocabulary.h"

namespace plx {

// Indexes into DayEventPhrases(). Phrases that start with a blank or an apostrophe are suffixes
// written after a number or another phrase.
enum class Phrase : int {
    kRoshChodeshFirstOfTwo = 0,
    kRoshChodesh = 1,
    kRoshChodeshSecondOfTwo = 2,
    kTzomGedaliah = 4,
    kAseretYemeiTeshuva = 7,
    kOutsideIsraelEruvTavshilin = 9,
    kHolHamoedSukkotSuffix = 11,
    kHoshanaRaba = 13,
    kTalUmatar = 16,
    kChanukahEve = 17,
    kChanukahSuffix = 18,
    kTenthOfTevet = 19,
    kTuBishvat = 20,
    kPurimKatan = 21,
    kMosheYahrtzeit = 22,
    kTaanitEsther = 23,
    kEarlySuffix = 24,
    kPurim = 25,
    kPurimDeMukafot = 26,
    kTripledPrefix = 28,
    kPurimTripledInCities = 29,
    kPurimMegillah = 30,
    kPurimFeast = 31,
    kBedikatHametz = 32,
    kEruvTavshilin = 34,
    kShabbat = 36,
    kHolHamoedPesachSuffix = 37,
    kOutsideIsraelIsruChag = 40,
    kHolocaustRemembrance = 41,
    kOmerSuffix = 42,
    kPesachSheni = 43,
    kRemembranceDay = 44,
    kJerusalemLiberation = 45,
    kIndependenceDayPrefix = 46,
    kStateDeclaration = 47,
    kSeventeenthOfTammuz = 50,
    kPostponedSuffix = 51,
    kBeinHametzarim = 52,
    kTishaBeAv = 53,
    kFirstTempleSuffix = 54,
    kSecondTempleSuffix = 55,
    kTuBeAv = 56,
    kSelichotSepharad = 57,
    kSelichotAshkenaz = 58,
    kJulianEndNote = 60,       // three lines, 60..62
    kGregorianStartNote = 63,  // three lines, 63..65
    kSigd = 67,
};

// Appends entries to a day's list in one language (0 Hebrew, otherwise English).
class EventWriter {
public:
    EventWriter(Language language, std::vector<std::u16string>& entries);

    std::u16string_view Text(Phrase phrase) const;
    // A number as the event texts write it: the English ordinal (3rd) or the bare Hebrew numeral
    // (ג).
    std::u16string Count(int n) const;

    void Add(std::u16string text);
    void Add(Phrase phrase);
    void Add(Phrase phrase, Phrase suffix);
    void AddCounted(int n, Phrase suffix);
    // The phrase, followed by `suffix` when `marked`: "Ta'anit Esther 'Early'".
    void AddMarked(Phrase phrase, bool marked, Phrase suffix);

private:
    Language language_;
    TextTable phrases_;
    std::vector<std::u16string>& entries_;
};

}  // namespace plx
