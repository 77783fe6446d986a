#pragma once

#include <QLoggingCategory>

// A trail of the files and the shared database: connections opened, lost and opened again, sessions ended, calls past
// their bound, changes refused, backups made and restored. Off unless the user turns it on:
// QT_LOGGING_RULES="velloran.data.debug=true" (or "velloran.*=true" for every room), the messages going to the error
// output.
Q_DECLARE_LOGGING_CATEGORY(VelloranDataLog)
