// The date parts of report title lines, in Hebrew or English.
#pragma once

#include <QString>

#include <cstdint>

#include "engine/calendar.h"
#include "engine/language.h"

namespace plx {

// "23rd in Tevet, year 5784", or the Hebrew date in Hebrew numerals.
QString DayTitleText(CalendarDate hebrew, Language language);
// "Tevet, year 5784", or the month's Hebrew name and the year in Hebrew numerals.
QString MonthTitleText(int month, std::int32_t year, Language language);
// "year 5784 (2023-2024)" or "שנה ה'תשפד (2023-2024)": the civil years of its first and last day.
QString YearTitleText(std::int32_t year, Language language);

}  // namespace plx
