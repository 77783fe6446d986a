#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per user: a lock held on an open file for the whole run. The system lets go of it when the
// process ends, however it ends, so a copy that crashed or was killed never leaves a lock behind, and taking the lock
// writes nothing and syncs nothing.
class SingleInstance {
  public:
    explicit SingleInstance(QString lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy is the only one running (and now holds the lock).
    bool TryAcquire();
    void Release();

    static QString DefaultLockPath();

  private:
    QString path_;
#if defined(Q_OS_UNIX)
    int file_ = -1;
#else
    std::unique_ptr<QLockFile> lock_;
#endif
};
