// The editor's two windows as data: every control with its container, page,
// reference geometry, caption or start text, start state and z-order.
// Member names are the control names; control arrays are std::arrays whose
// members carry their index (lstFeatureList[2] is "lstFeatureList(2)").
#pragma once

#include <array>
#include <string>
#include <vector>

#include "window/controls.h"

namespace gs {

// The program's title, shown on both windows and in start-up messages.
inline constexpr const char* kProgramTitle = "Godsmith";

class Form1 : public Window {
public:
    Form1();

    // Every control of the window, containers before their children and, within
    // one container, in z-order from bottom to top.
    const std::vector<Control*>& allControls() const { return all_; }
    // The control with this full name ("cboEra", "lstFeatureList(2)"), or nullptr.
    Control* find(const std::string& fullName) const;

    // Top level.
    Frame fraUnitFinder{"fraUnitFinder"};
    TabControl SSTab1{"SSTab1"};
    Button cmdHelpNorth{"cmdHelpNorth"};
    Button cmdHelpSouth{"cmdHelpSouth"};
    Frame fraHelp{"fraHelp"};
    TextBox txtHelp{"txtHelp"};

    // Step 1.
    Frame fraStep1{"fraStep1"};
    Frame Frame1{"Frame1"};
    Shape shpUnit{"shpUnit"};
    PictureBox picUnit{"picUnit"};
    Frame fraSea{"fraSea"};
    CheckBox chkSea{"chkSea"};
    Frame fraFileNamePreview{"fraFileNamePreview"};
    TextBox txtFileNamePreview{"txtFileNamePreview"};
    Frame fraAuthor{"fraAuthor"};
    TextBox txtAuthor{"txtAuthor"};
    TextBox txtAuthorIndex{"txtAuthorIndex"};
    Frame fraMethod{"fraMethod"};
    ComboBox cboMethod{"cboMethod"};
    Frame fraEra{"fraEra"};
    ComboBox cboEra{"cboEra"};
    Frame fraNation{"fraNation"};
    ComboBox cboNation{"cboNation"};
    Frame fraDescription{"fraDescription"};
    TextBox txtGanFileDesc{"txtGanFileDesc"};
    Image Image1{"Image1"};
    Image Image2{"Image2"};
    Label Label22{"Label22"};
    Label Label18{"Label18"};

    // Step 2.
    Frame fraStep2{"fraStep2"};
    Frame fraProvinceName{"fraProvinceName"};
    TextBox txtLandName{"txtLandName"};
    Button cmdAddToNameList{"cmdAddToNameList"};
    ListBox lstNameList{"lstNameList"};
    ComboBox cboNameDataList{"cboNameDataList"};
    Frame fraPopulation{"fraPopulation"};
    TextBox txtPopulation{"txtPopulation"};
    Frame fraPopType{"fraPopType"};
    ComboBox cboPopType{"cboPopType"};
    Label Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"};
    std::array<Label, 4> lblPTUnit{Label{"lblPTUnit", 0}, Label{"lblPTUnit", 1}, Label{"lblPTUnit", 2},
                                   Label{"lblPTUnit", 3}};
    Label Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"};
    std::array<Label, 4> lblPTCmdr{Label{"lblPTCmdr", 0}, Label{"lblPTCmdr", 1}, Label{"lblPTCmdr", 2},
                                   Label{"lblPTCmdr", 3}};
    Frame fraFeatures{"fraFeatures"};
    Label Label12{"Label12"};
    Button cmdSApplyFilters{"cmdSApplyFilters"};
    TabControl SSTab3{"SSTab3"};
    std::array<Frame, 4> siteFrames{Frame{"Frame6"}, Frame{"Frame7"}, Frame{"Frame8"}, Frame{"Frame9"}};
    std::array<CheckBox, 4> chkKnown{CheckBox{"chkKnown", 0}, CheckBox{"chkKnown", 1}, CheckBox{"chkKnown", 2},
                                     CheckBox{"chkKnown", 3}};
    std::array<Button, 4> cmdAddFeature{Button{"cmdAddFeature", 0}, Button{"cmdAddFeature", 1},
                                        Button{"cmdAddFeature", 2}, Button{"cmdAddFeature", 3}};
    std::array<ListBox, 4> lstFeatureList{ListBox{"lstFeatureList", 0}, ListBox{"lstFeatureList", 1},
                                          ListBox{"lstFeatureList", 2}, ListBox{"lstFeatureList", 3}};
    CheckBox chkKillFeatures{"chkKillFeatures"};
    ComboBox cboFeature{"cboFeature"};
    Frame Frame10{"Frame10"};
    TextBox txtSiteDescription{"txtSiteDescription"};
    Label Label10{"Label10"};
    std::array<Label, 4> lblRecUnit{Label{"lblRecUnit", 0}, Label{"lblRecUnit", 1}, Label{"lblRecUnit", 2},
                                    Label{"lblRecUnit", 3}};
    Label Label11{"Label11"};
    std::array<Label, 3> lblSumUnit{Label{"lblSumUnit", 0}, Label{"lblSumUnit", 1}, Label{"lblSumUnit", 2}};
    CheckBox chkSTerrain{"chkSTerrain"}, chkSType{"chkSType"}, chkSGems{"chkSGems"}, chkSStruct{"chkSStruct"};
    ComboBox cboSTerrain{"cboSTerrain"}, cboSType{"cboSType"}, cboSGems{"cboSGems"}, cboSStruct{"cboSStruct"};
    CheckBox chkSRUnits{"chkSRUnits"}, chkSSUnits{"chkSSUnits"}, chkSPBonus{"chkSPBonus"}, chkSSBonus{"chkSSBonus"},
        chkSGBonus{"chkSGBonus"}, chkSScales{"chkSScales"};

