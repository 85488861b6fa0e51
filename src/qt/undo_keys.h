// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo. In a text box they act on the
// box's own typing; anywhere else in the window on the work: the last action
// that threw work away or reshaped it.
#pragma once

#include "app/app.h"

class QWidget;

namespace gs::qt {

void addUndoKeys(QWidget* window, App& app);

}  // namespace gs::qt
