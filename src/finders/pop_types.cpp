// The pop-type view: the recruitable units and commanders of the picked
// population type as unit links.
#include "finders/common.h"
#include "finders/pop_types.h"

namespace gs {

namespace {

// A label for one unit number of the pop type: "-1" is an empty place; any
// other number links, named after the last unit row with that number (no
// name when no row has it).
void showPopTypeUnit(Editor& e, Label& l, int number) {
    if (number == -1) {
        finders::showEmptyLink(l);
        return;
    }
    const int row = finders::lastUnitRow(e, number);
    finders::showLink(l, number, row >= 0 ? e.Units[row].Name : std::string());
}

}  // namespace

void cboPopType_Click(Editor& e) {
    const int k = e.f.cboPopType.listIndex();
    if (k < 1 || k > kPopTypeRows) {
        for (auto& l : e.f.lblPTCmdr) finders::showEmptyLink(l);
        for (auto& l : e.f.lblPTUnit) finders::showEmptyLink(l);
        return;
    }
    const PopTypeRecord& p = e.PopTypes[k - 1];
    for (int i = 0; i < 4; ++i) {
        showPopTypeUnit(e, e.f.lblPTCmdr[i], p.Commanders[i]);
        showPopTypeUnit(e, e.f.lblPTUnit[i], p.Units[i]);
    }
}

void lblPTUnit_Click(Editor& e, int i) { finders::openUnitLink(e, e.f.lblPTUnit.at(i)); }
void lblPTCmdr_Click(Editor& e, int i) { finders::openUnitLink(e, e.f.lblPTCmdr.at(i)); }

}  // namespace gs
