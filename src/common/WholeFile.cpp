#include "common/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

QString WriteFileWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (!QFileInfo(target.path()).isDir()) {
        return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(target.path()));
    }
    // The file's own read-only mark counts, whoever the user is: an administrator too is asked to choose another.
    if (target.exists() && !(target.permissions() & QFile::WriteOwner)) {
        return QStringLiteral("The file is read-only.");
    }
    // Unbuffered, so that a full disk shows at the write: a buffered save flushes only at commit, and commit
    // then puts the cut-off copy in place of the old file and reports success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return WriteFailure(file);
    }
    if (const QString why = WriteAll(file, bytes); !why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) {
        return WriteFailure(file);
    }
    return {};
}
