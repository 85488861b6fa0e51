#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace gs {

namespace {

#ifdef _WIN32
constexpr int kWriteFlags = _O_WRONLY | _O_BINARY;
int openFile(const std::string& path, int flags) { return _open(path.c_str(), flags, _S_IREAD | _S_IWRITE); }
long long writeSome(int fd, const char* p, std::size_t n) { return _write(fd, p, static_cast<unsigned>(n)); }
int syncFile(int fd) { return _commit(fd); }
int closeFile(int fd) { return _close(fd); }
long long fileSize(int fd) { return _lseeki64(fd, 0, SEEK_END); }
int truncateFile(int fd, long long size) { return _chsize_s(fd, size) == 0 ? 0 : -1; }
int processId() { return _getpid(); }
// MoveFileExA reports through GetLastError, not errno: a failure must still
// leave an error in errno, or it would be taken for success.
bool replaceFile(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD code = GetLastError();
    errno = (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? ENOENT : EACCES;
    return false;
}
#else
constexpr int kWriteFlags = O_WRONLY | O_CLOEXEC;
int openFile(const std::string& path, int flags) { return ::open(path.c_str(), flags, 0666); }
long long writeSome(int fd, const char* p, std::size_t n) { return ::write(fd, p, n); }
int syncFile(int fd) { return ::fsync(fd); }
int closeFile(int fd) { return ::close(fd); }
long long fileSize(int fd) { return ::lseek(fd, 0, SEEK_END); }
int truncateFile(int fd, long long size) { return ::ftruncate(fd, static_cast<off_t>(size)); }
int processId() { return static_cast<int>(::getpid()); }
bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
#endif

bool fail(std::string* why, int err) {
    if (why) *why = std::strerror(err);
    return false;
}

// Writes all bytes at the file's current position; 0 or the system's error.
int writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long long n = writeSome(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return syncFile(fd) == 0 ? 0 : errno;
}

// A name beside `path` that no other writer uses at the same time.
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(processId()) + "_" + std::to_string(counter++);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    const std::string temp = temporaryName(path);
    const int fd = openFile(temp, kWriteFlags | O_CREAT | O_EXCL);
    if (fd < 0) return fail(why, errno);
    int err = writeAll(fd, bytes);
    if (closeFile(fd) != 0 && err == 0) err = errno;
    if (err == 0 && !replaceFile(temp, path)) err = errno;
    if (err != 0) {
        std::remove(temp.c_str());
        return fail(why, err);
    }
    return true;
}

bool appendFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    bool created = false;
    int fd = openFile(path, kWriteFlags | O_APPEND);
    if (fd < 0 && errno == ENOENT) {
        fd = openFile(path, kWriteFlags | O_APPEND | O_CREAT | O_EXCL);
        created = fd >= 0;
    }
    if (fd < 0) return fail(why, errno);

    const long long before = fileSize(fd);
    int err = before < 0 ? errno : writeAll(fd, bytes);
    // Take back whatever part of the new bytes did get written.
    if (err != 0 && before >= 0) truncateFile(fd, before);
    if (closeFile(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        if (created) std::remove(path.c_str());
        return fail(why, err);
    }
    return true;
}

}  // namespace gs
