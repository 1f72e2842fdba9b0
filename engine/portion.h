// The Torah reading of the Sabbath that ends each week, and the Shabbat Mevarchim announcement.
#pragma once

#include <optional>
#include <string>

#include "engine/calendar.h"

namespace plx {

// One of the 14 shapes a Hebrew year can take (weekday of Rosh Hashana, kind, leap): 1..14.
// Every supported year has one; 0 only for a year outside them.
int HebrewYearType(std::int32_t year) noexcept;

// Index into PortionNames() of the Sabbath ending the date's week, or -1 when the week has none.
// The last days of a year name the next year's first Sabbath.
int WeeklyPortionIndex(CalendarDate hebrew) noexcept;

// Part 0 the full name, part 1 the reading in Israel, part 2 the reading outside Israel (the two
// differ only in the weeks that carry both); nullptr for an index outside the portion list.
const char16_t* PortionName(int language, int index, int part) noexcept;

// The molad announced on the Sabbath of the date's week when that Sabbath blesses the coming
// month; nothing when it does not (the month of Tishrei is never announced).
std::optional<std::u16string> MevarchimMoladText(int language, CalendarDate hebrew);

}  // namespace plx
