#pragma once

class QWidget;

// Gives a widget the desktop's own colours where the diary's black would otherwise be inherited (menus).
void DesktopColours(QWidget* widget);
