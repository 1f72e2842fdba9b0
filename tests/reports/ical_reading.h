// Reads a calendar file back with libical, as a calendar program would, for the export tests.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <libical/ical.h>

#include <vector>

struct ReadEvent {
    QString uid;
    QString summary;
    QString location;
    QString description;
    bool allDay = false;
    QString start;      // as written: "20240329" or "20240329T181600"
    QString zone;       // the TZID of a timed start; empty for UTC
    QDateTime instant;  // a timed start in UTC, through the file's own zone description
};

inline std::vector<ReadEvent> ReadCalendarEvents(const QByteArray& text) {
    std::vector<ReadEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (calendar == nullptr)
        return events;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        ReadEvent read;
        read.uid = QString::fromUtf8(icalcomponent_get_uid(event));
        read.summary = QString::fromUtf8(icalcomponent_get_summary(event));
        if (const char* location = icalcomponent_get_location(event))
            read.location = QString::fromUtf8(location);
        if (const char* description = icalcomponent_get_description(event))
            read.description = QString::fromUtf8(description);
        icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        const icaltimetype value = icalproperty_get_dtstart(start);
        read.allDay = value.is_date != 0;
        read.start = QString::fromLatin1(icaltime_as_ical_string(value)).remove(u'Z');
        if (icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER)) {
            read.zone = QString::fromUtf8(icalparameter_get_tzid(tzid));
            icaltimezone* zone =
                icalcomponent_get_timezone(calendar, read.zone.toUtf8().constData());
            if (zone != nullptr) {
                read.instant = QDateTime::fromSecsSinceEpoch(
                    icaltime_as_timet_with_zone(value, zone), Qt::UTC);
            }
        } else if (!read.allDay) {
            read.instant = QDateTime::fromSecsSinceEpoch(
                icaltime_as_timet_with_zone(value, icaltimezone_get_utc_timezone()), Qt::UTC);
        }
        events.push_back(read);
    }
    icalcomponent_free(calendar);
    return events;
}
