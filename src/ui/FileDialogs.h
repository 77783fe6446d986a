#pragma once

#include "core/Seams.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The file-save and print dialogs, with a way for tests to answer them instead of a user.

// Returns the chosen path, or an empty text when the user cancelled. A name without an extension gets the
// default suffix, whoever chose it.
QString ChooseSaveFile(const SaveFileRequest& request, QWidget* parent = nullptr);

// The real dialog's filter text for a "description|pattern" filter: "Rich Text Format (*.rtf)".
QString QtNameFilters(const QString& filter);

// Replaces the real save dialog, for tests; an empty chooser brings it back.
void SetSaveFileChooser(SaveFileChooser chooser);

// Sets up the printer as the user chooses (its print range tells whether the selection or everything is to
// be printed). False when the user cancelled.
bool ChoosePrinter(QPrinter& printer, const PrintRequest& request, QWidget* parent = nullptr);

// Replaces the real print dialog, for tests; an empty chooser brings it back.
void SetPrinterChooser(PrinterChooser chooser);

// A folder the user picks (to put a backup in, or to restore one from), starting in the folder last used for an
// export or a backup. Empty when the user cancelled.
QString ChooseFolder(const QString& title, QWidget* parent = nullptr);
// Replaces the real folder dialog, for tests; an empty chooser brings it back.
void SetFolderChooser(FolderChooser chooser);

// A file the user picks to read, starting at `start` (a file or its folder). Empty when the user cancelled.
QString ChooseOpenFile(const QString& title, const QString& start, QWidget* parent = nullptr);
// Replaces the real open dialog, for tests; an empty chooser brings it back.
void SetOpenFileChooser(OpenFileChooser chooser);

// A print preview (QPrintPreviewDialog) of what `paint` draws, from which the user may also print. Pages that
// could not be drawn are said, once, rather than left blank.
void ShowPrintPreview(const PagePainter& paint, QWidget* parent = nullptr);
// Replaces the real preview, for tests; an empty previewer brings it back.
void SetPrintPreviewer(PrintPreviewer previewer);
