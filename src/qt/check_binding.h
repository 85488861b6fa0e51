// A check box in Qt: a click is the model's, which decides the state shown,
// also when it refuses the click.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindCheckBox(BindingHost& host, CheckBox& check, QWidget* parent);

}  // namespace gs::qt
