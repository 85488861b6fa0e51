#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/file_access.h"

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
using Stat = struct _stat64;
constexpr int kWriteFlags = _O_WRONLY | _O_BINARY;
constexpr char kSeparators[] = "\\/";
int openFile(const std::string& path, int flags) { return _open(path.c_str(), flags, _S_IREAD | _S_IWRITE); }
long long writeSome(int fd, const char* p, std::size_t n) { return _write(fd, p, static_cast<unsigned>(n)); }
int syncFile(int fd) { return _commit(fd); }
int closeFile(int fd) { return _close(fd); }
int statOf(int fd, Stat& st) { return _fstat64(fd, &st); }
int statPath(const std::string& path, Stat& st) { return _stat64(path.c_str(), &st); }
bool isRegular(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFREG; }
bool isFolder(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFDIR; }
bool readOnly(const Stat& st) { return (st.st_mode & _S_IWRITE) == 0; }
int writeAccess(const std::string& path) { return _access(path.c_str(), 2) == 0 ? 0 : errno; }
long long fileSize(int fd) { return _lseeki64(fd, 0, SEEK_END); }
long long seekStart(int fd) { return _lseeki64(fd, 0, SEEK_SET); }
int truncateFile(int fd, long long size) { return _chsize_s(fd, size) == 0 ? 0 : -1; }
unsigned processId() { return static_cast<unsigned>(_getpid()); }
std::string finalTarget(const std::string& path) { return path; }
void keepOwnerAndMode(int, const Stat&) {}
// MoveFileExA reports through GetLastError, not errno: a failure must still
// leave an error in errno, or it would be taken for success.
bool replaceFile(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD code = GetLastError();
    errno = (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? ENOENT : EACCES;
    return false;
}
#else
using Stat = struct stat;
// Non-blocking, so that opening a FIFO never waits for a reader.
constexpr int kWriteFlags = O_WRONLY | O_CLOEXEC | O_NONBLOCK;
constexpr char kSeparators[] = "/";
int openFile(const std::string& path, int flags) { return ::open(path.c_str(), flags, 0666); }
long long writeSome(int fd, const char* p, std::size_t n) { return ::write(fd, p, n); }
int syncFile(int fd) { return ::fsync(fd); }
int closeFile(int fd) { return ::close(fd); }
int statOf(int fd, Stat& st) { return ::fstat(fd, &st); }
int statPath(const std::string& path, Stat& st) { return ::stat(path.c_str(), &st); }
bool isRegular(const Stat& st) { return S_ISREG(st.st_mode); }
bool isFolder(const Stat& st) { return S_ISDIR(st.st_mode); }
// Read-only as the file's own permission bits say, also for root, whom the
// bits do not stop.
bool readOnly(const Stat& st) { return (st.st_mode & 0222) == 0; }
int writeAccess(const std::string& path) { return ::access(path.c_str(), W_OK) == 0 ? 0 : errno; }
long long fileSize(int fd) { return ::lseek(fd, 0, SEEK_END); }
long long seekStart(int fd) { return ::lseek(fd, 0, SEEK_SET); }
int truncateFile(int fd, long long size) { return ::ftruncate(fd, static_cast<off_t>(size)); }
unsigned processId() { return static_cast<unsigned>(::getpid()); }
// The file a path finally names, its links followed, so that a link is
// written through to its target and the replacement lands beside the target.
// A link to nowhere names the file that it would create.
std::string finalTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0) break;
        link.resize(static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind('/');
        target = (link.front() == '/' || slash == std::string::npos) ? link : target.substr(0, slash + 1) + link;
    }
    return target;
}
// The replacement keeps the replaced file's permission bits and, where the
// system allows it, its owner.
void keepOwnerAndMode(int fd, const Stat& st) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // Only root may give a file away; the user's own file keeps its user.
    }
    ::fchmod(fd, st.st_mode & 07777);
}
bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
#endif

constexpr int kHeldSignals[] = {SIGINT, SIGTERM,
#ifdef SIGHUP
                                 SIGHUP
#endif
};
using Handler = void (*)(int);
Handler heldHandlers[std::size(kHeldSignals)];
volatile std::sig_atomic_t caughtSignal = 0;
int holdDepth = 0;
extern "C" void keepSignal(int signal) { caughtSignal = signal; }

// The name of a temporary that createTemporary makes.
bool isTemporaryName(const std::string& name) {
    if (name.size() != 11 || name.rfind(".gs", 0) != 0) return false;
    return name.find_first_not_of("0123456789abcdef", 3) == std::string::npos;
}

bool fail(std::string* why, const std::string& reason) {
    if (why) *why = reason;
    return false;
}
bool fail(std::string* why, int err) { return fail(why, std::strerror(err)); }

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

