// A text a test gives a table row. The row's cell views it, so it is kept
// until the test program ends, as the editor keeps its tables' bytes.
#pragma once

#include <deque>
#include <string>

#include "model/records.h"

namespace gs::test {

inline text kept(const std::string& s) {
    static std::deque<std::string> texts;
    return text(texts.emplace_back(s));
}

}  // namespace gs::test
