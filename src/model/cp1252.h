// Windows-1252, the editor's 8-bit text, against Unicode: the one table for
// the names the file layer gives Windows and for the texts the Qt view shows.
#pragma once

#include <array>

namespace gs {

// A byte as its character. The bytes from 0xA0 are Unicode's own; the five
// bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 control characters of the same value.
inline char16_t cp1252ToUnicode(unsigned char b) {
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
}

// The other way: a character as its byte, '?' when Windows-1252 has none.
inline char unicodeToCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) return static_cast<char>(u);
    for (unsigned b = 0x80; b < 0xA0; ++b)
        if (cp1252ToUnicode(static_cast<unsigned char>(b)) == u) return static_cast<char>(b);
    return '?';
}

}  // namespace gs
