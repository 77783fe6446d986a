#include "diary/Log.h"

Q_LOGGING_CATEGORY(VelloranDiaryLog, "velloran.diary", QtWarningMsg)
