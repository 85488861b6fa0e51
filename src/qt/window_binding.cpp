#include "qt/window_binding.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "qt/cp1252.h"
#include "qt/twips.h"
#include "window/forms.h"

namespace gs::qt {

namespace {

// The longest wait for the window system to put the splash on screen.
constexpr int kMostWaitMs = 100;

// Ends `wait` once `window` is on screen, before the window paints itself.
class ExposeWatch : public QObject {
public:
    ExposeWatch(QWindow* window, QEventLoop& wait) : window_(window), wait_(wait) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_->isExposed()) wait_.quit();
        return false;
    }

private:
    QWindow* window_;
    QEventLoop& wait_;
};

// A window manager puts a new window on screen a moment after it is shown,
// and only then may it paint: without waiting for that, the splash stayed
// an empty box while the start-up held the event loop. Waits for it, up to
// kMostWaitMs (a window kept off screen is not waited for any longer), and
// lets it paint. Keys and clicks wait for the event loop.
void waitUntilOnScreen(QWidget* widget) {
    QWindow* window = widget->windowHandle();
    if (!window || window->isExposed()) return;
    QEventLoop wait;
    const ExposeWatch watch(window, wait);
    QTimer::singleShot(kMostWaitMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

class WindowBinding : public Binding {
public:
    WindowBinding(BindingHost& host, Window& window, QWidget* widget) : Binding(host, window, widget), window(window) {}

    void syncVisible() override {
        if (window.visible() && !widget->isVisible()) {
            const bool first = !placed_;
            if (!placed_) {
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                widget->move(screen.center() - widget->rect().center());
                placed_ = true;
            }
            widget->show();
            // Start-up runs without returning to the event loop: let the
            // window appear now so that its progress captions are seen.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            // The splash's first showing opens the start-up, before any
            // timer of the editor's runs; later ones (a reset) are not
            // waited for, so that nothing runs in the middle of the reset.
            if (first && dynamic_cast<const Form2*>(&window)) waitUntilOnScreen(widget);
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
