#include "platform/folderlock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {
constexpr std::chrono::milliseconds kPoll{10};
} // namespace

FolderLock::FolderLock(const QString& folder, std::chrono::milliseconds wait, Kind kind)
{
    // O_NOFOLLOW: a link put where the folder was is not locked through.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    const int operation = kind == Kind::Exclusive ? LOCK_EX : LOCK_SH;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, operation | LOCK_NB) != 0) {
        const int error = errno;
        if ((error != EWOULDBLOCK && error != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            status_ = error == EWOULDBLOCK || error == EINTR ? Status::Busy : Status::Unavailable;
            return;
        }
        std::this_thread::sleep_for(kPoll);
    }
    fd_ = fd;
    status_ = Status::Held;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor releases the lock
}

} // namespace platform
