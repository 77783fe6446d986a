#pragma once

#include <QString>

// The application folder holds the two database files: the program's own folder, or the user's data folder
// chosen at start-up (see DataFolder.h).
QString ApplicationFolder();
// Start-up sets the folder it chose, tests a temporary folder; an empty path goes back to the program's own.
void SetApplicationFolder(const QString& folder);
// A file in the application folder.
QString ApplicationFile(const QString& fileName);

// The title of every message box that does not name another.
QString ApplicationTitle();

// The program file's name without folder and extension; names the per-user settings.
QString ExecutableName();
