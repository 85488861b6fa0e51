#include "qt/frame_binding.h"

#include <QGroupBox>
#include <QPainter>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

// The one-pixel outline QPainter::drawRect draws with a one-pixel pen (its
// right and bottom lines one past the rectangle's), filled as four strips:
// a stroke would make a span for each row of a tall frame.
void outline(QPainter& p, const QRect& r, const QColor& colour) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p.fillRect(x, y, w + 1, 1, colour);
    p.fillRect(x, y + h, w + 1, 1, colour);
    p.fillRect(x, y + 1, 1, h - 1, colour);
    p.fillRect(x + w, y + 1, 1, h - 1, colour);
}

// A frame hides the controls under it, as the help frame over the unit
// finder must; one that lies over none leaves its container's ground as it is.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (liesOverAControl()) p.fillRect(rect(), palette().color(QPalette::Window));
        const QFontMetrics fm = fontMetrics();
        const int top = title().isEmpty() ? 0 : fm.height() / 2;
        const QRect r = rect().adjusted(0, top, -2, -2);
        outline(p, r, palette().color(QPalette::Mid));
        outline(p, r.translated(1, 1), palette().color(QPalette::Light));
        if (title().isEmpty()) return;
        const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }

private:
    // The controls before this frame among its container's children lie
    // under it; the container's own parts (a tab control's pane), which
    // carry no control's name, are ground.
    bool liesOverAControl() const {
        for (const QObject* o : parentWidget()->children()) {
            if (o == this) return false;
            const auto* w = qobject_cast<const QWidget*>(o);
            if (w && !w->objectName().isEmpty() && w->isVisible() && w->geometry().intersects(geometry()))
                return true;
        }
        return false;
    }
};

class FrameBinding : public Binding {
public:
    FrameBinding(BindingHost& host, Control& c, QGroupBox* box) : Binding(host, c, box), box(box) {}

protected:
    void syncOwn() override { box->setTitle(fromCp1252(model.caption())); }

private:
    QGroupBox* box;
};

}  // namespace

std::unique_ptr<Binding> bindFrame(BindingHost& host, Control& frame, QWidget* parent) {
    return std::make_unique<FrameBinding>(host, frame, new FrameBox(parent));
}

}  // namespace gs::qt
