#include "qt/cp1252.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/cp1252.h"

namespace gs::qt {

namespace {

// Each byte as its character, through a table: opening a file passes every
// byte of Step 4's text through here.
QChar* widen(std::string_view bytes, QChar* to) {
    static const std::array<char16_t, 256> kUnicode = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) t[b] = cp1252ToUnicode(static_cast<unsigned char>(b));
        return t;
    }();
    for (const char c : bytes) *to++ = QChar(kUnicode[static_cast<unsigned char>(c)]);
    return to;
}

}  // namespace

QString fromCp1252(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    widen(bytes, out.data());
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    char* to = out.data();
    for (QChar c : text) *to++ = unicodeToCp1252(c.unicode());
    return out;
}

QString storable(const QString& text, int* pos) {
    // Most texts hold only characters Windows-1252 stores: they stay as they are.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return unicodeToCp1252(c.unicode()) != '?' || c == u'?'; }))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair && pos && i + 1 < *pos) --*pos;  // two code units become one '?'
        if (pair) ++i;
        out += pair || (unicodeToCp1252(c.unicode()) == '?' && c != u'?') ? QChar(u'?') : c;
    }
    return out;
}

QString fromCp1252Lines(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* to = out.data();
    std::string_view rest = bytes;
    // CR LF ends a line as LF: each piece runs up to a CR LF's CR.
    for (std::size_t cr; (cr = rest.find("\r\n")) != std::string_view::npos; rest.remove_prefix(cr + 1))
        to = widen(rest.substr(0, cr), to);
    to = widen(rest, to);
    out.truncate(to - out.data());
    return out;
}

std::string toCp1252Lines(const QString& text) {
    // "\n", or a paragraph or line separator (0x2029, 0x2028) of a document's raw text.
    const auto lineEnd = [](char16_t u) { return (u == u'\n') | ((u | 1) == 0x2029); };
    std::size_t lineEnds = 0;
    for (QChar c : text) lineEnds += lineEnd(c.unicode());
    std::string out(static_cast<std::size_t>(text.size()) + lineEnds, '\0');
    char* to = out.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 && u != u'\n') {
            *to++ = static_cast<char>(u);
        } else if (lineEnd(u)) {
            *to++ = '\r';
            *to++ = '\n';
        } else {
            *to++ = unicodeToCp1252(u);
        }
    }
    return out;
}

}  // namespace gs::qt