// Why an existing file may not be written: empty when it may.
std::string writeFault(const std::string& path, const Stat& st) {
    if (isFolder(st)) return std::strerror(EISDIR);
    if (!isRegular(st)) return "not a regular file";
    if (readOnly(st)) return "the file is read-only";
    if (const int err = writeAccess(path)) return std::strerror(err);
    return {};
}

// A new file beside `target` under a short name of fixed length, so that it
// never makes a legal name too long; -1 with errno on failure.
int createTemporary(const std::string& target, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    const std::size_t cut = target.find_last_of(kSeparators);
    const std::string folder = cut == std::string::npos ? std::string() : target.substr(0, cut + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, ".gs%08x", (processId() * 2654435761u + counter++) & 0xffffffffu);
        temp = folder + name;
        const int fd = openFile(temp, kWriteFlags | O_CREAT | O_EXCL);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A folder that refuses new files but holds a writable target (a read-only
// program folder with a writable RK.cfg): the target is rewritten in place,
// its earlier bytes kept in memory and put back when the write fails.
// 0 or the system's error.
int rewriteInPlace(const std::string& target, std::string_view bytes) {
    std::string old;
    if (!readRegularFile(target, kTableReadLimit, old)) return EACCES;
    const int fd = openFile(target, kWriteFlags);
    if (fd < 0) return errno;
    const auto put = [fd](std::string_view b) {
        if (seekStart(fd) < 0) return errno;
        if (const int err = writeAll(fd, b)) return err;
        return truncateFile(fd, static_cast<long long>(b.size())) == 0 && syncFile(fd) == 0 ? 0 : errno;
    };
    int err = put(bytes);
    if (err != 0) put(old);
    if (closeFile(fd) != 0 && err == 0) err = errno;
    return err;
}

}  // namespace

SignalsHeld::SignalsHeld() {
    if (holdDepth++ > 0) return;
    caughtSignal = 0;
    for (std::size_t i = 0; i < std::size(kHeldSignals); ++i) heldHandlers[i] = std::signal(kHeldSignals[i], keepSignal);
}

SignalsHeld::~SignalsHeld() {
    if (--holdDepth > 0) return;
    for (std::size_t i = 0; i < std::size(kHeldSignals); ++i) std::signal(kHeldSignals[i], heldHandlers[i]);
    if (const int signal = caughtSignal) std::raise(signal);
}

int removeStaleTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    int removed = 0;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code skip;
        if (!isTemporaryName(entry.path().filename().string()) || !entry.is_regular_file(skip) || entry.is_symlink(skip))
            continue;
        const auto written = entry.last_write_time(skip);
        if (!skip && written < old && fs::remove(entry.path(), skip)) ++removed;
    }
    return removed;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    const SignalsHeld held;
    if (std::string fault = pathFault(path); !fault.empty()) return fail(why, fault);
    const std::string target = finalTarget(path);
    Stat old{};
    const bool exists = statPath(target, old) == 0;
    if (exists) {
        if (std::string fault = writeFault(target, old); !fault.empty()) return fail(why, fault);
    }
    std::string temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0) {
        const int err = errno;
        const bool folderRefuses = err == EACCES || err == EPERM || err == EROFS;
        if (!exists || !folderRefuses) return fail(why, err);
        if (const int inPlace = rewriteInPlace(target, bytes)) return fail(why, inPlace == EACCES ? err : inPlace);
        return true;
    }
    if (exists) keepOwnerAndMode(fd, old);
    int err = writeAll(fd, bytes);
    if (closeFile(fd) != 0 && err == 0) err = errno;
    if (err == 0 && !replaceFile(temp, target)) err = errno;
    if (err != 0) {
        std::remove(temp.c_str());
        return fail(why, err);
    }
    return true;
}

bool appendFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    const SignalsHeld held;
    if (std::string fault = pathFault(path); !fault.empty()) return fail(why, fault);
    bool created = false;
    int fd = openFile(path, kWriteFlags | O_APPEND);
    if (fd < 0 && errno == ENOENT) {
        fd = openFile(path, kWriteFlags | O_APPEND | O_CREAT | O_EXCL);
        created = fd >= 0;
    }
    if (fd < 0) return fail(why, errno == ENXIO ? std::string("not a regular file") : std::strerror(errno));
    Stat st{};
    if (statOf(fd, st) != 0) {
        const int err = errno;
        closeFile(fd);
        return fail(why, err);
    }
    if (std::string fault = writeFault(path, st); !fault.empty()) {
        closeFile(fd);
        return fail(why, fault);
    }

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

bool removeFile(const std::string& path, std::string* why) {
    if (std::remove(path.c_str()) == 0 || errno == ENOENT) return true;
    return fail(why, errno);
}

}  // namespace gs
