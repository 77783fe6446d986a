#include "calendar/Log.h"

Q_LOGGING_CATEGORY(VelloranCalendarLog, "velloran.calendar", QtWarningMsg)
