#include "qt/list_entries.h"

#include <algorithm>

#include "qt/cp1252.h"

namespace gs::qt {

void ListEntries::follow(const std::vector<std::string>& items) {
    if (items == items_) return;
    const std::size_t had = items_.size();
    if (items.size() > had && std::equal(items_.begin(), items_.end(), items.begin())) {
        beginInsertRows({}, static_cast<int>(had), static_cast<int>(items.size()) - 1);
        items_.insert(items_.end(), items.begin() + static_cast<std::ptrdiff_t>(had), items.end());
        texts_.resize(items_.size());
        endInsertRows();
        return;
    }
    beginResetModel();
    items_ = items;
    texts_.assign(items_.size(), QString());
    endResetModel();
}

int ListEntries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant ListEntries::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    QString& text = texts_[row];
    if (text.isNull()) text = fromCp1252(items_[row]);
    return text;
}

}  // namespace gs::qt
