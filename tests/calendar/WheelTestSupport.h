#pragma once

#include "calendar/WheelOfTheYear.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <libical/ical.h>

// What a calendar program would see of one event in an exported file, as read back through libical.
struct ReadEvent {
    QString uid;
    QString summary;
    bool allDay = false;
    QString start;    // "yyyy-MM-dd" for a day, "yyyy-MM-ddTHH:mm:ssZ" for a moment, through the file's own zone
    QString end;      // empty when the event has no end
    QString zone;     // the TZID a moment is written in; empty for UTC or a day
    QString clock;    // a moment as written, before any zone: "yyyy-MM-ddTHH:mm:ss" (with "Z" in UTC)
    QString reminder; // the VALARM's trigger ("-P3D"), empty without one
};

// Reads an iCalendar text back through libical; an empty list when it does not parse as one calendar.
inline QList<ReadEvent> ReadBack(const QByteArray& text) {
    QList<ReadEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        if (calendar) {
            icalcomponent_free(calendar);
        }
        return events;
    }
    const auto timeText = [](icaltimetype t) {
        return t.is_date ? QStringLiteral("%1-%2-%3")
                               .arg(t.year, 4, 10, QLatin1Char('0'))
                               .arg(t.month, 2, 10, QLatin1Char('0'))
                               .arg(t.day, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("%1-%2-%3T%4:%5:%6%7")
                               .arg(t.year, 4, 10, QLatin1Char('0'))
                               .arg(t.month, 2, 10, QLatin1Char('0'))
                               .arg(t.day, 2, 10, QLatin1Char('0'))
                               .arg(t.hour, 2, 10, QLatin1Char('0'))
                               .arg(t.minute, 2, 10, QLatin1Char('0'))
                               .arg(t.second, 2, 10, QLatin1Char('0'))
                               .arg(icaltime_is_utc(t) ? QStringLiteral("Z") : QString());
    };
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        ReadEvent read;
        read.uid = QString::fromUtf8(icalcomponent_get_uid(event));
        read.summary = QString::fromUtf8(icalcomponent_get_summary(event));
        const icaltimetype start = icalcomponent_get_dtstart(event);
        read.allDay = start.is_date;
        read.start = timeText(start.is_date ? start : icaltime_convert_to_zone(start, icaltimezone_get_utc_timezone()));
        read.clock = start.is_date ? QString() : timeText(start);
        if (icalparameter* zone = icalproperty_get_first_parameter(
                icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY), ICAL_TZID_PARAMETER)) {
            read.zone = QString::fromUtf8(icalparameter_get_tzid(zone));
        }
        if (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT)) {
            const icaltriggertype trigger =
                icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
            read.reminder = QString::fromUtf8(icaldurationtype_as_ical_string(trigger.duration));
        }
        if (icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
            read.end = timeText(icalcomponent_get_dtend(event));
        }
        events.append(read);
    }
    icalcomponent_free(calendar);
    return events;
}

inline const WheelOfTheYear::WheelEvent* FindEvent(const WheelOfTheYear::WheelYear& wheel,
                                                   WheelOfTheYear::EventKind kind, int longitude = -1) {
    for (const WheelOfTheYear::WheelEvent& event : wheel.events) {
        if (event.kind == kind && (longitude < 0 || event.longitude == longitude)) {
            return &event;
        }
    }
    return nullptr;
}
