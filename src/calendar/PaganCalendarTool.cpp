#include "calendar/PaganCalendarTool.h"

bool ShowPaganCalendarTool() { return false; }
