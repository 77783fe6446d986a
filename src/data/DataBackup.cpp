#include "data/DataBackup.h"

#include "core/Application.h"
#include "core/Clock.h"
#include "data/DataCatalog.h"
#include "data/SqliteFiles.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace DataBackup {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(DataBackup)
};

const QString kAutomaticPrefix = QStringLiteral("Automatic backup");
const QString kAsidePrefix = QStringLiteral("Before restore");
// A backup folder carries this after its name until its last file is on the disk.
const QString kIncomplete = QStringLiteral(" (incomplete)");
const QByteArray kMarkerFirstLine = QByteArrayLiteral("Velloran backup");
// The restore's note in the data folder while it replaces files: where from, and where the old files were kept.
const QString kRestoreNote = QStringLiteral("Velloran restore under way.txt");
const QByteArray kRestoreFrom = QByteArrayLiteral("From: ");
const QByteArray kRestoreAside = QByteArrayLiteral("Kept aside in: ");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString stamped(const QString& prefix, const QDateTime& when) {
    return prefix + QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

// One file as the note gives it; an older note names its files only (size -1, no checksum).
struct NotedFile {
    QString name;
    qint64 size = -1;
    QByteArray sha256;
};

NotedFile noteOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        return {};
    }
    return {QFileInfo(path).fileName(), file.size(), hash.result().toHex()};
}

QString writeMarker(const QString& folder, const QDateTime& when, const QList<NotedFile>& files) {
    QStringList names;
    QByteArray lines;
    for (const NotedFile& file : files) {
        names << file.name;
        lines += QStringLiteral("%1: %2 bytes, SHA-256 ").arg(file.name, QString::number(file.size)).toUtf8() +
                 file.sha256 + "\r\n";
    }
    const QByteArray text = kMarkerFirstLine + "\r\nMade: " + when.toString(Qt::ISODate).toUtf8() +
                            "\r\nFiles: " + names.join(QStringLiteral(", ")).toUtf8() + "\r\n" + lines;
    return WriteFileWhole(QDir(folder).filePath(MarkerName), text);
}

// The files the note of `folder` lists; nothing when there is no note of this program's.
std::optional<QList<NotedFile>> readMarker(const QString& folder) {
    QFile marker(QDir(folder).filePath(MarkerName));
    if (!marker.open(QIODevice::ReadOnly) || !marker.readLine().startsWith(kMarkerFirstLine)) {
        return std::nullopt;
    }
    static const QRegularExpression noted(QStringLiteral("^(.+): (\\d+) bytes, SHA-256 ([0-9a-f]{64})$"));
    QList<NotedFile> listed;
    QList<NotedFile> described;
    while (!marker.atEnd()) {
        const QString line = QString::fromUtf8(marker.readLine()).trimmed();
        if (line.startsWith(QStringLiteral("Files: "))) {
            for (const QString& name : line.mid(7).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
                listed.append({name, -1, {}});
            }
        } else if (const QRegularExpressionMatch m = noted.match(line); m.hasMatch()) {
            described.append({m.captured(1), m.captured(2).toLongLong(), m.captured(3).toLatin1()});
        }
    }
    QList<NotedFile> files = described.isEmpty() ? listed : described;
    // Only the program's own files are looked for, and only in the folder itself.
    const QList<DataFile> ours = DataFiles();
    files.removeIf([&ours](const NotedFile& file) {
        return std::none_of(ours.cbegin(), ours.cend(),
                            [&file](const DataFile& data) { return data.fileName == file.name; });
    });
    return files;
}

// Empty when every file the note lists is there as noted (with `checksums`, to the byte); otherwise why not.
QString filesAsNoted(const QString& folder, const QList<NotedFile>& files, bool checksums) {
    for (const NotedFile& file : files) {
        const QFileInfo info(QDir(folder).filePath(file.name));
        if (!info.isFile()) {
            return Words::tr("%1 is missing from the backup.").arg(file.name);
        }
        if ((file.size >= 0 && info.size() != file.size) ||
            (checksums && !file.sha256.isEmpty() && noteOf(info.filePath()).sha256 != file.sha256)) {
            return Words::tr("%1 in the backup is not the file that was backed up.").arg(file.name);
        }
    }
    return {};
}

