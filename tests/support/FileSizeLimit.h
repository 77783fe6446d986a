#pragma once

#include <csignal>
#include <sys/resource.h>

// For as long as it lives, every write that would make a file larger than `bytes` fails as on a full disk (the
// signal such a write raises is ignored). Linux and other POSIX systems.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        active_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        active_ = active_ && setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set.
    bool active() const { return active_; }

  private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
    bool active_ = false;
};
