#include "qt/undo_keys.h"

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace gs::qt {

namespace {

// A text box takes the keys it knows itself before they reach the window;
// the others (Ctrl+Y where the system's redo key is Ctrl+Shift+Z) still
// belong to it.
bool inTextBox(bool undo) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (!line->isReadOnly()) undo ? line->undo() : line->redo();
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) {
        if (!text->isReadOnly()) undo ? text->undo() : text->redo();
        return true;
    }
    return false;
}

void onKeys(QWidget* window, const QKeySequence& keys, std::function<void()> action, bool undo) {
    auto* shortcut = new QShortcut(keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, [action = std::move(action), undo] {
        if (!inTextBox(undo)) action();
    });
}

}  // namespace

void addUndoKeys(QWidget* window, App& app) {
    onKeys(window, QKeySequence(Qt::CTRL | Qt::Key_Z), [&app] { app.undo(); }, true);
    onKeys(window, QKeySequence(Qt::CTRL | Qt::Key_Y), [&app] { app.redo(); }, false);
    onKeys(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [&app] { app.redo(); }, false);
}

}  // namespace gs::qt
