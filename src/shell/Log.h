#pragma once

#include <QLoggingCategory>

// A trail of start-up: the command line, the single running copy, the tools opened. Off unless the user turns it on:
// QT_LOGGING_RULES="velloran.shell.debug=true" (or "velloran.*=true" for every room), the messages going to the error
// output.
Q_DECLARE_LOGGING_CATEGORY(VelloranShellLog)
