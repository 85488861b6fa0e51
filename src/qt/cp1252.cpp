#include "qt/cp1252.h"

#include <array>

namespace gs::qt {

namespace {

// 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char toByte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString fromCp1252(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *to++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t{b});
    }
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    char* to = out.data();
    for (QChar c : text) *to++ = toByte(c.unicode());
    return out;
}

QString storable(const QString& text, int* pos) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair && pos && i + 1 < *pos) --*pos;  // two code units become one '?'
        if (pair) ++i;
        out += pair || (toByte(c.unicode()) == '?' && c != u'?') ? QChar(u'?') : c;
    }
    return out;
}

QString fromCp1252Lines(const std::string& bytes) {
    QString text = fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string toCp1252Lines(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) + static_cast<std::size_t>(text.count(u'\n')));
    for (char c : toCp1252(text)) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace gs::qt
