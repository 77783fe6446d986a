#pragma once

#include <QString>

// What the calendar browser hands to the month view; each keeps its last value for the whole run.
namespace PaganCalendar {

// The month name shown when the festivals were asked for, blanks trimmed.
extern QString SelectedMonthName;
// The caption of the chosen year option, "2006" to "2012".
extern QString SelectedYearText;

// Full month names as the platform's language gives them; the browser shows them and the month view reads
// them back with the same naming.
QString PlatformMonthName(int month);
// 1 to 12 for a name that matches exactly, case and all; 0 for anything else.
int PlatformMonthNumber(const QString& name);

} // namespace PaganCalendar
