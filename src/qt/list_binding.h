// A list box in Qt: selecting an entry selects it in the model; a
// double-click anywhere in the list, on an entry or on its empty part, is the
// list's DblClick.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindListBox(BindingHost& host, ListBox& list, QWidget* parent);

}  // namespace gs::qt
