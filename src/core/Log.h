#pragma once

#include <QLoggingCategory>

// A trail of the program's folders and the language it speaks. Off unless the user turns it on:
// QT_LOGGING_RULES="velloran.core.debug=true" (or "velloran.*=true" for every room), the messages going to the error
// output.
Q_DECLARE_LOGGING_CATEGORY(VelloranCoreLog)
