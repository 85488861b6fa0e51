// The two windows as built: every control by name with its caption, where it
// sits, what lies above what, and the start state the handlers rely on.
#include "ui/window/forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/window/references.h"

namespace gs {
namespace {

struct Named {
    std::string name;
    std::string caption;
};

// Every control of the main window with its start caption ("" for controls
// without one: text boxes, lists, pictures, caption-less frames, labels the
// editor fills later).
std::vector<Named> inventory() {
    const std::string title = kProgramTitle;
    return {
        {"fraHelp", ""},
        {"txtHelp", ""},
        {"cmdHelpSouth", "?"},
        {"cmdHelpNorth", "?"},
        {"SSTab1", ""},
        {"fraUnitFinder", "Unit Finder"},
        // Step 1.
        {"fraStep1", ""},
        {"Frame1", "Preview"},
        {"picUnit", ""},
        {"shpUnit", ""},
        {"fraSea", "Sea"},
        {"chkSea", "_SEA_"},
        {"fraFileNamePreview", "File Name Preview"},
        {"txtFileNamePreview", ""},
        {"fraAuthor", "Author"},
        {"txtAuthor", ""},
        {"txtAuthorIndex", ""},
        {"fraMethod", "Method"},
        {"cboMethod", ""},
        {"fraEra", "Era"},
        {"cboEra", ""},
        {"fraNation", "Nation"},
        {"cboNation", ""},
        {"fraDescription", "Author Comments /Pretender Description:"},
        {"txtGanFileDesc", ""},
        {"Image2", ""},
        {"Label22", "Quillmap"},
        {"Label18", title + " v1.02"},
        {"Image1", ""},
        // Step 2.
        {"fraStep2", ""},
        {"fraProvinceName", "Province Name"},
        {"txtLandName", ""},
        {"cmdAddToNameList", "Add to Province Name List"},
        {"lstNameList", ""},
        {"cboNameDataList", ""},
        {"fraPopulation", "Population"},
        {"txtPopulation", ""},
        {"fraPopType", "Pop Type"},
        {"cboPopType", ""},
        {"Label2", "Unit1:"},
        {"Label3", "Unit2:"},
        {"Label4", "Unit3:"},
        {"Label5", "Unit4:"},
        {"lblPTUnit(0)", "id"},
        {"lblPTUnit(1)", "id"},
        {"lblPTUnit(2)", "id"},
        {"lblPTUnit(3)", "id"},
        {"Label6", "Cmdr1:"},
        {"Label7", "Cmdr2:"},
        {"Label8", "Cmdr3:"},
        {"Label9", "Cmdr4:"},
        {"lblPTCmdr(0)", "id"},
        {"lblPTCmdr(1)", "id"},
        {"lblPTCmdr(2)", "id"},
        {"lblPTCmdr(3)", "id"},
        {"fraFeatures", "Features"},
        {"Label12", "Filter selection by:"},
        {"cmdSApplyFilters", "Apply Filters"},
        {"chkKillFeatures", "Kill Features"},
        {"cboFeature", ""},
        {"Frame10", ""},
        {"txtSiteDescription", ""},
        {"Label10", "Rec:"},
        {"lblRecUnit(0)", "id"},
        {"lblRecUnit(1)", "id"},
        {"lblRecUnit(2)", "id"},
        {"lblRecUnit(3)", "id"},
        {"Label11", "Sum:"},
        {"lblSumUnit(0)", "id"},
        {"lblSumUnit(1)", "id"},
        {"lblSumUnit(2)", "id"},
        {"chkSTerrain", "Terrain"},
        {"chkSType", "Type"},
        {"chkSGems", "Gems"},
        {"chkSStruct", "Struct"},
        {"cboSTerrain", ""},
        {"cboSType", ""},
        {"cboSGems", ""},
        {"cboSStruct", ""},
        {"chkSRUnits", "RUnits"},
        {"chkSSUnits", "SUnits"},
        {"chkSPBonus", "PBonus"},
        {"chkSSBonus", "SBonus"},
        {"chkSGBonus", "GBonus"},
        {"chkSScales", "Scales"},
        {"SSTab3", ""},
        {"Frame6", ""},
        {"Frame7", ""},
        {"Frame8", ""},
        {"Frame9", ""},
        {"chkKnown(0)", "Known"},
        {"chkKnown(1)", "Known"},
        {"chkKnown(2)", "Known"},
        {"chkKnown(3)", "Known"},
        {"cmdAddFeature(0)", "Add to Site 1 List"},
        {"cmdAddFeature(1)", "Add to Site 2 List"},
        {"cmdAddFeature(2)", "Add to Site 3 List"},
        {"cmdAddFeature(3)", "Add to Site 4 List"},
        {"lstFeatureList(0)", ""},
        {"lstFeatureList(1)", ""},
        {"lstFeatureList(2)", ""},
        {"lstFeatureList(3)", ""},
        // Step 3.
        {"txtGarrison", ""},
        {"fraStep3", ""},
        {"SSTab2", ""},
        {"fraBeginSiege", ""},
        {"Label23", "RPS Value:"},
        {"lblRPSvalue", "1347"},
        {"Label25", "RPS -> Rough Point System"},
        {"Label26",
         "This is only a guage and not meant to accurately recreate the existing pretender point distributions. "
         "For example: A pretender with 2 magic paths maxed at 10, 10 dominion and maxed positive scales would "
         "have an RPS value of 1347."},
        {"fraCommander", "Commander"},
        {"chkPretender", "Pretender"},
        {"cmdPullCommander", "Pull from UF"},
        {"txtCommanderID", ""},
        {"lblCommander", ""},
        {"cmdAddToCommanderList", "Add to List"},
        {"lstCommanderList", ""},
        {"cmdAddCommander", "Submit -->"},
        {"fraCommanderName", "Commander Name"},
        {"txtCommanderName", ""},
        {"cmdAddToCommanderNameList", "Add to List"},
        {"lstCommanderNameList", ""},
        {"cboCommanderNameDataList", ""},
        {"cmdAddCommanderName", "Submit -->"},
        {"fraItems", "Items"},
        {"cboItemCategory", ""},
        {"cboItem", ""},
        {"cmdAddToItemList", "Add to List"},
        {"lstItemList", ""},
        {"cboQuillmapItem", ""},
        {"cboGameRandomItem", ""},
        {"cmdAddItem", "Submit -->"},
        {"Frame11", "Item Filter"},
        {"chkINoArtifacts", "- Artifact"},
        {"chkIArtifacts", "= Artifact"},
        {"chkINoSpecial", "- Special"},
        {"chkISpecial", "= Special"},
        {"chkIP1", "P1"},
        {"chkIL1", "L1"},
        {"chkIP2", "P2"},
        {"chkIL2", "L2"},
        {"cboIP1", ""},
        {"cboIL1", ""},
        {"cboIP2", ""},
        {"cboIL2", ""},
        {"fraMagic", "Magic"},
        {"chkClearMagic", "Clear Magic"},
        {"cboMagic", ""},
        {"Label15", "x"},
        {"txtMagicLevel", ""},
        {"cmdAddToMagicList", "Add to List"},
        {"lstMagicList", ""},
        {"cmdAddMagic", "Submit -->"},
        {"fraDominion", "Dominion Strength"},
        {"Label14", "Value: 1 to 10"},
        {"txtDominion", ""},
        {"cmdAddToDominionList", "Add to List"},
        {"lstDominionList", ""},
        {"cmdAddDominion", "Submit -->"},
        {"fraScales", "Scales"},
        {"cboScales", ""},
        {"Label13", "Value: -3 to 3"},
        {"txtScales", ""},
        {"cmdAddToScalesList", "Add to List"},
        {"lstScalesList", ""},
        {"cmdAddScales", "Submit -->"},
        {"fraBodyGuards", "Body Guards"},
        {"cmdPullBodyGuards", "Pull from UF"},
        {"txtBodyGuardID", ""},
        {"lblBodyGuard", ""},
        {"Label16", "x"},
        {"txtBodyGuardCount", ""},
        {"cmdAddToBodyGuardList", "Add to List"},
        {"lstBodyGuardList", ""},
        {"cmdAddBodyGuards", "Submit -->"},
        {"fraUnits", "Units"},
        {"cmdPullUnits", "Pull from UF"},
        {"txtUnitID", ""},
        {"lblUnit", ""},
        {"Label17", "x"},
        {"txtUnitCount", ""},
        {"cmdAddToUnitList", "Add to List"},
        {"lstUnitList", ""},
        {"cmdAddUnits", "Submit -->"},
        // Step 4.
        {"fraSave", "Save, Salvage or Slay"},
        {"CommonDialog1", ""},
        {"txtGanFileName", ""},
        {"txtGanFileFinal", ""},
        {"cmdSaveAs", "Save As"},
        {"cmdSaveAndAdd", "Save and Add"},
        {"cmdClearGarrison", "Clear Garrison"},
        {"cmdClearAll", "Clear All"},
        {"cmdLoad", "Load"},
        // Unit Finder.
        {"Label1", "Filter selection by:"},
        {"cmdUApplyFilters", "Apply Filters"},
        {"chkUGod", "God"},
        {"chkUSize", "Size"},
        {"chkUMagic", "Magic"},
        {"chkURMagic", "RMagic"},
        {"cboUGod", ""},
        {"cboUSize", ""},
        {"cboUMagic", ""},
        {"cboURMagic", ""},
        {"chkULead", "Lead"},
        {"chkUCType", "CType"},
        {"chkUStealth", "Stealth"},
        {"chkUResist", "Resist"},
        {"cboULead", ""},
        {"cboUCType", ""},
        {"cboUStealth", ""},
        {"cboUResist", ""},
        {"chkUMisc", "Misc"},
        {"chkUSurvival", "Survival"},
        {"chkUMove", "Move"},
        {"chkUHero", "Hero"},
        {"cboUMisc", ""},
        {"cboUSurvival", ""},
        {"cboUMove", ""},
        {"cboUHero", ""},
        {"chkUMounted", "Mounted"},
        {"chkUUnique", "Unique"},
        {"chkUHoly", "Holy"},
        {"chkUFemale", "Female"},
        {"cboUnitFound", ""},
        {"lblUnitNumber", ""},
        {"txtUnitDescription", ""},
        {"Label19", "Last Unit Viewed:"},
        {"lblURL", std::string(kUnitReferenceBase) + "00666.png"},
        {"Label20", std::string("User: ") + kUnitListUser},
        {"Label21", std::string("Pass: ") + kUnitListPassword},
    };
}

Control& at(const Form1& f, const std::string& name) {
    Control* c = f.find(name);
    if (!c) throw std::runtime_error("no control " + name);
    return *c;
}

// Position in the container's z-order, 0 = bottom.
int z(const Control& c) {
    const auto& siblings = c.container()->children();
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), &c) - siblings.begin());
}

