#pragma once

// Shows this tool's first window for the launcher. Returns true when a window of the tool is on screen, so
// the launcher hides only behind a tool that really opened.
bool ShowPaganCalendarTool();
