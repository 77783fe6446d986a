#include "data/DataFolder.h"

#include "core/Application.h"
#include "data/DataBackup.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

#ifndef VELLORAN_TEMPLATES_FROM_BIN
#define VELLORAN_TEMPLATES_FROM_BIN "../share/velloran"
#endif

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)
};
QString systemWhyNotWritable(const QString& folder) {
#if defined(Q_OS_UNIX)
    // access() answers for read-only mounts and access lists too, not only for the permission bits.
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return QString();
#else
    return QFileInfo(folder).isWritable() ? QString() : Words::tr("The folder is read-only.");
#endif
}

bool holdsEvery(const QString& folder, const QStringList& fileNames) {
    const QDir dir(folder);
    for (const QString& name : fileNames) {
        if (!QFileInfo(dir.filePath(name)).isFile()) {
            return false;
        }
    }
    return true;
}

// Only a file that is an SQLite database may seed the user's data; anything else would be a file the tool
// opens and fails on instead of reporting it missing.
bool isDatabase(const QString& path) {
    QFile file(path);
    static const QByteArray magic("SQLite format 3", 16);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic;
}

QString problemText(const QString& folder, const QString& reason) {
    return Words::tr("Velloran cannot keep your dowsing records and diary in the folder\r\n%1\r\n\r\n%2")
        .arg(QDir::toNativeSeparators(folder), reason);
}

QString partName(const QString& target) {
    return target + QStringLiteral(".part");
}

// The copy carries a temporary name until it is whole and on disk, so an interrupted copy never passes for
// the user's file; the next start throws the part away and copies again. Returns why it failed, or empty.
QString copyWhole(const QString& source, const QString& target) {
    const QString part = partName(target);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return in.errorString();
    }
    QFile out(part);
    // The user's alone from the first byte.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !out.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
        return out.errorString();
    }
    QString failure;
    while (failure.isEmpty() && !in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) {
            failure = in.errorString();
        } else if (out.write(block) != block.size()) {
            failure = out.errorString();
        }
    }
    if (failure.isEmpty() && !out.flush()) {
        failure = out.errorString();
    }
#if defined(Q_OS_UNIX)
    if (failure.isEmpty() && ::fsync(out.handle()) != 0) {
        failure = QString::fromLocal8Bit(std::strerror(errno));
    }
#endif
    out.close();
    if (failure.isEmpty() && out.error() != QFileDevice::NoError) {
        failure = out.errorString();
    }
    if (failure.isEmpty() && !QFile::rename(part, target)) {
        failure = QFile(part).errorString();
    }
    if (failure.isEmpty()) {
        failure = SyncFolder(QFileInfo(target).absolutePath());
    }
    if (!failure.isEmpty()) {
        QFile::remove(part);
    }
    return failure;
}

// The records and diary hold clients' names, addresses and telephone numbers: in the user's own data folder they are
// the user's alone, backups included, also where an earlier version left them readable by everyone.
void makePrivate(const QString& folder, const QStringList& fileNames) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : fileNames) {
        if (QFileInfo(QDir(folder).filePath(name)).isFile()) {
            QFile::setPermissions(QDir(folder).filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    const QString backups = QDir(folder).filePath(DataBackup::BackupsFolderName);
    QFile::setPermissions(backups, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (QDirIterator it(backups, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo entry(it.next());
        QFile::setPermissions(entry.filePath(), entry.isDir() ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                              : QFile::ReadOwner | QFile::WriteOwner);
    }
}
} // namespace

DataPlaces InstalledDataPlaces() {
    DataPlaces places;
    places.programFolder = QCoreApplication::applicationDirPath();
    places.templateFolder =
        QDir::cleanPath(QDir(places.programFolder).filePath(QStringLiteral(VELLORAN_TEMPLATES_FROM_BIN)));
    places.userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return places;
}

DataFolderChoice ChooseDataFolder(const DataPlaces& places, const QStringList& fileNames) {
    const auto whyNotWritable = places.whyNotWritable ? places.whyNotWritable : systemWhyNotWritable;
    if (holdsEvery(places.programFolder, fileNames) && whyNotWritable(places.programFolder).isEmpty()) {
        return {places.programFolder, true, QString()};
    }

    DataFolderChoice choice{places.userFolder, false, QString()};
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(places.userFolder).toStdString()),
                                        error);
    if (error) {
        choice.problem =
            problemText(places.userFolder,
                        Words::tr("The folder cannot be created: %1").arg(QString::fromLocal8Bit(error.message())));
        return choice;
    }
    if (const QString why = whyNotWritable(places.userFolder); !why.isEmpty()) {
        choice.problem = problemText(places.userFolder, Words::tr("The folder cannot be written: %1").arg(why));
        return choice;
    }

    makePrivate(places.userFolder, fileNames);
    const QDir user(places.userFolder);
    const QDir templates(places.templateFolder);
    for (const QString& name : fileNames) {
        const QString target = user.filePath(name);
        QFile::remove(partName(target));
        if (QFileInfo::exists(target)) {
            continue;
        }
        const QString source = templates.filePath(name);
        if (!isDatabase(source)) {
            continue;
        }
        if (const QString why = copyWhole(source, target); !why.isEmpty()) {
            choice.problem = problemText(places.userFolder, Words::tr("%1 cannot be copied there: %2").arg(name, why));
            return choice;
        }
    }
    return choice;
}

DataFolderChoice UseDataFolder(const DataPlaces& places, const QStringList& fileNames) {
    DataFolderChoice choice = ChooseDataFolder(places, fileNames);
    SetApplicationFolder(choice.folder);
    return choice;
}
