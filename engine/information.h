// The block of text about the selected day and its Hebrew year that the times-and-events page
// shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calendar.h"
#include "engine/language.h"
#include "engine/year_shape.h"

namespace plx {

// The number of Saturdays in a Hebrew year.
int ShabbatCount(std::int32_t year) noexcept;
int ShabbatCount(const YearShape& year) noexcept;

// Eleven kinds of line, each starting with "\n": the year's age, sign, length, cycles, the molad,
// the weekly portion, the Daf Yomi, the day's events and the Shabbat Mevarchim announcement.
// The wording is English in an English window and Hebrew otherwise; the calendar's texts are
// Hebrew in a Hebrew window and English otherwise.
std::u16string YearInformationText(CalendarDate civil, InterfaceLanguage interfaceLanguage);
std::u16string YearInformationText(const DayFacts& day, InterfaceLanguage interfaceLanguage);

}  // namespace plx
