#include "qt/cp1252.h"

#include "model/cp1252.h"

namespace gs::qt {

QString fromCp1252(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (char c : bytes) *to++ = QChar(cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    char* to = out.data();
    for (QChar c : text) *to++ = unicodeToCp1252(c.unicode());
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
        out += pair || (unicodeToCp1252(c.unicode()) == '?' && c != u'?') ? QChar(u'?') : c;
    }
    return out;
}

QString fromCp1252Lines(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;  // CR LF ends a line as LF
        *to++ = QChar(cp1252ToUnicode(static_cast<unsigned char>(c)));
    }
    out.truncate(to - out.data());
    return out;
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
