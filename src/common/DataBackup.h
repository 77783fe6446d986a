#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Backups of the program's data files: a dated folder holding a checked copy of each file and a note that
// marks it as the program's own.
namespace DataBackup {

struct DataFile {
    QString fileName;
    QStringList requiredTables; // a file without them is not the program's
};
// Dowsing.dll and diary.dll.
const QList<DataFile>& DataFiles();

// The note in every backup folder; a folder without it is refused by Restore.
inline const QString MarkerName = QStringLiteral("Velloran backup.txt");
// The folder in the data folder that holds automatic backups and the files kept aside by a restore.
inline const QString BackupsFolderName = QStringLiteral("Backups");
inline constexpr int AutomaticKept = 5;

struct Result {
    bool ok = false;
    QString folder; // the backup made or restored from
    QString aside;  // Restore: where the files it replaced were kept
    QString error;
};

// Copies every data file of `dataFolder` that exists into a new folder "<prefix> yyyy-MM-dd HHmmss" inside
// `parent`, then checks each copy. A backup whose check fails is removed and reported as not made.
Result Make(const QString& dataFolder, const QString& parent, const QDateTime& when,
            const QString& prefix = QStringLiteral("Velloran backup"));

// Empty when `folder` is a sound backup of this program, otherwise why not.
QString Verify(const QString& folder);

// Verifies the backup, keeps the current files aside in the data folder's Backups folder, then replaces the
// current files with the backup's. Nothing changes when the backup is refused or the files cannot be kept.
Result Restore(const QString& folder, const QString& dataFolder, const QDateTime& when);

// At most one automatic backup a day in the data folder's Backups folder; only the newest `kept` of them stay.
Result MakeAutomatic(const QString& dataFolder, const QDateTime& when, int kept = AutomaticKept);

// Remembers the data files' state when a tool opens; when the tool closes after they changed, an automatic
// backup is made (silently: a failed one must not stand in the way of closing).
void NoteToolOpened();
void BackUpIfChangedSinceToolOpened();

} // namespace DataBackup
