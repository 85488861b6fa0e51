// One editor per installation: while an editor runs it holds a lock on its
// program folder (on Windows on the file RK.lock in it), so that a second
// editor on the same folder can tell and two never advance the same author
// index. The system drops the lock when the holder ends, however it ends.
#pragma once

#include <string>

namespace gs {

class InstallationLock {
public:
    InstallationLock() = default;
    ~InstallationLock();
    InstallationLock(const InstallationLock&) = delete;
    InstallationLock& operator=(const InstallationLock&) = delete;

    // Takes the lock of `programFolder`; false when another editor holds it
    // or it cannot be taken.
    bool acquire(const std::string& programFolder);
    void release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace gs
