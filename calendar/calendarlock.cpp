#include "calendarlock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

#include "errors.h"

namespace hoshi {

namespace {

// The lock is taken on the folder itself, so it leaves no file behind and
// works in a read-only folder too.
int openLockFile(const std::filesystem::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

std::optional<CalendarLock> CalendarLock::shared(const std::filesystem::path& folder) {
    const int fd = openLockFile(folder);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        // A tool is replacing the tables this moment: wait for it (it is short).
        if (::flock(fd, LOCK_SH) != 0) {
            ::close(fd);
            return std::nullopt;
        }
    }
    return CalendarLock(fd);
}

CalendarLock CalendarLock::exclusive(const std::filesystem::path& folder) {
    const int fd = openLockFile(folder);
    if (fd < 0) throw Error("暦のフォルダ " + folder.string() + " を開けません。");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        throw Error(
            "暦のフォルダ " + folder.string() +
            " は Hoshikura などのプログラムが開いています。プログラムを閉じてからやり直してください。");
    }
    return CalendarLock(fd);
}

CalendarLock::CalendarLock(CalendarLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

CalendarLock& CalendarLock::operator=(CalendarLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

CalendarLock::~CalendarLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

} // namespace hoshi
