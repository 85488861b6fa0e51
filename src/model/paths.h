// Files are addressed by appending a fixed relative text such as
// "\RKdata\UnitData.txt" to a folder, with no separator added or tested.
#pragma once

#include <string>
#include <string_view>

namespace gs {

// folder + relative, where the relative text's backslashes become the
// platform's separator.
inline std::string appendPath(const std::string& folder, std::string_view relative) {
    std::string out = folder;
    for (char c : relative) {
#ifdef _WIN32
        out += c;
#else
        out += (c == '\\') ? '/' : c;
#endif
    }
    return out;
}

// The editor's own files in its program folder: its configuration, the
// draft of unsaved work, and the copy of a draft it could not read.
inline constexpr std::string_view kConfigFile = "\\RK.cfg";
inline constexpr std::string_view kDraftFile = "\\RK.draft";
inline constexpr std::string_view kUnreadDraftFile = "\\RK.unread.draft";

// The characters that end a folder's name in a path.
#ifdef _WIN32
inline constexpr const char* kPathSeparators = "/\\";
#else
inline constexpr const char* kPathSeparators = "/";
#endif

// The folder a file's path names, without the last separator ("" for none;
// the root keeps its separator).
inline std::string folderOf(const std::string& path) {
    const std::size_t end = path.find_last_of(kPathSeparators);
    if (end == std::string::npos) return {};
    return path.substr(0, end == 0 ? 1 : end);
}

// The file's own name: what follows the folder.
inline std::string fileNameOf(const std::string& path) {
    const std::size_t end = path.find_last_of(kPathSeparators);
    return end == std::string::npos ? path : path.substr(end + 1);
}

}  // namespace gs
