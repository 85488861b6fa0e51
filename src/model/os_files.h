// The file layer's few calls to the system, once for POSIX and once for
// Windows, so that the layer above them reads the same on both. Internal to
// the model's file layer (file_access.cpp, atomic_file.cpp and the lock).
//
// Paths are the editor's 8-bit text. POSIX gets their bytes as they are;
// Windows gets them as UTF-16 for its wide-character calls, each byte read as
// Windows-1252, so that a folder or a god file named "José Müller" is the
// name a Windows user sees, whatever the system's code page.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/cp1252.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <process.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace gs::os {

#ifdef _WIN32
using Stat = struct _stat64;
inline constexpr int kReadFlags = _O_RDONLY | _O_BINARY | _O_NOINHERIT;
inline constexpr int kWriteFlags = _O_WRONLY | _O_BINARY | _O_NOINHERIT;
inline constexpr char kSeparators[] = "\\/";
// The editor's paths are Windows-1252 text, which wide() turns into names.
inline constexpr bool kUtf8Names = false;

inline std::wstring wide(const std::string& path) {
    std::wstring out;
    out.reserve(path.size());
    for (char c : path) out += static_cast<wchar_t>(cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

// The other way: a name Windows gives as Windows-1252 text; a character that
// it cannot hold becomes '?', which no Windows file name holds.
inline std::string narrow(std::wstring_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool pair = name[i] >= 0xD800 && name[i] < 0xDC00 && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
                          name[i + 1] < 0xE000;
        out += pair ? '?' : unicodeToCp1252(name[i]);
        i += pair;
    }
    return out;
}

// A file another program holds open without sharing it (Quillmap reading
// its index, an editor showing a god file) cannot be opened for writing or
// replaced. Its own errno keeps it apart from other refusals.
inline constexpr int kOpenElsewhere = EBUSY;
inline bool openElsewhere(DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }

// The cause that a failure's errno gives, in the system's words.
inline std::string describe(int err) {
    return err == kOpenElsewhere ? "the file is open in another program" : std::strerror(err);
}

inline int statPath(const std::string& path, Stat& st) { return _wstat64(wide(path).c_str(), &st); }
inline bool isFolder(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFDIR; }

// -1 with errno on failure: EISDIR for a folder, which Windows does not open
// as a file (POSIX says EISDIR when one is opened for writing).
inline int openFile(const std::string& path, int flags) {
    _doserrno = 0;
    const int fd = _wopen(wide(path).c_str(), flags, _S_IREAD | _S_IWRITE);
    if (fd >= 0) return fd;
    const int err = errno;
    Stat st{};
    if (openElsewhere(static_cast<DWORD>(_doserrno))) errno = kOpenElsewhere;
    else if (err == EACCES && statPath(path, st) == 0 && isFolder(st)) errno = EISDIR;
    else errno = err;
    return -1;
}
inline long long readSome(int fd, char* p, std::size_t n) { return _read(fd, p, static_cast<unsigned>(n)); }
inline long long writeSome(int fd, const char* p, std::size_t n) { return _write(fd, p, static_cast<unsigned>(n)); }
inline int syncFile(int fd) { return _commit(fd); }
inline int closeFile(int fd) { return _close(fd); }
inline int statOf(int fd, Stat& st) { return _fstat64(fd, &st); }
inline bool isRegular(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFREG; }
inline bool readOnly(const Stat& st) { return (st.st_mode & _S_IWRITE) == 0; }
// Windows grants writing by the read-only attribute alone, which readOnly reads.
inline int writeAccess(const std::string&) { return 0; }
inline long long fileSize(int fd) { return _lseeki64(fd, 0, SEEK_END); }
inline long long seekStart(int fd) { return _lseeki64(fd, 0, SEEK_SET); }
inline int truncateFile(int fd, long long size) { return _chsize_s(fd, size) == 0 ? 0 : -1; }
inline int removePath(const std::string& path) { return _wremove(wide(path).c_str()); }
// A folder as the standard library names it.
inline std::filesystem::path fsPath(const std::string& path) { return std::filesystem::path(wide(path)); }
inline unsigned processId() { return static_cast<unsigned>(_getpid()); }
// A path the standard library gives, as the editor names it.
inline std::string pathText(const std::filesystem::path& path) { return narrow(path.native()); }
// The running program's path, in Windows-1252. Empty when unknown.
inline std::string executablePath() {
    std::wstring name(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0 || n >= name.size()) return {};
    return narrow(std::wstring_view(name.data(), n));
}
// The program's arguments, read again from the wide command line: the narrow
// ones that main gets are in the system's code page, which need not be
// Windows-1252 (a Russian Windows' 1251 holds no Danish letters).
inline std::vector<std::string> arguments(int, char**) {
    int n = 0;
    wchar_t** wideArguments = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::string> out;
    for (int i = 0; wideArguments && i < n; ++i) out.push_back(narrow(wideArguments[i]));
    LocalFree(wideArguments);
    return out;
}
// Why the program folder's name cannot be used ("" when it can).
inline std::string folderNameFault(std::string_view folder) {
    if (folder.find('?') == std::string_view::npos) return {};
    return "its name holds characters that Windows-1252 cannot hold";
}

// Windows follows links itself when it opens a file.
inline std::string finalTarget(const std::string& path) { return path; }

// The replacement keeps the replaced file's attributes (hidden, system,
// archive, not indexed), as POSIX keeps its mode; a read-only target never
// gets this far.
inline void keepAttributes(int, const Stat&, const std::string& temp, const std::string& target) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD old = GetFileAttributesW(wide(target).c_str());
    if (old != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(wide(temp).c_str(), (old & kKept) | FILE_ATTRIBUTE_NORMAL);
}

// Puts `from` in the place of `to` at once, written through to the disk
// before it returns; false with errno set when it cannot.
inline bool replaceFile(const std::string& from, const std::string& to) {
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DWORD code = GetLastError();
    // Windows also denies access when another program holds the target open,
    // even one that lets others delete it. Asking for delete access tells
    // that apart from a file the user may not replace: a file held open
    // without sharing refuses the asking too, one held with sharing allows it.
    if (code == ERROR_ACCESS_DENIED) {
        const HANDLE h = CreateFileW(wide(to).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
        code = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SHARING_VIOLATION;
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    errno = openElsewhere(code) ? kOpenElsewhere : EACCES;
    return false;
}

// Why Windows would not keep a file under this path as it is named: a name
// it keeps for a device (CON, NUL, COM1...) even with an extension, a name
// that ends in a dot or a blank (Windows drops them, so the file would land
// under another name), or a character Windows does not allow in a name (":"
// would write into a hidden stream of another file). Empty when none.
inline std::string nameFault(std::string_view path) {
    if (path.substr(0, 4) == "\\\\?\\") path.remove_prefix(4);  // a long path's prefix
    if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);    // a drive
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find_first_of(kSeparators, start), path.size());
        const std::string_view name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == "." || name == "..") continue;
        const std::string quoted = "the name \"" + std::string(name) + "\" ";
        if (name.find_first_of("<>:\"|?*") != std::string_view::npos)
            return quoted + "holds a character that Windows does not allow in names";
        if (name.back() == '.' || name.back() == ' ') return quoted + "ends in a dot or a blank, which Windows drops";
        std::string stem(name.substr(0, name.find('.')));
        while (!stem.empty() && stem.back() == ' ') stem.pop_back();
        for (char& c : stem) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        const bool numbered = stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
                              stem[3] >= '1' && stem[3] <= '9';
        if (numbered || stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
            return quoted + "is kept by Windows for a device";
    }
    return {};
}
#else
using Stat = struct stat;
// Non-blocking, so that a FIFO without a writer or reader never holds the
// editor up.
inline constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
inline constexpr int kWriteFlags = O_WRONLY | O_CLOEXEC | O_NONBLOCK;
inline constexpr char kSeparators[] = "/";
// The file system's names are UTF-8.
inline constexpr bool kUtf8Names = true;

