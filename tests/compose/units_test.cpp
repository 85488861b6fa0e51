// Unit numbers typed or pulled from the Unit Finder, and removal of list
// entries by double-click with each list's reset.
#include <tuple>

#include "compose/step3.h"

namespace gs::test {
namespace {

using UnitNumbers = Step3;

// The typed text must equal a number as the table writes it; an unknown
// number is refused silently by Add.
TEST_F(UnitNumbers, LookUpComparesText) {
    const std::pair<const char*, const char*> cases[] = {
        {"123", "Militia"},  // the first of two rows numbered 123
        {"-5", "Shade"},    {"0123", ""}, {" 123", ""}, {"+123", ""}, {"123 ", ""}, {"00", ""}, {"999", ""}, {"", ""},
    };
    for (const auto& [typed, name] : cases) {
        for (auto [box, label, add, list] :
             {std::tuple{&f.txtCommanderID, &f.lblCommander, &f.cmdAddToCommanderList, &f.lstCommanderList},
              std::tuple{&f.txtBodyGuardID, &f.lblBodyGuard, &f.cmdAddToBodyGuardList, &f.lstBodyGuardList},
              std::tuple{&f.txtUnitID, &f.lblUnit, &f.cmdAddToUnitList, &f.lstUnitList}}) {
            box->setText("456");
            box->setText(typed);
            EXPECT_EQ(label->caption(), name) << typed;
            if (*name || !*typed) continue;  // known, or the sentinel
            add->click();
            EXPECT_EQ(list->listCount(), 0) << typed;
        }
    }
    EXPECT_TRUE(p.messages.empty());
}

// The row after the last loaded one is never looked at.
TEST_F(UnitNumbers, LookUpReadsOnlyTheLoadedRows) {
    setUnit(kUnitRows - 2, 777, "Last Loaded");
    setUnit(kUnitRows - 1, 778, "Spare Row");
    f.txtUnitID.setText("777");
    EXPECT_EQ(f.lblUnit.caption(), "Last Loaded");
    f.txtUnitID.setText("778");
    EXPECT_EQ(f.lblUnit.caption(), "");
    f.cmdAddToUnitList.click();
    EXPECT_EQ(f.lstUnitList.listCount(), 0);
}

TEST_F(UnitNumbers, PullsCopyTheFindersUnit) {
    f.lblUnitNumber.setCaption("");
    f.txtUnitID.setText("123");
    f.cmdPullCommander.click();
    f.cmdPullBodyGuards.click();
    f.cmdPullUnits.click();
    EXPECT_EQ(f.txtCommanderID.text(), "");
    EXPECT_EQ(f.txtUnitID.text(), "123");
    EXPECT_EQ(f.lblUnit.caption(), "Militia");

    // Pulling the number the box already holds changes nothing.
    f.lblUnitNumber.setCaption("123");
    f.lblUnit.setCaption("kept");
    f.cmdPullUnits.click();
    EXPECT_EQ(f.txtUnitID.text(), "123");
    EXPECT_EQ(f.lblUnit.caption(), "kept");

    f.lblUnitNumber.setCaption("456");
    f.cmdPullCommander.click();
    f.cmdPullBodyGuards.click();
    f.cmdPullUnits.click();
    for (auto [box, label] : {std::pair{&f.txtCommanderID, &f.lblCommander},
                              std::pair{&f.txtBodyGuardID, &f.lblBodyGuard}, std::pair{&f.txtUnitID, &f.lblUnit}}) {
        EXPECT_EQ(box->text(), "456");
        EXPECT_EQ(label->caption(), "Knight");
    }
}

TEST_F(UnitNumbers, DoubleClickRemovesTheSelectedEntry) {
    f.txtUnitID.setText("123");
    f.cmdAddToUnitList.click();
    f.txtUnitID.setText("456");
    f.cmdAddToUnitList.click();
    f.txtUnitID.setText("-5");
    f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();

    f.lstUnitList.setListIndex(1);
    f.lstUnitList.dblClick();
    EXPECT_EQ(entries(f.lstUnitList), (std::vector<std::string>{"10 123 --Militia", "10 -5 --Shade"}));
    f.lstUnitList.dblClick();  // nothing selected now
    EXPECT_EQ(f.lstUnitList.listCount(), 2);
    EXPECT_TRUE(f.cmdAddUnits.enabled());

    for (int i = 0; i < 2; ++i) {
        f.lstUnitList.setListIndex(0);
        f.lstUnitList.dblClick();
    }
    EXPECT_FALSE(f.cmdAddUnits.enabled());
    // The garrison keeps what was submitted.
    EXPECT_EQ(garrison(), crlf({"@3 units", "10 123 --Militia", "10 456 --Knight", "10 -5 --Shade"}));
}

TEST_F(UnitNumbers, EmptyListsResetEvenWhenNothingWasRemoved) {
    f.lstDominionList.dblClick();
    EXPECT_FALSE(f.cmdAddDominion.enabled());
    f.lstUnitList.dblClick();
    EXPECT_FALSE(f.cmdAddUnits.enabled());
    f.lstBodyGuardList.dblClick();
    EXPECT_FALSE(f.cmdAddBodyGuards.enabled());
}

// Adds one entry, removes it by double-click.
void addAndRemove(Button& add, ListBox& list) {
    add.click();
    ASSERT_EQ(list.listCount(), 1) << add.name();
    list.setListIndex(0);
    list.dblClick();
    EXPECT_EQ(list.listCount(), 0) << list.name();
}

TEST_F(UnitNumbers, ResetRulesOfEachList) {
    f.txtCommanderID.setText("456");
    addAndRemove(f.cmdAddToCommanderList, f.lstCommanderList);
    EXPECT_FALSE(f.cmdAddCommander.enabled());

    f.txtCommanderName.setText("Aldric");
    addAndRemove(f.cmdAddToCommanderNameList, f.lstCommanderNameList);
    EXPECT_FALSE(f.cmdAddCommanderName.enabled());
    EXPECT_TRUE(f.cboCommanderNameDataList.enabled());

    f.txtLandName.setText("Greyfen");
    addAndRemove(f.cmdAddToNameList, f.lstNameList);
    EXPECT_TRUE(f.cboNameDataList.enabled());

    choose(f.cboMagic, "#mag_air");
    f.chkClearMagic.click();
    addAndRemove(f.cmdAddToMagicList, f.lstMagicList);
    EXPECT_TRUE(f.cmdAddMagic.enabled());  // "Clear Magic" still checked
    f.chkClearMagic.click();
    EXPECT_FALSE(f.cmdAddMagic.enabled());
    addAndRemove(f.cmdAddToMagicList, f.lstMagicList);
    EXPECT_FALSE(f.cmdAddMagic.enabled());

    addAndRemove(f.cmdAddToDominionList, f.lstDominionList);
    EXPECT_FALSE(f.cmdAddDominion.enabled());

    choose(f.cboScales, "#scale_death");
    addAndRemove(f.cmdAddToScalesList, f.lstScalesList);
    EXPECT_FALSE(f.cmdAddScales.enabled());

    f.txtBodyGuardID.setText("123");
    addAndRemove(f.cmdAddToBodyGuardList, f.lstBodyGuardList);
    EXPECT_FALSE(f.cmdAddBodyGuards.enabled());
}

TEST_F(UnitNumbers, RemovingTheLastItemBringsBackTheFallbacks) {
    choose(f.cboQuillmapItem, "Tower Relics");
    choose(f.cboItem, "Emberbrand");
    addAndRemove(f.cmdAddToItemList, f.lstItemList);
    EXPECT_TRUE(f.cboQuillmapItem.enabled());
    EXPECT_EQ(f.cboQuillmapItem.listIndex(), 0);
    EXPECT_TRUE(f.cboGameRandomItem.enabled());
    EXPECT_TRUE(f.cmdAddItem.enabled());
}

}  // namespace
}  // namespace gs::test
