#pragma once

#include <QString>

// At most once in any 15 days (never on the first run, nor when the stored date cannot be read as one), asks
// whether to look for a newer version.
void CheckForUpdateReminder();

// The reminder's question, exactly as shown; the lone carriage return puts it on two lines.
QString UpdateReminderQuestion();

// Settings group and key of the last reminder's date.
inline const char* const UpdateReminderKey = "Settings/Duration";