// A backup every file of which is there at its noted size; cheap enough to ask of every automatic backup.
bool complete(const QString& folder) {
    const std::optional<QList<NotedFile>> files = readMarker(folder);
    return files && !files->isEmpty() && filesAsNoted(folder, *files, false).isEmpty();
}

// Why a folder that does not exist cannot be made: its nearest existing parent refuses changes.
QString cannotMake(const QString& folder) {
    QString existing = QFileInfo(folder).absoluteFilePath();
    while (!QFileInfo(existing).isDir() && QFileInfo(existing).path() != existing) {
        existing = QFileInfo(existing).path();
    }
    const QString why = FolderRefusesChanges(existing);
    return Words::tr("The folder %1 cannot be made.").arg(native(folder)) +
           (why.isEmpty() ? QString() : QLatin1Char(' ') + why);
}

// Puts every data file that `from` holds into the data folder; empty when all are there, otherwise why not.
QString putFiles(const QString& from, const QString& dataFolder) {
    for (const DataFile& file : DataFiles()) {
        const QString source = QDir(from).filePath(file.fileName);
        const QString live = QDir(dataFolder).filePath(file.fileName);
        if (!QFileInfo::exists(source)) {
            continue;
        }
        const QString why =
            QFileInfo(live).isFile() ? SqliteFiles::Replace(source, live) : SqliteFiles::Copy(source, live);
        if (!why.isEmpty()) {
            return Words::tr("%1 could not be restored: %2").arg(file.fileName, why);
        }
    }
    return {};
}

// What is left of backups cut off half-way in the Backups folder goes: those carrying the mark, and automatic ones
// an earlier version left without their note.
void removeUnfinished(const QString& parent) {
    for (const QFileInfo& entry : QDir(parent).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.fileName().endsWith(kIncomplete) ||
            (entry.fileName().startsWith(kAutomaticPrefix) && !complete(entry.filePath()))) {
            QDir(entry.filePath()).removeRecursively();
        }
    }
}

} // namespace

QList<DataFile> DataFiles() {
    QList<DataFile> files;
    for (const DataCatalog::File& file : DataCatalog::Files()) {
        QStringList tables;
        for (const DataCatalog::Table& table : file.tables) {
            tables << table.name;
        }
        files.append({file.fileName, tables});
    }
    return files;
}

Result Make(const QString& dataFolder, const QString& parent, const QDateTime& when, const QString& prefix) {
    Result result;
    // As private as the data folder: a backup of the user's own folder is the user's alone.
    const QFile::Permissions privacy =
        QFileInfo(dataFolder).permissions() | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const bool made = !QFileInfo::exists(parent);
    if (!QDir().mkpath(parent) || (made && !QFile::setPermissions(parent, privacy))) {
        result.error = cannotMake(parent);
        return result;
    }
    QString name = stamped(prefix, when);
    // Two backups within one second get folders of their own.
    for (int n = 2;
         QFileInfo::exists(QDir(parent).filePath(name)) || QFileInfo::exists(QDir(parent).filePath(name + kIncomplete));
         ++n) {
        name = stamped(prefix, when) + QStringLiteral(" (%1)").arg(n);
    }
    const QString folder = QDir(parent).filePath(name);
    const QString working = folder + kIncomplete;
    if (!QDir(parent).mkdir(QFileInfo(working).fileName()) || !QFile::setPermissions(working, privacy)) {
        QDir(working).removeRecursively();
        result.error = FolderRefusesChanges(parent);
        if (result.error.isEmpty()) {
            result.error = Words::tr("The folder %1 cannot be written.").arg(native(parent));
        }
        return result;
    }
    QList<NotedFile> copied;
    for (const DataFile& file : DataFiles()) {
        const QString source = QDir(dataFolder).filePath(file.fileName);
        if (!QFileInfo(source).isFile()) {
            continue;
        }
        const QString target = QDir(working).filePath(file.fileName);
        QString why = SqliteFiles::Copy(source, target);
        if (why.isEmpty()) {
            why = SqliteFiles::Check(target, file.requiredTables);
        }
        if (!why.isEmpty()) {
            QDir(working).removeRecursively();
            result.error = Words::tr("%1 could not be copied: %2").arg(file.fileName, why);
            return result;
        }
        copied << noteOf(target);
        if (copied.last().sha256.isEmpty()) {
            QDir(working).removeRecursively();
            result.error = Words::tr("%1 could not be read back.").arg(file.fileName);
            return result;
        }
    }
    if (copied.isEmpty()) {
        QDir(working).removeRecursively();
        result.error = Words::tr("There is no data file in %1.").arg(native(dataFolder));
        return result;
    }
    // The note is written last and the folder named as a backup only then, both on the disk before it is said made.
    QString why = writeMarker(working, when, copied);
    if (why.isEmpty() && ::rename(QFile::encodeName(working).constData(), QFile::encodeName(folder).constData()) != 0) {
        why = SystemFailure(errno, parent);
    }
    if (why.isEmpty()) {
        why = SyncFolder(parent);
    }
    if (!why.isEmpty()) {
        QDir(QFileInfo::exists(folder) ? folder : working).removeRecursively();
        result.error = Words::tr("The folder %1 cannot be written. %2").arg(native(parent), why);
        return result;
    }
    result.ok = true;
    result.folder = folder;
    return result;
}

