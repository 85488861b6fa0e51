#include "qt/combo_binding.h"

#include <QComboBox>
#include <QLineEdit>

#include "qt/mirror_items.h"
#include "qt/storable_input.h"

namespace gs::qt {

namespace {

// A drop-down list that opens below its box with a scroll bar, rather than as
// a screen-high list over it: the unit picker holds nearly 2000 names. The
// style sheet that says so is set when the list first opens; set any earlier,
// it would make every box build its list at once.
class DropDown : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        if (styleSheet().isEmpty()) setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        QComboBox::showPopup();
    }
};

class ComboBinding : public Binding {
public:
    ComboBinding(BindingHost& host, ComboBox& list, QComboBox* combo)
        : Binding(host, list, combo), list(list), combo(combo) {
        if (list.kind() == Kind::ComboEdit) combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (combo->isEditable()) {
            combo->setValidator(storableValidator(combo));
            keepStorable(combo);
            keepStorable(combo->lineEdit());
        }
        combo->setMaxVisibleItems(16);
        QObject::connect(combo, &QComboBox::activated, [this](int i) {
            this->list.setListIndex(i);
            sync();
        });
    }

protected:
    void syncOwn() override {
        mirrorItems(
            items_, list.items(), [this] { combo->clear(); }, [this](const QStringList& t) { combo->addItems(t); });
        if (combo->currentIndex() != list.listIndex()) combo->setCurrentIndex(list.listIndex());
    }

private:
    ComboBox& list;
    QComboBox* combo;
    std::vector<std::string> items_;
};

}  // namespace

std::unique_ptr<Binding> bindComboBox(BindingHost& host, ComboBox& list, QWidget* parent) {
    return std::make_unique<ComboBinding>(host, list, new DropDown(parent));
}

}  // namespace gs::qt
