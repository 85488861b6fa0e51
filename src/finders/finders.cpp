#include "finders/finders.h"

#include "finders/pop_types.h"
#include "finders/site_finder.h"
#include "finders/site_lists.h"
#include "finders/unit_detail.h"
#include "finders/unit_finder.h"

namespace gs {

void connectFinders(Editor& e) {
    Form1& f = e.f;
    finders::connectUnitFilterBoxes(e);
    finders::connectSiteFilterBoxes(e);

    f.cmdUApplyFilters.Click = [&e] { cmdUApplyFilters_Click(e); };
    f.cboUnitFound.Click = [&e] { cboUnitFound_Click(e); };
    f.lblUnitNumber.Change = [&e] { lblUnitNumber_Change(e); };
    f.lblUnitNumber.Click = [&e] { lblUnitNumber_Click(e); };
    f.SSTab2.Click = [&e](int previous) { SSTab2_Click(e, previous); };

    f.cmdSApplyFilters.Click = [&e] { cmdSApplyFilters_Click(e); };
    f.cboFeature.Click = [&e] { cboFeature_Click(e); };
    for (int i = 0; i < static_cast<int>(f.lblRecUnit.size()); ++i)
        f.lblRecUnit[i].Click = [&e, i] { lblRecUnit_Click(e, i); };
    for (int i = 0; i < static_cast<int>(f.lblSumUnit.size()); ++i)
        f.lblSumUnit[i].Click = [&e, i] { lblSumUnit_Click(e, i); };

    for (int i = 0; i < 4; ++i) {
        f.cmdAddFeature[i].Click = [&e, i] { cmdAddFeature_Click(e, i); };
        f.lstFeatureList[i].Click = [&e, i] { lstFeatureList_Click(e, i); };
        f.lstFeatureList[i].DblClick = [&e, i] { lstFeatureList_DblClick(e, i); };
        f.lblPTUnit[i].Click = [&e, i] { lblPTUnit_Click(e, i); };
        f.lblPTCmdr[i].Click = [&e, i] { lblPTCmdr_Click(e, i); };
    }
    f.SSTab3.Click = [&e](int previous) { SSTab3_Click(e, previous); };
    f.cboPopType.Click = [&e] { cboPopType_Click(e); };
}

}  // namespace gs
