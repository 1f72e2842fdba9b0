// The Torah reading of the Sabbath that ends each week, and the Shabbat Mevarchim announcement.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar.h"
#include "engine/language.h"
#include "engine/year_shape.h"

namespace plx {

// One of the 14 shapes a Hebrew year can take (weekday of Rosh Hashana, kind, leap): 1..14.
// Every supported year has one; 0 only for a year outside them.
int HebrewYearType(std::int32_t year) noexcept;

// Index into PortionNames() of the Sabbath ending the date's week; none when the week has none.
// The last days of a year name the next year's first Sabbath.
std::optional<int> WeeklyPortionIndex(CalendarDate hebrew) noexcept;
std::optional<int> WeeklyPortionIndex(CalendarDate hebrew, const YearShape& year) noexcept;

// Which part of a portion's name: the whole name, or what is read in Israel or abroad. The two
// readings differ only in the weeks whose name carries both; elsewhere each is the whole name.
enum class PortionNamePart : int { kWhole, kIsrael, kDiaspora };

// None for an index outside the portion list.
std::optional<std::u16string_view> PortionName(Language language, int index,
                                               PortionNamePart part) noexcept;

// The full name of the portion of the date's week, if the week has one.
std::optional<std::u16string_view> WeeklyPortionName(Language language, CalendarDate hebrew);
std::optional<std::u16string_view> WeeklyPortionName(Language language, CalendarDate hebrew,
                                                     const YearShape& year);

// The molad announced on the Sabbath of the date's week when that Sabbath blesses the coming
// month; nothing when it does not (the month of Tishrei is never announced).
std::optional<std::u16string> MevarchimMoladText(Language language, CalendarDate hebrew);
std::optional<std::u16string> MevarchimMoladText(Language language, DayNumber day);

}  // namespace plx
