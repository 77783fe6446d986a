#pragma once

#include <QLoggingCategory>

// A trail of the message boxes the program shows, with their texts, and the manual's pages. Off unless the user turns
// it on: QT_LOGGING_RULES="velloran.ui.debug=true" (or "velloran.*=true" for every room), the messages going to the
// error output.
Q_DECLARE_LOGGING_CATEGORY(VelloranUiLog)
