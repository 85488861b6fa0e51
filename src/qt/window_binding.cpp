#include "qt/window_binding.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "qt/cp1252.h"
#include "qt/twips.h"
#include "window/forms.h"

namespace gs::qt {

namespace {

// The longest wait for the window system to put the splash on screen.
constexpr int kMostWaitMs = 100;

// Start-up and a reset hold the event loop while the splash shows their
// progress, so a window is shown and painted at once here. A window manager
// puts a new window on screen a moment after it is shown, and only then can
// it paint: without waiting for that the splash stayed an empty box. With
// `waitOnScreen` the wait lasts until then, a tenth of a second at most (a
// window kept off screen is not waited for longer). Only the window system's
// events and posted ones are handled meanwhile: no key, click or timer, so
// nothing of the editor's runs in the middle of a start-up or a reset.
void showNow(QWidget* widget, bool waitOnScreen) {
    constexpr auto kWindowEventsOnly = QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers;
    widget->show();
    QCoreApplication::processEvents(kWindowEventsOnly);
    const QWindow* window = widget->windowHandle();
    const QDeadlineTimer deadline(kMostWaitMs);
    while (waitOnScreen && window && !window->isExposed() && !deadline.hasExpired()) {
        QThread::usleep(250);
        QCoreApplication::processEvents(kWindowEventsOnly);
    }
}

class WindowBinding : public Binding {
public:
    WindowBinding(BindingHost& host, Window& window, QWidget* widget) : Binding(host, window, widget), window(window) {}

    void syncVisible() override {
        if (window.visible() && !widget->isVisible()) {
            const QWidget* owner = host.owner();
            if (owner && owner->isVisible())
                centreOn(owner->frameGeometry().center());
            else if (!placed_)
                centreOn(QGuiApplication::primaryScreen()->availableGeometry().center());
            placed_ = true;
            showNow(widget, dynamic_cast<const Form2*>(&window) != nullptr);
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
    // Moves the window, its frame included, to be centred on a point.
    void centreOn(QPoint centre) {
        const QRect frame = widget->frameGeometry();
        widget->move(centre - (frame.center() - frame.topLeft()));
    }

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
