#include "ui/Log.h"

Q_LOGGING_CATEGORY(VelloranUiLog, "velloran.ui", QtWarningMsg)
