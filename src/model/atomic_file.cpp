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

bool fail(std::string* why, int err) {
    if (why) *why = std::strerror(err);
    return false;
}

int currentProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// A name beside `path` that no other writer uses at the same time.
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(currentProcessId()) + "_" + std::to_string(counter++);
}

bool replaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    const std::string temp = temporaryName(path);
#ifdef _WIN32
    int fd = _open(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
    if (fd < 0) return fail(why, errno);

    int err = 0;
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0 && err == 0) {
#ifdef _WIN32
        auto n = _write(fd, p, static_cast<unsigned>(left));
#else
        auto n = ::write(fd, p, left);
#endif
        if (n < 0) {
            if (errno != EINTR) err = errno;
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
#ifdef _WIN32
    if (err == 0 && _commit(fd) != 0) err = errno;
    if (_close(fd) != 0 && err == 0) err = errno;
#else
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
#endif
    if (err == 0 && !replaceFile(temp, path)) err = errno;
    if (err != 0) {
        std::remove(temp.c_str());
        return fail(why, err);
    }
    return true;
}

bool appendFileAtomically(const std::string& path, std::string_view bytes, std::string* why) {
    std::string contents;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        char buffer[8192];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) contents.append(buffer, n);
        const bool readFailed = std::ferror(in) != 0;
        const int err = errno;
        std::fclose(in);
        if (readFailed) return fail(why, err ? err : EIO);
    } else if (errno != ENOENT) {
        return fail(why, errno);
    }
    contents.append(bytes);
    return writeFileAtomically(path, contents, why);
}

}  // namespace gs
