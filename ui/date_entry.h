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

// A month number typed into a month box: the last character as a digit (0 when it is not one),
// plus 10 when the text is exactly two characters long ("12" is December).
int TypedMonthNumber(const QString& text);

// The Hebrew date as it may be shown: its year within 1..110999 and the day it names (a day
// past the month's end carries on into the following months) inside the calendar's range.
std::optional<CalendarDate> HebrewDateInRange(CalendarDate hebrew);

}  // namespace plx
