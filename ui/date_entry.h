// The month boxes' search and the Hebrew dates the main window may show. The numbers and years
// typed into the date fields are read in app/number_text.h.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/calendar.h"

namespace plx {

// The first entry that starts with `prefix` (letter case ignored), searching from the second
// entry on and wrapping round to the first, as the month boxes search; none when none does or
// the prefix is empty.
std::optional<int> FindEntryByPrefix(const QStringList& entries, const QString& prefix);

// The Hebrew date as it may be shown: its year within 1..110999 and the day it names (a day
// past the month's end carries on into the following months) inside the calendar's range.
std::optional<CalendarDate> HebrewDateInRange(CalendarDate hebrew);

}  // namespace plx
