#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

SingleInstance::SingleInstance(QString lockPath) : path_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() {
    Release();
}

#if defined(Q_OS_UNIX)
bool SingleInstance::TryAcquire() {
    if (file_ >= 0) {
        return true;
    }
    const int file = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0) {
        return false;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        ::close(file);
        return false;
    }
    file_ = file;
    return true;
}

void SingleInstance::Release() {
    if (file_ >= 0) {
        ::close(file_);
        file_ = -1;
    }
}
#else
bool SingleInstance::TryAcquire() {
    if (!lock_) {
        lock_ = std::make_unique<QLockFile>(path_);
        // Never judged stale by its age: the first copy may have been running for days.
        lock_->setStaleLockTime(0);
    }
    return lock_->isLocked() || lock_->tryLock(0);
}

void SingleInstance::Release() {
    if (lock_) {
        lock_->unlock();
    }
}
#endif

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QDir(folder).filePath(QStringLiteral("velloran.lock"));
}
