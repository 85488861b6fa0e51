#include "qt/caret_position.h"

namespace gs::qt {

int shownPosition(const std::string& text, int bytes) {
    int n = 0;
    for (int i = 0; i < bytes && i < static_cast<int>(text.size()); ++i)
        if (!(text[i] == '\r' && i + 1 < static_cast<int>(text.size()) && text[i + 1] == '\n')) ++n;
    return n;
}

int bytePosition(const std::string& text, int shown) {
    int i = 0;
    const int size = static_cast<int>(text.size());
    for (int n = 0; i < size && n < shown; ++n) i += (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') ? 2 : 1;
    return i;
}

}  // namespace gs::qt
