// The unit detail view: the picked unit's description, number, sprite and
// reference link; and the RPS panel of "Step 3".
#pragma once

#include "model/editor.h"

namespace gs {

void cboUnitFound_Click(Editor& e);
// Shows table row `row` (-1: no unit) in txtUnitDescription and lblUnitNumber.
void ShowUnitDetail(Editor& e, int row);
// Loads the shown unit's sprite from RKsprites and places it.
void lblUnitNumber_Change(Editor& e);
void lblUnitNumber_Click(Editor& e);
// Places picUnit in shpUnit: bottom edges meet; a picture a quarter, half or
// the whole width of the frame is centred (or flush); any other width keeps
// the current left position.
void placeUnitPicture(Editor& e);
// Shows the RPS panel only on the first page of SSTab2.
void SSTab2_Click(Editor& e, int previousTab);

}  // namespace gs
