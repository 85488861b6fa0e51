// The Unit Finder, the unit detail view, the site finder and detail, the site
// lists and the pop-type view.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control.
void connectFinders(Editor& e);

// Places picUnit in the frame shape shpUnit by the sprite's width: bottom
// edges meet; a full, half or quarter width picks the left edge.
void placeUnitPicture(Editor& e);

}  // namespace gs
