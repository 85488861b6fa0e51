#include "qt/form_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QValidator>
#include <algorithm>

#include "qt/cp1252.h"
#include "qt/hand_habits.h"
#include "qt/key_actions.h"
#include "qt/window_font.h"

namespace gs::qt {

int toPixels(int twips) { return qRound(twips / static_cast<double>(kTwipsPerPixel)); }

namespace {

constexpr int kTabRowHeight = 22;  // pixels; page contents start below it

QRect pixels(const Geometry& g) {
    return QRect(toPixels(g.left), toPixels(g.top), toPixels(g.width), toPixels(g.height));
}

QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }

// A control on a tab page is shown only while its page is the shown one.
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

// ---- Widgets the standard set lacks ----------------------------------------

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
    }
};

// A frame: an etched rectangle whose caption sits on its top line; without a
// caption it is a plain rectangle.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QFontMetrics fm = fontMetrics();
        const int top = title().isEmpty() ? 0 : fm.height() / 2;
        const QRect r = rect().adjusted(0, top, -2, -2);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(r.translated(1, 1));
        if (title().isEmpty()) return;
        const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }
};

// A drop-down list that opens below its box with a scroll bar, rather than as
// a screen-high list over it: the unit picker holds nearly 2000 names. The
// style sheet that says so is set when the list first opens; set any earlier,
// it would make every box build its list at once.
class DropDown : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        if (styleSheet().isEmpty()) setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        QComboBox::showPopup();
    }
};

// The tab row of a tab control: tabs share the width equally, in one row.
class TabRow : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize s = QTabBar::tabSizeHint(index);
        if (count() > 0) s.setWidth(std::max(1, width() / count()));
        s.setHeight(kTabRowHeight);
        return s;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

// A tab control: the tab row above a raised page area. The controls of all
// pages are children of this widget, placed relative to its top-left corner.
class TabArea : public QWidget {
public:
    explicit TabArea(QWidget* parent) : QWidget(parent), bar(new TabRow(this)), pane(new QFrame(this)) {
        bar->setDrawBase(false);
        bar->setExpanding(true);
        bar->setUsesScrollButtons(false);
        bar->setElideMode(Qt::ElideNone);
        // Narrow tabs ("Body Guards" in a row of eight) need the room the
        // style's padding would take.
        bar->setStyleSheet("QTabBar::tab { padding-left: 1px; padding-right: 1px; }");
        pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
        pane->setAttribute(Qt::WA_TransparentForMouseEvents);
        pane->lower();
    }
    QTabBar* bar;
    QFrame* pane;

protected:
    void resizeEvent(QResizeEvent*) override {
        bar->setGeometry(0, 0, width(), kTabRowHeight);
        pane->setGeometry(0, kTabRowHeight - 1, width(), height() - kTabRowHeight + 1);
    }
};

// Runs a function on the events of one type that reach an object; the
// function says whether it has dealt with the event.
class EventHook : public QObject {
public:
    EventHook(QObject* target, QEvent::Type type, std::function<bool(QEvent*)> f)
        : QObject(target), type_(type), f_(std::move(f)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == type_ && f_(e); }

private:
    QEvent::Type type_;
    std::function<bool(QEvent*)> f_;
};

// What the user enters into a text field is kept storable in the 8-bit file:
// a character Windows-1252 lacks becomes '?' in its place. Typed characters
// are changed before the field sees them, so its undo history holds what it
// shows.
class StorableKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            const QString text = storable(key->text());
            if (text == key->text()) return false;
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), text, key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &copy);
            return true;
        }
        if (e->type() == QEvent::InputMethod) {
            auto* input = static_cast<QInputMethodEvent*>(e);
            const QString text = storable(input->commitString());
            if (text == input->commitString()) return false;
            QInputMethodEvent copy(input->preeditString(), input->attributes());
            copy.setCommitString(text, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(watched, &copy);
            return true;
        }
        return false;
    }
};

// Pasted and dropped text in a single-line field.
class StorableValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        input = storable(input, &pos);
        return Acceptable;
    }
};

