// A drop-down list in Qt, editable or not: choosing an entry selects it in
// the model, whose Click runs as for a user's choice.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindComboBox(BindingHost& host, ComboBox& list, QWidget* parent);

}  // namespace gs::qt
