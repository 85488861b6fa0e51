// A text box in Qt: a single-line field, or a multi-line one whose Tab key
// moves on to the next control. What the user types reaches the model as its
// Change with the caret after it; a caret set from code moves the field's.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindTextBox(BindingHost& host, TextBox& box, QWidget* parent);

}  // namespace gs::qt
