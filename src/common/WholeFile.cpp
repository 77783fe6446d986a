#include "common/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>

QString WriteFailure(const QFileDevice& file) {
    if (file.error() == QFileDevice::ResourceError) {
        return QStringLiteral("The disk is full.");
    }
    const QFileInfo folder(QFileInfo(file.fileName()).path());
    if (folder.isDir() && !folder.isWritable()) {
        return QStringLiteral("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    const QString system = file.errorString();
    return system.endsWith(QLatin1Char('.')) ? system : system + QLatin1Char('.');
}

QString WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        // A short write says nothing; the next one tells why the disk took no more.
        if (step <= 0) {
            return WriteFailure(file);
        }
        written += step;
    }
    return {};
}

namespace {
// Checks the place, writes through a temporary file beside it with `produce`, and puts it in place only when
// everything was written.
QString writeThrough(const QString& path, QIODevice::OpenMode mode,
                     const std::function<QString(QFileDevice&)>& produce) {
    const QFileInfo target(path);
    if (!QFileInfo(target.path()).isDir()) {
        return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(target.path()));
    }
    // The file's own read-only mark counts, whoever the user is: an administrator too is asked to choose another.
    if (target.exists() && !(target.permissions() & QFile::WriteOwner)) {
        return QStringLiteral("The file is read-only.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | mode)) {
        return WriteFailure(file);
    }
    if (QString why = produce(file); !why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) {
        return WriteFailure(file);
    }
    return {};
}
} // namespace

QString WriteFileWhole(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a full disk shows at the write: a buffered save flushes only at commit, and commit
    // then puts the cut-off copy in place of the old file and reports success.
    return writeThrough(path, QIODevice::Unbuffered, [&bytes](QFileDevice& file) { return WriteAll(file, bytes); });
}

QString WriteFileInPieces(const QString& path, const std::function<QString(QFileDevice&)>& produce) {
    return writeThrough(path, {}, [&produce](QFileDevice& file) {
        QString why = produce(file);
        // Buffered, for many small pieces; the last of them is flushed here, where a full disk shows, rather
        // than in commit, which would put the cut-off copy in place and report success. A writer that does not
        // look at what each write returned (the PDF writer) leaves the failure in the device's error.
        if (why.isEmpty() && (!file.flush() || file.error() != QFileDevice::NoError)) {
            why = WriteFailure(file);
        }
        return why;
    });
}
