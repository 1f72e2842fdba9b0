#include "engine/vocabulary.h"

namespace plx {
namespace {

// Built at compile time: no static-initialisation order to worry about.
constinit const PlxLocaleHebrew hebrewLocale;
constinit const PlxLocaleEnglish englishLocale;

}  // namespace

constinit const PlxLocaleBase* const gHebrewVocabulary = &hebrewLocale;
constinit const PlxLocaleBase* const gEnglishVocabulary = &englishLocale;

const PlxLocaleBase& HebrewVocabulary() {
    return *gHebrewVocabulary;
}

const PlxLocaleBase& EnglishVocabulary() {
    return *gEnglishVocabulary;
}

const PlxLocaleBase& Vocabulary(Language language) {
    return language == Language::kHebrew ? *gHebrewVocabulary : *gEnglishVocabulary;
}

}  // namespace plx
