#include "qt/text_binding.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <algorithm>
#include <functional>

#include "qt/caret_position.h"
#include "qt/cp1252.h"
#include "qt/focus_marks.h"
#include "qt/storable_input.h"

namespace gs::qt {

namespace {

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

class TextBinding : public Binding {
public:
    TextBinding(BindingHost& host, TextBox& box, QWidget* w)
        : Binding(host, box, w), box(box), line(qobject_cast<QLineEdit*>(w)), plain(qobject_cast<QPlainTextEdit*>(w)) {
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

}  // namespace

std::unique_ptr<Binding> bindTextBox(BindingHost& host, TextBox& box, QWidget* parent) {
    QWidget* field = box.multiLine ? static_cast<QWidget*>(new TextArea(parent)) : new QLineEdit(parent);
    markFocus(field);
    return std::make_unique<TextBinding>(host, box, field);
}

}  // namespace gs::qt
