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
    // Puts the caret at `pos` of the field's text; while the field fills,
    // it goes there once the rest is in.
    void placeCaret(int pos);

    // The field's text as it is once filled, with "\n" line ends, and as the
    // document holds it (its blocks end in a paragraph separator).
    QString text() const;
    QString rawText() const;
    // Where the caret is, or goes once the field is filled.
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
    // Inserts the text from `next_` on: `lines` lines of it, or all if negative.
    void insertPart(int lines);
    void fillNext();
    // Ends the filling once the last part is in.
    void filled();

    QTimer timer_;
    // While filling: the whole text; the document holds target_[0, next_)
    // and target_[end_, size), the part between is still to come.
    QString target_;
    qsizetype next_ = 0, end_ = 0;
    int caret_ = -1;  // where the caret goes once filled
};

// Whether any multi-line field is still filling.
bool anyTextFilling();

}  // namespace gs::qt
