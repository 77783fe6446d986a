#pragma once

#include "commands/frmImportCsv.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The small spreadsheet files of tests/data/csv.
inline QString CsvTestFile(const char* name) {
    return QStringLiteral(VELLORAN_CSV_DATA "/") + QLatin1String(name);
}

// Opens the import window over `file` from a tool's Tools menu, the file chosen as a user would in the open dialog;
// null when no window came up.
inline frmImportCsv* OpenImportWindow(QWidget* tool, const QString& file) {
    SetOpenFileChooser([file](const QString&) { return file; });
    if (auto* item = Control<QAction>(tool, "mnuImportCsv")) {
        item->trigger();
    }
    return tool->findChild<frmImportCsv*>();
}

// Presses Import and gives what the window then says.
inline QString PressImport(frmImportCsv* window) {
    QTest::mouseClick(Control<QPushButton>(window, "cmdImport"), Qt::LeftButton);
    return Control<QLabel>(window, "lblResult")->text();
}

// Closes the window and lets it go, so that the next one found is a new one.
inline void CloseImportWindow(frmImportCsv* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Chooses the entry of a list whose text begins with `text`; false when none does.
inline bool ChooseEntry(QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).startsWith(text)) {
            list->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

// The lines the window lists as those that cannot be stored.
inline QStringList ProblemLines(frmImportCsv* window) {
    QStringList lines;
    auto* list = Control<QListWidget>(window, "lstProblems");
    for (int i = 0; list && i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}
