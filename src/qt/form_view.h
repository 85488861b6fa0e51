// The Qt face of one window of the window model: a widget for every control,
// created at its reference geometry in z-order, that mirrors the model after
// every change and hands the user's actions back to the model. The controls
// of a tab page get their widgets when the page is first shown (or when their
// widget is first asked for), so the window opens without building the pages
// the user has not looked at.
#pragma once

#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "window/controls.h"

class QWidget;

namespace gs::qt {

class Binding;

// Pixels for twips of the reference layout.
int toPixels(int twips);

class FormView : public QObject {
public:
    explicit FormView(Window& window);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    QWidget* window() const;
    // The widget of a control, built now if its page has not been shown yet;
    // nullptr for controls without one (file dialogs).
    QWidget* widget(const Control& c) const;

    // Runs when the user closes the window; without it the window stays open.
    std::function<void()> onClose;

    // Internal: the binding of a control, nullptr when it has none (yet).
    Binding* binding(const Control& c) const;
    // Internal: builds what waits on the tab control's shown page.
    void buildShownPage(const TabControl& tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A control on a page not shown waits, unless it is the one asked for.
    void build(Control& c, QWidget* parent, std::vector<Binding*>& made, bool asked = false);
    void buildWaiting(const Control& c, std::vector<Binding*>& made);
    void bind(const std::vector<Binding*>& made);
    void orderTabs();

    Window& model_;
    std::unordered_map<const Control*, std::unique_ptr<Binding>> bindings_;
    QHash<const QObject*, Binding*> byWidget_;
    // Controls on pages not shown yet, with the widget that will hold theirs.
    std::unordered_map<const Control*, QWidget*> waiting_;
    std::unique_ptr<QWidget> window_;
};

}  // namespace gs::qt
