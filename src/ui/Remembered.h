#pragma once

#include <QString>
#include <QVariant>

class QWidget;

// What the program remembers from one run to the next, in the per-user settings file it already keeps for the
// update reminder: where windows were and how large, the last choices of a few windows, the folder last used for
// exports and backups. Nothing here is data: a value that is missing or unreadable gives the window its default.
namespace Remembered {

QVariant Value(const QString& key, const QVariant& fallback = QVariant());
void SetValue(const QString& key, const QVariant& value);
// The value an earlier run left under `key`, the first time this run asks for it; afterwards nothing, so that a
// window opened again in the same run starts as it always did.
QVariant FromEarlierRun(const QString& key);

// The folder last used for an export or a backup, or empty; where the next file or folder dialog starts.
QString LastFolder();
void SetLastFolder(const QString& folder);

// How a window comes back: its size when the user can resize it, and its own place (Kept), the centre of the
// screen (Centred), or the place its own code gives it (SizeOnly).
enum class Place { Kept, Centred, SizeOnly };

// Gives a window the size and place it had when it was last put away; a place whose screen is gone (or no longer
// reaches it) is not used, and the window keeps the place it was given. `key` names the window in the settings.
void RestoreWindow(QWidget* window, const QString& key, Place place);
void KeepWindow(const QWidget* window, const QString& key);

// True when a window at `place` with `size` could be reached on one of today's screens: its title bar lies on one.
bool OnAScreen(const QPoint& place, const QSize& size);

} // namespace Remembered
