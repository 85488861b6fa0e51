#include "qt/text_binding.h"

#include <QLineEdit>
#include <QTextBlock>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "qt/caret_position.h"
#include "qt/cp1252.h"
#include "qt/focus_marks.h"
#include "qt/storable_input.h"
#include "qt/text_area.h"

namespace gs::qt {

namespace {

class TextBinding;
// The fields waiting for the click that set their texts to end.
int heldDepth = 0;
std::vector<TextBinding*> held;

class TextBinding : public Binding {
public:
    TextBinding(BindingHost& host, TextBox& box, QWidget* w)
        : Binding(host, box, w), box(box), line(qobject_cast<QLineEdit*>(w)), plain(dynamic_cast<TextArea*>(w)) {
        keepStorable(w);
        if (line) {
            // One character over the limit reaches the model, which refuses it.
            line->setMaxLength(kMaxLineLength + 1);
            line->setValidator(storableValidator(line));
            QObject::connect(line, &QLineEdit::textEdited, [this] { userEdited(); });
            QObject::connect(line, &QLineEdit::cursorPositionChanged, [this] { userMovedCaret(); });
        } else {
            plain->setVerticalScrollBarPolicy(box.vScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            plain->setTabChangesFocus(true);
            plain->takes = [this](const QString& pasted) { return takesPaste(pasted); };
            plain->shown = [this] {
                if (!waiting_) return;
                const QSignalBlocker block(plain);
                syncText();
            };
            // Every change of the field's text passes here before any signal
            // that reaches the model.
            QObject::connect(plain->document(), &QTextDocument::contentsChange, [this] { storedText_.reset(); });
            QObject::connect(plain, &QPlainTextEdit::textChanged, [this] { userEdited(); });
            QObject::connect(plain, &QPlainTextEdit::cursorPositionChanged, [this] { userMovedCaret(); });
        }
    }

    ~TextBinding() override { std::erase(held, this); }

    // A field out of sight (on a page not shown) takes its text when it is
    // shown: a long text set while it is hidden, by opening a file or a
    // reset, is laid out only where the user sees it.
    void release() {
        waiting_ = !plain->isVisibleTo(plain->window());
        if (waiting_) return;
        const QSignalBlocker block(plain);
        syncText();
    }

protected:
    void syncOwn() override {
        if (line) {
            line->setReadOnly(box.readOnly);
            line->setAlignment(alignment(box.align()) | Qt::AlignVCenter);
            return syncText();
        }
        plain->setReadOnly(box.readOnly);
        if (heldDepth == 0) return release();
        waiting_ = true;
        if (std::find(held.begin(), held.end(), this) == held.end()) held.push_back(this);
    }

private:
    void syncText() {
        waiting_ = false;
        // The model took the text the user's edit pushed: the field shows it
        // already (a storable text converts back to the same characters).
        if (pushed_ && box.text() == *pushed_) return;
        const QString want = box.multiLine ? fromCp1252Lines(box.text()) : fromCp1252(box.text());
        const bool textChanged = shown() != want;
        if (textChanged) line ? line->setText(want) : plain->replace(want);
        // A caret set from code moves the field's; what the user selected
        // stays while the model only follows it.
        if (textChanged || (!pushed_ && box.selStart() != caret())) {
            const int pos = box.multiLine ? shownPosition(box.text(), box.selStart()) : box.selStart();
            line ? line->setCursorPosition(pos) : plain->placeCaret(pos);
        }
    }

    QString shown() const { return line ? line->text() : plain->text(); }
    // What the field holds as the model stores it. A multi-line field keeps it
    // until its text changes: one keystroke asks for it twice (its edit and
    // its caret), and Step 4's text may be megabytes long.
    std::string stored() const {
        if (line) return toCp1252(shown());
        if (!storedText_) storedText_ = toCp1252Lines(plain->rawText());
        return *storedText_;
    }
    // The field's caret as the model counts it: the start of the selection,
    // in bytes of the stored text (`text`, what the field holds).
    int caret(const std::string& text) const {
        const int pos = line ? (line->hasSelectedText() ? line->selectionStart() : line->cursorPosition())
                             : plain->caretPosition();
        return box.multiLine ? bytePosition(text, pos) : pos;
    }
    int caret() const { return caret(stored()); }

    // The user's edit reaches the model as its Change, with the caret after it.
    void userEdited() {
        const std::string text = stored();
        const int pos = caret(text);
        push(text, [&] {
            box.edit(text);
            if (box.text() == text) box.setSelStart(pos);
        });
    }
    // A paste that may bring a line over the limit, or lines or bytes over theirs,
    // goes to the model without being laid out in the field first; the model
    // refuses it or takes it.
    bool takesPaste(const QString& pasted) {
        const std::string bytes = toCp1252Lines(pasted);
        const QTextCursor c = plain->textCursor();
        const QTextDocument* doc = plain->document();
        // At most this many lines stay beside the pasted ones.
        const int kept = doc->blockCount() - (doc->findBlock(c.selectionEnd()).blockNumber() -
                                              doc->findBlock(c.selectionStart()).blockNumber());
        const LineStats lines = lineStats(bytes);
        if (lines.longest <= kMaxLineLength && static_cast<std::size_t>(kept) + lines.count <= kMaxLines &&
            box.text().size() + bytes.size() <= box.maxBytes)
            return true;
        // The model holds what the field shows: the paste goes in its place there.
        const std::string& now = box.text();
        const std::size_t from = bytePosition(now, c.selectionStart()), to = bytePosition(now, c.selectionEnd());
        box.edit(now.substr(0, from) + bytes + now.substr(to));
        return false;
    }
    void userMovedCaret() {
        const std::string text = stored();
        if (text != box.text()) return;  // the edit itself follows
        push(text, [&] { box.setSelStart(caret(text)); });
    }
    // While the user's own state goes to the model, the field keeps its
    // caret and selection; `text` is what the field holds meanwhile.
    template <class F>
    void push(const std::string& text, F f) {
        const std::string* outer = std::exchange(pushed_, &text);
        f();
        pushed_ = outer;
    }

    TextBox& box;
    QLineEdit* line;
    TextArea* plain;
    mutable std::optional<std::string> storedText_;  // stored(), until the field's text changes
    const std::string* pushed_ = nullptr;  // the field's text while the user's state goes to the model
    bool waiting_ = false;  // the field waits to be shown for the model's text
};

}  // namespace

HeldTexts::HeldTexts() { ++heldDepth; }

HeldTexts::~HeldTexts() {
    if (--heldDepth > 0) return;
    const std::vector<TextBinding*> waiting = std::exchange(held, {});
    for (TextBinding* t : waiting) t->release();
}

std::unique_ptr<Binding> bindTextBox(BindingHost& host, TextBox& box, QWidget* parent) {
    QWidget* field = box.multiLine ? static_cast<QWidget*>(new TextArea(parent)) : new QLineEdit(parent);
    markFocus(field);
    return std::make_unique<TextBinding>(host, box, field);
}

}  // namespace gs::qt
