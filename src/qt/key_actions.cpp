#include "qt/key_actions.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

#include "qt/entry_search.h"

namespace gs::qt {

namespace {

class DeleteKey : public QObject {
public:
    DeleteKey(QWidget* widget, ListBox& list) : QObject(widget), list_(list) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Delete || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
            list_.listIndex() < 0)
            return false;
        list_.dblClick();
        return true;
    }

private:
    ListBox& list_;
};

}  // namespace

void addKeyActions(Control& c, QWidget* widget) {
    if (c.kind() == Kind::ListBox) new DeleteKey(widget, static_cast<ListBox&>(c));
    if (c.kind() == Kind::ComboEdit) addEntrySearch(static_cast<QComboBox*>(widget), static_cast<ComboBox&>(c));
}

}  // namespace gs::qt
