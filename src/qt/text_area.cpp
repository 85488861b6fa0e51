#include "qt/text_area.h"

#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

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

// Of those, the ones that put the caret where the pointer is.
bool placesCaret(const QEvent* e) {
    return e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick ||
           e->type() == QEvent::DragEnter || e->type() == QEvent::Drop;
}

}  // namespace

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { fillNext(); });
}

TextArea::~TextArea() {
    if (filling()) --fillingAreas;
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
    const bool wasFilling = filling();
    timer_.stop();
    target_ = text;
    next_ = head;
    end_ = text.size() - tail;
    caret_ = -1;
    doc->setUndoRedoEnabled(false);  // also empties the history
    QTextCursor part(doc);
    part.setPosition(int(head));
    part.setPosition(int(now.size() - tail), QTextCursor::KeepAnchor);
    part.removeSelectedText();
    doc->setUndoRedoEnabled(true);
    insertPart(kPartLines);
    fillingAreas += int(filling()) - int(wasFilling);
    if (filling())
        timer_.start();
    else
        filled();
}

void TextArea::insertPart(int lines) {
    qsizetype stop = lines < 0 ? end_ : next_;
    for (int n = 0; n < lines && stop < end_; ++n) {
        const qsizetype lineEnd = target_.indexOf(u'\n', stop);
        stop = lineEnd < 0 || lineEnd >= end_ ? end_ : lineEnd + 1;
    }
    // Straight in through a cursor: about a quarter faster than
    // setPlainText, which formats the whole text once more after taking it in.
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.setPosition(int(next_));
    c.insertText(target_.sliced(next_, stop - next_));
    doc->setUndoRedoEnabled(true);
    next_ = stop;
}

void TextArea::fillNext() {
    const QSignalBlocker block(this);
    insertPart(kPartLines);
    if (filling()) return timer_.start();
    --fillingAreas;
    filled();
}

void TextArea::finish() {
    if (!filling()) return;
    timer_.stop();
    const QSignalBlocker block(this);
    insertPart(-1);
    --fillingAreas;
    filled();
}

void TextArea::filled() {
    target_.clear();
    next_ = end_ = 0;
    if (caret_ >= 0) placeCaret(std::exchange(caret_, -1));
}

void TextArea::placeCaret(int pos) {
    // A caret at or after the part still to come would move as it comes in.
    if (filling() && pos >= next_) {
        caret_ = pos;
        return;
    }
    caret_ = -1;
    QTextCursor c = textCursor();
    c.setPosition(std::min<int>(pos, document()->characterCount() - 1));
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

int TextArea::caretPosition() const { return caret_ >= 0 ? caret_ : textCursor().selectionStart(); }

bool TextArea::event(QEvent* e) {
    if (asksForWholeText(e)) finish();
    return QPlainTextEdit::event(e);
}

bool TextArea::viewportEvent(QEvent* e) {
    // A caret still waiting for its part would move the lines in sight
    // (to show it) under the pointer: the pointer's place counts.
    if (placesCaret(e)) caret_ = -1;
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
