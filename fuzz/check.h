// What the fuzz targets share: a failed property aborts with its reason, and
// an independent line split to compare the readers against.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace gs::fuzz {

// A property that does not hold is a finding: libFuzzer keeps the input.
#define GS_CHECK(condition)                                                                       \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

// Lines ended by LF (a CR before it is not part of the line), or by CR when
// the first line ending is a CR without LF; a last line without an ending
// counts, an empty rest after the last ending does not.
inline std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    const std::size_t first = bytes.find_first_of("\r\n");
    const char end = first < bytes.size() && bytes[first] == '\r' && bytes.substr(first + 1, 1) != "\n" ? '\r' : '\n';
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t stop = std::min(bytes.find(end, start), bytes.size());
        std::string_view line = bytes.substr(start, stop - start);
        if (end == '\n' && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        start = stop + 1;
    }
    return lines;
}

// The text after a UTF-8 byte-order mark.
inline std::string_view withoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

// All Tab-separated fields of a line.
inline std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = std::min(line.find('\t', start), line.size());
        fields.push_back(line.substr(start, tab - start));
        if (tab == line.size()) return fields;
        start = tab + 1;
    }
}

// Reads "<prefix><number>" at `text`, advancing it; false when it is not there.
inline bool takeNumber(std::string_view& text, std::string_view prefix, long& n) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    std::size_t digits = 0;
    n = 0;
    while (digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9')
        n = n * 10 + (text[digits++] - '0');
    text.remove_prefix(digits);
    return digits > 0;
}

// A failure cause stays short enough for a message box whatever the input.
inline constexpr std::size_t kLongestCause = 200;

}  // namespace gs::fuzz
