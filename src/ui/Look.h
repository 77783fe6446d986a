#pragma once

#include <QColor>
#include <QFont>

class QStyle;
class QWidget;

namespace Look {
inline const QColor Purple{74, 29, 180};
inline const QColor PaleYellow{255, 255, 192};
inline const QColor Cream{251, 254, 224};
inline const QColor DarkTeal{0, 64, 64};
// The light grey of the old desktop's buttons and picture boxes, for a strip whose text colour is fixed: under a
// dark desktop its own grey would leave dark text unreadable.
inline const QColor ButtonFace{240, 240, 240};

// Verdana where the system has it, DejaVu Sans (same wide, open shapes) where it does not.
QFont Verdana(qreal pointSize = 8.25, bool bold = false);

// Fills the widget's own background; children keep their own unless they inherit it.
void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);
// Gives a widget the desktop's own colours where a window's dark background would otherwise be inherited
// (menu bars, push buttons, the month calendar), as the old controls kept the system's colours.
void UseDesktopColours(QWidget* widget);
// A client area given in twips of the old screens (15 twips a pixel).
int Twips(int twips);

// The program's widget style: Fusion, which honours the windows' own colours the same way on every desktop, with the
// arrow of a menu bar too narrow for its menus drawn when it is first shown rather than read from an image file as
// every menu bar is made (which makes Qt look through every image plug-in before the launcher can appear).
QStyle* ProgramStyle();

// The busy pointer for as long as the object lives, while the program works on the window's thread.
struct WaitCursor {
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
} // namespace Look
