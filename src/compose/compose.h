// The commander-block builders of "Step 3", the province-name list, the item
// filter, the unit look-ups, pulls and list removal.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control.
void connectCompose(Editor& e);

// Rebuilds cboItem and ItemIndex from the item filter.
void ApplyItemFilter(Editor& e);

}  // namespace gs
