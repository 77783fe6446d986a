#pragma once

#include <QString>

namespace PaganCalendar {

// Full month names as the platform's language gives them; the browser shows them and the month view reads
// them back with the same naming.
QString PlatformMonthName(int month);
// 1 to 12 for a name that matches exactly, case and all; 0 for anything else.
int PlatformMonthNumber(const QString& name);

} // namespace PaganCalendar
