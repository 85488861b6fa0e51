// Texts of the window model are Windows-1252 bytes; Qt shows Unicode. Every
// text that goes to a widget or comes back from one passes through here, so a
// name read from a data file comes back byte for byte. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value and back.
#pragma once

#include <QString>
#include <string>

namespace gs::qt {

QString fromCp1252(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string toCp1252(const QString& text);

// The text with each character that Windows-1252 cannot store replaced by
// one '?' in its place; *pos, a position in the text, moves with it.
QString storable(const QString& text, int* pos = nullptr);

// Multi-line boxes keep CR LF in the model and show "\n" line ends (a
// document's raw text ends its lines with paragraph or line separators,
// which go back as CR LF too).
QString fromCp1252Lines(const std::string& bytes);
std::string toCp1252Lines(const QString& text);

}  // namespace gs::qt
