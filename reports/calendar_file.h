// An iCalendar file (RFC 5545) of a span of days, written with libical: all-day events for the
// day's texts, timed events at the place for the times, in the place's time zone when calendar
// programs can know it, else in UTC.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>

#include <optional>

#include "reports/calendar_items.h"

namespace plx {

// Writes the file's text, UTF-8 with folded lines, event by event; `stamp` is its creation time
// (each event's DTSTAMP). Whether every write succeeded.
bool WriteCalendar(QIODevice& device, const CalendarExportRequest& request, const QDateTime& stamp);
// The same text in memory.
QByteArray CalendarFileText(const CalendarExportRequest& request, const QDateTime& stamp);

// Writes the file (see WriteOutputFile: a regular file whole or not at all, a FIFO, a device or
// "-" in place); the reason when it could not.
std::optional<QString> WriteCalendarFile(const QString& path, const CalendarExportRequest& request);

// The zone the timed events name: the place's zone when both the system and libical know it.
std::optional<QString> ExportTimeZone(const Location& place);

}  // namespace plx
