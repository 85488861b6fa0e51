// The Unit Finder, the unit detail view, the site finder and detail, the site
// lists and the pop-type view.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control.
void connectFinders(Editor& e);

}  // namespace gs
