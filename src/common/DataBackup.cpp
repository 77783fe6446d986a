#include "common/DataBackup.h"

#include "common/Application.h"
#include "common/Clock.h"
#include "common/SqliteFiles.h"
#include "common/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace DataBackup {

namespace {

const QString kAutomaticPrefix = QStringLiteral("Automatic backup");
const QString kAsidePrefix = QStringLiteral("Before restore");
const QByteArray kMarkerFirstLine = QByteArrayLiteral("Velloran backup");

QString stamped(const QString& prefix, const QDateTime& when) {
    return prefix + QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

bool writeMarker(const QString& folder, const QDateTime& when, const QStringList& files) {
    const QByteArray text = kMarkerFirstLine + "\r\nMade: " + when.toString(Qt::ISODate).toUtf8() +
                            "\r\nFiles: " + files.join(QStringLiteral(", ")).toUtf8() + "\r\n";
    return WriteFileWhole(QDir(folder).filePath(MarkerName), text).isEmpty();
}

} // namespace

const QList<DataFile>& DataFiles() {
    static const QList<DataFile> files{
        {QStringLiteral("Dowsing.dll"), {QStringLiteral("Details")}},
        {QStringLiteral("diary.dll"),
         {QStringLiteral("tblspell"), QStringLiteral("tblincense"), QStringLiteral("tblrecipes"),
          QStringLiteral("tblrituals")}},
    };
    return files;
}

Result Make(const QString& dataFolder, const QString& parent, const QDateTime& when, const QString& prefix) {
    Result result;
    if (!QDir().mkpath(parent)) {
        result.error = QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(parent));
        return result;
    }
    QString name = stamped(prefix, when);
    // Two backups within one second get folders of their own.
    for (int n = 2; QFileInfo::exists(QDir(parent).filePath(name)); ++n) {
        name = stamped(prefix, when) + QStringLiteral(" (%1)").arg(n);
    }
    const QString folder = QDir(parent).filePath(name);
    if (!QDir(parent).mkdir(name)) {
        result.error = QStringLiteral("The folder %1 cannot be written.").arg(QDir::toNativeSeparators(parent));
        return result;
    }
    QStringList copied;
    for (const DataFile& file : DataFiles()) {
        const QString source = QDir(dataFolder).filePath(file.fileName);
        if (!QFileInfo(source).isFile()) {
            continue;
        }
        const QString target = QDir(folder).filePath(file.fileName);
        QString why = SqliteFiles::Copy(source, target);
        if (why.isEmpty()) {
            why = SqliteFiles::Check(target, file.requiredTables);
        }
        if (!why.isEmpty()) {
            QDir(folder).removeRecursively();
            result.error = QStringLiteral("%1 could not be copied: %2").arg(file.fileName, why);
            return result;
        }
        copied << file.fileName;
    }
    if (copied.isEmpty()) {
        QDir(folder).removeRecursively();
        result.error = QStringLiteral("There is no data file in %1.").arg(QDir::toNativeSeparators(dataFolder));
        return result;
    }
    if (!writeMarker(folder, when, copied)) {
        QDir(folder).removeRecursively();
        result.error = QStringLiteral("The folder %1 cannot be written.").arg(QDir::toNativeSeparators(parent));
        return result;
    }
    result.ok = true;
    result.folder = folder;
    return result;
}

QString Verify(const QString& folder) {
    QFile marker(QDir(folder).filePath(MarkerName));
    if (!marker.open(QIODevice::ReadOnly) || !marker.readLine().startsWith(kMarkerFirstLine)) {
        return QStringLiteral("%1 is not a Velloran backup.").arg(QDir::toNativeSeparators(folder));
    }
    int present = 0;
    for (const DataFile& file : DataFiles()) {
        const QString path = QDir(folder).filePath(file.fileName);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        ++present;
        if (const QString why = SqliteFiles::Check(path, file.requiredTables); !why.isEmpty()) {
            return QStringLiteral("%1 in the backup is damaged: %2").arg(file.fileName, why);
        }
    }
    if (present == 0) {
        return QStringLiteral("The backup holds no data file.");
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
    const Result aside = Make(dataFolder, QDir(dataFolder).filePath(BackupsFolderName), when, kAsidePrefix);
    // With no current files there is nothing to keep; anything else that stops the copy stops the restore.
    bool anyCurrent = false;
    for (const DataFile& file : DataFiles()) {
        anyCurrent = anyCurrent || QFileInfo(QDir(dataFolder).filePath(file.fileName)).isFile();
    }
    if (!aside.ok && anyCurrent) {
        result.error =
            QStringLiteral("The current files could not be kept aside, so nothing was changed. ") + aside.error;
        return result;
    }
    result.aside = aside.folder;
    for (const DataFile& file : DataFiles()) {
        const QString from = QDir(folder).filePath(file.fileName);
        if (!QFileInfo::exists(from)) {
            continue;
        }
        const QString live = QDir(dataFolder).filePath(file.fileName);
        QString why;
        if (QFileInfo(live).isFile()) {
            why = SqliteFiles::Replace(from, live);
        } else {
            why = SqliteFiles::Copy(from, live);
        }
        if (!why.isEmpty()) {
            result.error = QStringLiteral("%1 could not be restored: %2").arg(file.fileName, why);
            return result;
        }
    }
    result.ok = true;
    return result;
}

Result MakeAutomatic(const QString& dataFolder, const QDateTime& when, int kept) {
    const QString parent = QDir(dataFolder).filePath(BackupsFolderName);
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

} // namespace DataBackup
