#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The program's own symbolic pictures, drawn rather than shipped so that they are sharp at any size.
namespace Pictures {
QPixmap Pentagram(int size, const QColor& colour = QColor(255, 255, 192));
QPixmap Pendulum(int size, const QColor& colour = QColor(255, 255, 192));
QPixmap WheelOfTheYear(int size, const QColor& colour = QColor(255, 255, 192));
QPixmap BookOfShadows(int size, const QColor& colour = QColor(255, 255, 192));
// The window icon of every window.
QIcon ProgramIcon();
} // namespace Pictures
