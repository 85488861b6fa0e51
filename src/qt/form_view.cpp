#include "qt/form_view.h"

#include <QHash>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "qt/banded_scroll_bars.h"
#include "qt/binding.h"
#include "qt/button_binding.h"
#include "qt/check_binding.h"
#include "qt/combo_binding.h"
#include "qt/frame_binding.h"
#include "qt/hand_habits.h"
#include "qt/key_actions.h"
#include "qt/label_binding.h"
#include "qt/list_binding.h"
#include "qt/page_keys.h"
#include "qt/picture_binding.h"
#include "qt/shape_binding.h"
#include "qt/tab_area.h"
#include "qt/tab_binding.h"
#include "qt/text_binding.h"
#include "qt/twips.h"
#include "qt/window_binding.h"
#include "qt/window_font.h"
#include "window/reading_order.h"

namespace gs::qt {

// The widgets of one window and their bindings; the pages not shown yet wait.
// It routes the window's close to onClose and the mouse moving over a
// control's own area to the control's MouseMove.
class FormView::Tree : public QObject, public BindingHost {
public:
    Tree(Window& window, const std::function<bool()>& onClose, const std::function<void(double)>& onScale,
         const QWidget* const& owner);
    ~Tree() override;

    QWidget* window() const { return window_.get(); }
    QWidget* widget(const Control& c) const override;
    Binding* binding(const Control& c) const override;
    void buildShownPage(const TabControl& tab) override;
    double scale() const override { return scale_; }
    const QWidget* owner() const override { return owner_; }
    // Draws the content at a scale; with `fit`, the window takes its size.
    void setScale(double scale, bool fit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A control on a page not shown waits, unless it is the one asked for.
    void build(Control& c, QWidget* parent, std::vector<Binding*>& made, bool asked = false);
    void buildWaiting(const Control& c, std::vector<Binding*>& made);
    void bind(const std::vector<Binding*>& made);
    void orderTabs();
    QSize naturalSize() const;

    Window& model_;
    const std::function<bool()>& onClose_;
    const std::function<void(double)>& onScale_;
    const QWidget* const& owner_;
    double scale_ = 1;
    std::unordered_map<const Control*, std::unique_ptr<Binding>> bindings_;
    QHash<const QObject*, Binding*> byWidget_;
    // Controls on pages not shown yet, with the widget that will hold theirs.
    std::unordered_map<const Control*, QWidget*> waiting_;
    std::unique_ptr<QWidget> window_;
};

FormView::FormView(Window& window) : tree_(std::make_unique<Tree>(window, onClose, onScale, owner)) {}
FormView::~FormView() = default;
QWidget* FormView::window() const { return tree_->window(); }
QWidget* FormView::widget(const Control& c) const { return tree_->widget(c); }
double FormView::scale() const { return tree_->scale(); }
void FormView::setScale(double scale) { tree_->setScale(scale, true); }

FormView::Tree::Tree(Window& window, const std::function<bool()>& onClose, const std::function<void(double)>& onScale,
                     const QWidget* const& owner)
    : model_(window), onClose_(onClose), onScale_(onScale), owner_(owner), window_(std::make_unique<QWidget>()) {
    window_->setObjectName(QString::fromStdString(window.fullName()));
    window_->setFont(defaultFont());
    auto* natural = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), window_.get());
    QObject::connect(natural, &QShortcut::activated, [this] { setScale(1, true); });
    window_->setMouseTracking(true);
    window_->installEventFilter(this);
    addPageKeys(window_.get());
    std::unique_ptr<Binding> binding = bindWindow(*this, window, window_.get());
    byWidget_.insert(window_.get(), binding.get());
    std::vector<Binding*> made{binding.get()};
    bindings_.emplace(&window, std::move(binding));
    for (Control* child : window.children()) build(*child, window_.get(), made);
    bind(made);
}

FormView::Tree::~Tree() {
    for (auto& [control, b] : bindings_) const_cast<Control*>(control)->setObserver(nullptr);
    window_->removeEventFilter(this);
    window_.reset();
}

// Observers, the model's state, the tab order and the hand's habits for
// newly built widgets.
void FormView::Tree::bind(const std::vector<Binding*>& made) {
    for (Binding* b : made) b->model.setObserver([b] { b->sync(); });
    for (Binding* b : made) b->sync();
    orderTabs();
    // Each new subtree gets the hand's habits and the scroll bars' bands from its root.
    for (Binding* b : made) {
        const Control* up = b->model.container();
        Binding* holder = up ? binding(*up) : nullptr;
        if (!holder || std::find(made.begin(), made.end(), holder) == made.end()) {
            addHandHabits(b->widget);
            paintScrollBarsInBands(b->widget);
        }
    }
}

void FormView::Tree::buildShownPage(const TabControl& tab) {
    std::vector<Binding*> made;
    for (Control* child : tab.children())
        if (child->page() == tab.tab()) buildWaiting(*child, made);
    if (!made.empty())
        bind(made);
    else
        orderTabs();
}

void FormView::Tree::buildWaiting(const Control& c, std::vector<Binding*>& made) {
    auto it = waiting_.find(&c);
    if (it == waiting_.end()) return;
    QWidget* parent = it->second;
    waiting_.erase(it);
    build(const_cast<Control&>(c), parent, made, true);
    // A new widget lies above the older ones: the window's z-order is
    // restored among the page's controls and those over every page.
    for (Control* sibling : c.container()->children())
        if (Binding* b = binding(*sibling)) b->widget->raise();
}

