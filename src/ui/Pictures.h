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
// The sizes the desktop looks for in the icon theme, each drawn for its size.
inline constexpr int DesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The largest size the program's own window icon is drawn at.
inline constexpr int WindowIconLargest = 48;
// The program's icon on the desktop: the launcher's pale pentagram on the launcher's purple, as a rounded tile; at
// 24 pixels and below a filled star on a tile that fills the square, which stays sharp.
QPixmap DesktopIcon(int size);
// The same picture as scalable vector graphics, for the icon theme.
QByteArray DesktopIconSvg();
} // namespace Pictures
