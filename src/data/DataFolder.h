#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The places the data files may live in, and a way to ask whether a folder may be written. SQLite keeps its
// journal beside the file, so a folder the program may not write in cannot hold a file it changes.
struct DataPlaces {
    QString programFolder;  // the folder of the program file
    QString templateFolder; // the empty files installed with the program
    QString userFolder;     // the user's own data folder
    // Why the program may not write in the folder, or empty when it may. Empty function: ask the system.
    std::function<QString(const QString& folder)> whyNotWritable;
};

struct DataFolderChoice {
    QString folder; // where every store opens its file
    bool portable = false;
    QString problem; // empty, or what the user is told: the folder, and why it cannot hold the files
};

// The places of the program as it runs: its own folder, the templates installed next to its bin/ folder, and
// the user's data folder (~/.local/share/velloran on Linux).
DataPlaces InstalledDataPlaces();

// The program's own folder when it holds every file and may be written (a build folder, an unpacked copy).
// Otherwise the user's data folder, made on first use, where each missing file is copied whole from its
// template; a file already there is never replaced. That folder is made the user's alone (0700, its data files and
// backups 0600); the program's own folder is left as the user has it. A template that is missing or not a database is
// left alone, so the tool reports its file missing.
DataFolderChoice ChooseDataFolder(const DataPlaces& places, const QStringList& fileNames);

// Chooses the folder and makes it the application folder.
DataFolderChoice UseDataFolder(const DataPlaces& places, const QStringList& fileNames);
