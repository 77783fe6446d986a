#include "dowsing/DowsingTool.h"

bool ShowDowsingTool() { return false; }
