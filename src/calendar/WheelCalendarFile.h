#pragma once

#include "calendar/WheelOfTheYear.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The wheel of the year as an iCalendar file (RFC 5545) for the user's own calendar program: the festivals as
// all-day events on their local dates, the moons as timed events, each with a UID that stays the same from one
// export to the next, so that importing again updates the events instead of doubling them.
namespace WheelCalendarFile {

// The file's text for the years given; `stamp` is the moment of the export (UTC).
QByteArray Compose(const QList<WheelOfTheYear::WheelYear>& years, const QDateTime& stamp);

// Writes the text to a temporary file beside `path` and renames it into place, so that a failure (a folder that
// cannot be written, a full disk) leaves no partial file and any earlier file of that name as it was. Returns an
// empty text on success, otherwise the reason.
QString Save(const QString& path, const QByteArray& text);

} // namespace WheelCalendarFile
