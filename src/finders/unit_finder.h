// The Unit Finder: sixteen filters over the unit table.
#pragma once

#include "model/editor.h"

namespace gs {

// Rebuilds cboUnitFound and UnitIndex from the ticked filters; no entry is
// selected afterwards.
void cmdUApplyFilters_Click(Editor& e);

namespace finders {

// Gives each filter check box of the Unit Finder that has a combo its Click
// handler: the combo is enabled while the box is ticked.
void connectUnitFilterBoxes(Editor& e);

}  // namespace finders

}  // namespace gs
