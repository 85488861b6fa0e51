// The commander-block builders of "Step 3", the province-name list, the item
// filter, the unit look-ups, pulls and list removal.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control.
void connectCompose(Editor& e);

// Rebuilds cboItem and ItemIndex from the item filter.
void ApplyItemFilter(Editor& e);

// "Add to List" of each builder and of the province names.
void cmdAddToCommanderList_Click(Editor& e);
void cmdAddToCommanderNameList_Click(Editor& e);
void cmdAddToItemList_Click(Editor& e);
void cmdAddToMagicList_Click(Editor& e);
void cmdAddToDominionList_Click(Editor& e);
void cmdAddToScalesList_Click(Editor& e);
void cmdAddToBodyGuardList_Click(Editor& e);
void cmdAddToUnitList_Click(Editor& e);
void cmdAddToNameList_Click(Editor& e);

// "Submit -->" of each builder: appends its lines to the garrison block.
void cmdAddCommander_Click(Editor& e);
void cmdAddCommanderName_Click(Editor& e);
void cmdAddItem_Click(Editor& e);
void cmdAddMagic_Click(Editor& e);
void cmdAddDominion_Click(Editor& e);
void cmdAddScales_Click(Editor& e);
void cmdAddBodyGuards_Click(Editor& e);
void cmdAddUnits_Click(Editor& e);

void txtGarrison_Change(Editor& e);
void cmdClearGarrison_Click(Editor& e);
void chkPretender_Click(Editor& e);
void cboCommanderNameDataList_Click(Editor& e);
void chkClearMagic_Click(Editor& e);
void cboQuillmapItem_Click(Editor& e);

// Unit numbers typed or pulled: the label beside the box shows the unit's name.
void txtCommanderID_Change(Editor& e);
void txtBodyGuardID_Change(Editor& e);
void txtUnitID_Change(Editor& e);
void cmdPullCommander_Click(Editor& e);
void cmdPullBodyGuards_Click(Editor& e);
void cmdPullUnits_Click(Editor& e);

// Double-click removal of the selected entry.
void lstNameList_DblClick(Editor& e);
void lstCommanderList_DblClick(Editor& e);
void lstCommanderNameList_DblClick(Editor& e);
void lstItemList_DblClick(Editor& e);
void lstMagicList_DblClick(Editor& e);
void lstDominionList_DblClick(Editor& e);
void lstScalesList_DblClick(Editor& e);
void lstBodyGuardList_DblClick(Editor& e);
void lstUnitList_DblClick(Editor& e);

}  // namespace gs
