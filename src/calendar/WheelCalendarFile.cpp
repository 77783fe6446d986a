#include "calendar/WheelCalendarFile.h"

#include "calendar/Log.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>
#include <optional>
#include <vector>

namespace WheelCalendarFile {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(WheelCalendarFile)
};

using WheelOfTheYear::EventKind;
using WheelOfTheYear::WheelEvent;

const char* const ProductId = "-//Velloran//Wheel of the Year//EN";
const QString InstantFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

icaltimetype dateValue(const QDate& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

// A date and time as a clock `offsetSeconds` from UTC shows it, with no zone of its own.
icaltimetype clockValue(const QDateTime& instant, int offsetSeconds) {
    const QDateTime clock = instant.toUTC().addSecs(offsetSeconds);
    icaltimetype value = icaltime_null_time();
    value.year = clock.date().year();
    value.month = clock.date().month();
    value.day = clock.date().day();
    value.hour = clock.time().hour();
    value.minute = clock.time().minute();
    value.second = clock.time().second();
    return value;
}

icaltimetype utcValue(const QDateTime& instant) {
    icaltimetype value = clockValue(instant, 0);
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

// The zone as it was over the years exported: the offset in force at the start, then every change. Read once, from
// the same zone data as the table, so that a calendar program shows the times the window does, in 1850 as in 2150
// (libical's own definitions stop at 2037 or follow another database), and each event's offset is a search in a
// list instead of a question to the zone, which costs a good part of the export over four centuries.
class ZoneChanges {
  public:
    ZoneChanges(const QTimeZone& zone, const QDateTime& from, const QDateTime& to) : id_(zone.id()) {
        QTimeZone::OffsetData opening = zone.offsetData(from);
        opening.atUtc = from;
        changes_.append(opening);
        // Qt 6.4 lists the changes of the zone file and stops at its end (2037); asked again from there, it goes on
        // by the zone's rule, as its offsets always do.
        for (QDateTime after = from.addSecs(1); after < to;) {
            const QList<QTimeZone::OffsetData> more = zone.transitions(after, to);
            if (more.isEmpty()) {
                break;
            }
            changes_ += more;
            after = more.back().atUtc.addSecs(1);
        }
        for (const QTimeZone::OffsetData& change : changes_) {
            starts_.push_back(change.atUtc.toMSecsSinceEpoch());
        }
    }

    const QByteArray& id() const { return id_; }

    // The change in force at `instant`.
    int at(const QDateTime& instant) const {
        const auto after = std::upper_bound(starts_.cbegin(), starts_.cend(), instant.toMSecsSinceEpoch());
        return std::max(0, int(after - starts_.cbegin()) - 1);
    }
    const QTimeZone::OffsetData& change(int index) const { return changes_[index]; }
    int offsetBefore(int index) const { return changes_[std::max(0, index - 1)].offsetFromUtc; }

    // True when the local time of `instant` came once before, in the hour the clocks went back: a local time names
    // the first of the two (RFC 5545, 3.3.5), so such an instant is written in UTC.
    bool comesTwice(const QDateTime& instant) const {
        const int index = at(instant);
        const int back = offsetBefore(index) - changes_[index].offsetFromUtc;
        return back > 0 && changes_[index].atUtc.secsTo(instant) < back;
    }

    icalcomponent* definition() const {
        icalcomponent* definition = icalcomponent_new(ICAL_VTIMEZONE_COMPONENT);
        icalcomponent_add_property(definition, icalproperty_new_tzid(id_.constData()));
        for (int index = 0; index < int(changes_.size()); ++index) {
            const QTimeZone::OffsetData& change = changes_[index];
            icalcomponent* observance =
                icalcomponent_new(change.daylightTimeOffset != 0 ? ICAL_XDAYLIGHT_COMPONENT : ICAL_XSTANDARD_COMPONENT);
            // Each change as the clock read just before it.
            icalcomponent_add_property(observance,
                                       icalproperty_new_dtstart(clockValue(change.atUtc, offsetBefore(index))));
            icalcomponent_add_property(observance, icalproperty_new_tzoffsetfrom(offsetBefore(index)));
            icalcomponent_add_property(observance, icalproperty_new_tzoffsetto(change.offsetFromUtc));
            if (!change.abbreviation.isEmpty()) {
                icalcomponent_add_property(observance,
                                           icalproperty_new_tzname(change.abbreviation.toUtf8().constData()));
            }
            icalcomponent_add_component(definition, observance);
        }
        return definition;
    }

  private:
    QByteArray id_;
    QList<QTimeZone::OffsetData> changes_;
    std::vector<qint64> starts_;
};

// Where the instants are written: in UTC when `zone` is null.
struct Placing {
    const ZoneChanges* zone = nullptr;
    icaltimetype stamp{};
    int reminderDays = -1;
};

QString description(const WheelEvent& event, const ZoneChanges* zone) {
    if (!event.instant.isValid()) {
        //: "Imbolc on its traditional date."
        return Words::tr("%1 on its %2.").arg(event.name, event.about);
    }
    const QDateTime utc = event.instant.toUTC();
    const QString inUtc = utc.toString(InstantFormat) + QStringLiteral(" UTC");
    if (!zone) {
        return Words::tr("%1: %2, %3.").arg(event.name, event.about, inUtc);
    }
    const QTimeZone::OffsetData& change = zone->change(zone->at(event.instant));
    return Words::tr("%1: %2, %3 %4 (%5).")
        .arg(event.name, event.about, utc.addSecs(change.offsetFromUtc).toString(InstantFormat), change.abbreviation,
             inUtc);
}

QString summary(const WheelEvent& event) {
    switch (event.kind) {
    case EventKind::TraditionalDay:
        return Words::tr("%1 (traditional date)").arg(event.name);
    case EventKind::SolarPoint:
        // The cross-quarter festivals come twice: on their traditional dates and at the sun's points.
        return event.longitude % 90 == 0 ? event.name : Words::tr("%1 (astronomical)").arg(event.name);
    default:
        return event.name;
    }
}

icalcomponent* reminder(const QString& text, int days) {
    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-days * 86400);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.toUtf8().constData()));
    return alarm;
}

