// What plxcal says about one day: a JSON record and a readable line.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "cli/json_writer.h"
#include "engine/language.h"
#include "engine/year_shape.h"

namespace plx::cli {

// "YEAR-MM-DD" of a date in either calendar.
QString IsoDate(CalendarDate d);
// {"day", "month", "year"} of a date in either calendar.
void WriteDate(JsonWriter& json, CalendarDate date);

// The day's dates, year facts, molad, Daf Yomi, cycles, festivals, events, portion, information
// text and the names of the personal dates observed on it. `language` is the engine language of
// the texts; `languageCode` the interface language the information text is laid out for.
void WriteDayRecord(JsonWriter& json, const DayFacts& day, Language language,
                    std::u16string_view languageCode, const std::vector<std::u16string>& personal);

QString DayLine(const DayFacts& day);

// The information text for a terminal: its lines joined by "\n", without the leading line break.
std::u16string InformationLines(const DayFacts& day, std::u16string_view languageCode);

}  // namespace plx::cli
