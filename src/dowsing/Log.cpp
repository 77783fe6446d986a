#include "dowsing/Log.h"

Q_LOGGING_CATEGORY(VelloranDowsingLog, "velloran.dowsing", QtWarningMsg)
