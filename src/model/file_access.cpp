#include "model/file_access.h"

#include <algorithm>
#include <cerrno>
#include <cwctype>
#include <utility>

#include "model/os_files.h"

namespace gs {

using namespace os;

namespace {

std::function<void(const std::string&)> sizeTakenHook;  // onSizeTakenForTests

std::string limitText(std::size_t limit) {
    return limit % (1u << 20) == 0 ? std::to_string(limit >> 20) + " MiB" : std::to_string(limit) + " bytes";
}

}  // namespace

std::string pathFault(std::string_view path) {
    for (unsigned char c : path)
        if (c < 0x20 || c == 0x7f) return "the path holds a control character";
    return nameFault(path);
}

std::string shownPath(std::string_view path) {
    const std::string text = textFromFileName(path);  // the file system's bytes as the window's text
    constexpr std::size_t kKept = 60;
    if (text.size() <= 2 * kKept + 3) return text;
    return text.substr(0, kKept) + "..." + text.substr(text.size() - kKept);
}

LoadStatus readRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    const auto fail = [&path](const char* what, const std::string& why) {
        return LoadStatus::failure(shownPath(path) + ": " + what + ": " + why);
    };
    if (std::string fault = pathFault(path); !fault.empty()) return fail("cannot be opened", fault);
    const int fd = openFile(path, kReadFlags);
    if (fd < 0) return fail(errno == EISDIR ? "cannot be read" : "cannot be opened", describe(errno));
    struct Closer {
        int fd;
        ~Closer() { closeFile(fd); }
    } closer{fd};

    Stat st{};
    if (statOf(fd, st) != 0) return fail("cannot be opened", describe(errno));
    if (isFolder(st)) return fail("cannot be read", describe(EISDIR));
    if (!isRegular(st)) return fail("cannot be opened", "not a regular file");
    const std::string tooLarge = "too large (over " + limitText(limit) + ")";
    if (static_cast<unsigned long long>(st.st_size) > limit) return fail("cannot be read", tooLarge);
    if (sizeTakenHook) sizeTakenHook(path);

    // The size may change while reading: never more than the limit. The
    // buffer holds at most limit + 1 bytes and is refused once they are all
    // read, so the loop ends with no more than the limit read.
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
            return fail("cannot be read", describe(errno));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return LoadStatus::success();
}

void onSizeTakenForTests(std::function<void(const std::string& path)> hook) { sizeTakenHook = std::move(hook); }

bool isRegularFile(const std::string& path) {
    Stat st{};
    return pathFault(path).empty() && statPath(path, st) == 0 && isRegular(st);
}

bool pathExists(const std::string& path) {
    Stat st{};
    return pathFault(path).empty() && statPath(path, st) == 0;
}

const bool kPathsAreCp1252 = !kUtf8Names;

std::filesystem::path fileSystemPath(const std::string& path) { return fsPath(path); }

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code errorA, errorB;
    const std::filesystem::path fileA = std::filesystem::weakly_canonical(fsPath(a), errorA);
    const std::filesystem::path fileB = std::filesystem::weakly_canonical(fsPath(b), errorB);
    if (errorA || errorB) return false;
#ifdef _WIN32
    const auto folded = [](const std::filesystem::path& p) {
        std::wstring name = p.native();
        for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
        return name;
    };
    return folded(fileA) == folded(fileB);
#else
    return fileA == fileB;
#endif
}

std::vector<std::string> programArguments(int argc, char** argv) { return arguments(argc, argv); }

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(fsPath(path), error);
    return error ? path : pathText(full);
}

std::string runningProgramFolder() {
    static const std::string folder = [] {
        const std::string exe = executablePath();
        const std::size_t cut = exe.find_last_of(kSeparators);
        return cut == std::string::npos || cut == 0 ? std::string() : exe.substr(0, cut);
    }();
    return folder;
}

std::string programFolderFault(std::string_view folder) {
    if (std::string fault = folderNameFault(folder); !fault.empty()) return fault;
    return pathFault(folder);
}

std::string fileNameFromText(std::string_view text) {
    if constexpr (!kUtf8Names) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const char32_t u = cp1252ToUnicode(static_cast<unsigned char>(c));
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
}

std::string textFromFileName(std::string_view name) {
    if constexpr (!kUtf8Names) return std::string(name);
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
        out += whole ? unicodeToCp1252(u) : '?';
    }
    return out;
}

}  // namespace gs
