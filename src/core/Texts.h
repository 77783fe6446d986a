#pragma once

#include <QString>

// Texts shown by more than one window; each window's own texts live with the window.
namespace Texts {
// The doubled ampersand of the old caption is what a user saw as one "&".
QString Cobrand();
QString FullBrand();
QString VersionCaption();
} // namespace Texts