std::set<std::string> namesWhere(const Form1& f, const std::function<bool(const Control&)>& pred) {
    std::set<std::string> out;
    for (const Control* c : f.allControls())
        if (pred(*c)) out.insert(c->fullName());
    return out;
}

class Forms : public ::testing::Test {
protected:
    Form1 f;
};

TEST_F(Forms, EveryControlIsFoundByNameWithItsExactStartCaption) {
    const auto table = inventory();
    for (const Named& n : table) {
        Control* c = f.find(n.name);
        ASSERT_NE(c, nullptr) << n.name;
        EXPECT_EQ(c->fullName(), n.name);
        EXPECT_EQ(c->caption(), n.caption) << n.name;
    }
    // Nothing beyond the inventory, nothing twice.
    EXPECT_EQ(f.allControls().size(), table.size());
    EXPECT_EQ(namesWhere(f, [](const Control&) { return true; }).size(), table.size());
    EXPECT_EQ(f.find("lblPTUnit(4)"), nullptr);
    EXPECT_EQ(f.find("lblPTUnit"), nullptr);
}

TEST_F(Forms, WindowsTitlesSizesAndTabPages) {
    EXPECT_EQ(f.caption(), kProgramTitle);
    EXPECT_EQ(f.geometry().width, 10500);
    EXPECT_EQ(f.geometry().height, 8490);
    auto pages = [](const TabControl& t) {
        std::vector<std::string> out;
        for (int i = 0; i < t.tabCount(); ++i) out.push_back(t.tabCaption(i));
        return out;
    };
    EXPECT_EQ(pages(f.SSTab1), (std::vector<std::string>{"Step 1", "Step 2", "Step 3", "Step 4"}));
    EXPECT_EQ(pages(f.SSTab2), (std::vector<std::string>{"Commander", "Cmdr Name", "Items", "Magic", "Dominion",
                                                         "Scales", "Body Guards", "Units"}));
    EXPECT_EQ(pages(f.SSTab3), (std::vector<std::string>{"Site 1", "Site 2", "Site 3", "Site 4"}));
    for (const TabControl* t : {&f.SSTab1, &f.SSTab2, &f.SSTab3}) EXPECT_EQ(t->tab(), 0);

    Form2 s;
    EXPECT_EQ(s.caption(), kProgramTitle);
    EXPECT_EQ(s.geometry().width, 7320);
    EXPECT_EQ(s.geometry().height, 1785);
    EXPECT_EQ(s.backColor(), (Rgb{0x80, 0x40, 0x00}));
    EXPECT_EQ(s.lblBusy.caption(), "Loading crapload of units...");
    EXPECT_EQ(s.lblTitle.caption(), kProgramTitle);
    EXPECT_EQ(s.lblTitle.font(), (Font{13.5, true, true, true}));
    EXPECT_EQ(s.lblBusy.foreColor(), (Rgb{0xFF, 0xFF, 0}));
    // The labels lie on the picture.
    EXPECT_EQ(s.children(), (std::vector<Control*>{&s.Image1, &s.lblTitle, &s.lblBusy}));
    EXPECT_EQ(s.allControls(), s.children());
    EXPECT_EQ(s.Image1.geometry().width, 7095);
}

