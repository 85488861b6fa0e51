// The two windows as data. Each container's children are placed from the
// bottom of the z-order to the top; the control list is then read off the
// containment tree.
#include "window/forms.h"

#include <initializer_list>
#include <string>

#include "window/references.h"
#include "window/shell.h"
#include "window/version.h"

namespace gs {

namespace {

constexpr Rgb kBlue{0, 0, 0xFF};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kBrown{0x80, 0x40, 0x00};
constexpr Rgb kHelpGreen{0, 0xC0, 0};
constexpr Rgb kBrightGreen{0, 0xFF, 0};

// Every "Submit -->" button of the commander builders has this size.
constexpr int kSubmitWidth = 1815, kSubmitHeight = 375;

void put(Control& c, Control& in, Geometry g, const std::string& caption = "", int page = -1) {
    c.place(&in, g, page);
    if (!caption.empty()) c.setCaption(caption);
}

void bold(Control& c, double size = 0) { c.setFont(Font{size, true}); }

void multiLine(TextBox& t, bool vScroll, bool readOnly = false) {
    t.multiLine = true;
    t.vScroll = vScroll;
    t.readOnly = readOnly;
}

// Unit-number labels: bordered, number to the right.
void idLabel(Label& l) {
    l.setBordered(true);
    l.setAlign(Align::Right);
}

void link(Label& l) {
    l.setForeColor(kBlue);
    l.setUnderline(true);
}

// Centred label drawn straight on the picture beneath it.
void overlay(Label& l, Font f, Rgb colour) {
    l.setAlign(Align::Center);
    l.setTransparent(true);
    l.setFont(f);
    l.setForeColor(colour);
}

void submit(Button& b, Control& in, int left, int top) {
    put(b, in, {left, top, kSubmitWidth, kSubmitHeight}, "Submit -->");
}

// A column of filter check boxes, each with its drop-down beside it.
struct FilterRow {
    CheckBox& check;
    const char* caption;
    int checkWidth;
    ComboBox* combo;
};

void filterColumn(Control& in, int checkLeft, int comboLeft, std::initializer_list<FilterRow> rows, int firstTop,
                  int step) {
    int top = firstTop;
    for (const FilterRow& r : rows) {
        put(r.check, in, {checkLeft, top, r.checkWidth, 255}, r.caption);
        top += step;
    }
    top = firstTop;
    for (const FilterRow& r : rows) {
        if (r.combo) put(*r.combo, in, {comboLeft, top, 975, 315});
        top += step;
    }
}

// The body-guard and unit builders share one layout.
void unitBuilder(Frame& fra, Button& pull, TextBox& id, Label& name, Label& times, TextBox& count, Button& add,
                 ListBox& list, Button& submitButton) {
    put(pull, fra, {720, 240, 1815, 375}, "Pull from UF");
    put(id, fra, {120, 720, 600, 285});
    put(name, fra, {720, 720, 1935, 255});
    name.setBordered(true);
    put(times, fra, {2640, 720, 255, 255}, "x");
    put(count, fra, {2880, 720, 375, 285});
    put(add, fra, {720, 1080, 1815, 360}, "Add to List");
    put(list, fra, {120, 1440, 3135, 1035});
    submit(submitButton, fra, 720, 2520);
}

void collect(const Control& c, std::vector<Control*>& out) {
    for (Control* child : c.children()) {
        out.push_back(child);
        collect(*child, out);
    }
}

}  // namespace

Form1::Form1() : Window("Form1") {
    setCaption(kProgramTitle);
    setGeometry({0, 0, 10500, 8490});

    // Top level, bottom to top: the help frame covers everything.
    put(fraUnitFinder, *this, {120, 5520, 10215, 2895}, "Unit Finder");
    put(SSTab1, *this, {0, 120, 10455, 5295});
    SSTab1.setTabCaptions({"Step 1", "Step 2", "Step 3", "Step 4"});
    for (Button* b : {&cmdHelpNorth, &cmdHelpSouth}) {
        b->setCaption("?");
        bold(*b, 13.5);
        b->setBackColor(kHelpGreen);
    }
    cmdHelpNorth.place(this, {10080, 5040, 375, 375});
    cmdHelpSouth.place(this, {9960, 8040, 375, 375});
    put(fraHelp, *this, {4800, 5640, 4335, 2655});
    put(txtHelp, fraHelp, {120, 240, 3255, 1815});
    multiLine(txtHelp, true);
    txtHelp.setForeColor(kBrightGreen);
    txtHelp.setBackColor(kBlack);
    txtHelp.setFont(Font{12});

    // The pages of SSTab1; on "Step 3" the garrison box floats above fraStep3,
    // which lies above fraBeginSiege.
    const Geometry pageFrame{120, 360, 10215, 4815};
    put(fraStep1, SSTab1, pageFrame, "", 0);
    put(fraStep2, SSTab1, pageFrame, "", 1);
    put(fraBeginSiege, SSTab1, {120, 4320, 10215, 855}, "", 2);
    put(fraStep3, SSTab1, {120, 360, 10215, 4095}, "", 2);
    put(txtGarrison, SSTab1, {4560, 1080, 5535, 3135}, "", 2);
    multiLine(txtGarrison, true);
    put(fraSave, SSTab1, pageFrame, "Save, Salvage or Slay", 3);

    // Step 1.
    put(Frame1, fraStep1, {7920, 1560, 2175, 2295}, "Preview");
    put(shpUnit, Frame1, {120, 240, 1920, 1920});
    put(picUnit, Frame1, {120, 240, 0, 0});  // start-up sets the picture and places it
    put(fraSea, fraStep1, {8880, 120, 1215, 615}, "Sea");
    put(chkSea, fraSea, {240, 240, 855, 255}, "_SEA_");
    chkSea.setEnabled(false);
    put(fraFileNamePreview, fraStep1, {120, 3960, 9975, 735}, "File Name Preview");
    put(txtFileNamePreview, fraFileNamePreview, {120, 240, 9615, 375});
    bold(txtFileNamePreview, 9.75);
    put(fraAuthor, fraStep1, {120, 120, 3015, 615}, "Author");
    put(txtAuthor, fraAuthor, {120, 240, 2175, 285});
    put(txtAuthorIndex, fraAuthor, {2400, 240, 495, 285});
    put(fraMethod, fraStep1, {7560, 120, 1215, 615}, "Method");
    put(cboMethod, fraMethod, {120, 240, 975, 315});
    put(fraEra, fraStep1, {3240, 120, 1215, 615}, "Era");
    put(cboEra, fraEra, {120, 240, 975, 315});
    put(fraNation, fraStep1, {4560, 120, 2895, 615}, "Nation");
    put(cboNation, fraNation, {120, 240, 2655, 315});
    put(fraDescription, fraStep1, {120, 840, 3735, 3015}, "Author Comments /Pretender Description:");
    put(txtGanFileDesc, fraDescription, {120, 240, 3495, 2655});
    multiLine(txtGanFileDesc, true);
    put(Image2, fraStep1, {8520, 840, 1080, 615});
    put(Image1, fraStep1, {3960, 960, 3795, 2895});
    put(Label22, fraStep1, {4560, 960, 2775, 375}, "Quillmap");
    overlay(Label22, Font{13.5, true, true}, kBrown);
    put(Label18, fraStep1, {4320, 3480, 3015, 375}, std::string(kProgramTitle) + " v" + kProgramVersion);
    overlay(Label18, Font{12, true}, Rgb{0xFF, 0, 0});

    // Step 2.
    put(fraProvinceName, fraStep2, {480, 120, 3135, 2175}, "Province Name");
    put(txtLandName, fraProvinceName, {240, 240, 2655, 285});
    put(cmdAddToNameList, fraProvinceName, {240, 600, 2655, 240}, "Add to Province Name List");
    put(lstNameList, fraProvinceName, {240, 840, 2655, 645});
    put(cboNameDataList, fraProvinceName, {240, 1680, 2655, 315});
    put(fraPopulation, fraStep2, {6960, 1800, 1335, 615}, "Population");
    put(txtPopulation, fraPopulation, {120, 240, 1095, 285});
    put(fraPopType, fraStep2, {6960, 120, 2775, 1695}, "Pop Type");
    put(cboPopType, fraPopType, {120, 240, 2535, 315});
    {
        Label* unitCaptions[4] = {&Label2, &Label3, &Label4, &Label5};
        Label* cmdrCaptions[4] = {&Label6, &Label7, &Label8, &Label9};
        // "Cmdr1:" is wider than "Unit1:": its label starts a little left.
        for (int i = 0; i < 4; ++i) {
            const int top = 600 + 240 * i;
            const std::string n = std::to_string(i + 1);
            put(*unitCaptions[i], fraPopType, {120, top, 495, 255}, "Unit" + n + ":");
            put(lblPTUnit[i], fraPopType, {600, top, 735, 255}, "id");
            idLabel(lblPTUnit[i]);
            put(*cmdrCaptions[i], fraPopType, {1380, top, 540, 255}, "Cmdr" + n + ":");
            put(lblPTCmdr[i], fraPopType, {1920, top, 735, 255}, "id");
            idLabel(lblPTCmdr[i]);
        }
    }

    // Features: the site picker, "Kill Features" and the site detail float
    // above the four site pages.
    put(fraFeatures, fraStep2, {480, 2520, 9255, 2175}, "Features");
    put(Label12, fraFeatures, {120, 240, 1695, 255}, "Filter selection by:");
    put(cmdSApplyFilters, fraFeatures, {1440, 240, 1335, 255}, "Apply Filters");
    filterColumn(fraFeatures, 120, 960,
                 {{chkSTerrain, "Terrain", 855, &cboSTerrain},
                  {chkSType, "Type", 855, &cboSType},
                  {chkSGems, "Gems", 855, &cboSGems},
                  {chkSStruct, "Struct", 855, &cboSStruct}},
                 600, 360);
    filterColumn(fraFeatures, 2040, 0,
                 {{chkSRUnits, "RUnits", 855, nullptr},
                  {chkSSUnits, "SUnits", 855, nullptr},
                  {chkSPBonus, "PBonus", 855, nullptr},
                  {chkSSBonus, "SBonus", 855, nullptr},
                  {chkSGBonus, "GBonus", 855, nullptr},
                  {chkSScales, "Scales", 855, nullptr}},
                 600, 240);
    put(SSTab3, fraFeatures, {3000, 0, 6135, 2055});
    SSTab3.setTabCaptions({"Site 1", "Site 2", "Site 3", "Site 4"});
    for (int i = 0; i < 4; ++i) {
        put(siteFrames[i], SSTab3, {120, 360, 2415, 1575}, "", i);
        put(chkKnown[i], siteFrames[i], {120, 0, 855, 255}, "Known");
        put(cmdAddFeature[i], siteFrames[i], {120, 600, 2175, 240}, "Add to Site " + std::to_string(i + 1) + " List");
        put(lstFeatureList[i], siteFrames[i], {120, 840, 2175, 645});
    }
    // Wide enough for its caption, it ends with the site picker below it,
    // clear of the site detail beside it.
    put(chkKillFeatures, fraFeatures, {4230, 360, 1185, 255}, "Kill Features");
    put(cboFeature, fraFeatures, {3240, 600, 2175, 315});
    put(Frame10, fraFeatures, {5520, 360, 3495, 1575});
    put(txtSiteDescription, Frame10, {120, 0, 3375, 855});
    multiLine(txtSiteDescription, false, true);
    put(Label10, Frame10, {120, 960, 375, 255}, "Rec:");
    for (int i = 0; i < 4; ++i) {
        put(lblRecUnit[i], Frame10, {480 + 720 * i, 960, 735, 255}, "id");
        idLabel(lblRecUnit[i]);
    }
    put(Label11, Frame10, {120, 1200, 375, 255}, "Sum:");
    for (int i = 0; i < 3; ++i) {
        put(lblSumUnit[i], Frame10, {480 + 720 * i, 1200, 735, 255}, "id");
        idLabel(lblSumUnit[i]);
    }

    // Step 3: the rough-point labels (never shown) and the eight builders.
    put(Label23, fraBeginSiege, {120, 240, 1695, 375}, "RPS Value:");
    bold(Label23, 13.5);
    put(lblRPSvalue, fraBeginSiege, {1800, 240, 1815, 375}, "1347");
    lblRPSvalue.setBordered(true);
    lblRPSvalue.setAlign(Align::Center);
    lblRPSvalue.setFont(Font{13.5});
    lblRPSvalue.setForeColor(kBlack);
    lblRPSvalue.setBackColor(kWhite);
    put(Label25, fraBeginSiege, {120, 600, 2055, 255}, "RPS -> Rough Point System");
    put(Label26, fraBeginSiege, {3840, 120, 6135, 615},
        "This is only a guage and not meant to accurately recreate the existing pretender point distributions. For "
        "example: A pretender with 2 magic paths maxed at 10, 10 dominion and maxed positive scales would have an RPS "
        "value of 1347.");
    for (Label* l : {&Label23, &lblRPSvalue, &Label25, &Label26}) l->setVisible(false);

    put(SSTab2, fraStep3, {120, 360, 9975, 3615});
    SSTab2.setTabCaptions({"Commander", "Cmdr Name", "Items", "Magic", "Dominion", "Scales", "Body Guards", "Units"});

    put(fraCommander, SSTab2, {720, 480, 2895, 3015}, "Commander", 0);
    put(chkPretender, fraCommander, {120, 240, 1695, 240}, "Pretender");
    chkPretender.setValue(CheckBox::Checked);
    put(cmdPullCommander, fraCommander, {480, 480, 1815, 375}, "Pull from UF");
    put(txtCommanderID, fraCommander, {120, 960, 600, 285});
    put(lblCommander, fraCommander, {720, 960, 2055, 255});
    lblCommander.setBordered(true);
    put(cmdAddToCommanderList, fraCommander, {480, 1320, 1815, 375}, "Add to List");
    put(lstCommanderList, fraCommander, {120, 1800, 2655, 645});
    submit(cmdAddCommander, fraCommander, 480, 2520);

    put(fraCommanderName, SSTab2, {720, 480, 2775, 3015}, "Commander Name", 1);
    put(txtCommanderName, fraCommanderName, {120, 240, 2535, 285});
    put(cmdAddToCommanderNameList, fraCommanderName, {480, 600, 1815, 375}, "Add to List");
    put(lstCommanderNameList, fraCommanderName, {120, 1080, 2535, 1035});
    put(cboCommanderNameDataList, fraCommanderName, {120, 2160, 2535, 315});
    submit(cmdAddCommanderName, fraCommanderName, 480, 2520);

    put(fraItems, SSTab2, {1440, 360, 2775, 3135}, "Items", 2);
    put(cboItemCategory, fraItems, {120, 240, 2535, 315});
    put(cboItem, fraItems, {120, 600, 2535, 315});
    put(cmdAddToItemList, fraItems, {360, 960, 2175, 240}, "Add to List");
    put(lstItemList, fraItems, {120, 1200, 2535, 645});
    put(cboQuillmapItem, fraItems, {120, 1920, 2535, 315});
    put(cboGameRandomItem, fraItems, {120, 2280, 2535, 315});
    submit(cmdAddItem, fraItems, 480, 2640);
    put(Frame11, SSTab2, {120, 360, 1215, 3135}, "Item Filter", 2);
    put(chkINoArtifacts, Frame11, {120, 360, 975, 255}, "- Artifact");
    put(chkIArtifacts, Frame11, {120, 600, 975, 255}, "= Artifact");
    put(chkINoSpecial, Frame11, {120, 960, 975, 255}, "- Special");
    put(chkISpecial, Frame11, {120, 1200, 975, 255}, "= Special");
    chkINoArtifacts.setValue(CheckBox::Checked);
    chkINoSpecial.setValue(CheckBox::Checked);
    {
        CheckBox* checks[4] = {&chkIP1, &chkIL1, &chkIP2, &chkIL2};
        ComboBox* combos[4] = {&cboIP1, &cboIL1, &cboIP2, &cboIL2};
        const char* captions[4] = {"P1", "L1", "P2", "L2"};
        for (int i = 0; i < 4; ++i) put(*checks[i], Frame11, {120, 1560 + 360 * i, 495, 375}, captions[i]);
        for (int i = 0; i < 4; ++i) put(*combos[i], Frame11, {630, 1560 + 360 * i, 540, 315});
    }

    put(fraMagic, SSTab2, {960, 480, 2415, 3015}, "Magic", 3);
    put(chkClearMagic, fraMagic, {120, 240, 1215, 255}, "Clear Magic");
    put(cboMagic, fraMagic, {120, 480, 1335, 315});
    put(Label15, fraMagic, {1560, 480, 255, 255}, "x");
    put(txtMagicLevel, fraMagic, {1920, 480, 375, 285});
    put(cmdAddToMagicList, fraMagic, {240, 960, 1815, 375}, "Add to List");
    put(lstMagicList, fraMagic, {120, 1440, 2175, 1035});
    submit(cmdAddMagic, fraMagic, 240, 2520);

    put(fraDominion, SSTab2, {960, 480, 2415, 3015}, "Dominion Strength", 4);
    put(Label14, fraDominion, {240, 360, 1095, 255}, "Value: 1 to 10");
    put(txtDominion, fraDominion, {1440, 360, 735, 285});
    put(cmdAddToDominionList, fraDominion, {360, 720, 1695, 375}, "Add to List");
    put(lstDominionList, fraDominion, {120, 1200, 2175, 1035});
    submit(cmdAddDominion, fraDominion, 240, 2520);

    put(fraScales, SSTab2, {960, 480, 2415, 3015}, "Scales", 5);
    put(cboScales, fraScales, {120, 240, 2175, 315});
    put(Label13, fraScales, {240, 720, 1095, 255}, "Value: -3 to 3");
    put(txtScales, fraScales, {1440, 720, 735, 285});
    put(cmdAddToScalesList, fraScales, {360, 1080, 1695, 375}, "Add to List");
    put(lstScalesList, fraScales, {120, 1560, 2175, 840});
    submit(cmdAddScales, fraScales, 240, 2520);

    put(fraBodyGuards, SSTab2, {480, 480, 3375, 3015}, "Body Guards", 6);
    unitBuilder(fraBodyGuards, cmdPullBodyGuards, txtBodyGuardID, lblBodyGuard, Label16, txtBodyGuardCount,
                cmdAddToBodyGuardList, lstBodyGuardList, cmdAddBodyGuards);
    put(fraUnits, SSTab2, {480, 480, 3375, 3015}, "Units", 7);
    unitBuilder(fraUnits, cmdPullUnits, txtUnitID, lblUnit, Label17, txtUnitCount, cmdAddToUnitList, lstUnitList,
                cmdAddUnits);

    // Builder buttons are bold; the "x" between a value and its count is centred bold.
    for (Frame* fra : {&fraCommander, &fraCommanderName, &fraItems, &Frame11, &fraMagic, &fraDominion, &fraScales,
                       &fraBodyGuards, &fraUnits})
        for (Control* c : fra->children())
            if (c->kind() == Kind::Button) bold(*c);
    for (Label* x : {&Label15, &Label16, &Label17}) {
        x->setAlign(Align::Center);
        bold(*x);
    }

    // Step 4. The file's texts end where the north "?" begins, clear of
    // the scroll bar's down arrow.
    put(CommonDialog1, fraSave, {});
    put(txtGanFileName, fraSave, {3480, 240, 6480, 285});
    put(txtGanFileFinal, fraSave, {3480, 600, 6480, 4095});
    multiLine(txtGanFileFinal, true);
    txtGanFileFinal.maxBytes = kMaxGodFileBytes - 2;  // saving adds a CR LF
    put(cmdSaveAs, fraSave, {240, 1200, 3015, 375}, "Save As");
    put(cmdSaveAndAdd, fraSave, {240, 1680, 3015, 375}, "Save and Add");
    put(cmdClearGarrison, fraSave, {240, 2520, 3015, 375}, "Clear Garrison");
    put(cmdClearAll, fraSave, {240, 3000, 3015, 375}, "Clear All");
    put(cmdLoad, fraSave, {240, 4200, 3015, 375}, "Load");

    // Unit Finder.
    put(Label1, fraUnitFinder, {120, 240, 1695, 255}, "Filter selection by:");
    put(cmdUApplyFilters, fraUnitFinder, {1440, 240, 1335, 255}, "Apply Filters");
    filterColumn(fraUnitFinder, 120, 960,
                 {{chkUGod, "God", 855, &cboUGod},
                  {chkUSize, "Size", 855, &cboUSize},
                  {chkUMagic, "Magic", 855, &cboUMagic},
                  {chkURMagic, "RMagic", 855, &cboURMagic}},
                 600, 360);
    filterColumn(fraUnitFinder, 2040, 2880,
                 {{chkULead, "Lead", 855, &cboULead},
                  {chkUCType, "CType", 855, &cboUCType},
                  {chkUStealth, "Stealth", 855, &cboUStealth},
                  {chkUResist, "Resist", 855, &cboUResist}},
                 600, 360);
    filterColumn(fraUnitFinder, 3960, 4920,
                 {{chkUMisc, "Misc", 855, &cboUMisc},
                  {chkUSurvival, "Survival", 975, &cboUSurvival},
                  {chkUMove, "Move", 855, &cboUMove},
                  {chkUHero, "Hero", 855, &cboUHero}},
                 600, 360);
    put(chkUMounted, fraUnitFinder, {120, 2040, 975, 255}, "Mounted");
    put(chkUUnique, fraUnitFinder, {1440, 2040, 855, 255}, "Unique");
    put(chkUHoly, fraUnitFinder, {2880, 2040, 615, 255}, "Holy");
    put(chkUFemale, fraUnitFinder, {3960, 2040, 855, 255}, "Female");
    put(cboUnitFound, fraUnitFinder, {6120, 240, 3135, 315});
    put(lblUnitNumber, fraUnitFinder, {9360, 240, 735, 255});
    idLabel(lblUnitNumber);
    link(lblUnitNumber);
    put(txtUnitDescription, fraUnitFinder, {6120, 600, 3975, 1815});
    multiLine(txtUnitDescription, true, true);
    put(Label19, fraUnitFinder, {240, 2520, 1335, 255}, "Last Unit Viewed:");
    put(lblURL, fraUnitFinder, {1680, 2520, 5895, 255}, unitReferenceAddress(666));
    link(lblURL);
    put(Label20, fraUnitFinder, {7800, 2520, 735, 255}, std::string("User: ") + kUnitListUser);
    put(Label21, fraUnitFinder, {8640, 2520, 1215, 255}, std::string("Pass: ") + kUnitListPassword);

    // The lists the user adds to.
    lstNameList.maxEntries = kMaxNameEntries;
    lstNameList.maxBytes = kMaxNameBytes;
    for (ListBox& sites : lstFeatureList) {
        sites.maxEntries = kMaxSiteEntries;
        sites.maxBytes = kMaxSiteBytes;
    }
    for (ListBox* builder : {&lstCommanderList, &lstCommanderNameList, &lstItemList, &lstMagicList, &lstDominionList,
                             &lstScalesList, &lstBodyGuardList, &lstUnitList})
        builder->maxEntries = kMaxBuilderEntries;

    collect(*this, all_);
}

Control* Form1::find(const std::string& fullName) const {
    for (Control* c : all_)
        if (c->fullName() == fullName) return c;
    return nullptr;
}

Form2::Form2() : Window("Form2") {
    setCaption(kProgramTitle);
    setGeometry({0, 0, 7320, 1785});
    setBackColor(kBrown);
    put(Image1, *this, {120, 120, 7095, 1575});
    put(lblTitle, *this, {1845, 240, 3750, 360}, kProgramTitle);
    overlay(lblTitle, Font{13.5, true, true, true}, kBrightGreen);
    put(lblBusy, *this, {1815, 840, 3810, 360}, "Loading crapload of units...");
    overlay(lblBusy, Font{13.5, true}, Rgb{0xFF, 0xFF, 0});
    collect(*this, all_);
}

}  // namespace gs
