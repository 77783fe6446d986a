#include "diary/PaganDiaryTool.h"

bool ShowPaganDiaryTool() { return false; }
