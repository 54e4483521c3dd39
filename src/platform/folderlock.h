#pragma once
// An advisory lock that every process writing files in one folder takes first: flock() on the
// folder itself, so no lock file is needed, none can be planted, and nothing is left behind. The
// system releases the lock when its holder ends in any way: a killed holder leaves no stale lock.
#include <QString>

#include <chrono>

namespace platform {

class FolderLock {
public:
    // Writers take the lock exclusively; readers share it, so that no reader sees a file between
    // the two renames of a repair.
    enum class Kind { Exclusive, Shared };
    enum class Status {
        Held,        // this process holds the lock
        Busy,        // another process held it for the whole wait
        Unavailable, // the folder cannot be opened (missing, a link, no right to read it) or locked
    };

    // Waits at most `wait` for the lock, polling; never longer, so a stuck holder cannot hang us.
    FolderLock(const QString& folder, std::chrono::milliseconds wait, Kind kind = Kind::Exclusive);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Status status() const { return status_; }
    bool held() const { return status_ == Status::Held; }

private:
    int fd_ = -1;
    Status status_ = Status::Unavailable;
};

} // namespace platform
