#pragma once

#include <QString>
#include <functional>

class QPrinter;

// The shapes of what the program asks of a user or the world outside its windows: a message box's request and
// answer, the save, open, folder and print choosers, the print preview. They live here, below every window, so that
// the services that hold the answerers (and whatever asks the user through them) need no window library; the
// windows' own code (ui) shows the real thing.

enum class MsgIcon { None, Information, Critical };
// RetryCancel is for a file that another program holds: the user can try again once it lets go.
// TheirsMineNew is for a record someone else changed since it was shown: keep theirs, save mine over it, or save
// mine as a new record. NewOrLeaveRemoved is for a record someone else removed while it was being edited: save what
// was typed as a new record, or leave it removed (the default, which writes nothing).
enum class MsgButtons { Ok, YesNo, RetryCancel, TheirsMineNew, NewOrLeaveRemoved };
enum class MsgResult { Ok, Yes, No, Retry, Cancel, KeepTheirs, SaveMine, SaveAsNew, LeaveRemoved };

struct MessageRequest {
    QString title;
    QString text; // exactly as the program says it, lone carriage returns included
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // Return presses the first button, unless a question that replaces or removes data makes the safe answer (No)
    // the default.
    bool noByDefault = false;
};

using MessageBoxHandler = std::function<MsgResult(const MessageRequest&)>;

struct SaveFileRequest {
    QString title;
    // Pairs of description and pattern separated by "|", as the program's old dialogs took them
    // ("Rich Text Format | *.rtf "); blanks around either part do not count.
    QString filter;
    QString defaultSuffix; // given to a name chosen without an extension; no dot
    bool confirmOverwrite = true;
    // An export: the dialog starts in the folder last used for an export or a backup, and the folder chosen
    // becomes that folder. Filled in by ChooseSaveFile, for the real dialog and a test's chooser alike.
    bool inLastFolder = false;
    QString startFolder;
};

using SaveFileChooser = std::function<QString(const SaveFileRequest&)>;

struct PrintRequest {
    bool selectionAvailable = false; // the dialog offers, and starts with, printing the selection
};

using PrinterChooser = std::function<bool(QPrinter&, const PrintRequest&)>;
using FolderChooser = std::function<QString(const QString& title)>;
using OpenFileChooser = std::function<QString(const QString& title)>;
// Draws every page of a document on the printer it is given; empty when all was drawn, otherwise why not.
using PagePainter = std::function<QString(QPrinter*)>;
using PrintPreviewer = std::function<void(const PagePainter&)>;