// Tab visits the controls of the shown pages in reading order; each page
// switch orders them again.
void FormView::Tree::orderTabs() {
    QWidget* before = nullptr;
    for (Control* c : readingOrder(model_)) {
        Binding* b = binding(*c);
        if (!b) continue;
        QWidget* w = c->kind() == Kind::TabControl ? static_cast<TabArea*>(b->widget)->bar : b->widget;
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        if (before) QWidget::setTabOrder(before, w);
        before = w;
    }
}

QSize FormView::Tree::naturalSize() const { return pixels(model_.geometry()).size(); }

void FormView::Tree::setScale(double scale, bool fit) {
    scale = std::max(1.0, scale);
    if (fit) window_->resize(naturalSize() * scale);
    if (scale == scale_) return;
    scale_ = scale;
    QFont font = defaultFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    window_->setFont(font);
    std::vector<Binding*> all;
    for (auto& [control, b] : bindings_) all.push_back(b.get());
    for (Binding* b : all) b->sync();
    if (onScale_) onScale_(scale);
}

Binding* FormView::Tree::binding(const Control& c) const {
    auto it = bindings_.find(&c);
    return it == bindings_.end() ? nullptr : it->second.get();
}

QWidget* FormView::Tree::widget(const Control& c) const {
    // Shows no page: builds, from the outside in, each page on the way to it.
    auto* self = const_cast<Tree*>(this);  // a view is never const; its widgets come on demand
    while (!binding(c)) {
        const Control* outermost = nullptr;
        for (const Control* a = &c; a; a = a->container())
            if (waiting_.count(a)) outermost = a;
        if (!outermost) return nullptr;
        std::vector<Binding*> made;
        self->buildWaiting(*outermost, made);
        self->bind(made);
    }
    return binding(c)->widget;
}

void FormView::Tree::build(Control& c, QWidget* parent, std::vector<Binding*>& made, bool asked) {
    if (!asked && !onShownPage(c)) {
        waiting_.emplace(&c, parent);
        return;
    }
    std::unique_ptr<Binding> b;
    bool watch = false;  // the widget's own area raises MouseMove
    switch (c.kind()) {
        case Kind::Form:
        case Kind::FileDialog:
            return;  // no widget: the dialogs are the platform's
        case Kind::Frame:
            b = bindFrame(*this, c, parent);
            watch = true;
            break;
        case Kind::TabControl: {
            b = bindTabControl(*this, static_cast<TabControl&>(c), parent);
            watch = true;
            QTabBar* bar = static_cast<TabArea*>(b->widget)->bar;
            bar->setMouseTracking(true);
            bar->installEventFilter(this);
            byWidget_.insert(bar, b.get());
            break;
        }
        case Kind::TextBox:
            b = bindTextBox(*this, static_cast<TextBox&>(c), parent);
            break;
        case Kind::ComboList:
        case Kind::ComboEdit:
            b = bindComboBox(*this, static_cast<ComboBox&>(c), parent);
            break;
        case Kind::ListBox:
            b = bindListBox(*this, static_cast<ListBox&>(c), parent);
            break;
        case Kind::CheckBox:
            b = bindCheckBox(*this, static_cast<CheckBox&>(c), parent);
            break;
        case Kind::Button:
            b = bindButton(*this, static_cast<Button&>(c), parent);
            break;
        case Kind::Label:
            b = bindLabel(*this, static_cast<Label&>(c), parent);
            break;
        case Kind::PictureBox:
        case Kind::Image:
            b = bindPicture(*this, static_cast<PictureBox&>(c), parent);
            watch = true;
            break;
        case Kind::Shape:
            b = bindShape(*this, c, parent);
            break;
    }
    QWidget* w = b->widget;
    w->setObjectName(QString::fromStdString(c.fullName()));
    if (watch) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    byWidget_.insert(w, b.get());
    made.push_back(b.get());
    bindings_.emplace(&c, std::move(b));
    addKeyActions(c, w);
    for (Control* child : c.children()) build(*child, w, made);
}

bool FormView::Tree::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.get()) {
        if (!onClose_ || !onClose_()) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Resize && watched == window_.get()) {
        // The content keeps its proportions and fills the window as far as it goes.
        const QSize now = window_->size(), natural = naturalSize();
        if (now != naturalSize() * scale_)
            setScale(std::min(double(now.width()) / natural.width(), double(now.height()) / natural.height()), false);
        return false;
    }
    if (event->type() != QEvent::MouseMove) return false;
    Binding* b = byWidget_.value(watched);
    if (!b) return false;
    if (watched != b->widget) {  // a part of the control (the tab row)
        b->model.mouseMove();
        return true;
    }
    // Only the control's own area counts, not the controls inside it.
    auto* w = static_cast<QWidget*>(watched);
    QWidget* hit = w->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    while (hit && hit != w) {
        Binding* owner = byWidget_.value(hit);
        if (owner && owner->widget == hit) return false;
        hit = hit->parentWidget();
    }
    b->model.mouseMove();
    return false;
}

}  // namespace gs::qt
