#pragma once

#include "calendar/WheelOfTheYear.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The wheel of the year as an iCalendar file (RFC 5545) for the user's own calendar program: each instant (the
// eight points of the sun, the moons) as a timed event at that instant, the traditional days as all-day events,
// each with a UID that stays the same from one export to the next, so that importing again updates the events
// instead of doubling them.
namespace WheelCalendarFile {

// What goes into the file, as the user chose it.
struct Choices {
    bool solarPoints = true;
    bool traditionalDays = true;
    bool newMoons = true;
    bool fullMoons = true;
    int reminderDays = -1; // a reminder (VALARM) so many days before each event; none when negative
    // The instants in UTC; otherwise in the years' time zone, whose definition over the years exported the file
    // carries, so that a calendar program in any zone places them right.
    bool utc = false;
};

bool Includes(const Choices& choices, WheelOfTheYear::EventKind kind);

// The file's text for the years given; `stamp` is the moment of the export (UTC).
QByteArray Compose(const QList<WheelOfTheYear::WheelYear>& years, const QDateTime& stamp, const Choices& choices = {});

// Writes the text to a temporary file beside `path` and renames it into place, so that a failure (a folder that
// cannot be written, a full disk) leaves no partial file and any earlier file of that name as it was. Returns an
// empty text on success, otherwise the reason.
QString Save(const QString& path, const QByteArray& text);

} // namespace WheelCalendarFile
