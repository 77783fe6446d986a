#pragma once

#include <QLoggingCategory>

// A trail of the festival calendar and the wheel of the year. Off unless the user turns it on:
// QT_LOGGING_RULES="velloran.calendar.debug=true" (or "velloran.*=true" for every room), the messages going to the
// error output.
Q_DECLARE_LOGGING_CATEGORY(VelloranCalendarLog)
