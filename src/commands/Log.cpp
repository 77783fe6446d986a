#include "commands/Log.h"

Q_LOGGING_CATEGORY(VelloranCommandsLog, "velloran.commands", QtWarningMsg)
