// The order in which Tab visits a window's controls: reading order. Inside
// each frame, bands of controls from top to bottom; a band made of blocks
// side by side (a tall control beside rows, groups of columns) is read block
// by block from left to right; within a block, rows from top to bottom and
// left to right in each row. A frame is read whole where it stands, and a tab
// control's row of tabs comes before its shown page. A page's frame without
// caption is only the page's ground, and what floats over a tab control is
// read with its shown page, where it lies on it.
#pragma once

#include <vector>

#include "window/controls.h"

namespace gs {

// The controls that take the keyboard, in Tab order, on the pages shown
// now; a tab control stands for its row of tabs. Hidden controls come after
// the shown ones of their container.
std::vector<Control*> readingOrder(const Control& window);

}  // namespace gs
