// The Qt face of one window of the window model: a widget for every control,
// created at its reference geometry in z-order, that mirrors the model after
// every change and hands the user's actions back to the model.
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <unordered_map>

#include "window/controls.h"

class QWidget;

namespace gs::qt {

class Binding;

// Pixels for twips of the reference layout.
int toPixels(int twips);

// The window font standing in for MS Sans Serif 8.25 pt.
QFont defaultFont();

class FormView : public QObject {
public:
    explicit FormView(Window& window);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    QWidget* window() const;
    // The widget of a control; nullptr for controls without one (file dialogs).
    QWidget* widget(const Control& c) const;

    // Runs when the user closes the window; without it the window stays open.
    std::function<void()> onClose;

    // Internal: the binding of a control, nullptr when it has none.
    Binding* binding(const Control& c) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(Control& c, QWidget* parent);
    void orderTabs();

    Window& model_;
    std::unordered_map<const Control*, std::unique_ptr<Binding>> bindings_;
    QHash<const QObject*, Binding*> byWidget_;
    std::unique_ptr<QWidget> window_;
};

}  // namespace gs::qt