icalcomponent* eventComponent(const WheelEvent& event, const Placing& placing) {
    icalcomponent* component = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(component, icalproperty_new_uid(event.uid.toUtf8().constData()));
    icalcomponent_add_property(component, icalproperty_new_dtstamp(placing.stamp));
    if (event.instant.isValid()) {
        // A moment: with no end, the event ends when it starts (RFC 5545, 3.6.1).
        if (!placing.zone || placing.zone->comesTwice(event.instant)) {
            icalcomponent_add_property(component, icalproperty_new_dtstart(utcValue(event.instant)));
        } else {
            const int offset = placing.zone->change(placing.zone->at(event.instant)).offsetFromUtc;
            icalproperty* start = icalproperty_new_dtstart(clockValue(event.instant, offset));
            icalproperty_add_parameter(start, icalparameter_new_tzid(placing.zone->id().constData()));
            icalcomponent_add_property(component, start);
        }
    } else {
        icalcomponent_add_property(component, icalproperty_new_dtstart(dateValue(event.firstDay)));
        // The end of an all-day event is the day after its last.
        icalcomponent_add_property(component, icalproperty_new_dtend(dateValue(event.lastDay.addDays(1))));
    }
    const QString title = summary(event);
    icalcomponent_add_property(component, icalproperty_new_summary(title.toUtf8().constData()));
    icalcomponent_add_property(component,
                               icalproperty_new_description(description(event, placing.zone).toUtf8().constData()));
    const bool moon = event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon;
    icalcomponent_add_property(component, icalproperty_new_categories(moon ? "Moon" : "Festival"));
    // Festivals and moons never make the user look busy.
    icalcomponent_add_property(component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (placing.reminderDays >= 0) {
        icalcomponent_add_component(component, reminder(title, placing.reminderDays));
    }
    return component;
}

} // namespace

bool Includes(const Choices& choices, EventKind kind) {
    switch (kind) {
    case EventKind::SolarPoint:
        return choices.solarPoints;
    case EventKind::TraditionalDay:
        return choices.traditionalDays;
    case EventKind::NewMoon:
        return choices.newMoons;
    case EventKind::FullMoon:
        return choices.fullMoons;
    }
    return false;
}

QByteArray Compose(const QList<WheelOfTheYear::WheelYear>& years, const QDateTime& stamp, const Choices& choices) {
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT),
                                                                           &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty* name = icalproperty_new_x(Words::tr("Wheel of the Year").toUtf8().constData());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), name);

    Placing placing;
    placing.stamp = utcValue(stamp);
    placing.reminderDays = choices.reminderDays;
    std::optional<ZoneChanges> zone;
    const bool timed = choices.solarPoints || choices.newMoons || choices.fullMoons;
    if (!choices.utc && timed && !years.isEmpty() && years.front().zone != QTimeZone::utc()) {
        // From a day before the first year to a day after the last: the moons of a year are those of its zone's
        // year, a few hours off the UTC one.
        const QDateTime from(QDate(years.front().year, 1, 1).addDays(-1), QTime(0, 0), Qt::UTC);
        const QDateTime to(QDate(years.back().year + 1, 1, 2), QTime(0, 0), Qt::UTC);
        zone.emplace(years.front().zone, from, to);
        placing.zone = &*zone;
        icalcomponent_add_component(calendar.get(), zone->definition());
    }
    // Each event written out and freed as soon as it is made, between the calendar's head and its end: the whole
    // tree of four centuries, written at once, costs libical twice the time in its memory handling.
    const auto written = [](icalcomponent* component) {
        char* text = icalcomponent_as_ical_string_r(component);
        QByteArray result(text);
        std::free(text);
        return result;
    };
    QByteArray result = written(calendar.get());
    const QByteArray end = QByteArrayLiteral("END:VCALENDAR\r\n");
    result.chop(end.size());
    for (const WheelOfTheYear::WheelYear& year : years) {
        for (const WheelEvent& event : year.events) {
            if (Includes(choices, event.kind)) {
                std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> component(eventComponent(event, placing),
                                                                                        &icalcomponent_free);
                result += written(component.get());
            }
        }
    }
    return result + end;
}

QString Save(const QString& path, const QByteArray& text) {
    QString why = WriteFileWhole(path, text);
    qCInfo(VelloranCalendarLog, "the wheel's calendar file %s %s%s", qUtf8Printable(path),
           why.isEmpty() ? "is written" : "is not written: ", qUtf8Printable(why));
    return why;
}

} // namespace WheelCalendarFile
