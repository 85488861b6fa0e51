// Each entry of every finder filter reads its own column (one row per entry
// carries just that property), and each box enables only its own list.
#include "finder_fixture.h"

namespace gs::test {
namespace {

using FinderFilters = FinderTest;

TEST_F(FinderFilters, EachFilterEntryReadsItsOwnColumn) {
    // Every entry of every combo is covered, and the column order quirks with them.
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(true), 1u + 6 + 9 + 9 + 3 + 4 + 5 + 4 + 51 + 4 + 6 + 1 + 4);
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(false), 10u + 9 + 8 + 2 + 6);
}

using UnitFinderTest = FinderTest;

TEST_F(UnitFinderTest, FilterBoxesEnableTheirCombosOnly) {
    std::vector<std::pair<CheckBox*, ComboBox*>> pairs;
    for (std::string n : {"UGod", "USize", "UMagic", "URMagic", "ULead", "UCType", "UStealth", "UResist", "UMisc",
                          "USurvival", "UMove", "UHero", "STerrain", "SType", "SGems", "SStruct"})
        pairs.emplace_back(&dynamic_cast<CheckBox&>(*f.find("chk" + n)), &dynamic_cast<ComboBox&>(*f.find("cbo" + n)));
    for (auto [box, combo] : pairs) {
        box->click();
        for (auto [other, otherCombo] : pairs)
            EXPECT_EQ(otherCombo->enabled(), other == box) << box->name() << " " << otherCombo->name();
        box->click();
        EXPECT_FALSE(combo->enabled()) << box->name();
    }
    // Ticking a box does not rebuild the result list.
    EXPECT_EQ(f.cboUnitFound.listCount(), kUnitRows);
    for (CheckBox* b : {&f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale, &f.chkSRUnits, &f.chkSSUnits,
                        &f.chkSPBonus, &f.chkSSBonus, &f.chkSGBonus, &f.chkSScales})
        EXPECT_FALSE(b->Click) << b->name();
}

// A unit or site whose cells hold megabytes (a hostile table) is shown with
// each long cell cut to its first 1000 bytes and "...", so that picking it
// never leaves the description box laying out megabytes.
using LongCellsTest = FinderTest;

void pick(ComboBox& picker, const std::string& name) {
    picker.setListIndex(static_cast<int>(std::ranges::find(picker.items(), name) - picker.items().begin()));
}

TEST_F(LongCellsTest, DescriptionsCutLongCells) {
    const std::string big(1 << 20, 'w'), shown = std::string(1000, 'w') + "...";
    const std::string edge(1000, 'e');  // a cell of exactly the kept length stays whole
    e.Units[0].Number = 8;
    e.Units[0].Name = e.Units[0].Special = kept(big);
    e.Units[0].UniqueName = kept(edge);
    e.Sites[0].Number = 9;
    e.Sites[0].Name = e.Sites[0].MagicType = kept(big);
    f.cmdUApplyFilters.click();
    pick(f.cboUnitFound, big);
    EXPECT_EQ(f.txtUnitDescription.text(),
              "8 " + shown + "\r\n\r\n\r\n\r\n\r\n\r\n, uniquename " + edge + ", special " + shown);
    f.cmdSApplyFilters.click();
    pick(f.cboFeature, big);
    EXPECT_EQ(f.txtSiteDescription.text().substr(0, 1005), "9 " + shown);
    EXPECT_NE(f.txtSiteDescription.text().find(", type " + shown), std::string::npos);
    EXPECT_LT(f.txtSiteDescription.text().size(), 5000u);
}

}  // namespace
}  // namespace gs::test
