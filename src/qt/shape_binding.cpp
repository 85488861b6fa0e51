#include "qt/shape_binding.h"

#include <QFrame>

namespace gs::qt {

std::unique_ptr<Binding> bindShape(BindingHost& host, Control& shape, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return std::make_unique<Binding>(host, shape, frame);
}

}  // namespace gs::qt