inline int openFile(const std::string& path, int flags) { return ::open(path.c_str(), flags, 0666); }
inline long long readSome(int fd, char* p, std::size_t n) { return ::read(fd, p, n); }
inline long long writeSome(int fd, const char* p, std::size_t n) { return ::write(fd, p, n); }
inline int syncFile(int fd) { return ::fsync(fd); }
inline int closeFile(int fd) { return ::close(fd); }
inline int statOf(int fd, Stat& st) { return ::fstat(fd, &st); }
inline int statPath(const std::string& path, Stat& st) { return ::stat(path.c_str(), &st); }
inline bool isRegular(const Stat& st) { return S_ISREG(st.st_mode); }
inline bool isFolder(const Stat& st) { return S_ISDIR(st.st_mode); }
// Read-only as the file's own permission bits say, also for root, whom the
// bits do not stop.
inline bool readOnly(const Stat& st) { return (st.st_mode & 0222) == 0; }
inline int writeAccess(const std::string& path) { return ::access(path.c_str(), W_OK) == 0 ? 0 : errno; }
inline long long fileSize(int fd) { return ::lseek(fd, 0, SEEK_END); }
inline long long seekStart(int fd) { return ::lseek(fd, 0, SEEK_SET); }
inline int truncateFile(int fd, long long size) { return ::ftruncate(fd, static_cast<off_t>(size)); }
inline int removePath(const std::string& path) { return ::unlink(path.c_str()); }
inline std::filesystem::path fsPath(const std::string& path) { return std::filesystem::path(path); }
inline std::string pathText(const std::filesystem::path& path) { return path.string(); }
inline unsigned processId() { return static_cast<unsigned>(::getpid()); }
inline std::vector<std::string> arguments(int argc, char** argv) { return {argv, argv + argc}; }

// The running program's path as the system names it; empty when unknown.
inline std::string executablePath() {
    std::string exe(4096, '\0');
    const long long n = ::readlink("/proc/self/exe", exe.data(), exe.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= exe.size()) return {};
    exe.resize(static_cast<std::size_t>(n));
    return exe;
}
// Every name that the system gives a folder can be used.
inline std::string folderNameFault(std::string_view) { return {}; }

// The file a path finally names, its links followed, so that a link is
// written through to its target and the replacement lands beside the target.
// A link to nowhere names the file that it would create.
inline std::string finalTarget(const std::string& path) {
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
inline void keepAttributes(int fd, const Stat& st, const std::string&, const std::string&) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // Only root may give a file away; the user's own file keeps its user.
    }
    ::fchmod(fd, st.st_mode & 07777);
}

inline bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

inline std::string describe(int err) { return std::strerror(err); }

// Every name is a name on POSIX.
inline std::string nameFault(std::string_view) { return {}; }
#endif

}  // namespace gs::os
