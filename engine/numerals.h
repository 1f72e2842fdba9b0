// Numbers written with Hebrew letters, and the texts built from them: the Hebrew date, the sign
// of the year and the announcement of the molad.
//
// Numerals carry no gershayim; the only mark is the apostrophe after the thousands (5784 is
// ה'תשפד). Callers that want a geresh after a day or page number add it themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar.h"
#include "engine/language.h"
#include "engine/year_shape.h"

namespace plx {

inline constexpr int kLargestHebrewNumeral = 110999;

// The Hebrew numeral of n (0 gives the empty string); nothing above kLargestHebrewNumeral.
std::optional<std::u16string> HebrewNumeral(int n);

// The number a typed numeral stands for; 0 when the text holds no Hebrew letter. Letters before a
// greater letter count as thousands when no apostrophe or geresh marks them (התשפד is 5784).
// Only the first 255 characters are read.
int ParseHebrewNumeral(std::u16string_view text);

// The month (1-based, Tishrei = 1) whose name in the given language is exactly `text`, from the
// leap-year list when `leap` is set; none when no name matches.
std::optional<int> HebrewMonthFromName(bool leap, std::u16string_view text, Language language);

// Western digits of n, zero-padded to at least minDigits (a printf "%0.2d" is minDigits 2).
std::u16string DecimalText(int n, int minDigits = 1);

// The name of a Hebrew month of `year` in the given language; empty for a month the year lacks.
std::u16string_view HebrewMonthName(std::int32_t year, int month, Language language);

// A Hebrew date written in Hebrew: כג' טבת ה'תשס.
std::u16string HebrewDateText(CalendarDate hebrew);

// The sign of a year: weekday of Rosh Hashana, kind letter (ח, כ, ש), weekday of Pesach; ה.ש.א.
std::u16string YearSignText(std::int32_t year);
std::u16string YearSignText(const YearShape& year);

// The Hebrew date whose month's molad is announced on `hebrew`: the 30th already announces the
// month it opens.
CalendarDate MoladAnnouncementDate(CalendarDate hebrew);

// The molad announcement of the month of `hebrew` (see MoladAnnouncementDate), in Hebrew or
// English.
std::u16string MoladText(Language language, CalendarDate hebrew);

}  // namespace plx
