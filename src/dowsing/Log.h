#pragma once

#include <QLoggingCategory>

// A trail of the dowsing records: saves, changes and removals refused or undone. Off unless the user turns it on:
// QT_LOGGING_RULES="velloran.dowsing.debug=true" (or "velloran.*=true" for every room), the messages going to the error
// output.
Q_DECLARE_LOGGING_CATEGORY(VelloranDowsingLog)
