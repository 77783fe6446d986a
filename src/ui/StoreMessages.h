#pragma once

#include "data/Database.h"
#include "ui/MessageBox.h"

class QWidget;

// How a window says that a store failed. The store's error names the file and the cause; while another program
// holds the file the user is offered Retry and Cancel, since trying again then helps, and OK otherwise.
MsgButtons StoreFailureButtons(const StoreError& error);

// Shows `text` (the window's words around the store's error) with the error icon; true when the user chose
// Retry.
bool StoreFailureRetry(const QString& text, const StoreError& error, QWidget* parent);

// The store's error with the advice that fits its cause, for a window that has nothing to add.
QString StoreFailureText(const StoreError& error);

// What the user chose for a save that found the record changed by someone else since it was shown: keep theirs
// (KeepTheirs), write theirs over (SaveMine) or save it as a new record (SaveAsNew).
MsgResult AskAboutChangedRecord(const StoreError& error, QWidget* parent);
