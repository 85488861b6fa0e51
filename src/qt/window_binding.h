// A window in Qt: its size, title and keyboard focus follow the model; it
// opens centred on the screen the first time it is shown.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindWindow(BindingHost& host, Window& window, QWidget* widget);

}  // namespace gs::qt
