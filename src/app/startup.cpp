// The editor's life cycle: start-up, the reset of "Clear All", and the end.
#include <optional>

#include "compose/compose.h"
#include "document/header.h"
#include "finders/unit_detail.h"
#include "model/atomic_file.h"
#include "model/config.h"
#include "model/file_access.h"
#include "model/fixed_lists.h"
#include "model/number.h"
#include "model/paths.h"
#include "model/tables.h"
#include "app/startup.h"
#include "app/app.h"
#include "app/help.h"

namespace gs {

namespace {

// Cleared, filled, first entry selected (which raises its Click).
void fill(ComboBox& box, const lists::List& entries) {
    box.clear();
    box.addItems(entries);
    box.setListIndex(0);
}

void fill(ComboBox& box, const lists::List& entries, bool enabled) {
    fill(box, entries);
    box.setEnabled(enabled);
}

void progress(Editor& e, const char* caption) { e.splash.lblBusy.setCaption(caption); }

// Start-up's failure regions: each names the file group that failed.
constexpr const char* kDataMissing = "RKdata not found!";
constexpr const char* kConfigMissing = "RK.cfg not found!";
constexpr const char* kNameListMissing = "NameList.txt not found!";

void reportStartupFailure(Editor& e, const char* message, const LoadStatus& status) {
    e.platform.messageBox(message, kProgramTitle, status.cause);
}

void showStartPicture(Editor& e) {
    Form1& f = e.f;
    const std::string path = appendPath(e.platform.programFolder(), "\\RKsprites\\1822.jpg");
    // Without the picture the box is left empty, also on a reset that finds
    // the file gone (the last unit's sprite is not kept).
    if (const std::optional<PictureSize> size = e.platform.pictureSize(path))
        f.picUnit.setPicture(path, size->width, size->height);
    else
        f.picUnit.setPicture("", 0, 0);
    placeUnitPicture(e);
}

// Steps 5 to 15: the nation table and the fixed lists.
bool initializeNationsAndFixedLists(Editor& e) {
    Form1& f = e.f;
    f.cboNation.clear();
    e.NationIndex[0] = -1;
    if (LoadStatus s = loadNations(e); !s) {
        reportStartupFailure(e, kDataMissing, s);
        return false;
    }
    UpdateEraCode(e);
    f.cboNation.setListIndex(0);

    // The method's Click has just made the file-name preview and the Sea box
    // agree; clearing the box here would leave a reset's preview, whose
    // author and index texts come back unchanged, ending in "SEA_" beside it.
    fill(f.cboMethod, lists::Method);
    f.txtLandName.setText("");
    f.txtPopulation.setText("");

    fill(f.cboSTerrain, lists::STerrain, false);
    fill(f.cboSType, lists::SType, false);
    fill(f.cboSGems, lists::SGems, false);
    fill(f.cboSStruct, lists::SStruct, false);

    fill(f.cboUGod, lists::UGod, false);
    fill(f.cboUSize, lists::USize, false);
    fill(f.cboUMagic, lists::UMagic, false);
    fill(f.cboURMagic, lists::URMagic, false);
    fill(f.cboULead, lists::ULead, false);
    fill(f.cboUCType, lists::UCType, false);
    fill(f.cboUStealth, lists::UStealth, false);
    fill(f.cboUResist, lists::UResist, false);
    fill(f.cboUMisc, lists::UMisc, false);
    fill(f.cboUSurvival, lists::USurvival, false);
    fill(f.cboUMove, lists::UMove, false);
    fill(f.cboUHero, lists::UHero, false);

    f.txtCommanderID.setText("");
    f.lblCommander.setCaption("");
    f.cmdAddCommander.setEnabled(false);
    f.txtGarrison.setText("");
    f.txtCommanderName.setText("");
    f.cmdAddCommanderName.setEnabled(false);
    f.chkPretender.setValue(CheckBox::Checked);
    f.SSTab2.setTabCaption(0, "Pretender");
    f.fraCommander.setCaption("Pretender");

    fill(f.cboCommanderNameDataList, lists::CommanderNameDataList, true);

    fill(f.cboItemCategory, lists::ItemCategory, true);
    fill(f.cboIP1, lists::IP, false);
    fill(f.cboIL1, lists::IL, false);
    fill(f.cboIP2, lists::IP, false);
    fill(f.cboIL2, lists::IL, false);
    fill(f.cboGameRandomItem, lists::GameRandomItem, true);
    f.cmdAddItem.setEnabled(true);

    fill(f.cboMagic, lists::Magic, true);
    f.txtMagicLevel.setText("1");
    f.cmdAddMagic.setEnabled(false);

    f.txtDominion.setText("1");
    f.cmdAddDominion.setEnabled(true);

    fill(f.cboScales, lists::Scales, true);
    f.txtScales.setText("1");
    f.cmdAddScales.setEnabled(false);
    return true;
}

// Steps 16 to 18: the configuration.
bool initializeConfiguration(Editor& e) {
    Form1& f = e.f;
    progress(e, "Reading RK.cfg...");
    if (LoadStatus s = readConfig(e); !s) {
        reportStartupFailure(e, kConfigMissing, s);
        return false;
    }
    if (e.QuillmapFolder.empty()) LocateQuillmap(e);
    f.txtAuthor.setText(e.AuthorName);
    f.txtAuthorIndex.setText(plainNumber(e.AuthorIndex));

    f.cboQuillmapItem.clear();
    f.cboQuillmapItem.addItem("Let Velm generate.");
    f.cboQuillmapItem.addItems(quillmapItemLists(e));
    f.cboQuillmapItem.setEnabled(true);
    f.cboQuillmapItem.setListIndex(0);

    f.txtBodyGuardCount.setText("5");
    f.txtBodyGuardID.setText("");
    f.txtUnitCount.setText("10");
    f.txtUnitID.setText("");
    f.txtGanFileFinal.setText("");
    return true;
}

// Steps 20 to 24: the remaining data tables.
bool initializeTables(Editor& e) {
    progress(e, "Reading NationData.txt...");
    progress(e, "Reading PopData.txt...");
    LoadStatus s = loadPopTypes(e);
    if (s) {
        progress(e, "Reading SiteData.txt...");
        s = loadSites(e);
    }
    if (s) {
        progress(e, "Reading ItemData.txt...");
        s = loadItems(e);
        if (s) ApplyItemFilter(e);
    }
    if (s) {
        progress(e, "Reading UnitData.txt...");
        s = loadUnits(e);
    }
    if (!s) reportStartupFailure(e, kDataMissing, s);
    return static_cast<bool>(s);
}

}  // namespace

void InitializeAll(Editor& e) {
    Form1& f = e.f;
    f.txtHelp.setText(kDefaultHelp);
    f.txtGanFileDesc.setText("");
    showStartPicture(e);
    fill(f.cboEra, lists::Era);

    if (!initializeNationsAndFixedLists(e)) return;
    if (!initializeConfiguration(e)) return;

    progress(e, "Reading Quillmap NameList...");
    if (LoadStatus s = loadNameList(e); !s) {
        reportStartupFailure(e, kNameListMissing, s);
        return;
    }
    initializeTables(e);
}

void cmdClearAll_Click(Editor& e) {
    Form1& f = e.f;
    e.OpenedFile.clear();  // the window no longer shows that file
    for (CheckBox* box : {&f.chkUGod, &f.chkUSize, &f.chkUMagic, &f.chkURMagic, &f.chkULead, &f.chkUCType,
                          &f.chkUStealth, &f.chkUResist, &f.chkUMisc, &f.chkUSurvival, &f.chkUMove, &f.chkUHero,
                          &f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale})
        box->setValue(CheckBox::Unchecked);
    f.lstNameList.clear();
    for (CheckBox* box : {&f.chkSTerrain, &f.chkSType, &f.chkSGems, &f.chkSStruct, &f.chkSRUnits, &f.chkSSUnits,
                          &f.chkSPBonus, &f.chkSSBonus, &f.chkSGBonus, &f.chkSScales})
        box->setValue(CheckBox::Unchecked);
    for (int k = 0; k < 4; ++k) {
        f.chkKnown[k].setValue(CheckBox::Unchecked);
        f.lstFeatureList[k].clear();
        e.SiteListNumbers[k].clear();
    }
    f.chkKillFeatures.setValue(CheckBox::Unchecked);
    f.lstCommanderList.clear();
    f.lstCommanderNameList.clear();
    f.chkPretender.setValue(CheckBox::Checked);
    f.chkINoArtifacts.setValue(CheckBox::Checked);
    f.chkIArtifacts.setValue(CheckBox::Unchecked);
    f.chkINoSpecial.setValue(CheckBox::Checked);
    f.chkISpecial.setValue(CheckBox::Unchecked);
    for (CheckBox* box : {&f.chkIP1, &f.chkIL1, &f.chkIP2, &f.chkIL2}) box->setValue(CheckBox::Unchecked);
    f.lstItemList.clear();
    f.chkClearMagic.setValue(CheckBox::Unchecked);
    for (ListBox* list : {&f.lstMagicList, &f.lstScalesList, &f.lstDominionList, &f.lstBodyGuardList, &f.lstUnitList})
        list->clear();
    f.SSTab1.setTab(0);
    f.SSTab2.setTab(0);
    f.SSTab3.setTab(0);

    e.splash.setVisible(true);
    progress(e, "Reset in progress...");
    InitializeAll(e);
    e.splash.setVisible(false);
}

bool App::start() {
    // Every file the editor reads or writes lies in its folder or in those
    // that RK.cfg names, so without a usable folder it does not start.
    const std::string folder = editor.platform.programFolder();
    if (folder.empty()) {
        editor.platform.messageBox("Godsmith cannot tell which folder it was started from.", kProgramTitle);
        return false;
    }
    if (const std::string fault = programFolderFault(folder); !fault.empty()) {
        editor.platform.messageBox("Godsmith cannot work in its folder " + shownPath(folder) + ": " + fault + ".",
                                   kProgramTitle);
        return false;
    }
    if (!lock.acquire(folder) &&
        !editor.platform.questionBox("This installation is already open in another window.", kProgramTitle,
                                     "Open Anyway", "Quit"))
        return false;

    // The splash window loads first and, once active, shows the main window.
    splash.setVisible(true);
    splash.lblBusy.setCaption("Initializing...");
    if (form.visible()) return true;

    // The main window's load handler.
    editor.Loading = true;
    form.setVisible(false);
    splash.setVisible(true);
    splash.lblBusy.setCaption("Initializing...");
    InitializeAll(editor);
    removeStaleTemporaries(folder);
    if (!editor.QuillmapFolder.empty()) {
        removeStaleTemporaries(appendPath(editor.QuillmapFolder, "\\GOD_BIN"));
        removeStaleTemporaries(appendPath(editor.QuillmapFolder, "\\LIST_CRATE"));
    }
    form.fraHelp.setVisible(false);
    form.setVisible(true);
    splash.setVisible(false);
    form.setFocus(&form.txtAuthor);
    editor.Loading = false;
    keeper.start();
    return true;
}

bool App::close() {
    if (!keeper.close()) return false;
    form.setVisible(false);
    splash.setVisible(false);
    lock.release();
    return true;
}

}  // namespace gs
