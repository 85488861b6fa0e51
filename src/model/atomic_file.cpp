#include "model/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "model/file_access.h"
#include "model/os_files.h"

namespace gs {

using namespace os;

namespace {

constexpr int kHeldSignals[] = {SIGINT, SIGTERM,
#ifdef SIGHUP
                                 SIGHUP
#endif
};
using Handler = void (*)(int);
Handler heldHandlers[std::size(kHeldSignals)];
volatile std::sig_atomic_t caughtSignal = 0;
int holdDepth = 0;
bool newFilesRefused = false;  // refuseNewFilesForTests
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
bool fail(std::string* why, int err) { return fail(why, describe(err)); }

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
    if (isFolder(st)) return describe(EISDIR);
    if (!isRegular(st)) return "not a regular file";
    if (readOnly(st)) return "the file is read-only";
    if (const int err = writeAccess(path)) return describe(err);
    return {};
}

// A file that is not there yet; -1 with errno on failure (EEXIST when one is).
int createFile(const std::string& path, int flags) {
    if (newFilesRefused) {
        errno = EACCES;
        return -1;
    }
    return openFile(path, flags | O_CREAT | O_EXCL);
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
        const int fd = createFile(temp, kWriteFlags);
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
    for (fs::directory_iterator it(fsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
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
    if (exists) keepAttributes(fd, old, temp, target);
    int err = writeAll(fd, bytes);
    if (closeFile(fd) != 0 && err == 0) err = errno;
    if (err == 0 && !replaceFile(temp, target)) err = errno;
    if (err != 0) {
        removePath(temp);
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
        fd = createFile(path, kWriteFlags | O_APPEND);
        created = fd >= 0;
    }
    if (fd < 0) return fail(why, errno == ENXIO ? std::string("not a regular file") : describe(errno));
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
        if (created) removePath(path);
        return fail(why, err);
    }
    return true;
}

void refuseNewFilesForTests(bool on) { newFilesRefused = on; }

bool removeFile(const std::string& path, std::string* why) {
    if (removePath(path) == 0 || errno == ENOENT) return true;
    return fail(why, errno);
}

}  // namespace gs
