#include "shell/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // Never judge a lock stale by its age: the first copy may have been running for days. A lock is stale
    // only when the process that wrote it is gone, which QLockFile checks by itself.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    if (lock_.isLocked()) {
        return true;
    }
    return lock_.tryLock(0);
}

void SingleInstance::Release() {
    lock_.unlock();
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QDir(folder).filePath(QStringLiteral("velloran.lock"));
}
