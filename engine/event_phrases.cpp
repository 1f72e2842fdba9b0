#include "engine/event_phrases.h"

#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {

EventWriter::EventWriter(Language language, std::vector<std::u16string>& entries)
    : language_(language), phrases_(Vocabulary(language).dayEventPhrases), entries_(entries) {}

std::u16string_view EventWriter::Text(Phrase phrase) const {
    return phrases_[static_cast<int>(phrase)];
}

std::u16string EventWriter::Count(int n) const {
    if (language_ != Language::kHebrew)
        return EnglishVocabulary().NumberText(n, Gender::kFeminine);
    return HebrewNumeral(n).value_or(std::u16string());
}

void EventWriter::Add(std::u16string text) {
    entries_.push_back(std::move(text));
}

void EventWriter::Add(Phrase phrase) {
    Add(std::u16string(Text(phrase)));
}

void EventWriter::Add(Phrase phrase, Phrase suffix) {
    Add(std::u16string(Text(phrase)).append(Text(suffix)));
}

void EventWriter::AddCounted(int n, Phrase suffix) {
    Add(Count(n).append(Text(suffix)));
}

void EventWriter::AddMarked(Phrase phrase, bool marked, Phrase suffix) {
    if (marked) {
        Add(phrase, suffix);
    } else {
        Add(phrase);
    }
}

}  // namespace plx
