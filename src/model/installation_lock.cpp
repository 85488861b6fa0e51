#include "model/installation_lock.h"

#include "model/file_access.h"
#include "model/paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace gs {

InstallationLock::~InstallationLock() { release(); }

#ifdef _WIN32
// A file opened without sharing: a second open fails until the holder ends.
bool InstallationLock::acquire(const std::string& programFolder) {
    release();
    const std::string path = appendPath(programFolder, "\\RK.lock");
    if (!pathFault(path).empty()) return true;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() != ERROR_SHARING_VIOLATION;
    handle_ = h;
    return true;
}

void InstallationLock::release() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}
#else
bool InstallationLock::acquire(const std::string& programFolder) {
    release();
    const std::string path = appendPath(programFolder, "\\RK.lock");
    if (!pathFault(path).empty()) return true;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    fd_ = fd;
    return true;
}

void InstallationLock::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
#endif

}  // namespace gs
