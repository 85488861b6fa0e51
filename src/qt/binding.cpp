#include "qt/binding.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QWidget>
#include <functional>

#include "qt/cp1252.h"
#include "qt/twips.h"
#include "qt/window_font.h"

namespace gs::qt {

namespace {

QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

// Runs once, when its widget is next shown, and goes.
class OnShow : public QObject {
public:
    OnShow(QWidget* widget, std::function<void()> run) : QObject(widget), run_(std::move(run)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            parent()->removeEventFilter(this);
            deleteLater();
            run_();
        }
        return false;
    }

private:
    std::function<void()> run_;
};

bool onShownPage(const Control& c) {
    const Control* tab = c.container();
    if (c.page() < 0 || !tab || tab->kind() != Kind::TabControl) return true;
    return static_cast<const TabControl*>(tab)->tab() == c.page();
}

Qt::Alignment alignment(Align a) {
    switch (a) {
        case Align::Right:
            return Qt::AlignRight;
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

void Binding::sync() {
    QSignalBlocker block(widget);
    syncPlacement();
    syncLook();
    syncOwn();
}

void Binding::syncVisible() { widget->setVisible(model.visible() && onShownPage(model)); }

void Binding::syncPlacement() {
    widget->setGeometry(pixels(model.geometry(), host.scale()));
    widget->setEnabled(model.enabled());
    syncVisible();
}

// Colours and fonts are set only where they differ from what the widget
// inherits from its window: setting them makes a combo box build its
// drop-down list at once.
void Binding::syncLook() {
    widget->setToolTip(fromCp1252(model.toolTip()));
    if (fore_ != model.foreColor() || back_ != model.backColor() || transparent_ != model.transparent()) {
        fore_ = model.foreColor();
        back_ = model.backColor();
        transparent_ = model.transparent();
        QPalette p;  // unset roles come from the container
        if (fore_)
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                p.setColor(role, colour(*fore_));
        if (back_ && !transparent_)
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) p.setColor(role, colour(*back_));
        widget->setPalette(p);
        widget->setAutoFillBackground(back_ && !transparent_);
    }
    // Controls in the window's font inherit it; only the others get one. The
    // window's own font is the view's, at the window's scale.
    if (!model.container()) return;
    if (font_ != model.font() || fontScale_ != host.scale() || (!looked_ && !inheritsWindowFont())) {
        font_ = model.font();
        fontScale_ = host.scale();
        // A widget not on screen takes its font when it is next shown: a
        // face or size of its own loads a font engine, which a hidden widget
        // (the help frame's box) may never need.
        if (widget->isVisible())
            syncFont();
        else if (!fontWaits_)
            fontWaits_ = new OnShow(widget, [this] {
                fontWaits_ = nullptr;
                syncFont();
            });
    }
    looked_ = true;
}

void Binding::syncFont() {
    QFont f = defaultFont();
    f.setPointSizeF((font_.size > 0 ? font_.size : f.pointSizeF()) * fontScale_);
    f.setBold(font_.bold);
    f.setItalic(font_.italic);
    f.setUnderline(font_.underline);
    widget->setFont(inheritsWindowFont() ? QFont() : f);
    // Underlined captions are links.
    if (font_.underline)
        widget->setCursor(Qt::PointingHandCursor);
    else
        widget->unsetCursor();
}

// The window's font reaches the widget: no container between has a font of its own.
bool Binding::inheritsWindowFont() const {
    for (const Control* c = model.container(); c && c->container(); c = c->container())
        if (c->font() != Font{}) return false;
    return model.font() == Font{};
}

}  // namespace gs::qt