void keepStorable(QWidget* w) { w->installEventFilter(new StorableKeys(w)); }

// A multi-line text field; pasted and dropped text is made storable, and
// offered to `takes` first: text it does not take is not inserted (a line of
// it too long to lay out in time).
class TextArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<bool(const QString&)> takes;

protected:
    void insertFromMimeData(const QMimeData* source) override {
        QMimeData text;
        text.setText(storable(source->text()));
        if (!takes || takes(text.text())) QPlainTextEdit::insertFromMimeData(&text);
    }
};

// The built-in picture of image controls: a small map drawn at the
// control's size, by night on a coloured window (the splash, whose captions
// are light), on parchment otherwise (the captions over it are dark).
QPixmap decoration(QSize size, bool night) {
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = pm.width(), h = pm.height();
    QLinearGradient sea(0, 0, w, h);
    sea.setColorAt(0, night ? QColor(0x10, 0x22, 0x3a) : QColor(0xc9, 0xdc, 0xe0));
    sea.setColorAt(1, night ? QColor(0x2a, 0x50, 0x62) : QColor(0x9c, 0xbf, 0xc8));
    p.fillRect(pm.rect(), sea);
    QPainterPath land;
    land.moveTo(-0.05 * w, 0.10 * h);
    land.cubicTo(0.30 * w, -0.05 * h, 0.55 * w, 0.25 * h, 0.80 * w, 0.05 * h);
    land.cubicTo(1.00 * w, 0.00 * h, 1.05 * w, 0.50 * h, 0.90 * w, 0.70 * h);
    land.cubicTo(0.75 * w, 0.95 * h, 0.40 * w, 1.05 * h, 0.15 * w, 0.85 * h);
    land.cubicTo(0.00 * w, 0.70 * h, 0.10 * w, 0.40 * h, -0.05 * w, 0.10 * h);
    QLinearGradient earth(0, 0, 0, h);
    earth.setColorAt(0, night ? QColor(0x3a, 0x2c, 0x18) : QColor(0xf4, 0xe8, 0xc8));
    earth.setColorAt(1, night ? QColor(0x24, 0x1a, 0x0c) : QColor(0xe2, 0xcc, 0x96));
    p.fillPath(land, earth);
    p.setPen(QPen(night ? QColor(0x7a, 0x5a, 0x2a) : QColor(0x8a, 0x6a, 0x3a), std::max(1.0, h / 80)));
    p.drawPath(land);
    // Two contour lines inside the land.
    p.setPen(QPen(night ? QColor(0x5a, 0x44, 0x22) : QColor(0xc8, 0xae, 0x78), 1, Qt::DashLine));
    p.drawEllipse(QPointF(0.52 * w, 0.50 * h), 0.22 * w, 0.22 * h);
    p.drawEllipse(QPointF(0.52 * w, 0.50 * h), 0.11 * w, 0.11 * h);
    return pm;
}

}  // namespace

// ---- Bindings ----------------------------------------------------------------

// Mirrors one control into its widget and hands the user's actions back.
class Binding {
public:
    Binding(FormView& view, Control& model, QWidget* widget) : view(view), model(model), widget(widget) {}
    virtual ~Binding() = default;

    // Model -> widget, with the widget's own signals blocked.
    void sync() {
        QSignalBlocker block(widget);
        syncPlacement();
        syncLook();
        syncOwn();
    }
    virtual void syncVisible() { widget->setVisible(model.visible() && onShownPage(model)); }

