#pragma once

#include <QLoggingCategory>

// A trail of the Tools menus' commands: backups, restores, exports, the data source chosen, the copy to the shared
// database. Off unless the user turns it on: QT_LOGGING_RULES="velloran.commands.debug=true" (or "velloran.*=true" for
// every room), the messages going to the error output.
Q_DECLARE_LOGGING_CATEGORY(VelloranCommandsLog)
