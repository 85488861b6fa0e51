// The two windows as built: every control by name with its caption, its
// container and page, what lies above what, and the start state the handlers
// rely on.
#include "window/forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "window/references.h"

namespace gs {
namespace {

struct Named {
    std::string name;
    std::string caption;
};

// Every control of the main window that starts with a caption, and that
// caption.
std::vector<Named> captioned() {
    const std::string title = kProgramTitle;
    // clang-format off
    return {
        {"cmdHelpSouth", "?"}, {"cmdHelpNorth", "?"}, {"fraUnitFinder", "Unit Finder"},
        // Step 1.
        {"Frame1", "Preview"}, {"fraSea", "Sea"}, {"chkSea", "_SEA_"}, {"fraFileNamePreview", "File Name Preview"},
        {"fraAuthor", "Author"}, {"fraMethod", "Method"}, {"fraEra", "Era"}, {"fraNation", "Nation"},
        {"fraDescription", "Author Comments /Pretender Description:"}, {"Label22", "Quillmap"},
        {"Label18", title + " v1.02"},
        // Step 2.
        {"fraProvinceName", "Province Name"}, {"cmdAddToNameList", "Add to Province Name List"},
        {"fraPopulation", "Population"}, {"fraPopType", "Pop Type"}, {"Label2", "Unit1:"}, {"Label3", "Unit2:"},
        {"Label4", "Unit3:"}, {"Label5", "Unit4:"}, {"lblPTUnit(0)", "id"}, {"lblPTUnit(1)", "id"},
        {"lblPTUnit(2)", "id"}, {"lblPTUnit(3)", "id"}, {"Label6", "Cmdr1:"}, {"Label7", "Cmdr2:"},
        {"Label8", "Cmdr3:"}, {"Label9", "Cmdr4:"}, {"lblPTCmdr(0)", "id"}, {"lblPTCmdr(1)", "id"},
        {"lblPTCmdr(2)", "id"}, {"lblPTCmdr(3)", "id"}, {"fraFeatures", "Features"},
        {"Label12", "Filter selection by:"}, {"cmdSApplyFilters", "Apply Filters"},
        {"chkKillFeatures", "Kill Features"}, {"Label10", "Rec:"}, {"lblRecUnit(0)", "id"}, {"lblRecUnit(1)", "id"},
        {"lblRecUnit(2)", "id"}, {"lblRecUnit(3)", "id"}, {"Label11", "Sum:"}, {"lblSumUnit(0)", "id"},
        {"lblSumUnit(1)", "id"}, {"lblSumUnit(2)", "id"}, {"chkSTerrain", "Terrain"}, {"chkSType", "Type"},
        {"chkSGems", "Gems"}, {"chkSStruct", "Struct"}, {"chkSRUnits", "RUnits"}, {"chkSSUnits", "SUnits"},
        {"chkSPBonus", "PBonus"}, {"chkSSBonus", "SBonus"}, {"chkSGBonus", "GBonus"}, {"chkSScales", "Scales"},
        {"chkKnown(0)", "Known"}, {"chkKnown(1)", "Known"}, {"chkKnown(2)", "Known"}, {"chkKnown(3)", "Known"},
        {"cmdAddFeature(0)", "Add to Site 1 List"}, {"cmdAddFeature(1)", "Add to Site 2 List"},
        {"cmdAddFeature(2)", "Add to Site 3 List"}, {"cmdAddFeature(3)", "Add to Site 4 List"},
        // Step 3.
        {"Label23", "RPS Value:"}, {"lblRPSvalue", "1347"}, {"Label25", "RPS -> Rough Point System"},
        {"Label26",
         "This is only a guage and not meant to accurately recreate the existing pretender point distributions. "
         "For example: A pretender with 2 magic paths maxed at 10, 10 dominion and maxed positive scales would "
         "have an RPS value of 1347."},
        {"fraCommander", "Commander"}, {"chkPretender", "Pretender"}, {"cmdPullCommander", "Pull from UF"},
        {"cmdAddToCommanderList", "Add to List"}, {"cmdAddCommander", "Submit -->"},
        {"fraCommanderName", "Commander Name"}, {"cmdAddToCommanderNameList", "Add to List"},
        {"cmdAddCommanderName", "Submit -->"}, {"fraItems", "Items"}, {"cmdAddToItemList", "Add to List"},
        {"cmdAddItem", "Submit -->"}, {"Frame11", "Item Filter"}, {"chkINoArtifacts", "- Artifact"},
        {"chkIArtifacts", "= Artifact"}, {"chkINoSpecial", "- Special"}, {"chkISpecial", "= Special"},
        {"chkIP1", "P1"}, {"chkIL1", "L1"}, {"chkIP2", "P2"}, {"chkIL2", "L2"}, {"fraMagic", "Magic"},
        {"chkClearMagic", "Clear Magic"}, {"Label15", "x"}, {"cmdAddToMagicList", "Add to List"},
        {"cmdAddMagic", "Submit -->"}, {"fraDominion", "Dominion Strength"}, {"Label14", "Value: 1 to 10"},
        {"cmdAddToDominionList", "Add to List"}, {"cmdAddDominion", "Submit -->"}, {"fraScales", "Scales"},
        {"Label13", "Value: -3 to 3"}, {"cmdAddToScalesList", "Add to List"}, {"cmdAddScales", "Submit -->"},
        {"fraBodyGuards", "Body Guards"}, {"cmdPullBodyGuards", "Pull from UF"}, {"Label16", "x"},
        {"cmdAddToBodyGuardList", "Add to List"}, {"cmdAddBodyGuards", "Submit -->"}, {"fraUnits", "Units"},
        {"cmdPullUnits", "Pull from UF"}, {"Label17", "x"}, {"cmdAddToUnitList", "Add to List"},
        {"cmdAddUnits", "Submit -->"},
        // Step 4.
        {"fraSave", "Save, Salvage or Slay"}, {"cmdSaveAs", "Save As"}, {"cmdSaveAndAdd", "Save and Add"},
        {"cmdClearGarrison", "Clear Garrison"}, {"cmdClearAll", "Clear All"}, {"cmdLoad", "Load"},
        // Unit Finder.
        {"Label1", "Filter selection by:"}, {"cmdUApplyFilters", "Apply Filters"}, {"chkUGod", "God"},
        {"chkUSize", "Size"}, {"chkUMagic", "Magic"}, {"chkURMagic", "RMagic"}, {"chkULead", "Lead"},
        {"chkUCType", "CType"}, {"chkUStealth", "Stealth"}, {"chkUResist", "Resist"}, {"chkUMisc", "Misc"},
        {"chkUSurvival", "Survival"}, {"chkUMove", "Move"}, {"chkUHero", "Hero"}, {"chkUMounted", "Mounted"},
        {"chkUUnique", "Unique"}, {"chkUHoly", "Holy"}, {"chkUFemale", "Female"}, {"Label19", "Last Unit Viewed:"},
        {"lblURL", std::string(kUnitReferenceBase) + "00666.png"}, {"Label20", std::string("User: ") + kUnitListUser},
        {"Label21", std::string("Pass: ") + kUnitListPassword}};
    // clang-format on
}

// The controls that start without a caption: text boxes, lists, pictures,
// caption-less frames and the labels the editor fills later.
const char* const kUncaptioned =
    "fraHelp txtHelp SSTab1 fraStep1 picUnit shpUnit txtFileNamePreview txtAuthor txtAuthorIndex "
    "cboMethod cboEra cboNation txtGanFileDesc Image2 Image1 fraStep2 txtLandName lstNameList "
    "cboNameDataList txtPopulation cboPopType cboFeature Frame10 txtSiteDescription cboSTerrain cboSType "
    "cboSGems cboSStruct SSTab3 Frame6 Frame7 Frame8 Frame9 lstFeatureList(0) lstFeatureList(1) "
    "lstFeatureList(2) lstFeatureList(3) txtGarrison fraStep3 SSTab2 fraBeginSiege txtCommanderID "
    "lblCommander lstCommanderList txtCommanderName lstCommanderNameList cboCommanderNameDataList "
    "cboItemCategory cboItem lstItemList cboQuillmapItem cboGameRandomItem cboIP1 cboIL1 cboIP2 cboIL2 "
    "cboMagic txtMagicLevel lstMagicList txtDominion lstDominionList cboScales txtScales lstScalesList "
    "txtBodyGuardID lblBodyGuard txtBodyGuardCount lstBodyGuardList txtUnitID lblUnit txtUnitCount "
    "lstUnitList CommonDialog1 txtGanFileName txtGanFileFinal cboUGod cboUSize cboUMagic cboURMagic "
    "cboULead cboUCType cboUStealth cboUResist cboUMisc cboUSurvival cboUMove cboUHero cboUnitFound "
    "lblUnitNumber txtUnitDescription";

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
    std::vector<Named> table = captioned();
    std::istringstream names(kUncaptioned);
    for (std::string name; names >> name;) table.push_back({name, ""});
    for (const Named& n : table) {
        Control* c = f.find(n.name);
        ASSERT_NE(c, nullptr) << n.name;
        EXPECT_EQ(c->fullName(), n.name);
        EXPECT_EQ(c->caption(), n.caption) << n.name;
    }
    // Nothing beyond the table, nothing twice.
    EXPECT_EQ(f.allControls().size(), table.size());
    EXPECT_EQ(namesWhere(f, [](const Control&) { return true; }).size(), table.size());
    EXPECT_EQ(f.find("lblPTUnit(4)"), nullptr);
    EXPECT_EQ(f.find("lblPTUnit"), nullptr);
}

TEST_F(Forms, WindowTitlesAndTabPages) {
    EXPECT_EQ(f.caption(), kProgramTitle);
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
    EXPECT_EQ(s.lblBusy.caption(), "Loading crapload of units...");
    EXPECT_EQ(s.lblTitle.caption(), kProgramTitle);
    // The labels lie on the picture.
    EXPECT_EQ(s.children(), (std::vector<Control*>{&s.Image1, &s.lblTitle, &s.lblBusy}));
    EXPECT_EQ(s.allControls(), s.children());
}

TEST_F(Forms, ContainersPagesAndZOrder) {
    struct Where {
        const char* name;
        const char* container;
        int page;
    };
    const Where table[] = {{"fraHelp", "Form1", -1},
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
                           {"lblUnitNumber", "fraUnitFinder", -1}};
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

    EXPECT_EQ(f.children(),
              (std::vector<Control*>{&f.fraUnitFinder, &f.SSTab1, &f.cmdHelpNorth, &f.cmdHelpSouth, &f.fraHelp}));
    EXPECT_LT(z(f.fraBeginSiege), z(f.fraStep3));
    EXPECT_LT(z(f.fraStep3), z(f.txtGarrison));
    for (const Control* floating : std::initializer_list<const Control*>{&f.chkKillFeatures, &f.cboFeature, &f.Frame10})
        EXPECT_LT(z(f.SSTab3), z(*floating)) << floating->name();
    EXPECT_LT(z(f.Image1), z(f.Label22));
    EXPECT_LT(z(f.Image1), z(f.Label18));
}

TEST_F(Forms, StartStates) {
    EXPECT_EQ(namesWhere(f,
                         [](const Control& c) {
                             return c.kind() == Kind::CheckBox &&
                                    static_cast<const CheckBox&>(c).value() == CheckBox::Checked;
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

    // The unit links look like links; builder buttons are bold, the others not.
    for (const Label* l : {&f.lblURL, &f.lblUnitNumber}) {
        EXPECT_EQ(l->foreColor(), (Rgb{0, 0, 0xFF})) << l->name();
        EXPECT_TRUE(l->font().underline) << l->name();
    }
    const std::set<std::string> builderFrames{"fraCommander", "fraCommanderName", "fraItems",      "fraMagic",
                                              "fraDominion",  "fraScales",        "fraBodyGuards", "fraUnits"};
    for (const Control* c : f.allControls()) {
        if (c->kind() != Kind::Button || c == &f.cmdHelpNorth || c == &f.cmdHelpSouth) continue;
        EXPECT_EQ(c->font().bold, builderFrames.count(c->container()->name()) == 1) << c->fullName();
    }
}

}  // namespace
}  // namespace gs