    FormView& view;
    Control& model;
    QWidget* widget;

protected:
    virtual void syncPlacement() {
        widget->setGeometry(pixels(model.geometry()));
        widget->setEnabled(model.enabled());
        syncVisible();
    }
    virtual void syncOwn() {}

private:
    // Colours and fonts are set only where they differ from what the widget
    // inherits from its window: setting them makes a combo box build its
    // drop-down list at once.
    void syncLook() {
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
        // Controls in the window's font inherit it; only the others get one.
        if (font_ != model.font() || (!looked_ && !inheritsWindowFont())) {
            font_ = model.font();
            QFont f = defaultFont();
            if (font_.size > 0) f.setPointSizeF(font_.size);
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
        looked_ = true;
    }
    // The window's font reaches the widget: no container between has a font of its own.
    bool inheritsWindowFont() const {
        for (const Control* c = model.container(); c && c->container(); c = c->container())
            if (c->font() != Font{}) return false;
        return model.font() == Font{};
    }

    bool looked_ = false;
    std::optional<Rgb> fore_, back_;
    bool transparent_ = false;
    Font font_;
};

namespace {

class WindowBinding : public Binding {
public:
    WindowBinding(FormView& view, Window& window, QWidget* widget) : Binding(view, window, widget), window(window) {}

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
    void syncPlacement() override {
        const QRect r = pixels(window.geometry());
        widget->setFixedSize(r.size());
        widget->setWindowTitle(fromCp1252(window.caption()));
        syncVisible();
    }
    void syncOwn() override {
        if (window.focus() == focus_) return;
        focus_ = window.focus();
        if (focus_)
            if (QWidget* w = view.widget(*focus_)) w->setFocus(Qt::OtherFocusReason);
    }

private:
    Window& window;
    bool placed_ = false;
    Control* focus_ = nullptr;
};

class FrameBinding : public Binding {
public:
    FrameBinding(FormView& view, Control& c, QGroupBox* box) : Binding(view, c, box), box(box) {}

protected:
    void syncOwn() override { box->setTitle(fromCp1252(model.caption())); }

private:
    QGroupBox* box;
};

class TabBinding : public Binding {
public:
    TabBinding(FormView& view, TabControl& tab, TabArea* area) : Binding(view, tab, area), tab(tab), area(area) {
        QObject::connect(area->bar, &QTabBar::currentChanged, [this](int i) {
            if (i >= 0) this->tab.setTab(i);
            sync();
        });
    }

protected:
    void syncOwn() override {
        QSignalBlocker block(area->bar);
        while (area->bar->count() > tab.tabCount()) area->bar->removeTab(area->bar->count() - 1);
        while (area->bar->count() < tab.tabCount()) area->bar->addTab(QString());
        for (int i = 0; i < tab.tabCount(); ++i) area->bar->setTabText(i, fromCp1252(tab.tabCaption(i)));
        area->bar->setCurrentIndex(tab.tab());
        view.buildShownPage(tab);
        for (Control* child : tab.children())
            if (Binding* b = view.binding(*child)) b->syncVisible();
    }

private:
    TabControl& tab;
    TabArea* area;
};

// Caret positions: the model counts bytes with CR LF, a multi-line widget
// counts characters with "\n".
int shownPosition(const std::string& text, int bytes) {
    int n = 0;
    for (int i = 0; i < bytes && i < static_cast<int>(text.size()); ++i)
        if (!(text[i] == '\r' && i + 1 < static_cast<int>(text.size()) && text[i + 1] == '\n')) ++n;
    return n;
}

int bytePosition(const std::string& text, int shown) {
    int i = 0;
    const int size = static_cast<int>(text.size());
    for (int n = 0; i < size && n < shown; ++n) i += (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') ? 2 : 1;
    return i;
}

class TextBinding : public Binding {
public:
    TextBinding(FormView& view, TextBox& box, QWidget* w)
        : Binding(view, box, w), box(box), line(qobject_cast<QLineEdit*>(w)), plain(qobject_cast<QPlainTextEdit*>(w)) {
        keepStorable(w);
        if (line) {
            // One character over the limit reaches the model, which refuses it.
            line->setMaxLength(kMaxLineLength + 1);
            line->setValidator(new StorableValidator(line));
            QObject::connect(line, &QLineEdit::textEdited, [this] { userEdited(); });
            QObject::connect(line, &QLineEdit::cursorPositionChanged, [this] { userMovedCaret(); });
        } else {
            plain->setVerticalScrollBarPolicy(box.vScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            plain->setTabChangesFocus(true);
            static_cast<TextArea*>(plain)->takes = [this](const QString& pasted) { return takesPaste(pasted); };
            QObject::connect(plain, &QPlainTextEdit::textChanged, [this] { userEdited(); });
            QObject::connect(plain, &QPlainTextEdit::cursorPositionChanged, [this] { userMovedCaret(); });
        }
    }

protected:
    void syncOwn() override {
        const QString want = box.multiLine ? fromCp1252Lines(box.text()) : fromCp1252(box.text());
        const bool textChanged = shown() != want;
        if (textChanged) line ? line->setText(want) : plain->setPlainText(want);
        if (line) {
            line->setReadOnly(box.readOnly);
            line->setAlignment(alignment(box.align()) | Qt::AlignVCenter);
        } else {
            plain->setReadOnly(box.readOnly);
        }
        // A caret set from code moves the field's; what the user selected
        // stays while the model only follows it.
        if (textChanged || (!pushing_ && box.selStart() != caret())) {
            const int pos = box.multiLine ? shownPosition(box.text(), box.selStart()) : box.selStart();
            if (line) {
                line->setCursorPosition(pos);
            } else {
                QTextCursor c = plain->textCursor();
                c.setPosition(std::min<int>(pos, plain->document()->characterCount() - 1));
                plain->setTextCursor(c);
            }
        }
    }

private:
    QString shown() const { return line ? line->text() : plain->toPlainText(); }
    std::string stored() const { return box.multiLine ? toCp1252Lines(shown()) : toCp1252(shown()); }
    // The field's caret as the model counts it: the start of the selection,
    // in bytes of the stored text.
    int caret() const {
        const int pos = line ? (line->hasSelectedText() ? line->selectionStart() : line->cursorPosition())
                             : plain->textCursor().selectionStart();
        return box.multiLine ? bytePosition(stored(), pos) : pos;
    }

    // The user's edit reaches the model as its Change, with the caret after it.
    void userEdited() {
        const std::string text = stored();
        const int pos = caret();
        push([&] {
            box.edit(text);
            if (box.text() == text) box.setSelStart(pos);
        });
    }
    // A paste with a line over the limit goes to the model without being laid
    // out in the field first; the model refuses it.
    bool takesPaste(const QString& pasted) {
        if (longestLine(toCp1252Lines(pasted)) <= kMaxLineLength) return true;
        const QTextCursor c = plain->textCursor();
        QString text = plain->toPlainText();
        text.replace(c.selectionStart(), c.selectionEnd() - c.selectionStart(), pasted);
        box.edit(toCp1252Lines(text));
        return false;
    }
    void userMovedCaret() {
        if (stored() != box.text()) return;  // the edit itself follows
        push([&] { box.setSelStart(caret()); });
    }
    // While the user's own state goes to the model, the field keeps its
    // caret and selection.
    template <class F>
    void push(F f) {
        const bool outer = pushing_;
        pushing_ = true;
        f();
        pushing_ = outer;
    }

    TextBox& box;
    QLineEdit* line;
    QPlainTextEdit* plain;
    bool pushing_ = false;
};

// Brings a widget's entries in line with the model's: new entries at the end
// are appended, any other change rebuilds the entries in one batch.
template <class Clear, class Append>
void mirrorItems(std::vector<std::string>& shown, const std::vector<std::string>& items, Clear clear, Append append) {
    if (shown == items) return;
    const bool grows = items.size() > shown.size() && std::equal(shown.begin(), shown.end(), items.begin());
    if (!grows) {
        clear();
        shown.clear();
    }
    QStringList tail;
    tail.reserve(static_cast<qsizetype>(items.size() - shown.size()));
    for (std::size_t i = shown.size(); i < items.size(); ++i) tail << fromCp1252(items[i]);
    append(tail);
    shown.insert(shown.end(), items.begin() + static_cast<std::ptrdiff_t>(shown.size()), items.end());
}

class ComboBinding : public Binding {
public:
    ComboBinding(FormView& view, ComboBox& list, QComboBox* combo)
        : Binding(view, list, combo), list(list), combo(combo) {
        if (list.kind() == Kind::ComboEdit) combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (combo->isEditable()) {
            combo->setValidator(new StorableValidator(combo));
            keepStorable(combo);
            keepStorable(combo->lineEdit());
        }
        combo->setMaxVisibleItems(16);
        QObject::connect(combo, &QComboBox::activated, [this](int i) {
            this->list.setListIndex(i);
            sync();
        });
    }

protected:
    void syncOwn() override {
        mirrorItems(
            items_, list.items(), [this] { combo->clear(); }, [this](const QStringList& t) { combo->addItems(t); });
        if (combo->currentIndex() != list.listIndex()) combo->setCurrentIndex(list.listIndex());
    }

private:
    ComboBox& list;
    QComboBox* combo;
    std::vector<std::string> items_;
};

class ListBinding : public Binding {
public:
    ListBinding(FormView& view, ListBox& list, QListWidget* widget)
        : Binding(view, list, widget), list(list), lw(widget) {
        lw->setSelectionMode(QAbstractItemView::SingleSelection);
        // Selection, not the current row: a list that gets the focus moves its
        // current row without the user choosing anything.
        QObject::connect(lw, &QListWidget::itemSelectionChanged, [this] {
            const QList<QListWidgetItem*> chosen = lw->selectedItems();
            const int row = chosen.isEmpty() ? -1 : lw->row(chosen.front());
            if (row >= 0 && row != this->list.listIndex()) this->list.setListIndex(row);
            sync();
        });
        // A double-click anywhere in the list, on an entry or on its empty
        // part, is the list's DblClick.
        new EventHook(lw->viewport(), QEvent::MouseButtonDblClick, [this](QEvent* e) {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() != Qt::LeftButton) return false;
            const int row = lw->row(lw->itemAt(mouse->position().toPoint()));
            if (row >= 0 && row != this->list.listIndex()) this->list.setListIndex(row);
            this->list.dblClick();
            sync();
            return true;
        });
    }

protected:
    void syncOwn() override {
        mirrorItems(
            items_, list.items(), [this] { lw->clear(); }, [this](const QStringList& t) { lw->addItems(t); });
        const int row = list.listIndex();
        if (row < 0) {
            lw->clearSelection();
            lw->setCurrentRow(-1);
        } else if (lw->currentRow() != row || !lw->item(row)->isSelected()) {
            lw->setCurrentRow(row);
        }
    }

private:
    ListBox& list;
    QListWidget* lw;
    std::vector<std::string> items_;
};

class CheckBinding : public Binding {
public:
    CheckBinding(FormView& view, CheckBox& check, QCheckBox* box) : Binding(view, check, box), check(check), box(box) {
        QObject::connect(box, &QCheckBox::clicked, [this] {
            this->check.click();
            sync();  // the model decides the state, also when it refused the click
        });
    }

protected:
    void syncOwn() override {
        box->setText(fromCp1252(check.caption()));
        box->setCheckState(check.value() == CheckBox::Checked  ? Qt::Checked
                           : check.value() == CheckBox::Grayed ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
    }

private:
    CheckBox& check;
    QCheckBox* box;
};

class ButtonBinding : public Binding {
public:
    ButtonBinding(FormView& view, Button& button, QPushButton* push) : Binding(view, button, push), push(push) {
        push->setAutoDefault(false);
        QObject::connect(push, &QPushButton::clicked, [&button] { button.click(); });
    }

protected:
    void syncOwn() override { push->setText(fromCp1252(model.caption())); }

private:
    QPushButton* push;
};

class LabelBinding : public Binding {
public:
    LabelBinding(FormView& view, Label& label, ClickLabel* widget) : Binding(view, label, widget), lbl(widget) {
        lbl->setWordWrap(true);
        lbl->setTextFormat(Qt::PlainText);
        lbl->clicked = [&label] { label.click(); };
    }

protected:
    void syncOwn() override {
        // Captions start at the top. A bordered label keeps its caption two
        // pixels off the side borders only: Qt's own indent, half an 'x' from
        // every aligned edge, would push the one line of a number box, and
        // its link underline, under the bottom border.
        lbl->setAlignment(alignment(model.align()) | Qt::AlignTop);
        lbl->setFrameStyle(model.bordered() ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        lbl->setIndent(0);
        lbl->setContentsMargins(model.bordered() ? QMargins(2, 0, 2, 0) : QMargins());
        const QString caption = fromCp1252(model.caption());
        if (lbl->text() != caption) {
            lbl->setText(caption);
            // Progress captions change while start-up holds the event loop:
            // paint them now.
            if (lbl->isVisible()) lbl->repaint();
        }
    }

private:
    ClickLabel* lbl;
};

class PictureBinding : public Binding {
public:
    PictureBinding(FormView& view, PictureBox& picture, QLabel* widget)
        : Binding(view, picture, widget), pic(picture), lbl(widget) {}

protected:
    void syncOwn() override {
        lbl->setScaledContents(pic.stretch);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (pic.kind() == Kind::Image && pic.picturePath().empty()) {
            if (lbl->pixmap().size() != lbl->size()) {
                const Control* window = &pic;
                while (window->container()) window = window->container();
                lbl->setPixmap(decoration(lbl->size(), window->backColor().has_value()));
            }
        } else if (pic.picturePath() != path_) {
            path_ = pic.picturePath();
            lbl->setPixmap(QPixmap(QFile::decodeName(QByteArray::fromStdString(path_))));
        }
    }

private:
    PictureBox& pic;
    QLabel* lbl;
    std::string path_;
};

class ShapeBinding : public Binding {
public:
    ShapeBinding(FormView& view, Control& shape, QFrame* frame) : Binding(view, shape, frame) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

}  // namespace

// ---- The view ------------------------------------------------------------------

FormView::FormView(Window& window) : model_(window), window_(std::make_unique<QWidget>()) {
    window_->setObjectName(QString::fromStdString(window.fullName()));
    window_->setFont(defaultFont());
    window_->setMouseTracking(true);
    window_->installEventFilter(this);
    auto binding = std::make_unique<WindowBinding>(*this, window, window_.get());
    byWidget_.insert(window_.get(), binding.get());
    std::vector<Binding*> made{binding.get()};
    bindings_.emplace(&window, std::move(binding));
    for (Control* child : window.children()) build(*child, window_.get(), made);
    bind(made);
}

// Observers, the model's state, the tab order and the hand's habits for
// newly built widgets.
void FormView::bind(const std::vector<Binding*>& made) {
    for (Binding* b : made) b->model.setObserver([b] { b->sync(); });
    for (Binding* b : made) b->sync();
    orderTabs();
    // Each new subtree gets the hand's habits from its root.
    for (Binding* b : made) {
        const Control* up = b->model.container();
        Binding* holder = up ? binding(*up) : nullptr;
        if (!holder || std::find(made.begin(), made.end(), holder) == made.end()) addHandHabits(b->widget);
    }
}

void FormView::buildShownPage(const TabControl& tab) {
    std::vector<Binding*> made;
    for (Control* child : tab.children())
        if (child->page() == tab.tab()) buildWaiting(*child, made);
    if (!made.empty()) bind(made);
}

void FormView::buildWaiting(const Control& c, std::vector<Binding*>& made) {
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

// Tab visits the controls of each container in reading order (rows from top
// to bottom, left to right within a row), a container's controls together
// where the container stands; a tab control's row of tabs before its pages.
void FormView::orderTabs() {
    std::vector<QWidget*> chain;
    std::function<void(const Control&)> visit = [&](const Control& container) {
        std::vector<Control*> inside = container.children();
        std::stable_sort(inside.begin(), inside.end(), [](const Control* a, const Control* b) {
            return std::pair(a->geometry().top, a->geometry().left) < std::pair(b->geometry().top, b->geometry().left);
        });
        for (Control* c : inside) {
            Binding* b = binding(*c);
            if (!b) continue;
            QWidget* w = b->widget;
            if (c->kind() == Kind::TabControl)
                chain.push_back(static_cast<TabArea*>(w)->bar);
            else if (w->focusPolicy() & Qt::TabFocus)
                chain.push_back(w);
            visit(*c);
        }
    };
    visit(model_);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

FormView::~FormView() {
    for (auto& [control, b] : bindings_) const_cast<Control*>(control)->setObserver(nullptr);
    window_->removeEventFilter(this);
    window_.reset();
}

QWidget* FormView::window() const { return window_.get(); }

Binding* FormView::binding(const Control& c) const {
    auto it = bindings_.find(&c);
    return it == bindings_.end() ? nullptr : it->second.get();
}

QWidget* FormView::widget(const Control& c) const {
    // Shows no page: builds, from the outside in, each page on the way to it.
    auto* self = const_cast<FormView*>(this);  // a view is never const; its widgets come on demand
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

void FormView::build(Control& c, QWidget* parent, std::vector<Binding*>& made, bool asked) {
    if (!asked && !onShownPage(c)) {
        waiting_.emplace(&c, parent);
        return;
    }
    std::unique_ptr<Binding> b;
    QWidget* watch = nullptr;  // a widget whose own area raises MouseMove
    switch (c.kind()) {
        case Kind::Form:
        case Kind::FileDialog:
            return;  // no widget: the dialogs are the platform's
        case Kind::Frame: {
            auto* box = new FrameBox(parent);
            b = std::make_unique<FrameBinding>(*this, c, box);
            watch = box;
            break;
        }
        case Kind::TabControl: {
            auto* area = new TabArea(parent);
            b = std::make_unique<TabBinding>(*this, static_cast<TabControl&>(c), area);
            watch = area;
            area->bar->setMouseTracking(true);
            area->bar->installEventFilter(this);
            byWidget_.insert(area->bar, b.get());
            break;
        }
        case Kind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            QWidget* w = box.multiLine ? static_cast<QWidget*>(new TextArea(parent)) : new QLineEdit(parent);
            b = std::make_unique<TextBinding>(*this, box, w);
            break;
        }
        case Kind::ComboList:
        case Kind::ComboEdit:
            b = std::make_unique<ComboBinding>(*this, static_cast<ComboBox&>(c), new DropDown(parent));
            break;
        case Kind::ListBox:
            b = std::make_unique<ListBinding>(*this, static_cast<ListBox&>(c), new QListWidget(parent));
            break;
        case Kind::CheckBox:
            b = std::make_unique<CheckBinding>(*this, static_cast<CheckBox&>(c), new QCheckBox(parent));
            break;
        case Kind::Button:
            b = std::make_unique<ButtonBinding>(*this, static_cast<Button&>(c), new QPushButton(parent));
            break;
        case Kind::Label:
            b = std::make_unique<LabelBinding>(*this, static_cast<Label&>(c), new ClickLabel(parent));
            break;
        case Kind::PictureBox:
        case Kind::Image: {
            auto* lbl = new QLabel(parent);
            b = std::make_unique<PictureBinding>(*this, static_cast<PictureBox&>(c), lbl);
            watch = lbl;
            break;
        }
        case Kind::Shape:
            b = std::make_unique<ShapeBinding>(*this, c, new QFrame(parent));
            break;
    }
    QWidget* w = b->widget;
    w->setObjectName(QString::fromStdString(c.fullName()));
    if (watch) {
        watch->setMouseTracking(true);
        watch->installEventFilter(this);
    }
    byWidget_.insert(w, b.get());
    made.push_back(b.get());
    bindings_.emplace(&c, std::move(b));
    addKeyActions(c, w);
    for (Control* child : c.children()) build(*child, w, made);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.get()) {
        if (!onClose) {
            event->ignore();
            return true;
        }
        onClose();
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
