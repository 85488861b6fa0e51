// The Unit Finder, the unit detail view, the site finder and detail, the site
// lists and the pop-type view.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control. The filter check
// boxes that have a combo (chkUGod ... chkUHero, chkSTerrain ... chkSStruct)
// get a Click handler that enables the combo while the box is ticked.
void connectFinders(Editor& e);

// Unit Finder: rebuilds cboUnitFound and UnitIndex from the ticked filters;
// no entry is selected afterwards.
void cmdUApplyFilters_Click(Editor& e);

// Unit detail view.
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

// Site finder and detail.
void cmdSApplyFilters_Click(Editor& e);
void cboFeature_Click(Editor& e);
// Shows site row `row` (-1: no site) in txtSiteDescription and the link labels.
void ShowSiteDetail(Editor& e, int row);
void lblRecUnit_Click(Editor& e, int i);
void lblSumUnit_Click(Editor& e, int i);

// Site lists (the four pages of SSTab3).
void cmdAddFeature_Click(Editor& e, int i);
void lstFeatureList_Click(Editor& e, int i);
void lstFeatureList_DblClick(Editor& e, int i);
void SSTab3_Click(Editor& e, int previousTab);
// A site list holds at most this many entries; a further add does nothing.
inline constexpr int kSiteListCapacity = 566;

// Pop-type view.
void cboPopType_Click(Editor& e);
void lblPTUnit_Click(Editor& e, int i);
void lblPTCmdr_Click(Editor& e, int i);

}  // namespace gs
