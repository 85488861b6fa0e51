// The Qt face of one window of the window model: a widget for every control,
// created at its reference geometry in z-order, that mirrors the model after
// every change and hands the user's actions back to the model. The controls
// of a tab page get their widgets when the page is first shown (or when their
// widget is first asked for), so the window opens without building the pages
// the user has not looked at. The user may enlarge the window: its content
// grows with it in proportion, fonts and controls together; Ctrl+0 brings
// it back to its natural size.
#pragma once

#include <functional>
#include <memory>

#include "window/controls.h"

class QWidget;

namespace gs::qt {

class FormView {
public:
    explicit FormView(Window& window);
    ~FormView();
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    QWidget* window() const;
    // The widget of a control, built now if its page has not been shown yet;
    // nullptr for controls without one (file dialogs).
    QWidget* widget(const Control& c) const;

    // Runs when the user closes the window, which closes when it returns
    // true; without it the window stays open.
    std::function<bool()> onClose;
    // The window this one opens centred over while that is shown (the
    // splash over the main window at a reset); else it opens centred on the
    // screen the first time and where it was afterwards.
    const QWidget* owner = nullptr;

    // How much larger than the reference layout the content is drawn (1 and
    // up); setting it sizes the window to match.
    double scale() const;
    void setScale(double scale);
    // Runs when the scale changes, the user's resizing included.
    std::function<void(double)> onScale;

private:
    class Tree;
    std::unique_ptr<Tree> tree_;
};

}  // namespace gs::qt