TEST_F(Forms, ContainersAndPages) {
    struct Where {
        const char* name;
        const char* container;
        int page;
    };
    const Where table[] = {
        {"fraHelp", "Form1", -1},
        {"txtHelp", "fraHelp", -1},
        {"fraUnitFinder", "Form1", -1},
        {"fraStep1", "SSTab1", 0},
        {"fraStep2", "SSTab1", 1},
        {"fraBeginSiege", "SSTab1", 2},
        {"fraStep3", "SSTab1", 2},
        {"txtGarrison", "SSTab1", 2},
        {"fraSave", "SSTab1", 3},
        {"CommonDialog1", "fraSave", -1},
        {"picUnit", "Frame1", -1},
        {"chkSea", "fraSea", -1},
        {"lblPTCmdr(1)", "fraPopType", -1},
        {"SSTab3", "fraFeatures", -1},
        {"chkKillFeatures", "fraFeatures", -1},
        {"cboFeature", "fraFeatures", -1},
        {"Frame10", "fraFeatures", -1},
        {"lblRecUnit(3)", "Frame10", -1},
        {"Frame6", "SSTab3", 0},
        {"Frame9", "SSTab3", 3},
        {"lstFeatureList(2)", "Frame8", -1},
        {"cmdAddFeature(1)", "Frame7", -1},
        {"chkKnown(0)", "Frame6", -1},
        {"SSTab2", "fraStep3", -1},
        {"Label26", "fraBeginSiege", -1},
        {"fraCommander", "SSTab2", 0},
        {"fraCommanderName", "SSTab2", 1},
        {"fraItems", "SSTab2", 2},
        {"Frame11", "SSTab2", 2},
        {"fraMagic", "SSTab2", 3},
        {"fraDominion", "SSTab2", 4},
        {"fraScales", "SSTab2", 5},
        {"fraBodyGuards", "SSTab2", 6},
        {"fraUnits", "SSTab2", 7},
        {"cboIL2", "Frame11", -1},
        {"lblUnitNumber", "fraUnitFinder", -1},
    };
    for (const Where& w : table) {
        const Control& c = at(f, w.name);
        ASSERT_NE(c.container(), nullptr) << w.name;
        EXPECT_EQ(c.container()->fullName(), w.container) << w.name;
        EXPECT_EQ(c.page(), w.page) << w.name;
    }
    // The list runs containers first and each container's children bottom first.
    const auto& all = f.allControls();
    for (size_t i = 0; i < all.size(); ++i) {
        const Control* parent = all[i]->container();
        if (parent == &f) continue;
        EXPECT_LT(std::find(all.begin(), all.end(), parent) - all.begin(), static_cast<long>(i)) << all[i]->name();
    }
}

