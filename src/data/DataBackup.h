#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Backups of the program's data files: a dated folder holding a checked copy of each file and a note that
// marks it as the program's own and gives each file's size and checksum. A backup is made under a name that says it
// is incomplete and named as dated only once every file and the note are on the disk.
namespace DataBackup {

struct DataFile {
    QString fileName;
    QStringList requiredTables; // a file without them is not the program's
};
// The files the tools keep in the data folder, as they describe them.
QList<DataFile> DataFiles();

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
    bool undone = false; // Restore: it stopped, and the files it had replaced were put back as they were
};

// Copies every data file of `dataFolder` that exists into a new folder "<prefix> yyyy-MM-dd HHmmss" inside
// `parent`, then checks each copy. A backup whose check fails is removed and reported as not made.
Result Make(const QString& dataFolder, const QString& parent, const QDateTime& when,
            const QString& prefix = QStringLiteral("Velloran backup"));

// Empty when `folder` is a sound backup of this program, every file the note lists there as it was made; otherwise
// why not.
QString Verify(const QString& folder);

// Verifies the backup, keeps the current files aside in the data folder's Backups folder, then replaces the
// current files with the backup's: all of them or, when it stops, none (undone, `undone`). Nothing is changed or
// left behind when the backup is refused, the data folder is read-only or another program holds a file. Cut off
// (a crash, a power cut), it leaves a note in the data folder by which the next start finishes or undoes it.
Result Restore(const QString& folder, const QString& dataFolder, const QDateTime& when);

// At start-up: finishes the restore that was cut off in `dataFolder` from its backup (ok), or, when the backup
// cannot be had any more, puts back the files kept aside (ok and undone); not ok when neither could be done, and the
// next start tries again. Nothing when no restore was cut off.
std::optional<Result> FinishInterruptedRestore(const QString& dataFolder);

// At most one automatic backup a day in the data folder's Backups folder; only the newest `kept` of them stay. Only a
// complete backup counts and is kept: one cut off half-way is removed.
Result MakeAutomatic(const QString& dataFolder, const QDateTime& when, int kept = AutomaticKept);

// Remembers the data files' state when a tool opens; when the tool closes after they changed, an automatic
// backup is made (silently: a failed one must not stand in the way of closing).
void NoteToolOpened();
void BackUpIfChangedSinceToolOpened();
// The program changed a data file without changing its records or entries (took out a table of its own): that is
// no reason for an automatic backup. `modifiedBefore` is the file's time before that change.
void ChangedWithoutNewData(const QString& path, const QDateTime& modifiedBefore);

} // namespace DataBackup
