#include "data/Log.h"

Q_LOGGING_CATEGORY(VelloranDataLog, "velloran.data", QtWarningMsg)
