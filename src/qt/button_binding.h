// A command button in Qt: a press is the button's Click.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindButton(BindingHost& host, Button& button, QWidget* parent);

}  // namespace gs::qt
