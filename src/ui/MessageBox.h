#pragma once

#include "core/Seams.h"

#include <QString>
#include <functional>

class QWidget;

// Shows a message box, modal to the whole program and centred over the window the user sees (the parent's
// window when it is on screen), and returns the user's answer. Every message of the program goes through here.
// While a box is open no window is unloaded: an unload asked for meanwhile waits until the box has returned.
MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, QWidget* parent = nullptr,
                 const QString& title = QString());

// A Yes/No question before something that replaces or removes the user's data: No, which leaves everything as it
// is, is the default button, so that Return or a hurried Space keeps the data.
MsgResult AskBeforeReplacing(const QString& text, MsgIcon icon, QWidget* parent = nullptr);

// The window a box or a progress dialog is centred over: the parent's window when the user sees it (a window
// still loading is not on screen yet), else the active window, else the newest window on screen.
QWidget* VisibleWindowFor(QWidget* parent);

// Replaces the real boxes, for tests; an empty handler brings them back.
void SetMessageBoxHandler(MessageBoxHandler handler);

// The text as the box lays it out: a carriage return, alone or before a line feed, starts a new line.
QString MessageDisplayText(const QString& text);
