#pragma once

#include "core/Seams.h"
#include "core/SharedDatabase.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QTimeZone>
#include <array>
#include <functional>
#include <optional>

class ShellServices;

// What the program asks of the world outside its windows, in one object: how a message box is answered, how a
// file, folder or printer is chosen and a print preview shown, what day and time zone it is, which folder holds
// the data files (or the shared database), and the shell that brings back the launcher and shows the About box.
// Start-up makes the program's own; a test makes its own with answers of its choosing. An empty member stands for the
// real thing.
struct Services {
    MessageBoxHandler messageBoxes;
    SaveFileChooser saveFileChooser;
    PrinterChooser printerChooser;
    FolderChooser folderChooser;
    OpenFileChooser openFileChooser;
    PrintPreviewer printPreviewer;
    std::optional<QDate> today;
    std::optional<QTimeZone> timeZone;
    QString applicationFolder;
    // Where the records and the diary live when not in the files of the application folder.
    std::optional<SharedDatabase> sharedDatabase;
    // The desktop's secret store, which keeps the shared database's password (empty: QtKeychain), and how the user
    // is asked for it when the store has none (empty: a password box).
    std::function<std::optional<QString>(const QString& key)> readSecret;
    std::function<bool(const QString& key, const QString& secret)> writeSecret;
    std::function<std::optional<QString>(const SharedDatabase& database)> askPassword;
    ShellServices* shell = nullptr;
    // What the launcher's buttons open (the dowsing records, the diary, the calendar), each true when a window of the
    // tool is on screen; an empty one opens the tool itself.
    std::array<std::function<bool()>, 3> toolOpeners;
    // How long a change waits for another program's lock on a file before it is said to be busy (empty: the
    // program's own wait).
    std::optional<int> busyTimeoutMs;
    // The choices of an earlier run already given back in this one: each comes back once, at the first opening of
    // its window, and a window opened again in the same run starts as it always did.
    QSet<QString> givenBackThisRun;
};

// The services in force: those put in force last, or the real ones when none are.
Services& CurrentServices();

// Puts services in force for as long as it lives, then those in force before.
class UseServices {
  public:
    explicit UseServices(Services& services);
    ~UseServices();
    UseServices(const UseServices&) = delete;
    UseServices& operator=(const UseServices&) = delete;

  private:
    Services* previous_;
};
