// A frame in Qt: an etched rectangle whose caption sits on its top line;
// without a caption it is a plain rectangle.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindFrame(BindingHost& host, Control& frame, QWidget* parent);

}  // namespace gs::qt
