#include "qt/window_binding.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "qt/cp1252.h"
#include "qt/twips.h"

namespace gs::qt {

namespace {

class WindowBinding : public Binding {
public:
    WindowBinding(BindingHost& host, Window& window, QWidget* widget) : Binding(host, window, widget), window(window) {}

    void syncVisible() override {
        if (window.visible() && !widget->isVisible()) {
            if (!placed_) {
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                widget->move(screen.center() - widget->rect().center());
                placed_ = true;
            }
            widget->show();
            // Start-up runs without returning to the event loop: let the
            // window appear now so that its progress captions are seen.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        } else if (!window.visible() && widget->isVisible()) {
            widget->hide();
        }
    }

protected:
    // The window opens at its size for the scale; the user may make it
    // larger, never smaller than the reference layout.
    void syncPlacement() override {
        widget->setMinimumSize(pixels(window.geometry()).size());
        if (!sized_) widget->resize(pixels(window.geometry(), host.scale()).size());
        sized_ = true;
        widget->setWindowTitle(fromCp1252(window.caption()));
        syncVisible();
    }
    void syncOwn() override {
        if (window.focus() == focus_) return;
        focus_ = window.focus();
        if (focus_)
            if (QWidget* w = host.widget(*focus_)) w->setFocus(Qt::OtherFocusReason);
    }

private:
    Window& window;
    bool placed_ = false;
    bool sized_ = false;
    Control* focus_ = nullptr;
};

}  // namespace

std::unique_ptr<Binding> bindWindow(BindingHost& host, Window& window, QWidget* widget) {
    return std::make_unique<WindowBinding>(host, window, widget);
}

}  // namespace gs::qt
