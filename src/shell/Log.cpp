#include "shell/Log.h"

Q_LOGGING_CATEGORY(VelloranShellLog, "velloran.shell", QtWarningMsg)
