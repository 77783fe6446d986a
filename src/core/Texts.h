#pragma once

#include <QString>

// Texts shown by more than one window; each window's own texts live with the window.
namespace Texts {
// The doubled ampersand of the old caption is what a user saw as one "&".
// The text without the blanks at its ends (only spaces: a tab or a line break is the user's), never a null string,
// which SQL would take for NULL rather than empty text.
QString WithoutOuterBlanks(const QString& text);

QString Cobrand();
QString FullBrand();
QString VersionCaption();
} // namespace Texts
