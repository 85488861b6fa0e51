#include "model/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace gs {

namespace {

#ifdef _WIN32
using Stat = struct _stat64;
// Windows does not open a folder as a file: it says EISDIR then, as POSIX
// says of a folder that it reads.
int openForReading(const std::string& path) {
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
    Stat st{};
    if (fd < 0 && errno == EACCES && _stat64(path.c_str(), &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFDIR) errno = EISDIR;
    return fd;
}
int statOf(int fd, Stat& st) { return _fstat64(fd, &st); }
long long readSome(int fd, char* p, std::size_t n) { return _read(fd, p, static_cast<unsigned>(n)); }
int closeFile(int fd) { return _close(fd); }
bool isRegular(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFREG; }
bool isFolder(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFDIR; }
#else
using Stat = struct stat;
// Non-blocking, so that a FIFO without a writer cannot hold the editor up.
int openForReading(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }
int statOf(int fd, Stat& st) { return ::fstat(fd, &st); }
long long readSome(int fd, char* p, std::size_t n) { return ::read(fd, p, n); }
int closeFile(int fd) { return ::close(fd); }
bool isRegular(const Stat& st) { return S_ISREG(st.st_mode); }
bool isFolder(const Stat& st) { return S_ISDIR(st.st_mode); }
#endif

// Windows-1252 bytes 0x80..0x9F; the undefined ones keep their own value.
[[maybe_unused]] constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string limitText(std::size_t limit) {
    return limit % (1u << 20) == 0 ? std::to_string(limit >> 20) + " MiB" : std::to_string(limit) + " bytes";
}

}  // namespace

std::string pathFault(std::string_view path) {
    for (unsigned char c : path)
        if (c < 0x20 || c == 0x7f) return "the path holds a control character";
    return {};
}

std::string shownPath(std::string_view path) {
    constexpr std::size_t kKept = 60;
    if (path.size() <= 2 * kKept + 3) return std::string(path);
    return std::string(path.substr(0, kKept)) + "..." + std::string(path.substr(path.size() - kKept));
}

LoadStatus readRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    const auto fail = [&path](const char* what, const std::string& why) {
        return LoadStatus::failure(shownPath(path) + ": " + what + ": " + why);
    };
    if (std::string fault = pathFault(path); !fault.empty()) return fail("cannot be opened", fault);
    const int fd = openForReading(path);
    if (fd < 0) return fail(errno == EISDIR ? "cannot be read" : "cannot be opened", std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { closeFile(fd); }
    } closer{fd};

    Stat st{};
    if (statOf(fd, st) != 0) return fail("cannot be opened", std::strerror(errno));
    if (isFolder(st)) return fail("cannot be read", std::strerror(EISDIR));
    if (!isRegular(st)) return fail("cannot be opened", "not a regular file");
    const std::string tooLarge = "too large (over " + limitText(limit) + ")";
    if (static_cast<unsigned long long>(st.st_size) > limit) return fail("cannot be read", tooLarge);

    // The size may change while reading: never more than the limit.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit) {
                bytes.clear();
                return fail("cannot be read", tooLarge);
            }
            bytes.resize(std::min(limit + 1, 2 * got));
        }
        const long long n = readSome(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes.clear();
            return fail("cannot be read", std::strerror(errno));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        bytes.clear();
        return fail("cannot be read", tooLarge);
    }
    bytes.resize(got);
    return LoadStatus::success();
}

bool isRegularFile(const std::string& path) {
#ifdef _WIN32
    Stat st{};
    return pathFault(path).empty() && _stat64(path.c_str(), &st) == 0 && isRegular(st);
#else
    struct stat st {};
    return pathFault(path).empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool pathExists(const std::string& path) {
#ifdef _WIN32
    Stat st{};
    return pathFault(path).empty() && _stat64(path.c_str(), &st) == 0;
#else
    struct stat st {};
    return pathFault(path).empty() && ::stat(path.c_str(), &st) == 0;
#endif
}

std::string runningProgramFolder() {
    static const std::string folder = [] {
#ifdef _WIN32
        // The wide name in the code page of the editor's paths: a character
        // that the code page cannot hold becomes '?', which no Windows file
        // name holds (programFolderFault tells).
        std::wstring wide(32768, L'\0');
        const DWORD w = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
        if (w == 0 || w >= wide.size()) return std::string();
        const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
        const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(w), nullptr, 0, nullptr, nullptr);
        if (n <= 0) return std::string();
        std::string exe(static_cast<std::size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(w), exe.data(), n, nullptr, nullptr);
        constexpr const char* kSeparators = "\\/";
#else
        std::string exe(4096, '\0');
        const long long n = ::readlink("/proc/self/exe", exe.data(), exe.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= exe.size()) return std::string();
        exe.resize(static_cast<std::size_t>(n));
        constexpr const char* kSeparators = "/";
#endif
        const std::size_t cut = exe.find_last_of(kSeparators);
        return cut == std::string::npos || cut == 0 ? std::string() : exe.substr(0, cut);
    }();
    return folder;
}

std::string programFolderFault(std::string_view folder) {
#ifdef _WIN32
    if (folder.find('?') != std::string_view::npos) return "its name holds characters that the system's code page cannot hold";
#endif
    return pathFault(folder);
}

std::string fileNameFromText(std::string_view text) {
#ifdef _WIN32
    return std::string(text);
#else
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
#endif
}

std::string textFromFileName(std::string_view name) {
#ifdef _WIN32
    return std::string(name);
#else
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const auto b = static_cast<unsigned char>(name[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        char32_t u = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool whole = length > 0 && i + length <= name.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(name[i + k]);
            whole = (next & 0xC0) == 0x80;
            u = (u << 6) | (next & 0x3F);
        }
        i += whole ? length : 1;
        if (!whole) {
            out += '?';
        } else if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            out += static_cast<char>(u);
        } else {
            const auto high = std::find(kHigh.begin(), kHigh.end(), u);
            out += high == kHigh.end() ? '?' : static_cast<char>(0x80 + (high - kHigh.begin()));
        }
    }
    return out;
#endif
}

}  // namespace gs
