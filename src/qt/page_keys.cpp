#include "qt/page_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTabBar>

#include "qt/tab_area.h"

namespace gs::qt {

namespace {

// +1 for the next page, -1 for the one before, 0 for any other key.
int step(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && (key.key() == Qt::Key_Tab || key.key() == Qt::Key_PageDown)) return 1;
    if (mods == Qt::ControlModifier && key.key() == Qt::Key_PageUp) return -1;
    // Shift+Tab arrives as Backtab, with or without its Shift.
    if ((mods & ~Qt::ShiftModifier) == Qt::ControlModifier && key.key() == Qt::Key_Backtab) return -1;
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key.key() == Qt::Key_Tab) return -1;
    return 0;
}

// Sees the keys of every window before their widgets do: a focused text box
// would take Ctrl+Tab for itself.
class PageKeys : public QObject {
public:
    static PageKeys& instance() {
        static auto* keys = new PageKeys;  // outlives every window
        return *keys;
    }
    void add(QWidget* window) {
        if (windows_.isEmpty()) qApp->installEventFilter(this);
        windows_.append(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        const int by = step(*static_cast<QKeyEvent*>(event));
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!by || !widget || !windows_.contains(widget->window())) return false;
        QTabBar* bar = turned(widget);
        if (!bar || bar->count() == 0) return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // a key of the window, not of the focused widget
            return true;
        }
        bar->setCurrentIndex((bar->currentIndex() + by + bar->count()) % bar->count());
        return true;
    }

private:
    // The innermost tab control around the widget, else the window's own.
    static QTabBar* turned(QWidget* widget) {
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (auto* area = dynamic_cast<TabArea*>(w)) return area->bar;
        for (QObject* child : widget->window()->children())
            if (auto* area = dynamic_cast<TabArea*>(child)) return area->bar;
        return nullptr;
    }

    QList<QPointer<QWidget>> windows_;
};

}  // namespace

void addPageKeys(QWidget* window) { PageKeys::instance().add(window); }

}  // namespace gs::qt
