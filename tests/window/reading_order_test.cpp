// Tab order on every page of the main window: reading order inside each
// frame, frames in reading order, a tab control's row before its page, what
// floats over the site pages read with them.
#include "window/reading_order.h"

#include <gtest/gtest.h>

#include "window/forms.h"

namespace gs {
namespace {

std::string stops(const Form1& f) {
    std::string out;
    for (const Control* c : readingOrder(f)) out += (out.empty() ? "" : " ") + c->fullName();
    return out;
}

// After each page: the "?" at the tab area's foot, then the Unit Finder.
const std::string kUnitFinder =
    " cmdHelpNorth cmdUApplyFilters chkUGod cboUGod chkULead cboULead chkUSize cboUSize chkUCType cboUCType chkUMagic "
    "cboUMagic chkUStealth cboUStealth chkURMagic cboURMagic chkUResist cboUResist chkUMounted chkUUnique chkUHoly "
    "chkUMisc cboUMisc chkUSurvival cboUSurvival chkUMove cboUMove chkUHero cboUHero chkUFemale cboUnitFound "
    "txtUnitDescription";

TEST(ReadingOrder, EveryPageIsReadRowByRowFramesWhole) {
    Form1 f;
    f.fraHelp.setVisible(false);  // as after start-up
    const std::string step2 =
        "SSTab1 txtLandName cmdAddToNameList lstNameList cboNameDataList cboPopType txtPopulation cmdSApplyFilters "
        "chkSTerrain cboSTerrain chkSType cboSType chkSGems cboSGems chkSStruct cboSStruct chkSRUnits chkSSUnits "
        "chkSPBonus chkSSBonus chkSGBonus chkSScales SSTab3 chkKnown(N) chkKillFeatures cboFeature cmdAddFeature(N) "
        "lstFeatureList(N) txtSiteDescription";
    const auto site = [&](char n) {
        std::string s = step2;
        for (std::size_t at; (at = s.find("(N)")) != std::string::npos;) s[at + 1] = n;
        return s;
    };
    const std::string steps[] = {
        "SSTab1 txtAuthor txtAuthorIndex cboEra cboNation cboMethod chkSea txtGanFileDesc txtFileNamePreview",
        site('0'),
        "SSTab1 SSTab2 chkPretender cmdPullCommander txtCommanderID cmdAddToCommanderList lstCommanderList "
        "cmdAddCommander txtGarrison",
        "SSTab1 cmdSaveAs cmdSaveAndAdd cmdClearGarrison cmdClearAll cmdLoad txtGanFileName txtGanFileFinal",
    };
    for (int step = 0; step < 4; ++step) {
        f.SSTab1.setTab(step);
        EXPECT_EQ(stops(f), steps[step] + kUnitFinder + " cmdHelpSouth txtHelp") << "Step " << step + 1;
    }
    f.SSTab1.setTab(1);
    for (char n : {'1', '2', '3'}) {
        f.SSTab3.setTab(n - '0');
        EXPECT_EQ(stops(f), site(n) + kUnitFinder + " cmdHelpSouth txtHelp");
    }
    const std::string builders[] = {
        "",
        "txtCommanderName cmdAddToCommanderNameList lstCommanderNameList cboCommanderNameDataList cmdAddCommanderName",
        "chkINoArtifacts chkIArtifacts chkINoSpecial chkISpecial chkIP1 cboIP1 chkIL1 cboIL1 chkIP2 cboIP2 chkIL2 "
        "cboIL2 cboItemCategory cboItem cmdAddToItemList lstItemList cboQuillmapItem cboGameRandomItem cmdAddItem",
        "chkClearMagic cboMagic txtMagicLevel cmdAddToMagicList lstMagicList cmdAddMagic",
        "txtDominion cmdAddToDominionList lstDominionList cmdAddDominion",
        "cboScales txtScales cmdAddToScalesList lstScalesList cmdAddScales",
        "cmdPullBodyGuards txtBodyGuardID txtBodyGuardCount cmdAddToBodyGuardList lstBodyGuardList cmdAddBodyGuards",
        "cmdPullUnits txtUnitID txtUnitCount cmdAddToUnitList lstUnitList cmdAddUnits",
    };
    f.SSTab1.setTab(2);
    for (int page = 1; page < 8; ++page) {
        f.SSTab2.setTab(page);
        EXPECT_EQ(stops(f), "SSTab1 SSTab2 " + builders[page] + " txtGarrison" + kUnitFinder + " cmdHelpSouth txtHelp")
            << f.SSTab2.tabCaption(page);
    }
    // The help panel over the Unit Finder is read where it lies, its "?" after it.
    f.fraHelp.setVisible(true);
    f.fraHelp.setGeometry(f.fraUnitFinder.geometry());
    const std::string tail = " txtUnitDescription txtHelp cmdHelpSouth";
    EXPECT_EQ(stops(f).substr(stops(f).size() - tail.size()), tail);
    // Over the tab pages, just as "?" south opens it, it is read first on the page.
    f.fraHelp.setGeometry(f.SSTab1.geometry());
    EXPECT_EQ(stops(f), "SSTab1 txtHelp SSTab2 " + builders[7] + " txtGarrison" + kUnitFinder + " cmdHelpSouth");
}

}  // namespace
}  // namespace gs