    // Step 3.
    Frame fraBeginSiege{"fraBeginSiege"};
    Label Label23{"Label23"};
    Label lblRPSvalue{"lblRPSvalue"};
    Label Label25{"Label25"};
    Label Label26{"Label26"};
    Frame fraStep3{"fraStep3"};
    TabControl SSTab2{"SSTab2"};
    TextBox txtGarrison{"txtGarrison"};

    Frame fraCommander{"fraCommander"};
    CheckBox chkPretender{"chkPretender"};
    Button cmdPullCommander{"cmdPullCommander"};
    TextBox txtCommanderID{"txtCommanderID"};
    Label lblCommander{"lblCommander"};
    Button cmdAddToCommanderList{"cmdAddToCommanderList"};
    ListBox lstCommanderList{"lstCommanderList"};
    Button cmdAddCommander{"cmdAddCommander"};

    Frame fraCommanderName{"fraCommanderName"};
    TextBox txtCommanderName{"txtCommanderName"};
    Button cmdAddToCommanderNameList{"cmdAddToCommanderNameList"};
    ListBox lstCommanderNameList{"lstCommanderNameList"};
    ComboBox cboCommanderNameDataList{"cboCommanderNameDataList"};
    Button cmdAddCommanderName{"cmdAddCommanderName"};

    Frame fraItems{"fraItems"};
    ComboBox cboItemCategory{"cboItemCategory"};
    ComboBox cboItem{"cboItem"};
    Button cmdAddToItemList{"cmdAddToItemList"};
    ListBox lstItemList{"lstItemList"};
    ComboBox cboQuillmapItem{"cboQuillmapItem"};
    ComboBox cboGameRandomItem{"cboGameRandomItem"};
    Button cmdAddItem{"cmdAddItem"};
    Frame Frame11{"Frame11"};
    CheckBox chkINoArtifacts{"chkINoArtifacts"}, chkIArtifacts{"chkIArtifacts"}, chkINoSpecial{"chkINoSpecial"},
        chkISpecial{"chkISpecial"};
    CheckBox chkIP1{"chkIP1"}, chkIL1{"chkIL1"}, chkIP2{"chkIP2"}, chkIL2{"chkIL2"};
    ComboBox cboIP1{"cboIP1"}, cboIL1{"cboIL1"}, cboIP2{"cboIP2"}, cboIL2{"cboIL2"};

    Frame fraMagic{"fraMagic"};
    CheckBox chkClearMagic{"chkClearMagic"};
    ComboBox cboMagic{"cboMagic"};
    Label Label15{"Label15"};
    TextBox txtMagicLevel{"txtMagicLevel"};
    Button cmdAddToMagicList{"cmdAddToMagicList"};
    ListBox lstMagicList{"lstMagicList"};
    Button cmdAddMagic{"cmdAddMagic"};

