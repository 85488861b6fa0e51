// The Unit Finder, the unit detail view, the site finder and detail, the site
// lists and the pop-type view, wired to their controls (each has a header of
// its own: unit_finder.h, unit_detail.h, site_finder.h, site_lists.h,
// pop_types.h).
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control. The filter check
// boxes that have a combo (chkUGod ... chkUHero, chkSTerrain ... chkSStruct)
// get a Click handler that enables the combo while the box is ticked.
void connectFinders(Editor& e);

}  // namespace gs
