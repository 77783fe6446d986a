#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The file-save and print dialogs, with a way for tests to answer them instead of a user.

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

// Returns the chosen path, or an empty text when the user cancelled. A name without an extension gets the
// default suffix, whoever chose it.
QString ChooseSaveFile(const SaveFileRequest& request, QWidget* parent = nullptr);

// The real dialog's filter text for a "description|pattern" filter: "Rich Text Format (*.rtf)".
QString QtNameFilters(const QString& filter);

using SaveFileChooser = std::function<QString(const SaveFileRequest&)>;
// Replaces the real save dialog, for tests; an empty chooser brings it back.
void SetSaveFileChooser(SaveFileChooser chooser);

struct PrintRequest {
    bool selectionAvailable = false; // the dialog offers, and starts with, printing the selection
};

// Sets up the printer as the user chooses (its print range tells whether the selection or everything is to
// be printed). False when the user cancelled.
bool ChoosePrinter(QPrinter& printer, const PrintRequest& request, QWidget* parent = nullptr);

using PrinterChooser = std::function<bool(QPrinter&, const PrintRequest&)>;
// Replaces the real print dialog, for tests; an empty chooser brings it back.
void SetPrinterChooser(PrinterChooser chooser);

// A folder the user picks (to put a backup in, or to restore one from), starting in the folder last used for an
// export or a backup. Empty when the user cancelled.
QString ChooseFolder(const QString& title, QWidget* parent = nullptr);
using FolderChooser = std::function<QString(const QString& title)>;
// Replaces the real folder dialog, for tests; an empty chooser brings it back.
void SetFolderChooser(FolderChooser chooser);

// A file the user picks to read, starting at `start` (a file or its folder). Empty when the user cancelled.
QString ChooseOpenFile(const QString& title, const QString& start, QWidget* parent = nullptr);
using OpenFileChooser = std::function<QString(const QString& title)>;
// Replaces the real open dialog, for tests; an empty chooser brings it back.
void SetOpenFileChooser(OpenFileChooser chooser);

// Draws every page of a document on the printer it is given; empty when all was drawn, otherwise why not.
using PagePainter = std::function<QString(QPrinter*)>;
// A print preview (QPrintPreviewDialog) of what `paint` draws, from which the user may also print. Pages that
// could not be drawn are said, once, rather than left blank.
void ShowPrintPreview(const PagePainter& paint, QWidget* parent = nullptr);
using PrintPreviewer = std::function<void(const PagePainter&)>;
// Replaces the real preview, for tests; an empty previewer brings it back.
void SetPrintPreviewer(PrintPreviewer previewer);