TEST_F(Forms, ZOrder) {
    EXPECT_EQ(f.children(),
              (std::vector<Control*>{&f.fraUnitFinder, &f.SSTab1, &f.cmdHelpNorth, &f.cmdHelpSouth, &f.fraHelp}));
    EXPECT_LT(z(f.fraBeginSiege), z(f.fraStep3));
    EXPECT_LT(z(f.fraStep3), z(f.txtGarrison));
    for (const Control* floating : {static_cast<Control*>(&f.chkKillFeatures), static_cast<Control*>(&f.cboFeature),
                                    static_cast<Control*>(&f.Frame10)})
        EXPECT_LT(z(f.SSTab3), z(*floating)) << floating->name();
    EXPECT_LT(z(f.Image1), z(f.Label22));
    EXPECT_LT(z(f.Image1), z(f.Label18));
}

TEST_F(Forms, GeometrySamples) {
    auto geom = [](const Control& c) {
        const Geometry& g = c.geometry();
        return std::vector<int>{g.left, g.top, g.width, g.height};
    };
    EXPECT_EQ(geom(f.picUnit), (std::vector<int>{120, 240, 0, 0}));  // at shpUnit's corner, empty
    EXPECT_EQ(geom(f.shpUnit), (std::vector<int>{120, 240, 1920, 1920}));
    EXPECT_EQ(geom(f.cmdHelpSouth), (std::vector<int>{9960, 8040, 375, 375}));
    EXPECT_EQ(geom(f.cmdAddItem), (std::vector<int>{480, 2640, 1815, 375}));
    EXPECT_EQ(geom(f.cmdAddUnits), (std::vector<int>{720, 2520, 1815, 375}));
    EXPECT_EQ(geom(f.lblPTUnit[3]), (std::vector<int>{600, 1320, 735, 255}));
    EXPECT_EQ(geom(f.lblSumUnit[2]), (std::vector<int>{1920, 1200, 735, 255}));
    EXPECT_EQ(geom(f.chkISpecial), (std::vector<int>{120, 1200, 975, 255}));
    EXPECT_EQ(geom(f.cboIL2), (std::vector<int>{600, 2640, 495, 315}));
    EXPECT_EQ(geom(f.chkUSurvival), (std::vector<int>{3960, 960, 975, 255}));
    EXPECT_EQ(geom(f.cboUHero), (std::vector<int>{4920, 1680, 975, 315}));
    EXPECT_EQ(geom(f.chkSScales), (std::vector<int>{2040, 1800, 855, 255}));
    EXPECT_EQ(geom(f.txtGarrison), (std::vector<int>{4560, 1080, 5535, 3135}));
}