    Frame fraDominion{"fraDominion"};
    Label Label14{"Label14"};
    TextBox txtDominion{"txtDominion"};
    Button cmdAddToDominionList{"cmdAddToDominionList"};
    ListBox lstDominionList{"lstDominionList"};
    Button cmdAddDominion{"cmdAddDominion"};

    Frame fraScales{"fraScales"};
    ComboBox cboScales{"cboScales"};
    Label Label13{"Label13"};
    TextBox txtScales{"txtScales"};
    Button cmdAddToScalesList{"cmdAddToScalesList"};
    ListBox lstScalesList{"lstScalesList"};
    Button cmdAddScales{"cmdAddScales"};

    Frame fraBodyGuards{"fraBodyGuards"};
    Button cmdPullBodyGuards{"cmdPullBodyGuards"};
    TextBox txtBodyGuardID{"txtBodyGuardID"};
    Label lblBodyGuard{"lblBodyGuard"};
    Label Label16{"Label16"};
    TextBox txtBodyGuardCount{"txtBodyGuardCount"};
    Button cmdAddToBodyGuardList{"cmdAddToBodyGuardList"};
    ListBox lstBodyGuardList{"lstBodyGuardList"};
    Button cmdAddBodyGuards{"cmdAddBodyGuards"};

    Frame fraUnits{"fraUnits"};
    Button cmdPullUnits{"cmdPullUnits"};
    TextBox txtUnitID{"txtUnitID"};
    Label lblUnit{"lblUnit"};
    Label Label17{"Label17"};
    TextBox txtUnitCount{"txtUnitCount"};
    Button cmdAddToUnitList{"cmdAddToUnitList"};
    ListBox lstUnitList{"lstUnitList"};
    Button cmdAddUnits{"cmdAddUnits"};

    // Step 4.
    Frame fraSave{"fraSave"};
    FileDialog CommonDialog1{"CommonDialog1"};
    TextBox txtGanFileName{"txtGanFileName"};
    TextBox txtGanFileFinal{"txtGanFileFinal"};
    Button cmdSaveAs{"cmdSaveAs"};
    Button cmdSaveAndAdd{"cmdSaveAndAdd"};
    Button cmdClearGarrison{"cmdClearGarrison"};
    Button cmdClearAll{"cmdClearAll"};
    Button cmdLoad{"cmdLoad"};

    // Unit Finder.
    Label Label1{"Label1"};
    Button cmdUApplyFilters{"cmdUApplyFilters"};
    CheckBox chkUGod{"chkUGod"}, chkUSize{"chkUSize"}, chkUMagic{"chkUMagic"}, chkURMagic{"chkURMagic"};
    ComboBox cboUGod{"cboUGod"}, cboUSize{"cboUSize"}, cboUMagic{"cboUMagic"}, cboURMagic{"cboURMagic"};
    CheckBox chkULead{"chkULead"}, chkUCType{"chkUCType"}, chkUStealth{"chkUStealth"}, chkUResist{"chkUResist"};
    ComboBox cboULead{"cboULead"}, cboUCType{"cboUCType"}, cboUStealth{"cboUStealth"}, cboUResist{"cboUResist"};
    CheckBox chkUMisc{"chkUMisc"}, chkUSurvival{"chkUSurvival"}, chkUMove{"chkUMove"}, chkUHero{"chkUHero"};
    ComboBox cboUMisc{"cboUMisc"}, cboUSurvival{"cboUSurvival"}, cboUMove{"cboUMove"}, cboUHero{"cboUHero"};
    CheckBox chkUMounted{"chkUMounted"}, chkUUnique{"chkUUnique"}, chkUHoly{"chkUHoly"}, chkUFemale{"chkUFemale"};
    ComboBox cboUnitFound{"cboUnitFound", true};
    Label lblUnitNumber{"lblUnitNumber"};
    TextBox txtUnitDescription{"txtUnitDescription"};
    Label Label19{"Label19"};
    Label lblURL{"lblURL"};
    Label Label20{"Label20"};
    Label Label21{"Label21"};

private:
    std::vector<Control*> all_;
};

// The splash window shown while the editor starts or resets.
class Form2 : public Window {
public:
    Form2();
    Image Image1{"Image1"};
    Label lblTitle{"lblTitle"};
    Label lblBusy{"lblBusy"};
    const std::vector<Control*>& allControls() const { return all_; }

private:
    std::vector<Control*> all_;
};

}  // namespace gs
