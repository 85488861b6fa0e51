// A shape in Qt: a plain rectangle that the mouse passes through.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindShape(BindingHost& host, Control& shape, QWidget* parent);

}  // namespace gs::qt