TEST_F(Forms, StartStates) {
    auto isCheck = [](const Control& c) { return c.kind() == Kind::CheckBox; };
    EXPECT_EQ(namesWhere(f,
                         [&](const Control& c) {
                             return isCheck(c) && static_cast<const CheckBox&>(c).value() == CheckBox::Checked;
                         }),
              (std::set<std::string>{"chkPretender", "chkINoArtifacts", "chkINoSpecial"}));
    EXPECT_EQ(namesWhere(f, [](const Control& c) { return !c.visible(); }),
              (std::set<std::string>{"CommonDialog1", "cmdLoad", "Label23", "lblRPSvalue", "Label25", "Label26"}));
    EXPECT_EQ(namesWhere(f, [](const Control& c) { return !c.enabled(); }),
              (std::set<std::string>{"cmdLoad", "chkSea"}));

    // Every text and list starts empty.
    for (const Control* c : f.allControls()) {
        if (c->kind() == Kind::TextBox) {
            EXPECT_EQ(static_cast<const TextBox*>(c)->text(), "") << c->name();
        }
        if (c->kind() == Kind::ComboList || c->kind() == Kind::ComboEdit || c->kind() == Kind::ListBox) {
            EXPECT_EQ(static_cast<const ListControl*>(c)->listCount(), 0) << c->name();
            EXPECT_EQ(static_cast<const ListControl*>(c)->listIndex(), -1) << c->name();
        }
    }
    EXPECT_EQ(f.cboUnitFound.kind(), Kind::ComboEdit);
    EXPECT_EQ(f.cboFeature.kind(), Kind::ComboList);

    auto textBoxes = [&](bool TextBox::*flag) {
        return namesWhere(
            f, [flag](const Control& c) { return c.kind() == Kind::TextBox && static_cast<const TextBox&>(c).*flag; });
    };
    EXPECT_EQ(textBoxes(&TextBox::multiLine),
              (std::set<std::string>{"txtHelp", "txtGanFileDesc", "txtSiteDescription", "txtGarrison",
                                     "txtGanFileFinal", "txtUnitDescription"}));
    EXPECT_EQ(textBoxes(&TextBox::vScroll), (std::set<std::string>{"txtHelp", "txtGanFileDesc", "txtGarrison",
                                                                   "txtGanFileFinal", "txtUnitDescription"}));
    EXPECT_EQ(textBoxes(&TextBox::readOnly), (std::set<std::string>{"txtSiteDescription", "txtUnitDescription"}));
}

