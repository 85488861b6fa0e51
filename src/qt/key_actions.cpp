#include "qt/key_actions.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
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

// Ctrl+Y redoes what the last undo took back, as Ctrl+Shift+Z does, in
// every field the user types into.
class RedoKey : public QObject {
public:
    explicit RedoKey(QWidget* field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Y || key->modifiers() != Qt::ControlModifier) return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // the field's own key, not a shortcut of the window
            return true;
        }
        auto* combo = qobject_cast<QComboBox*>(watched);
        auto* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(watched);
        if (line && !line->isReadOnly()) line->redo();
        if (auto* text = qobject_cast<QPlainTextEdit*>(watched); text && !text->isReadOnly()) text->redo();
        return true;
    }
};

}  // namespace

void addKeyActions(Control& c, QWidget* widget) {
    if (c.kind() == Kind::ListBox) new DeleteKey(widget, static_cast<ListBox&>(c));
    if (c.kind() == Kind::ComboEdit) addEntrySearch(static_cast<QComboBox*>(widget), static_cast<ComboBox&>(c));
    if (c.kind() == Kind::TextBox || c.kind() == Kind::ComboEdit) new RedoKey(widget);
}

}  // namespace gs::qt
