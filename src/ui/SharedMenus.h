#pragma once

#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QWidget;

// The update item's caption differs between windows.
enum class UpdateCaption {
    CheckFor,       // "&Check for Software Update": launcher and dowsing wizard
    SoftwareUpdate, // "Check for Software &Update": calendar and diary windows
};

// The menu bar every main window carries: its own File menu ending in "E&xit", the shared Help menu, and
// "&Donate" and "Make Money &Online" as items of the bar itself. The Help, Donate and Make Money items are
// wired here; "E&xit" is left to the window, whose exits differ. Own File items go before `exitItem`
// (`fileMenu->insertAction(menus.exitItem, ...)`).
struct SharedMenus {
    QMenu* fileMenu = nullptr;
    QAction* exitItem = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* onlineHelpItem = nullptr;
    QAction* visitUsItem = nullptr;
    QAction* updateItem = nullptr;
    QAction* aboutItem = nullptr;
    QAction* donateItem = nullptr;
    QAction* makeMoneyItem = nullptr;

    // What the menu bar holds, in its order: the File and Help menus, then Donate and Make Money.
    QList<QAction*> barItems() const;
};

SharedMenus InstallSharedMenus(QMainWindow* window, const QString& fileMenuName, UpdateCaption updateCaption);

// The same menus owned by `owner` but put in no bar: for a window whose menus another window's bar shows (a
// dowsing window in its frame).
SharedMenus BuildSharedMenus(QWidget* owner, const QString& fileMenuName, UpdateCaption updateCaption);

// Adds a separator to a menu under the given name and returns it.
QAction* AddNamedSeparator(QMenu* menu, const QString& name, QAction* before = nullptr);

// An Undo item (Ctrl+Z, "mnuUndo") put first in a Tools menu, with a separator ("mnuUndoSep") after it; the window
// that owns it names what it brings back.
QAction* InsertUndoItem(QMenu* tools, QObject* owner);

// A name out of the user's data, short enough for a menu item or a message: blanks simplified, at most 40
// characters.
QString ShortName(const QString& text);

// Adds an item with the given caption to a menu under the given name and returns it.
QAction* AddNamedItem(QMenu* menu, const QString& name, const QString& caption);
