// The site finder: its filters, the site description and the links to the
// site's recruitable and summonable units.
#pragma once

#include "model/editor.h"

namespace gs {

void cmdSApplyFilters_Click(Editor& e);
void cboFeature_Click(Editor& e);
// Shows site row `row` (-1: no site) in txtSiteDescription and the link labels.
void ShowSiteDetail(Editor& e, int row);
void lblRecUnit_Click(Editor& e, int i);
void lblSumUnit_Click(Editor& e, int i);

namespace finders {

// The site finder's counterpart of connectUnitFilterBoxes.
void connectSiteFilterBoxes(Editor& e);
// Puts all four lblRecUnit and all three lblSumUnit in the empty state.
void emptySiteLinks(Form1& f);

}  // namespace finders

}  // namespace gs