TEST_F(Forms, FontsColoursAndBorders) {
    const Rgb blue{0, 0, 0xFF};
    for (const Label* l : {&f.lblURL, &f.lblUnitNumber}) {
        EXPECT_EQ(l->foreColor(), blue) << l->name();
        EXPECT_TRUE(l->font().underline) << l->name();
    }
    EXPECT_EQ(namesWhere(f, [](const Control& c) { return c.kind() == Kind::Label && c.align() == Align::Right; }),
              (std::set<std::string>{"lblPTUnit(0)", "lblPTUnit(1)", "lblPTUnit(2)", "lblPTUnit(3)", "lblPTCmdr(0)",
                                     "lblPTCmdr(1)", "lblPTCmdr(2)", "lblPTCmdr(3)", "lblRecUnit(0)", "lblRecUnit(1)",
                                     "lblRecUnit(2)", "lblRecUnit(3)", "lblSumUnit(0)", "lblSumUnit(1)",
                                     "lblSumUnit(2)", "lblUnitNumber"}));
    for (const Label* l : {&f.lblPTUnit[0], &f.lblSumUnit[2], &f.lblUnitNumber, &f.lblCommander, &f.lblBodyGuard,
                           &f.lblUnit, &f.lblRPSvalue})
        EXPECT_TRUE(l->bordered()) << l->name();

    for (const Button* b : {&f.cmdHelpNorth, &f.cmdHelpSouth}) {
        EXPECT_EQ(b->font(), (Font{13.5, true})) << b->name();
        EXPECT_EQ(b->backColor(), (Rgb{0, 0xC0, 0})) << b->name();
    }
    EXPECT_EQ(f.txtHelp.foreColor(), (Rgb{0, 0xFF, 0}));
    EXPECT_EQ(f.txtHelp.backColor(), (Rgb{0, 0, 0}));
    EXPECT_EQ(f.txtHelp.font().size, 12);
    EXPECT_EQ(f.txtFileNamePreview.font(), (Font{9.75, true}));
    EXPECT_EQ(f.Label22.font(), (Font{13.5, true, true}));
    EXPECT_EQ(f.Label22.foreColor(), (Rgb{0x80, 0x40, 0x00}));
    EXPECT_EQ(f.Label18.foreColor(), (Rgb{0xFF, 0, 0}));
    EXPECT_TRUE(f.Label18.transparent());
    EXPECT_EQ(f.Label18.align(), Align::Center);

    // Builder buttons are bold, the others are not.
    const std::set<std::string> builderFrames{"fraCommander", "fraCommanderName", "fraItems",      "fraMagic",
                                              "fraDominion",  "fraScales",        "fraBodyGuards", "fraUnits"};
    for (const Control* c : f.allControls()) {
        if (c->kind() != Kind::Button || c == &f.cmdHelpNorth || c == &f.cmdHelpSouth) continue;
        EXPECT_EQ(c->font().bold, builderFrames.count(c->container()->name()) == 1) << c->fullName();
    }
}

}  // namespace
}  // namespace gs
