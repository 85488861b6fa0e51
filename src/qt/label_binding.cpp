#include "qt/label_binding.h"

#include <QLabel>
#include <QMouseEvent>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
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

}  // namespace

std::unique_ptr<Binding> bindLabel(BindingHost& host, Label& label, QWidget* parent) {
    return std::make_unique<LabelBinding>(host, label, new ClickLabel(parent));
}

}  // namespace gs::qt
