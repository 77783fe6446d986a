#include "calendar/WheelCalendarFile.h"

#include "common/WholeFile.h"

#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace WheelCalendarFile {

namespace {

using WheelOfTheYear::EventKind;
using WheelOfTheYear::WheelEvent;

const char* const ProductId = "-//Velloran//Wheel of the Year//EN";

icaltimetype dateValue(const QDate& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

icaltimetype utcValue(const QDateTime& instant) {
    const QDateTime utc = instant.toUTC();
    icaltimetype value = icaltime_null_time();
    value.year = utc.date().year();
    value.month = utc.date().month();
    value.day = utc.date().day();
    value.hour = utc.time().hour();
    value.minute = utc.time().minute();
    value.second = utc.time().second();
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

QString description(const WheelEvent& event, const QTimeZone& zone) {
    if (!event.instant.isValid()) {
        return QStringLiteral("%1 on its %2.").arg(event.name, event.about);
    }
    const QDateTime local = event.instant.toTimeZone(zone);
    return QStringLiteral("%1: %2, %3 %4 (%5 UTC).")
        .arg(event.name, event.about, local.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
             zone.abbreviation(event.instant), event.instant.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString summary(const WheelEvent& event) {
    switch (event.kind) {
    case EventKind::TraditionalDay:
        return event.name + QStringLiteral(" (traditional date)");
    case EventKind::SolarPoint:
        // The cross-quarter festivals come twice: on their traditional dates and at the sun's points.
        return event.longitude % 90 == 0 ? event.name : event.name + QStringLiteral(" (astronomical)");
    default:
        return event.name;
    }
}

icalcomponent* eventComponent(const WheelEvent& event, const QTimeZone& zone, const icaltimetype& stamp) {
    icalcomponent* component = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(component, icalproperty_new_uid(event.uid.toUtf8().constData()));
    icalcomponent_add_property(component, icalproperty_new_dtstamp(stamp));
    const bool moon = event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon;
    if (moon) {
        // A moment: with no end, the event ends when it starts (RFC 5545, 3.6.1).
        icalcomponent_add_property(component, icalproperty_new_dtstart(utcValue(event.instant)));
    } else {
        icalcomponent_add_property(component, icalproperty_new_dtstart(dateValue(event.firstDay)));
        // The end of an all-day event is the day after its last.
        icalcomponent_add_property(component, icalproperty_new_dtend(dateValue(event.lastDay.addDays(1))));
    }
    icalcomponent_add_property(component, icalproperty_new_summary(summary(event).toUtf8().constData()));
    icalcomponent_add_property(component, icalproperty_new_description(description(event, zone).toUtf8().constData()));
    icalcomponent_add_property(component, icalproperty_new_categories(moon ? "Moon" : "Festival"));
    // Festivals and moons never make the user look busy.
    icalcomponent_add_property(component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return component;
}

} // namespace

QByteArray Compose(const QList<WheelOfTheYear::WheelYear>& years, const QDateTime& stamp) {
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT),
                                                                           &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty* name = icalproperty_new_x("Wheel of the Year");
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), name);

    const icaltimetype stampValue = utcValue(stamp);
    for (const WheelOfTheYear::WheelYear& year : years) {
        for (const WheelEvent& event : year.events) {
            icalcomponent_add_component(calendar.get(), eventComponent(event, year.zone, stampValue));
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray result(text);
    std::free(text);
    return result;
}

QString Save(const QString& path, const QByteArray& text) {
    return WriteFileWhole(path, text);
}

} // namespace WheelCalendarFile
