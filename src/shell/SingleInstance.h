#pragma once

#include <QLockFile>
#include <QString>

// One running copy per user: a lock file held for the whole run. A lock left by a copy that crashed or was
// killed belongs to no running process and is taken over.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this copy is the only one running (and now holds the lock).
    bool TryAcquire();
    void Release();

    static QString DefaultLockPath();

  private:
    QLockFile lock_;
};