QString Verify(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return Words::tr("The folder %1 cannot be found.").arg(native(folder));
    }
    const std::optional<QList<NotedFile>> files = readMarker(folder);
    if (!files) {
        return Words::tr("%1 is not a Velloran backup.").arg(native(folder));
    }
    if (QString why = filesAsNoted(folder, *files, true); !why.isEmpty()) {
        return why;
    }
    int present = 0;
    for (const DataFile& file : DataFiles()) {
        const QString path = QDir(folder).filePath(file.fileName);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        ++present;
        if (const QString why = SqliteFiles::Check(path, file.requiredTables); !why.isEmpty()) {
            return Words::tr("%1 in the backup is damaged: %2").arg(file.fileName, why);
        }
    }
    if (present == 0) {
        return Words::tr("The backup holds no data file.");
    }
    return {};
}

Result Restore(const QString& folder, const QString& dataFolder, const QDateTime& when) {
    Result result;
    result.folder = folder;
    if (const QString why = Verify(folder); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    // What would stop the restore half-way is looked for before anything is made: a folder where no file can be
    // replaced, a file another program holds.
    if (const QString why = FolderRefusesChanges(dataFolder); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    bool anyCurrent = false;
    for (const DataFile& file : DataFiles()) {
        const QString live = QDir(dataFolder).filePath(file.fileName);
        if (!QFileInfo(live).isFile()) {
            continue;
        }
        anyCurrent = true;
        if (const QString why = SqliteFiles::CheckNotInUse(live); !why.isEmpty()) {
            result.error = Words::tr("%1: %2.").arg(file.fileName, why);
            return result;
        }
    }
    const QString backups = QDir(dataFolder).filePath(BackupsFolderName);
    removeUnfinished(backups);
    const Result aside = Make(dataFolder, backups, when, kAsidePrefix);
    // With no current files there is nothing to keep; anything else that stops the copy stops the restore.
    if (!aside.ok && anyCurrent) {
        result.error =
            Words::tr("The current files could not be kept aside, so nothing was changed. %1").arg(aside.error);
        return result;
    }
    const QString note = QDir(dataFolder).filePath(kRestoreNote);
    const QByteArray noteText = "Velloran restore\r\n" + kRestoreFrom + folder.toUtf8() + "\r\n" + kRestoreAside +
                                aside.folder.toUtf8() + "\r\n";
    // On the disk before the first file is touched: from then on, whatever stops the restore, the next start knows.
    if (const QString why = WriteFileWhole(note, noteText); !why.isEmpty()) {
        QDir(aside.folder).removeRecursively();
        result.error = Words::tr("The restore could not begin. %1").arg(why);
        return result;
    }
    result.aside = aside.folder;
    if (const QString why = putFiles(folder, dataFolder); !why.isEmpty()) {
        result.error = why;
        // Both files from one time: the ones replaced so far go back.
        if (!aside.ok || !putFiles(aside.folder, dataFolder).isEmpty()) {
            return result;
        }
        result.undone = true;
    }
    QFile::remove(note);
    if (const QString why = SyncFolder(dataFolder); !why.isEmpty() && result.error.isEmpty()) {
        result.error = why;
    }
    result.ok = result.error.isEmpty();
    return result;
}

std::optional<Result> FinishInterruptedRestore(const QString& dataFolder) {
    const QString note = QDir(dataFolder).filePath(kRestoreNote);
    QFile file(note);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    Result result;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(kRestoreFrom)) {
            result.folder = QString::fromUtf8(line.mid(kRestoreFrom.size()));
        } else if (line.startsWith(kRestoreAside)) {
            result.aside = QString::fromUtf8(line.mid(kRestoreAside.size()));
        }
    }
    file.close();
    // Finished as the user asked when the backup is still there and sound; otherwise undone from the files kept.
    result.error = Verify(result.folder);
    if (result.error.isEmpty()) {
        result.error = putFiles(result.folder, dataFolder);
    }
    if (!result.error.isEmpty() && !result.aside.isEmpty() && Verify(result.aside).isEmpty() &&
        putFiles(result.aside, dataFolder).isEmpty()) {
        result.undone = true;
    }
    result.ok = result.error.isEmpty() || result.undone;
    if (result.ok) {
        QFile::remove(note);
        SyncFolder(dataFolder);
    }
    return result;
}

