// The four site lists of "Step 2" (pages of SSTab3). SiteListNumbers(i) holds
// the site number behind each entry of lstFeatureList(i), position for
// position.
#include "finders/site_lists.h"

#include "finders/common.h"
#include "finders/site_finder.h"

namespace gs {

void cmdAddFeature_Click(Editor& e, int i) {
    ListBox& list = e.f.lstFeatureList.at(i);
    const int c = list.listCount();
    const int k = e.f.cboFeature.listIndex();
    const i16 n = (k >= 0 && k < kSiteRows) ? e.SiteIndex[k] : i16{-1};
    const int row = finders::lastSiteRow(e, n);
    if (!list.take(row >= 0 ? siteEntry(e.Sites[row]) : "--no site")) return;
    // Position c belongs to the new entry, whatever emptied the list before.
    auto& numbers = e.SiteListNumbers[i];
    numbers.resize(c);
    numbers.push_back(n);
}

void lstFeatureList_Click(Editor& e, int i) {
    const int sel = e.f.lstFeatureList.at(i).listIndex();
    if (sel < 0) {
        ShowSiteDetail(e, -1);
        return;
    }
    const auto& numbers = e.SiteListNumbers[i];
    const int n = sel < static_cast<int>(numbers.size()) ? numbers[sel] : -1;
    ShowSiteDetail(e, finders::lastSiteRow(e, n));
}

void lstFeatureList_DblClick(Editor& e, int i) {
    ListBox& list = e.f.lstFeatureList.at(i);
    const int sel = list.listIndex();
    if (sel < 0) return;
    list.removeItem(sel);
    auto& numbers = e.SiteListNumbers[i];
    if (sel < static_cast<int>(numbers.size())) numbers.erase(numbers.begin() + sel);
    ShowSiteDetail(e, -1);
    if (list.listCount() >= 1) list.setListIndex(0);
}

void SSTab3_Click(Editor& e, int) {
    e.f.cboFeature.setListIndex(0);
    finders::emptySiteLinks(e.f);
    const int t = e.f.SSTab3.tab();
    if (t < 0 || t >= static_cast<int>(e.f.lstFeatureList.size())) return;
    ListBox& list = e.f.lstFeatureList[t];
    if (list.listCount() >= 1) {
        list.setListIndex(-1);
        list.setListIndex(0);
    } else {
        lstFeatureList_Click(e, t);
    }
}

}  // namespace gs
