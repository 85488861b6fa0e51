// The five data tables and Quillmap's name-list index, read into the editor.
#pragma once


#include "model/load.h"

namespace gs {

// NationData.txt into Nations (cboNation is filled later by UpdateEraCode).
LoadStatus loadNations(Editor& e);
// QuillmapFolder + "\LIST_CRATE\NameList.txt" into cboNameDataList, after
// its first entry "Let Velm name the province."; enabled, entry 0 selected.
LoadStatus loadNameList(Editor& e);
// PopData.txt into PopTypes and cboPopType ("None" first), entry 0 selected.
LoadStatus loadPopTypes(Editor& e);
// SiteData.txt into Sites, SiteIndex and cboFeature ("None" first), entry 0 selected.
LoadStatus loadSites(Editor& e);
// ItemData.txt into Items, ItemIndex and cboItem ("No Item" first), entry 0 selected.
LoadStatus loadItems(Editor& e);
// UnitData.txt into Units, UnitIndex and cboUnitFound ("None" first), entry 0 selected.
LoadStatus loadUnits(Editor& e);

}  // namespace gs
