// How the main window reads what the user types into its date fields and month boxes.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/calendar.h"

namespace plx {

// Leading blanks, an optional sign, then digits; 0 when there are none. Stops at the first
// other character and saturates at the limits of int.
int ReadDecimal(const QString& text);

// The first entry that starts with `prefix` (letter case ignored), searching from the second
// entry on and wrapping round to the first, as the month boxes search; none when none does or
// the prefix is empty.
std::optional<int> FindEntryByPrefix(const QStringList& entries, const QString& prefix);

// A Hebrew year as people type it, or nothing when the text names no year in 1..110999.
// Decimal digits are the year number. Letters with a thousands mark after the first letter
// (ה'תשפד, ו') are read as written; letters without one name a year of the current millennium
// (תשפד and תשפ"ד are 5784). The marks may be ASCII ' and " or the geresh and gershayim.
std::optional<int> ReadTypedHebrewYear(const QString& text);

// A month number typed into a month box: the last character as a digit, plus 10 when the text
// is exactly two characters long ("12" is December); 0 when the last character is no digit.
int TypedMonthNumber(const QString& text);

// The Hebrew date as it may be shown: its year within 1..110999 and the day it names (a day
// past the month's end carries on into the following months) inside the calendar's range.
std::optional<CalendarDate> HebrewDateInRange(CalendarDate hebrew);

}  // namespace plx
