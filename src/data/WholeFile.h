#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QFileDevice;

// Files the program writes for the user: written whole and on the disk, or not at all with the old file left as it
// was, and every failure said in the user's words (the folder is missing, the file or folder is read-only, the disk
// is full) rather than the system's.

// Empty when the file now holds exactly `bytes`, on the disk; otherwise why not, as a sentence.
QString WriteFileWhole(const QString& path, const QByteArray& bytes);

// The same for a file made piece by piece: `produce` writes the pieces (through WriteAll) and returns why it
// stopped, empty when it wrote them all.
QString WriteFileInPieces(const QString& path, const std::function<QString(QFileDevice&)>& produce);

// Writes all of `bytes` to an open device, going on after a short write until the system says why it stops.
QString WriteAll(QFileDevice& file, const QByteArray& bytes);

// Why a write to the file failed, in the user's words.
QString WriteFailure(const QFileDevice& file);

// What the system's error number `error` means for a file in `folder`, in the user's words.
QString SystemFailure(int error, const QString& folder);

// Syncs the folder's list of files, so that a file made, renamed or removed in it is still so after a power cut
// (syncing a file keeps its content, not its name). Empty on success, otherwise why not.
QString SyncFolder(const QString& folder);

// Empty when the program may make and remove files in the folder; otherwise why not ("The folder … is read-only.").
QString FolderRefusesChanges(const QString& folder);
