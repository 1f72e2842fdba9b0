// plxcal vocab --json: every table of both vocabularies, strings exactly as stored.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "cli/json_writer.h"
#include "engine/vocabulary.h"

namespace plx::cli {
namespace {

// A table of texts, or of the split portion names keyed by their portion index.
struct VocabularyTable {
    std::string_view name;
    TextTable PlxLocaleBase::*texts = nullptr;
    std::span<const PortionPart> PlxLocaleBase::*parts = nullptr;
};

// Sorted by name, as in every JSON object plxcal has written for the vocabulary.
constexpr VocabularyTable kTables[] = {
    {"CivilMonthNames", &PlxLocaleBase::civilMonthNames},
    {"DayEventPhrases", &PlxLocaleBase::dayEventPhrases},
    {"DayPartNames", &PlxLocaleBase::dayPartNames},
    {"HebrewLeapMonthNames", &PlxLocaleBase::hebrewLeapMonthNames},
    {"HebrewMonthNames", &PlxLocaleBase::hebrewMonthNames},
    {"HolidayEveNames", &PlxLocaleBase::holidayEveNames},
    {"HolidayNames", &PlxLocaleBase::holidayNames},
    {"HolidayNamesOutside", &PlxLocaleBase::holidayNamesOutsideIsrael},
    {"PortionDiasporaParts", nullptr, &PlxLocaleBase::portionDiasporaParts},
    {"PortionIsraelParts", nullptr, &PlxLocaleBase::portionIsraelParts},
    {"PortionNames", &PlxLocaleBase::portionNames},
    {"ShmitaYearNames", &PlxLocaleBase::shmitaYearNames},
    {"TimeNames", &PlxLocaleBase::timeNames},
    {"TimeShortNames", &PlxLocaleBase::timeShortNames},
    {"TractateNames", &PlxLocaleBase::tractateNames},
    {"WeekdayLetters", &PlxLocaleBase::weekdayLetters},
    {"WeekdayNames", &PlxLocaleBase::weekdayNames},
    {"WeekdayShortNames", &PlxLocaleBase::weekdayShortNames},
};
static_assert(std::ranges::is_sorted(kTables, {}, &VocabularyTable::name));

void WriteParts(JsonWriter& json, std::span<const PortionPart> parts) {
    // Each key once, sorted as text, as in every JSON object plxcal has written for them.
    std::map<std::string, std::u16string_view> byKey;
    for (const PortionPart& part : parts)
        byKey.insert_or_assign(std::to_string(part.key), part.text);
    json.StartObject();
    for (const auto& [key, text] : byKey)
        json.Field(key, text);
    json.EndObject();
}

void WriteTables(JsonWriter& json, const PlxLocaleBase& vocabulary) {
    json.StartObject();
    for (const VocabularyTable& table : kTables) {
        json.Key(table.name);
        if (table.parts) {
            WriteParts(json, vocabulary.*table.parts);
            continue;
        }
        json.StartArray();
        for (const std::u16string_view text : vocabulary.*table.texts)
            json.Value(text);
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

int RunVocab(const Invocation& call) {
    constexpr const char* kUsage = "vocab --json";
    ExpectArguments(call, 0, 0, kUsage);
    if (!WantsJson(call))
        throw Usage(kUsage);
    JsonWriter json(call.out);
    json.StartObject();
    json.Key("en");
    WriteTables(json, EnglishVocabulary());
    json.Key("he");
    WriteTables(json, HebrewVocabulary());
    json.EndObject();
    json.EndRecord();
    return 0;
}

}  // namespace plx::cli
