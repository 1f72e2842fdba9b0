// The system's time-zone database (the IANA zones of the tz data, through QTimeZone): the offset
// of a place's zone on a date, for the automatic daylight saving.
#pragma once

#include <QDateTime>
#include <QStringList>

#include <optional>
#include <string_view>

#include "astro/time_zones.h"
#include "engine/calendar.h"

namespace plx {

// The zone's offset from UT at local noon of the civil date (Julian before 15 October 1582, as
// everywhere in the program), with whether that date is in its summer time: an offset above the
// smaller of the zone's January and July offsets that year. Nothing for an unknown zone.
// A ZoneOffsetLookup.
std::optional<ZoneOffset> SystemZoneOffset(std::u16string_view zoneId, CalendarDate civil);

// The same lookup for a run over many dates (a span of times, a calendar file): it keeps the zone
// it opened last and that year's standard offset, which every date would otherwise work out again.
// Its copies share what it keeps; for one thread.
ZoneOffsetLookup SystemZoneOffsetsForRun();

// Whether the system knows the zone: a well-formed id that the tz data has.
bool IsKnownTimeZone(std::u16string_view zoneId);

// The zone ids the system lists, sorted, for choosing a place's zone.
QStringList SystemTimeZoneIds();

// A zone id with its offset from UTC at `when`, as the list of zones shows it:
// "Asia/Jerusalem (UTC+02:00)"; the id alone for a zone the system does not know.
QString ZoneIdWithOffset(const QString& zoneId, const QDateTime& when);
// The zone id a text of that list stands for: the text before its " (UTC" offset, or the whole
// text when it has none; spaces around it dropped.
QString ZoneIdOfListText(const QString& text);

}  // namespace plx
