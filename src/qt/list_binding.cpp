#include "qt/list_binding.h"

#include <QListWidget>
#include <QMouseEvent>

#include "qt/focus_marks.h"
#include "qt/mirror_items.h"

namespace gs::qt {

namespace {

// Runs a function on the double-clicks that reach an object; the function
// says whether it has dealt with the event.
class DoubleClickHook : public QObject {
public:
    DoubleClickHook(QObject* target, std::function<bool(QMouseEvent*)> f) : QObject(target), f_(std::move(f)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::MouseButtonDblClick && f_(static_cast<QMouseEvent*>(e));
    }

private:
    std::function<bool(QMouseEvent*)> f_;
};

class ListBinding : public Binding {
public:
    ListBinding(BindingHost& host, ListBox& list, QListWidget* widget)
        : Binding(host, list, widget), list(list), lw(widget) {
        lw->setSelectionMode(QAbstractItemView::SingleSelection);
        markFocus(lw);
        // Selection, not the current row: a list that gets the focus moves its
        // current row without the user choosing anything.
        QObject::connect(lw, &QListWidget::itemSelectionChanged, [this] {
            const QList<QListWidgetItem*> chosen = lw->selectedItems();
            const int row = chosen.isEmpty() ? -1 : lw->row(chosen.front());
            if (row >= 0 && row != this->list.listIndex()) this->list.setListIndex(row);
            sync();
        });
        new DoubleClickHook(lw->viewport(), [this](QMouseEvent* mouse) {
            if (mouse->button() != Qt::LeftButton) return false;
            const int row = lw->row(lw->itemAt(mouse->position().toPoint()));
            if (row >= 0 && row != this->list.listIndex()) this->list.setListIndex(row);
            this->list.dblClick();
            sync();
            return true;
        });
    }

protected:
    void syncOwn() override {
        mirrorItems(
            items_, list.items(), [this] { lw->clear(); }, [this](const QStringList& t) { lw->addItems(t); });
        const int row = list.listIndex();
        if (row < 0) {
            lw->clearSelection();
            lw->setCurrentRow(-1);
        } else if (lw->currentRow() != row || !lw->item(row)->isSelected()) {
            lw->setCurrentRow(row);
        }
    }

private:
    ListBox& list;
    QListWidget* lw;
    std::vector<std::string> items_;
};

}  // namespace

std::unique_ptr<Binding> bindListBox(BindingHost& host, ListBox& list, QWidget* parent) {
    return std::make_unique<ListBinding>(host, list, new QListWidget(parent));
}

}  // namespace gs::qt