Result MakeAutomatic(const QString& dataFolder, const QDateTime& when, int kept) {
    const QString parent = QDir(dataFolder).filePath(BackupsFolderName);
    removeUnfinished(parent);
    const QString today = kAutomaticPrefix + QLatin1Char(' ') + when.date().toString(Qt::ISODate);
    QStringList automatic =
        QDir(parent).entryList({kAutomaticPrefix + QStringLiteral(" *")}, QDir::Dirs | QDir::NoDotAndDotDot);
    if (std::any_of(automatic.cbegin(), automatic.cend(), [&](const QString& n) { return n.startsWith(today); })) {
        Result none;
        none.ok = true;
        return none;
    }
    Result made = Make(dataFolder, parent, when, kAutomaticPrefix);
    if (!made.ok) {
        return made;
    }
    automatic << QFileInfo(made.folder).fileName();
    // The stamp sorts by time; the oldest go first.
    std::sort(automatic.begin(), automatic.end());
    for (qsizetype i = 0; i + kept < automatic.size(); ++i) {
        QDir(QDir(parent).filePath(automatic.at(i))).removeRecursively();
    }
    return made;
}

namespace {
// The data files' modification times when the first tool opened, by full path: a test, or a restore, that
// points the program at another folder starts afresh.
QHash<QString, QDateTime>& openedState() {
    static QHash<QString, QDateTime> state;
    return state;
}

QHash<QString, QDateTime> currentState() {
    QHash<QString, QDateTime> state;
    for (const DataFile& file : DataFiles()) {
        const QFileInfo info(ApplicationFile(file.fileName));
        state.insert(info.absoluteFilePath(), info.exists() ? info.lastModified() : QDateTime());
    }
    return state;
}

bool sameFiles(const QHash<QString, QDateTime>& a, const QHash<QString, QDateTime>& b) {
    return a.keys().size() == b.keys().size() &&
           std::all_of(a.keyBegin(), a.keyEnd(), [&b](const QString& key) { return b.contains(key); });
}
} // namespace

void NoteToolOpened() {
    // The first tool sets the mark; a change made in one tool still counts when another opened meanwhile.
    if (!sameFiles(openedState(), currentState())) {
        openedState() = currentState();
    }
}

void BackUpIfChangedSinceToolOpened() {
    const QHash<QString, QDateTime> now = currentState();
    if (!sameFiles(openedState(), now) || now == openedState()) {
        return;
    }
    MakeAutomatic(ApplicationFolder(), Now());
    openedState() = currentState();
}

void ChangedWithoutNewData(const QString& path, const QDateTime& modifiedBefore) {
    const QFileInfo info(path);
    const auto noted = openedState().find(info.absoluteFilePath());
    if (noted != openedState().end() && noted.value() == modifiedBefore) {
        noted.value() = info.lastModified();
    }
}

} // namespace DataBackup
