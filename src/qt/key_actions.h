// Keyboard use that the window's controls offer beyond their mouse gestures:
// the Delete key in a list box removes the selected entry exactly as a
// double-click does (the list's DblClick), an editable drop-down finds its
// entries by typing (entry_search.h), and Ctrl+Y redoes in every text field.
#pragma once

#include "window/controls.h"

class QWidget;

namespace gs::qt {

// Called once for each control's new widget.
void addKeyActions(Control& c, QWidget* widget);

}  // namespace gs::qt
