#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

// The user's manual: HTML pages installed with the program (share/velloran/manual beside its bin folder, which a
// build folder has too), read offline in a window of the program's own. F1 in every window opens it at the page
// about that window; "Velloran Manual" in the Tools menus does the same.
namespace Manual {

// The folder that holds the pages, or empty when the manual is not installed. The English pages lie in it, each
// translation's in a folder named after its language ("de/dowsing.html").
QString Folder();
// The file of a page ("wheel.html") in the language the program speaks, the English one where the page has no
// translation.
QString PageFile(const QString& page);
// The contents page, which a window the manual has no page of its own about opens.
QString Contents();

// Shows the manual at a page ("wheel.html", "diary.html#book"); says so when the manual is not installed.
void Show(const QString& page, QWidget* over = nullptr);

// "Velloran &Manual", F1, for the whole of `window`: it opens the page `page` names at that moment (the window in
// front of a frame may change). The same command goes into the window's Tools menu, where there is one.
QAction* MakeCommand(QWidget* window, std::function<QString()> page);

} // namespace Manual
