#include "qt/combo_binding.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QStylePainter>
#include <QToolTip>

#include "qt/list_entries.h"
#include "qt/mirror_items.h"
#include "qt/storable_input.h"

namespace gs::qt {

namespace {

// The style of the window's drop-down lists: each list opens below its box
// with a scroll bar, rather than as a screen-high list over it (the unit
// picker holds nearly 2000 names). A style sheet could say so too, but would
// keep the box from the window's font and its scale.
class ListBelowBox : public QProxyStyle {
public:
    ListBelowBox() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// A drop-down list that takes that style when its list first opens; taken any
// earlier, it would make every box build its list at once. Its open list shows
// a scroll bar when its entries do not all fit. A chosen entry wider than the
// closed box ends in "..." there, and the box's tip shows it whole.
class DropDown : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        static ListBelowBox* const belowBox = new ListBelowBox;
        if (style() != belowBox) setStyle(belowBox);
        // A list longer than its open height says so (the style hides the bar).
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Every entry is one line of text: the list lays out without
        // measuring each (the unit picker holds nearly 2000).
        if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
        QComboBox::showPopup();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        if (!isEditable()) option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, room());
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip && toolTip().isEmpty() && !isEditable() &&
            fontMetrics().horizontalAdvance(currentText()) > room()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), currentText(), this);
            return true;
        }
        return QComboBox::event(e);
    }

private:
    // The width the closed box has for its entry: the edit field less the
    // pixel the style keeps clear at each side.
    int room() const {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 2;
    }
};

// An editable box gets its edit field from here rather than from
// setEditable, which would build the drop-down list at once (the base style
// opens lists over the box) and a completion that writes the first entry
// starting with the typed text into the box (the entry search offers
// entries instead). The box makes that completion only for a field that
// has none: the field holds a shared empty one until the box has taken it.
void makeEditable(QComboBox* combo) {
    static QCompleter* const none = new QCompleter(qApp);
    auto* field = new QLineEdit(combo);
    field->setPalette(combo->palette());
    field->setCompleter(none);
    combo->setLineEdit(field);
    field->setCompleter(nullptr);
}

class ComboBinding : public Binding {
public:
    ComboBinding(BindingHost& host, ComboBox& list, QComboBox* combo)
        : Binding(host, list, combo), list(list), combo(combo) {
        if (list.kind() == Kind::ComboEdit) makeEditable(combo);
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
        // A long list takes a model of its own: the box's model would build
        // an item for every entry. A short one keeps the box's, which costs
        // less to set up than changing models does.
        if (!entries && list.items().size() > kLongList) {
            entries = new ListEntries(combo);
            combo->setModel(entries);
        }
        if (entries)
            entries->follow(list.items());
        else
            mirrorItems(
                items_, list.items(), [this] { combo->clear(); },
                [this](const QStringList& t) { combo->addItems(t); });
        if (combo->currentIndex() != list.listIndex()) combo->setCurrentIndex(list.listIndex());
    }

private:
    ComboBox& list;
    static constexpr std::size_t kLongList = 100;
    QComboBox* combo;
    ListEntries* entries = nullptr;
    std::vector<std::string> items_;  // the box's own model's entries
};

}  // namespace

std::unique_ptr<Binding> bindComboBox(BindingHost& host, ComboBox& list, QWidget* parent) {
    return std::make_unique<ComboBinding>(host, list, new DropDown(parent));
}

}  // namespace gs::qt
