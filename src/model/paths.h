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

}  // namespace gs
