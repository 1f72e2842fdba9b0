// The block of text about the selected day and its Hebrew year that the times-and-events page
// shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calendar.h"
#include "engine/year_shape.h"

namespace plx {

// The number of Saturdays in a Hebrew year.
int ShabbatCount(std::int32_t year) noexcept;
int ShabbatCount(const YearShape& year) noexcept;

// Eleven kinds of line, each starting with "\r\n": the year's age, sign, length, cycles, the molad,
// the weekly portion, the Daf Yomi, the day's events and the Shabbat Mevarchim announcement.
// The interface language code picks the layout (English for "en", Hebrew otherwise) and, apart
// from that, the engine's texts (Hebrew for "he", English otherwise).
std::u16string YearInformationText(CalendarDate civil, std::u16string_view languageCode);
std::u16string YearInformationText(const DayFacts& day, std::u16string_view languageCode);

}  // namespace plx
