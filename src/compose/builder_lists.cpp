#include "compose/builder_lists.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "compose/compose.h"

namespace gs {

namespace {

// Visits each list with the controls its entries switch. The Quillmap item picker's choice is kept with
// the item list: removing the last item resets it.
template <class Form, class Visit>
void eachList(Form& f, Visit&& visit) {
    using C = std::conditional_t<std::is_const_v<Form>, const Control, Control>;
    using Picker = std::conditional_t<std::is_const_v<Form>, const ComboBox, ComboBox>;
    using Switched = std::vector<C*>;
    Picker* none = nullptr;
    visit(f.lstCommanderList, Switched{&f.cmdAddCommander}, none);
    visit(f.lstCommanderNameList, Switched{&f.cmdAddCommanderName, &f.cboCommanderNameDataList}, none);
    visit(f.lstItemList, Switched{&f.cmdAddItem, &f.cboQuillmapItem, &f.cboGameRandomItem}, &f.cboQuillmapItem);
    visit(f.lstMagicList, Switched{&f.cmdAddMagic}, none);
    visit(f.lstDominionList, Switched{&f.cmdAddDominion}, none);
    visit(f.lstScalesList, Switched{&f.cmdAddScales}, none);
    visit(f.lstBodyGuardList, Switched{&f.cmdAddBodyGuards}, none);
    visit(f.lstUnitList, Switched{&f.cmdAddUnits}, none);
}

void showControls(const std::vector<Control*>& switched, ComboBox* picker, const std::vector<int>& state) {
    if (state.size() != switched.size() + (picker ? 1 : 0)) return;  // a draft of another kind
    // The picker first: its click handler switches the game's random item picker.
    if (picker) {
        const int picked = state.back();
        if (picked != picker->listIndex() && picked >= 0 && picked < picker->listCount()) picker->setListIndex(picked);
    }
    for (std::size_t i = 0; i < switched.size(); ++i) switched[i]->setEnabled(state[i] != 0);
}

}  // namespace

std::vector<BuilderList> builderLists(const Editor& e) {
    std::vector<BuilderList> lists;
    eachList(std::as_const(e.f),
             [&](const ListBox& list, const std::vector<const Control*>& switched, const ComboBox* picker) {
                 BuilderList& b = lists.emplace_back(BuilderList{list.name(), list.items(), {}});
                 for (const Control* c : switched) b.controls.push_back(c->enabled() ? 1 : 0);
                 if (picker) b.controls.push_back(picker->listIndex());
             });
    return lists;
}

void showBuilderLists(const std::vector<BuilderList>& lists, Editor& e) {
    eachList(e.f, [&](ListBox& list, const std::vector<Control*>& switched, ComboBox* picker) {
        const auto shown =
            std::find_if(lists.begin(), lists.end(), [&](const BuilderList& b) { return b.list == list.name(); });
        if (shown == lists.end() || list.items() == shown->entries) return;
        list.clear();
        list.addItems(shown->entries);
        showControls(switched, picker, shown->controls);
        // The state kept with the Magic list is as the "Clear Magic" box then
        // was; the box is no part of the work, so its rule holds over it now.
        if (&list == &e.f.lstMagicList) chkClearMagic_Click(e);
    });
}

}  // namespace gs
