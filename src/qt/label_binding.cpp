#include "qt/label_binding.h"

#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>

#include "qt/cp1252.h"
#include "window/forms.h"

namespace gs::qt {

std::chrono::steady_clock::time_point (*progressClock)() = std::chrono::steady_clock::now;

namespace {

// A screen shows a new picture about every 16 ms.
constexpr std::chrono::milliseconds kFrame(16);

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;
    std::function<void()> shown;

protected:
    void showEvent(QShowEvent* e) override {
        QLabel::showEvent(e);
        if (shown) shown();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
    }
};

class LabelBinding : public Binding {
public:
    LabelBinding(BindingHost& host, Label& label, ClickLabel* widget) : Binding(host, label, widget), lbl(widget) {
        lbl->setWordWrap(true);
        lbl->setTextFormat(Qt::PlainText);
        lbl->clicked = [&label] { label.click(); };
        // The splash's first showing paints the caption it opens with, as a
        // caption painted at once would be.
        if (onSplash)
            lbl->shown = [this] {
                if (progressPainted_ == std::chrono::steady_clock::time_point()) progressPainted_ = progressClock();
            };
    }

protected:
    void syncOwn() override {
        // Captions start at the top. A bordered label (a number box) holds
        // one line between its borders, two pixels off the side it is
        // aligned to: Qt's own indent, half an 'x', would push the line, and
        // a link's underline, under the bottom border. (The frame lies in the
        // contents margins; margins of our own would push its lines out.)
        const bool bordered = model.bordered();
        lbl->setFrameStyle(bordered ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        lbl->setAlignment(alignment(model.align()) | (bordered ? Qt::AlignVCenter : Qt::AlignTop));
        lbl->setIndent(bordered ? 2 : 0);
        const QString caption = fromCp1252(model.caption());
        if (lbl->text() != caption) {
            lbl->setText(caption);
            // The splash's progress captions change while start-up or a reset
            // holds the event loop: each is painted now, unless the last one
            // painted so is less than a frame old (no eye would see this one;
            // it shows with the next caption painted, or when the loop runs).
            // Timed from those paints and from the splash's first showing,
            // whose "Initializing..." would otherwise cost a paint of its own
            // a moment after the window's (a million instructions of the
            // start). Not from a later showing: the splash shown again for a
            // reset first paints the last run's caption, which its first new
            // one replaces at once. Any other caption is
            // painted with the rest of the window when the action is over;
            // painting each at once made a page's first showing paint label
            // by label.
            if (onSplash && lbl->isVisible() && progressClock() - progressPainted_ >= kFrame) {
                lbl->repaint();
                progressPainted_ = progressClock();
            }
        }
    }

private:
    ClickLabel* lbl;
    std::chrono::steady_clock::time_point progressPainted_;
    const bool onSplash = [this] {
        const Control* top = &model;
        while (top->container()) top = top->container();
        return dynamic_cast<const Form2*>(top) != nullptr;
    }();
};

}  // namespace

std::unique_ptr<Binding> bindLabel(BindingHost& host, Label& label, QWidget* parent) {
    return std::make_unique<LabelBinding>(host, label, new ClickLabel(parent));
}

}  // namespace gs::qt
