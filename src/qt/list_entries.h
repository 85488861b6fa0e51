// The entries of a drop-down list as the item model its box and its open
// list show. A box's own model would build an item object for every entry
// as the window fills it (the unit picker holds nearly 2000), before anyone
// opens the list; this one keeps the control's entries and makes an entry's
// Qt text only when a view first asks for it.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <string>
#include <vector>

namespace gs::qt {

class ListEntries : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Takes the control's entries: new entries at the end are inserted, any
    // other change resets the model.
    void follow(const std::vector<std::string>& items);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> items_;
    mutable std::vector<QString> texts_;  // null until a view asks
};

}  // namespace gs::qt
