#pragma once

#include <QString>

// The application folder holds the program file and its two database files.
QString ApplicationFolder();
// Tests point the program at a temporary folder; an empty path goes back to the program's own folder.
void SetApplicationFolder(const QString& folder);
// A file in the application folder.
QString ApplicationFile(const QString& fileName);

// The title of every message box that does not name another.
QString ApplicationTitle();

// The program file's name without folder and extension; names the per-user settings.
QString ExecutableName();
