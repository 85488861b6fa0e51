#include "model/installation_lock.h"

#include "model/file_access.h"
#include "model/os_files.h"
#include "model/paths.h"

#ifndef _WIN32
#include <sys/file.h>
#endif

namespace gs {

InstallationLock::~InstallationLock() { release(); }

#ifdef _WIN32
// A file opened without sharing: a second open fails until the holder ends.
bool InstallationLock::acquire(const std::string& programFolder) {
    release();
    const std::string path = appendPath(programFolder, "\\RK.lock");
    if (!pathFault(path).empty()) return false;
    HANDLE h = CreateFileW(os::wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    handle_ = h;
    return true;
}

void InstallationLock::release() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}
#else
// The lock is held on the program folder itself, which no other program
// replaces while it holds the editor's files: a lock file could be a folder,
// a link or read-only, or be deleted under a running editor. A folder that
// cannot be locked counts as held, so the user is asked.
bool InstallationLock::acquire(const std::string& programFolder) {
    release();
    if (!pathFault(programFolder).empty()) return false;
    const int fd = ::open(programFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
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
