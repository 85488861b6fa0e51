#include "qt/text_area.h"

#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

int fillingAreas = 0;

// Each CR LF, CR or LF ends a line, as the field itself takes them: one "\n".
QString withLineFeeds(QString text) {
    if (!text.contains(u'\r')) return text;
    QChar* const start = text.data();
    QChar* to = start;
    for (const QChar *from = start, *end = start + text.size(); from != end; ++from) {
        const QChar c = *from;  // `to` may stand on it
        *to++ = c == u'\r' ? u'\n' : c;
        if (c == u'\r' && from + 1 != end && from[1] == u'\n') ++from;
    }
    text.truncate(to - start);
    return text;
}

// What the user does with the field itself, which must meet the whole text.
bool asksForWholeText(const QEvent* e) {
    switch (e->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

}  // namespace

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { fillNext(); });
}

TextArea::~TextArea() {
    if (counted_) --fillingAreas;
}

void TextArea::replace(const QString& text) {
    QTextDocument* doc = document();
    const QString now = doc->toRawText();  // blocks end in a paragraph separator
    const auto same = [](QChar shown, QChar wanted) {
        return shown == wanted || (shown == QChar::ParagraphSeparator && wanted == u'\n');
    };
    const qsizetype most = std::min(now.size(), text.size());
    qsizetype head = 0, tail = 0;
    while (head < most && same(now[head], text[head])) ++head;
    while (tail < most - head && same(now[now.size() - 1 - tail], text[text.size() - 1 - tail])) ++tail;

    // What is in stays; a filling that had not ended goes on from it.
    target_ = text;
    next_ = head;
    end_ = text.size() - tail;
    doc->setUndoRedoEnabled(false);  // also empties the history
    QTextCursor part(doc);
    part.setPosition(int(head));
    part.setPosition(int(now.size() - tail), QTextCursor::KeepAnchor);
    part.removeSelectedText();
    doc->setUndoRedoEnabled(true);
    insertUpTo(partEnd(next_, kPartLines));
}

qsizetype TextArea::partEnd(qsizetype from, int lines) const {
    qsizetype stop = from;
    for (int n = 0; n < lines && stop < end_; ++n) {
        const qsizetype lineEnd = target_.indexOf(u'\n', stop);
        stop = lineEnd < 0 || lineEnd >= end_ ? end_ : lineEnd + 1;
    }
    return stop;
}

void TextArea::insertUpTo(qsizetype stop) {
    // Straight in through a cursor: about a quarter faster than
    // setPlainText, which formats the whole text once more after taking it in.
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.setPosition(int(next_));
    c.insertText(target_.sliced(next_, stop - next_));
    doc->setUndoRedoEnabled(true);
    next_ = stop;
    if (filling() != counted_) fillingAreas += (counted_ = filling()) ? 1 : -1;
    if (filling()) return timer_.start();
    timer_.stop();
    target_.clear();
    next_ = end_ = 0;
}

void TextArea::fillNext() {
    const QSignalBlocker block(this);
    insertUpTo(partEnd(next_, kPartLines));
}

void TextArea::finish() {
    if (!filling()) return;
    const QSignalBlocker block(this);
    insertUpTo(end_);
}

void TextArea::placeCaret(int pos) {
    // The caret's own lines come in first, so that the field shows them as
    // it would have shown the whole text. A caret after the part still to
    // come stands where it will be pushed to as that part comes in.
    if (filling() && pos >= next_ && pos < end_) insertUpTo(partEnd(pos, kPartLines));
    const int shift = filling() && pos >= end_ ? int(end_ - next_) : 0;
    QTextCursor c = textCursor();
    c.setPosition(std::min<int>(pos - shift, document()->characterCount() - 1));
    setTextCursor(c);
}

QString TextArea::text() const {
    if (filling()) return target_;
    // Not toPlainText(), which also turns each no-break space into a plain one.
    QString text = document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
    return text;
}

QString TextArea::rawText() const { return filling() ? target_ : document()->toRawText(); }

int TextArea::caretPosition() const {
    const int at = textCursor().selectionStart();
    return filling() && at >= next_ ? at + int(end_ - next_) : at;
}

bool TextArea::event(QEvent* e) {
    if (asksForWholeText(e)) finish();
    return QPlainTextEdit::event(e);
}

bool TextArea::viewportEvent(QEvent* e) {
    if (asksForWholeText(e)) finish();
    return QPlainTextEdit::viewportEvent(e);
}

void TextArea::showEvent(QShowEvent* e) {
    QPlainTextEdit::showEvent(e);
    if (shown) shown();
}

void TextArea::insertFromMimeData(const QMimeData* source) {
    finish();
    const QString lines = withLineFeeds(storable(source->text()));
    if (takes && !takes(lines)) return;
    // Straight in at the caret: the toolkit's own way builds the text twice,
    // once as a fragment and once in the field.
    QTextCursor c = textCursor();
    c.insertText(lines);
    setTextCursor(c);
    ensureCursorVisible();
}

bool anyTextFilling() { return fillingAreas > 0; }

}  // namespace gs::qt
