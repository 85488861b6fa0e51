// A multi-line text field that takes a long text set from code in parts: the
// first part at once, each further one from the event loop, so that the
// window answers and paints while Step 4 takes in 50,000 lines. Input the
// field gets (a key, a click, a drop, its menu) first takes in the rest: the
// user always edits, selects and copies the whole text.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QTimer>
#include <functional>

namespace gs::qt {

class TextArea : public QPlainTextEdit {
public:
    // How many lines a part holds: about 5 ms of the toolkit's work on a
    // slow machine.
    static constexpr int kPartLines = 2000;

    explicit TextArea(QWidget* parent);
    ~TextArea() override;
    TextArea(const TextArea&) = delete;
    TextArea& operator=(const TextArea&) = delete;

    // Pasted and dropped text (storable, "\n" line ends) is offered here
    // first: text it does not take is not inserted.
    std::function<bool(const QString&)> takes;
    // Runs each time the field is shown.
    std::function<void()> shown;

    // Puts `text` ("\n" line ends) in the field's place, from code. Only the
    // part that differs is replaced: what stays keeps its layout. It is no
    // step of the field's own undo history, which starts afresh with it.
    void replace(const QString& text);
    // Puts the caret at `pos` of the field's text (as it is once filled).
    void placeCaret(int pos);

    // The field's text as it is once filled, with "\n" line ends, and as the
    // document holds it (its blocks end in a paragraph separator).
    QString text() const;
    QString rawText() const;
    // Where the caret is in the field's text (as it is once filled).
    int caretPosition() const;

    bool filling() const { return next_ < end_; }
    // Takes in the rest now.
    void finish();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Where `lines` lines of the text from `from` on end (at most end_).
    qsizetype partEnd(qsizetype from, int lines) const;
    // Inserts the text from next_ up to `stop`; the next part follows from
    // the event loop, or the filling ends.
    void insertUpTo(qsizetype stop);
    void fillNext();

    QTimer timer_;
    // While filling: the whole text; the document holds target_[0, next_)
    // and target_[end_, size), the part between is still to come.
    QString target_;
    qsizetype next_ = 0, end_ = 0;
    bool counted_ = false;  // among the fields anyTextFilling() counts
};

// Whether any multi-line field is still filling.
bool anyTextFilling();

}  // namespace gs::qt
