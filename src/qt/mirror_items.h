// Brings a widget's entries in line with the model's: new entries at the end
// are appended, any other change rebuilds the entries in one batch.
#pragma once

#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "qt/cp1252.h"

namespace gs::qt {

template <class Clear, class Append>
void mirrorItems(std::vector<std::string>& shown, const std::vector<std::string>& items, Clear clear, Append append) {
    if (shown == items) return;
    const bool grows = items.size() > shown.size() && std::equal(shown.begin(), shown.end(), items.begin());
    if (!grows) {
        clear();
        shown.clear();
    }
    QStringList tail;
    tail.reserve(static_cast<qsizetype>(items.size() - shown.size()));
    for (std::size_t i = shown.size(); i < items.size(); ++i) tail << fromCp1252(items[i]);
    append(tail);
    shown.insert(shown.end(), items.begin() + static_cast<std::ptrdiff_t>(shown.size()), items.end());
}

}  // namespace gs::qt
