#include "reports/calendar_file.h"

#include <QBuffer>
#include <QTimeZone>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "reports/output_file.h"

namespace plx {
namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DayValue(const QDate& day) {
    icaltimetype value = icaltime_null_time();
    value.year = day.year();
    value.month = day.month();
    value.day = day.day();
    value.is_date = 1;
    return value;
}

// A date and time of day; in UTC when `utc`, else on the clock its TZID names.
icaltimetype TimeValue(const QDateTime& at, bool utc) {
    icaltimetype value = DayValue(at.date());
    value.is_date = 0;
    value.hour = at.time().hour();
    value.minute = at.time().minute();
    value.second = at.time().second();
    value.zone = utc ? icaltimezone_get_utc_timezone() : nullptr;
    return value;
}

// libical names its own copies of the tz data with a prefix; calendar programs know the zones by
// their IANA ids, so the file uses the plain id.
icalcomponent* ZoneDescription(const QString& zoneId) {
    const QByteArray id = zoneId.toUtf8();
    icalcomponent* zone = icalcomponent_new_clone(
        icaltimezone_get_component(icaltimezone_get_builtin_timezone(id.constData())));
    icalproperty_set_tzid(icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY),
                          id.constData());
    return zone;
}

icalproperty* TextProperty(icalproperty* (*make)(const char*), const QString& text) {
    return make(text.toUtf8().constData());
}

icalproperty* XProperty(const char* name, const QString& text) {
    icalproperty* property = TextProperty(icalproperty_new_x, text);
    icalproperty_set_x_name(property, name);
    return property;
}

// What every timed event of a file shares: the zone its times are told in (none: UTC) and the
// place's name.
struct TimedEventFrame {
    std::optional<QString> zoneId;
    QTimeZone zone;
    QString placeName;
};

icalcomponent* Event(const CalendarItem& item, const icaltimetype& stamp,
                     const TimedEventFrame& frame) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(item.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, TextProperty(icalproperty_new_summary, item.summary));
    if (!item.description.isEmpty()) {
        icalcomponent_add_property(event,
                                   TextProperty(icalproperty_new_description, item.description));
    }
    if (item.at) {
        const QDateTime local = frame.zoneId ? item.at->toTimeZone(frame.zone) : item.at->toUTC();
        icalproperty* start = icalproperty_new_dtstart(TimeValue(local, !frame.zoneId));
        if (frame.zoneId) {
            icalproperty_add_parameter(start,
                                       icalparameter_new_tzid(frame.zoneId->toUtf8().constData()));
        }
        icalcomponent_add_property(event, start);
        icalcomponent_add_property(event, TextProperty(icalproperty_new_location, frame.placeName));
    } else {
        icalcomponent_add_property(event, icalproperty_new_dtstart(DayValue(item.day)));
        icalcomponent_add_property(event, icalproperty_new_dtend(DayValue(item.day.addDays(1))));
    }
    // Calendar entries of this kind never make a person busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

QByteArray Serialized(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

}  // namespace

std::optional<QString> ExportTimeZone(const Location& place) {
    if (place.timeZone.empty() || !IsKnownTimeZone(place.timeZone))
        return std::nullopt;
    const QString id = FromUtf16(place.timeZone);
    if (icaltimezone_get_builtin_timezone(id.toUtf8().constData()) == nullptr)
        return std::nullopt;
    return id;
}

bool WriteCalendar(QIODevice& device, const CalendarExportRequest& request,
                   const QDateTime& stamp) {
    const bool timed = ExportsTimes(request.contents);
    const std::optional<QString> zoneId = timed ? ExportTimeZone(request.place) : std::nullopt;
    const QString placeName = FromUtf16(LocationDisplayName(request.place, request.language));
    const TimedEventFrame timedFrame{zoneId, zoneId ? QTimeZone(zoneId->toUtf8()) : QTimeZone(),
                                     placeName};

    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//plx//plx " PLX_VERSION "//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalcomponent_add_property(
        calendar.get(), XProperty("X-WR-CALNAME", timed ? QStringLiteral("plx: %1").arg(placeName)
                                                        : QStringLiteral("plx")));
    if (zoneId)
        icalcomponent_add_component(calendar.get(), ZoneDescription(*zoneId));
    // The calendar is written around its events one by one, so that a span of years never
    // stands in memory whole: everything before its closing line, each event, the closing line.
    const QByteArray outline = Serialized(calendar.get());
    const qsizetype close = outline.lastIndexOf("END:VCALENDAR");
    bool ok = device.write(outline.left(close)) == close;
    const icaltimetype stampValue = TimeValue(stamp.toUTC(), true);
    const ZoneOffsetLookup zones = SystemZoneOffsetsForRun();
    const DayNumber last = CivilToDayNumber(request.last);
    PersonalObservanceWalk personal(
        request.contents.personal ? request.personalDates : PersonalDateList{},
        request.personalAdar);
    for (DayNumber n = CivilToDayNumber(request.first); ok && n <= last; ++n) {
        for (const CalendarItem& item : CalendarItemsOfDay(request, n, zones, &personal)) {
            const Component event(Event(item, stampValue, timedFrame));
            const QByteArray text = Serialized(event.get());
            ok = ok && device.write(text) == text.size();
        }
    }
    const QByteArray end = outline.mid(close);
    return ok && device.write(end) == end.size();
}

QByteArray CalendarFileText(const CalendarExportRequest& request, const QDateTime& stamp) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteCalendar(buffer, request, stamp);
    return buffer.data();
}

std::optional<QString> WriteCalendarFile(const QString& path,
                                         const CalendarExportRequest& request) {
    return WriteOutputFile(path, [&request](QIODevice& device) -> std::optional<QString> {
        // A write that failed is the device's to explain; this is said only when it does not.
        if (!WriteCalendar(device, request, QDateTime::currentDateTimeUtc()))
            return QStringLiteral("the calendar could not be written");
        return std::nullopt;
    });
}

}  // namespace plx
