#include "engine/vocabulary.h"

namespace plx {

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
