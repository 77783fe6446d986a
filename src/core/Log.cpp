#include "core/Log.h"

Q_LOGGING_CATEGORY(VelloranCoreLog, "velloran.core", QtWarningMsg)
