#include "qt/frame_binding.h"

#include <QGroupBox>
#include <QPainter>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

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
