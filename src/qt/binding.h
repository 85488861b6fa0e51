// A binding mirrors one control of the window model into its widget and
// hands the user's actions on that widget back to the control. Each kind of
// control has its binding in a file of its own (list_binding.cpp: what a list
// box does in Qt); the view builds them (form_view.cpp).
#pragma once

#include <QtCore/qnamespace.h>
#include <optional>

#include "window/controls.h"

class QWidget;

namespace gs::qt {

class Binding;
class OnShow;

// What a binding may ask of the view that holds it.
class BindingHost {
public:
    // The widget of a control, built now if its page has not been shown yet.
    virtual QWidget* widget(const Control& c) const = 0;
    // The binding of a control, nullptr while it has none.
    virtual Binding* binding(const Control& c) const = 0;
    // Builds what waits on the tab control's shown page.
    virtual void buildShownPage(const TabControl& tab) = 0;
    // How much larger than the reference layout the window is drawn.
    virtual double scale() const = 0;
    // The window this one opens over, nullptr for none.
    virtual const QWidget* owner() const = 0;

protected:
    ~BindingHost() = default;
};

class Binding {
public:
    Binding(BindingHost& host, Control& model, QWidget* widget) : host(host), model(model), widget(widget) {}
    virtual ~Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // Model -> widget, with the widget's own signals blocked.
    void sync();
    virtual void syncVisible();

    BindingHost& host;
    Control& model;
    QWidget* widget;

protected:
    virtual void syncPlacement();
    virtual void syncOwn() {}

private:
    void syncLook();
    void syncFont();
    bool inheritsWindowFont() const;

    bool looked_ = false;
    std::optional<Rgb> fore_, back_;
    bool transparent_ = false;
    Font font_;
    double fontScale_ = 1;
    OnShow* fontWaits_ = nullptr;  // the font waits for the widget's showing
};

// A control on a tab page is shown only while its page is the shown one.
bool onShownPage(const Control& c);

// Qt's alignment for a control's.
Qt::Alignment alignment(Align a);

}  // namespace gs::qt
