// A tab control in Qt: its tab row turns the model's pages; a page's
// controls get their widgets when the page is first shown.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

// Its widget is a TabArea (tab_area.h).
std::unique_ptr<Binding> bindTabControl(BindingHost& host, TabControl& tab, QWidget* parent);

}  // namespace gs::qt
