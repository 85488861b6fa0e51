#include "document/form_io.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "model/table_reader.h"

namespace gs {

namespace {

bool isChecked(const CheckBox& box) { return box.value() == CheckBox::Checked; }

// Entry p of cboPopType stands for row p-1 of the pop-type table.
int popTypeRows(const Editor& e) {
    return std::min(e.f.cboPopType.listCount() - 1, static_cast<int>(e.PopTypes.size()));
}

PopType popTypeOfRow(const Editor& e, int row) {
    const PopTypeRecord& r = e.PopTypes[static_cast<std::size_t>(row)];
    return {r.Number, std::string(r.Name)};
}

void fill(ListBox& list, const std::vector<std::string>& entries) {
    list.clear();
    list.addItems(entries);
}

// The site each entry names: the number of the last row that gives it.
// "--no site" and a site the table does not hold name none (-1).
class SiteNumbers {
public:
    explicit SiteNumbers(const Editor& e) {
        for (const SiteRecord& site : e.Sites)
            if (!unreadRow(site)) numbers_[siteEntry(site)] = site.Number;
    }
    std::int16_t of(const std::string& entry) const {
        const auto it = numbers_.find(entry);
        return it == numbers_.end() ? std::int16_t{-1} : it->second;
    }

private:
    std::unordered_map<std::string, std::int16_t> numbers_;
};

// The filled site slots, in slot order.
std::vector<SiteList> siteLists(const Form1& f) {
    std::vector<SiteList> sites;
    for (int i = 0; i < kSiteSlots; ++i) {
        const ListBox& list = f.lstFeatureList[i];
        if (list.listCount() > 0) sites.push_back({f.chkKnown[i].value() != CheckBox::Unchecked, list.items()});
    }
    return sites;
}

}  // namespace

GodFile fromForm(const Editor& e) {
    const Form1& f = e.f;
    GodFile g;
    g.description = f.txtGanFileDesc.text();
    g.names = f.lstNameList.items();
    if (g.names.empty() && f.cboNameDataList.listIndex() >= 1) g.nameList = f.cboNameDataList.text();
    g.population = f.txtPopulation.text();
    const int p = f.cboPopType.listIndex();
    if (p >= 1 && p <= static_cast<int>(e.PopTypes.size())) g.popType = popTypeOfRow(e, p - 1);
    g.killFeatures = isChecked(f.chkKillFeatures);
    g.sites = siteLists(f);
    g.garrison = f.txtGarrison.text();
    return g;
}

std::vector<int> siteTabs(const Editor& e) {
    std::vector<int> tabs;
    for (int i = 0; i < kSiteSlots; ++i)
        if (e.f.lstFeatureList[i].listCount() > 0) tabs.push_back(i);
    return tabs;
}

void toForm(const GodFile& g, Editor& e) {
    std::vector<int> tabs;
    for (int i = 0; i < static_cast<int>(g.sites.size()); ++i) tabs.push_back(i);
    toForm(g, e, tabs);
}

void toForm(const GodFile& g, Editor& e, const std::vector<int>& tabs) {
    if (tabs.size() != g.sites.size()) return toForm(g, e);
    Form1& f = e.f;
    f.txtGanFileDesc.setText(g.description);

    if (f.lstNameList.items() != g.names) fill(f.lstNameList, g.names);
    // Names take the place of a name list, as adding and removing them do.
    f.cboNameDataList.setEnabled(g.names.empty());
    if (g.names.empty() && f.cboNameDataList.listCount() > 0) {
        const auto& lists = f.cboNameDataList.items();
        const auto it = g.nameList ? std::find(lists.begin() + 1, lists.end(), *g.nameList) : lists.end();
        f.cboNameDataList.setListIndex(it == lists.end() ? 0 : static_cast<int>(it - lists.begin()));
    }

    f.txtPopulation.setText(g.population);
    int pick = 0;
    for (int row = 0; g.popType && row < popTypeRows(e); ++row) {
        if (popTypeOfRow(e, row) == *g.popType) {
            pick = row + 1;
            break;
        }
    }
    if (f.cboPopType.listCount() > pick) f.cboPopType.setListIndex(pick);

    f.chkKillFeatures.setValue(g.killFeatures ? CheckBox::Checked : CheckBox::Unchecked);
    // Slots that already say what g says stay as they are.
    const bool sitesDiffer = siteLists(f) != g.sites || siteTabs(e) != tabs;
    const std::optional<SiteNumbers> numbers = sitesDiffer ? std::optional<SiteNumbers>(e) : std::nullopt;
    for (int i = 0; i < kSiteSlots && sitesDiffer; ++i) {
        const auto tab = std::find(tabs.begin(), tabs.end(), i);
        const std::size_t k = static_cast<std::size_t>(tab - tabs.begin());
        const bool filled = tab != tabs.end() && k < g.sites.size();
        const std::vector<std::string> entries = filled ? g.sites[k].candidates : std::vector<std::string>{};
        fill(f.lstFeatureList[i], entries);
        e.SiteListNumbers[i].clear();
        for (const std::string& entry : entries) e.SiteListNumbers[i].push_back(numbers->of(entry));
        f.chkKnown[i].setValue(filled && g.sites[k].known ? CheckBox::Checked : CheckBox::Unchecked);
    }
    f.txtGarrison.setText(g.garrison);
}

Vocabulary vocabulary(const Editor& e) {
    Vocabulary v;
    for (int row = 0; row < popTypeRows(e); ++row) v.popTypes.push_back(popTypeOfRow(e, row));
    const auto& lists = e.f.cboNameDataList.items();
    if (!lists.empty()) v.nameLists.assign(lists.begin() + 1, lists.end());
    return v;
}

}  // namespace gs
