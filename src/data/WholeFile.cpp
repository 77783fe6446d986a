#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};
} // namespace

QString SystemFailure(int error, const QString& folder) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Words::tr("The disk is full.");
    case EROFS:
    case EACCES:
    case EPERM:
        return Words::tr("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder));
    default:
        return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}

QString WriteFailure(const QFileDevice& file) {
    if (file.error() == QFileDevice::ResourceError) {
        return Words::tr("The disk is full.");
    }
    const QFileInfo folder(QFileInfo(file.fileName()).path());
    if (folder.isDir() && !folder.isWritable()) {
        return Words::tr("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    const QString system = file.errorString();
    return system.endsWith(QLatin1Char('.')) ? system : system + QLatin1Char('.');
}

namespace {
// A write that meets a full disk writes what still fits and gives no reason (Qt then says "Unknown error"); only
// the next attempt hears from the system why it stops. True when that attempt wrote what was left.
bool flushAgain(QFileDevice& file) {
    return file.error() != QFileDevice::ResourceError && file.flush();
}
} // namespace

QString WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    bool again = false;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step > 0) {
            written += step;
            again = false;
            continue;
        }
        if (again || !flushAgain(file)) {
            return WriteFailure(file);
        }
        again = true;
    }
    return {};
}

QString SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return SystemFailure(errno, folder);
    }
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? QString() : SystemFailure(error, folder);
}

QString FolderRefusesChanges(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return Words::tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder));
    }
    // access() answers for read-only mounts and access lists too, not only for the permission bits.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0 ? QString() : SystemFailure(errno, folder);
}

namespace {
// A new file takes the permissions any new file of the user gets, unless its folder is closed to everyone else: a
// file made there stays the user's alone.
mode_t newFileMode(const QString& folder) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) == 0 && (info.st_mode & 077) == 0) {
        return 0600;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Checks the place, writes a temporary file beside the target with `produce`, syncs it, and puts it in place only
// when everything was written and is on the disk; then syncs the folder, so that the new name lasts too.
QString writeThrough(const QString& named, const std::function<QString(QFileDevice&)>& produce) {
    // A link keeps pointing where it did: the file it leads to is the one replaced.
    const QString path = QFileInfo(named).isSymLink() ? QFileInfo(named).symLinkTarget() : named;
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        return Words::tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder));
    }
    // The file's own read-only mark counts, whoever the user is: an administrator too is asked to choose another.
    if (target.exists() && !(target.permissions() & QFile::WriteOwner)) {
        return Words::tr("The file is read-only.");
    }
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QTemporaryFile file(QDir(folder).filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open()) {
        return WriteFailure(file);
    }
    if (QString why = produce(file); !why.isEmpty()) {
        return why;
    }
    // The last pieces are still in the buffer; a full disk shows here, never after the file is in place.
    if (!file.flush() && !flushAgain(file)) {
        return WriteFailure(file);
    }
    // A sync that failed leaves a file that may not be on the disk: that write has failed.
    if (::fsync(file.handle()) != 0 || ::fchmod(file.handle(), replacing ? old.st_mode & 07777 : newFileMode(folder))) {
        return SystemFailure(errno, folder);
    }
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        return SystemFailure(errno, folder);
    }
    file.setAutoRemove(false);
    return SyncFolder(folder);
}
} // namespace

QString WriteFileWhole(const QString& path, const QByteArray& bytes) {
    return writeThrough(path, [&bytes](QFileDevice& file) { return WriteAll(file, bytes); });
}

QString WriteFileInPieces(const QString& path, const std::function<QString(QFileDevice&)>& produce) {
    return writeThrough(path, [&produce](QFileDevice& file) {
        QString why = produce(file);
        // A writer that does not look at what each write returned (the PDF writer) leaves the failure in the
        // device's error.
        if (why.isEmpty() && file.error() != QFileDevice::NoError) {
            why = WriteFailure(file);
        }
        return why;
    });
}
