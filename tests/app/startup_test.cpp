// Start-up, its failure regions, the reset of "Clear All" and the end.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "app/help.h"

namespace gs {
namespace {

using test::FakePlatform;
using test::InstallationOptions;
using test::makeInstallation;

struct Started {
    explicit Started(const InstallationOptions& options = {}) : platform(makeInstallation(options)), app(platform) {
        app.splash.lblBusy.Change = [this] {
            captions.push_back(app.splash.lblBusy.caption());
            EXPECT_TRUE(app.splash.visible()) << captions.back();
        };
        app.start();
    }
    FakePlatform platform;
    App app;
    std::vector<std::string> captions;
    Form1& f() { return app.form; }
};

const std::vector<std::string> kReadingSteps = {
    "Reading RK.cfg...",       "Reading Quillmap NameList...", "Reading NationData.txt...", "Reading PopData.txt...",
    "Reading SiteData.txt...", "Reading ItemData.txt...",      "Reading UnitData.txt..."};

std::vector<std::string> withFirst(const std::string& first) {
    std::vector<std::string> out{first};
    out.insert(out.end(), kReadingSteps.begin(), kReadingSteps.end());
    return out;
}

// What a clean start leaves and a clean "Clear All" restores.
void expectStartState(Started& s) {
    Form1& f = s.f();
    EXPECT_TRUE(s.platform.messages.empty());
    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(s.app.splash.visible());
    EXPECT_FALSE(s.app.editor.Loading);

    EXPECT_EQ(f.txtAuthor.text(), "Test Author");
    EXPECT_EQ(f.txtAuthorIndex.text(), "1");
    EXPECT_EQ(f.cboQuillmapItem.items(),
              (std::vector<std::string>{"Let Velm generate.", "Spare Blades", "Tower Relics"}));
    EXPECT_EQ(f.cboNameDataList.items(),
              (std::vector<std::string>{"Let Velm name the province.", "Marsh Names", "Hill Names"}));
    EXPECT_EQ(f.cboNation.item(0), "Brinehold");
    EXPECT_EQ(f.cboPopType.item(1), "Marsh Folk");
    EXPECT_EQ(f.cboFeature.item(1), "Glimmering Fen");
    EXPECT_EQ(f.cboUnitFound.listCount(), 1984);
    for (ListControl* list :
         std::vector<ListControl*>{&f.cboEra, &f.cboNation, &f.cboMethod, &f.cboQuillmapItem, &f.cboNameDataList,
                                   &f.cboPopType, &f.cboFeature, &f.cboItem, &f.cboUnitFound, &f.cboUMisc})
        EXPECT_EQ(list->listIndex(), 0) << list->name();
    for (ListBox* list : {&f.lstNameList, &f.lstUnitList}) EXPECT_EQ(list->listCount(), 0) << list->name();
    EXPECT_EQ(f.txtGarrison.text(), "");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.lblPTUnit[k].caption(), "-1");
        EXPECT_EQ(f.lblPTCmdr[k].caption(), "-1");
    }
    EXPECT_EQ(f.txtBodyGuardCount.text(), "5");
    EXPECT_EQ(f.txtUnitCount.text(), "10");
    EXPECT_EQ(f.txtMagicLevel.text(), "1");
    EXPECT_EQ(f.txtDominion.text(), "1");
    EXPECT_EQ(f.txtScales.text(), "1");

    // Filters off (their lists disabled), pretender mode, first pages.
    std::set<std::string> checked;
    for (const Control* c : f.allControls())
        if (c->kind() == Kind::CheckBox && static_cast<const CheckBox*>(c)->value() == CheckBox::Checked)
            checked.insert(c->fullName());
    // chkSea follows the first nation, a sea nation in the test tables.
    EXPECT_EQ(checked, (std::set<std::string>{"chkPretender", "chkINoArtifacts", "chkINoSpecial", "chkSea"}));
    EXPECT_FALSE(f.cboUMisc.enabled());
    EXPECT_FALSE(f.cboSTerrain.enabled());
    EXPECT_EQ(f.SSTab2.tabCaption(0), "Pretender");
    EXPECT_EQ(f.fraCommander.caption(), "Pretender");
    for (const TabControl* t : {&f.SSTab1, &f.SSTab2, &f.SSTab3}) EXPECT_EQ(t->tab(), 0) << t->name();
}

TEST(StartUp, OpensTheMainWindowWithEveryListFilledAndNoMessage) {
    Started s;
    expectStartState(s);
    Form1& f = s.f();
    EXPECT_EQ(s.captions, withFirst("Initializing..."));
    EXPECT_FALSE(f.fraHelp.visible());
    EXPECT_EQ(f.focus(), &f.txtAuthor);
    EXPECT_EQ(f.txtHelp.text(), "Move the mouse cursor over an item to view help for that item.");
    EXPECT_FALSE(f.cmdAddCommander.enabled());
    EXPECT_FALSE(f.cmdAddCommanderName.enabled());
    EXPECT_FALSE(f.cmdAddMagic.enabled());
    EXPECT_FALSE(f.cmdAddScales.enabled());
    EXPECT_TRUE(f.cmdAddItem.enabled());
    EXPECT_TRUE(f.cmdAddDominion.enabled());

    s.app.close();  // closing the main window ends the program
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(s.app.splash.visible());
}

// Every step of the start as the controls' events show it: the splash
// captions, each refilled list's selection (which raises its Click) and each
// text the start sets. Only the first event of each control counts.
TEST(StartUp, RunsItsStepsInOrder) {
    const std::string expected =
        "Initializing...|picUnit|cboEra|cboNation|cboMethod|cboSTerrain|cboSType|cboSGems|cboSStruct|cboUGod|"
        "cboUSize|cboUMagic|cboURMagic|cboULead|cboUCType|cboUStealth|cboUResist|cboUMisc|cboUSurvival|cboUMove|"
        "cboUHero|cboCommanderNameDataList|cboItemCategory|cboIP1|cboIL1|cboIP2|cboIL2|cboGameRandomItem|cboMagic|"
        "txtMagicLevel|txtDominion|cboScales|txtScales|Reading RK.cfg...|txtAuthor|txtAuthorIndex|cboQuillmapItem|"
        "txtBodyGuardCount|txtUnitCount|Reading Quillmap NameList...|cboNameDataList|Reading NationData.txt...|"
        "Reading PopData.txt...|cboPopType|Reading SiteData.txt...|cboFeature|Reading ItemData.txt...|"
        "Reading UnitData.txt...|cboUnitFound|";
    FakePlatform platform(makeInstallation({}));
    App app(platform);
    Form1& f = app.form;
    std::string events;
    const auto seen = [&events](const std::string& name) {
        if (events.find(name + "|") == std::string::npos) events += name + "|";
    };
    const auto watch = [&seen](const Control& control, std::function<void()>& slot) {
        slot = [&seen, &control, handler = slot] {
            seen(control.name());
            if (handler) handler();
        };
    };
    // Watch every list and text box the expected sequence names.
    for (Control* c : f.allControls()) {
        if (expected.find("|" + c->fullName() + "|") == std::string::npos) continue;
        if (auto* list = dynamic_cast<ListControl*>(c)) watch(*c, list->Click);
        if (auto* text = dynamic_cast<TextBox*>(c)) watch(*c, text->Change);
    }
    app.splash.lblBusy.Change = [&] { seen(app.splash.lblBusy.caption()); };
    f.picUnit.setObserver([&] { seen(f.picUnit.name()); });

    app.start();

    EXPECT_EQ(events, expected);
}

TEST(StartUp, PlacesTheStartPictureOrGoesOnWithoutIt) {
    Started with;
    EXPECT_NE(with.f().picUnit.picturePath().find("1822.jpg"), std::string::npos);
    EXPECT_EQ(with.f().picUnit.geometry().width, 64 * 15);
    // Gone by the time of a reset: the picture is left empty, silently.
    std::filesystem::remove(with.platform.programFolder() + "/" + test::kSpriteFile);
    with.f().cmdClearAll.click();
    EXPECT_TRUE(with.platform.messages.empty());
    EXPECT_EQ(with.f().picUnit.picturePath(), "");

    Started without({{{test::kSpriteFile, std::nullopt}}});
    EXPECT_TRUE(without.platform.messages.empty());
    EXPECT_EQ(without.f().picUnit.picturePath(), "");
    EXPECT_EQ(without.f().cboUnitFound.listCount(), 1984);
}

// Each failure region shows its message, keeps what was filled before it and
// runs nothing after it.
TEST(StartUp, FailureRegionsStopTheRestOfTheStart) {
    struct Case {
        const char* missing;
        const char* message;
        bool fixedListsFilled, configRead, nameListsRead, popTypesRead, sitesRead;
    };
    const Case cases[] = {
        {test::kNationFile, "RKdata not found!", false, false, false, false, false},
        {test::kConfigFile, "RK.cfg not found!", true, false, false, false, false},
        {test::kNameListFile, "NameList.txt not found!", true, true, false, false, false},
        {test::kPopTypeFile, "RKdata not found!", true, true, true, false, false},
        {test::kItemFile, "RKdata not found!", true, true, true, true, true},
        {test::kUnitFile, "RKdata not found!", true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        Started s({{{c.missing, std::nullopt}}});
        Form1& f = s.f();
        ASSERT_EQ(s.platform.messages.size(), 1u);
        EXPECT_EQ(s.platform.messages[0].text, c.message);
        EXPECT_EQ(s.platform.messages[0].title, "Godsmith");
        EXPECT_NE(s.platform.messages[0].detail.find("cannot be opened"), std::string::npos);
        EXPECT_TRUE(f.visible());
        EXPECT_FALSE(s.app.splash.visible());
        EXPECT_EQ(f.cboEra.listCount(), 3);
        EXPECT_EQ(f.cboScales.listCount() > 0, c.fixedListsFilled);
        EXPECT_EQ(f.txtAuthor.text() == "Test Author", c.configRead);
        EXPECT_EQ(f.cboNameDataList.listCount() > 1, c.nameListsRead);
        EXPECT_EQ(f.cboPopType.listCount() > 1, c.popTypesRead);
        EXPECT_EQ(f.cboFeature.listCount() > 1, c.sitesRead);
        EXPECT_LE(f.cboUnitFound.listCount(), 1);
    }
    // A missing item table: the item picker holds only its first entry.
    Started items({{{test::kItemFile, std::nullopt}}});
    EXPECT_EQ(items.f().cboItem.items(), std::vector<std::string>{"No Item"});
    EXPECT_EQ(items.f().cboUnitFound.listCount(), 0);
}

TEST(Reset, ReturnsListsFiltersAndTabsToTheirStartAndRereadsTheFiles) {
    Started s;
    Form1& f = s.f();
    f.chkUMisc.click();
    f.cboUMisc.setListIndex(21);  // "Castle Def"
    f.chkSTerrain.click();
    f.chkIArtifacts.click();
    f.chkKillFeatures.click();
    f.chkKnown[2].click();
    f.lstNameList.addItem("\"Somewhere\"");
    f.lstUnitList.addItem("10 10 --Mossguard Spearman");
    f.txtGarrison.setText("#units 10 10 --Mossguard Spearman\r\n");
    f.chkPretender.click();
    f.SSTab1.setTab(2);
    f.SSTab2.setTab(5);
    f.SSTab3.setTab(3);
    f.txtAuthor.setText("Someone Unsaved");
    f.cboUnitFound.setListIndex(2);
    s.captions.clear();

    f.cmdClearAll.click();

    EXPECT_EQ(s.captions, withFirst("Reset in progress..."));
    expectStartState(s);
}

// The era list's handler does nothing while the main window loads (step 5
// fills the nations itself); during a reset it fills them from the table in
// memory as soon as step 4 selects the first era.
TEST(Reset, RunsTheEraHandlerWhichTheFirstStartSkips) {
    FakePlatform platform(makeInstallation({}));
    App app(platform);
    Form1& f = app.form;
    std::vector<bool> loading;
    std::vector<std::vector<std::string>> nations;
    f.cboEra.Click = [&, handler = f.cboEra.Click] {
        handler();
        loading.push_back(app.editor.Loading);
        nations.push_back(f.cboNation.items());
    };
    app.start();
    EXPECT_EQ(loading, std::vector<bool>{true});
    EXPECT_EQ(nations, std::vector<std::vector<std::string>>{{}});
    EXPECT_EQ(f.cboNation.item(0), "Brinehold");

    f.cboEra.setListIndex(3 - 1);  // "Late"
    loading.clear();
    nations.clear();
    f.cmdClearAll.click();
    EXPECT_EQ(loading, std::vector<bool>{false});
    ASSERT_EQ(nations.size(), 1u);
    EXPECT_EQ(nations[0].at(0), "Brinehold");
    EXPECT_EQ(f.cboEra.text(), "Early");
}

// A reset that fails keeps what the failing step and the later ones would
// have replaced, while the user's lists before it are emptied.
TEST(Reset, AFailingStepKeepsTheLaterControlsAsTheyWere) {
    {
        Started s;
        Form1& f = s.f();
        f.txtAuthor.setText("Someone Unsaved");
        f.lstUnitList.addItem("10 10 --Mossguard Spearman");
        std::filesystem::remove(s.platform.programFolder() + "/RK.cfg");
        f.cmdClearAll.click();
        ASSERT_EQ(s.platform.messages.size(), 1u);
        EXPECT_EQ(s.platform.messages[0].text, "RK.cfg not found!");
        EXPECT_EQ(f.txtAuthor.text(), "Someone Unsaved");
        EXPECT_EQ(f.cboQuillmapItem.items(),
                  (std::vector<std::string>{"Let Velm generate.", "Spare Blades", "Tower Relics"}));
        EXPECT_EQ(f.cboUnitFound.listCount(), 1984);
        EXPECT_EQ(f.lstUnitList.listCount(), 0);
        EXPECT_EQ(f.cboScales.listIndex(), 0);
        EXPECT_FALSE(s.app.splash.visible());
    }
    {
        Started s;
        Form1& f = s.f();
        f.cboUnitFound.setListIndex(2);
        std::filesystem::remove(s.platform.programFolder() + "/" + test::kItemFile);
        f.cmdClearAll.click();
        ASSERT_EQ(s.platform.messages.size(), 1u);
        EXPECT_EQ(s.platform.messages[0].text, "RKdata not found!");
        EXPECT_EQ(f.cboItem.items(), std::vector<std::string>{"No Item"});
        EXPECT_EQ(f.cboFeature.listIndex(), 0);
        EXPECT_EQ(f.cboUnitFound.listCount(), 1984);
        EXPECT_EQ(f.cboUnitFound.listIndex(), 2);
    }
}

// Every fixed list with its entries in order, its selection and its state.
TEST(FixedLists, HoldTheirEntriesSelectionAndEnabledState) {
    Started s;
    Form1& f = s.f();
    using L = std::vector<std::string>;
    const L paths = {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood", "Holy"};
    const L letters = {"F", "A", "W", "E", "S", "D", "N", "B"};
    const L oneToSix = {" 1", " 2", " 3", " 4", " 5", " 6"};
    // clang-format off
    const L misc = {
        "DarkVision", "Regenerate", "Forge", "Heal", "Alchemy", "Luck", "Insane", "Standard", "Awe", "Fear",
        "Berserk", "Chill", "Heat", "Fire Shield", "Banefire Shield", "Blood Veng", "Disease Cloud",
        "Poison Cloud", "Ice Armor", "Pillage", "Patrol", "Castle Def", "Siege", "Supply", "Sage", "Blood Hunt",
        "Void Summ", "Cold Blooded", "Ethereal", "True Ethereal", "Trample", "Blind", "Recuperation",
        "Immortal", "Mindless", "Lifeless", "No Eat", "No Heal", "Poison Armor", "Seduce", "Succubus",
        "Petrify", "Eyeloss", "Inquisitor", "Winter Strength", "Spring Strength", "Summer Strength",
        "Fall Strength", "Reanimate", "Summons Other", "Shape Changer"};
    // clang-format on
    struct Case {
        ComboBox& box;
        L entries;
        bool enabled;
    };
    const Case cases[] = {
        {f.cboEra, {"Early", "Middle", "Late"}, true},
        {f.cboMethod, {"Add", "Replace"}, true},
        {f.cboSTerrain,
         {"Plains", "Forest", "Mountain", "Waste", "Farm", "Sea", "Coast", "Swamp", "DeepSea", "Unique"},
         false},
        {f.cboSType, paths, false},
        {f.cboSGems, {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood"}, false},
        {f.cboSStruct, {"Lab", "Fort"}, false},
        {f.cboUGod, {"Not", "Is"}, false},
        {f.cboUSize, oneToSix, false},
        {f.cboUMagic, paths, false},
        {f.cboURMagic, paths, false},
        {f.cboULead, {"Normal", "Magic", "Undead"}, false},
        {f.cboUCType, {"Normal", "Undead", "Demon", "Magic being", "Animal"}, false},
        {f.cboUStealth, {"None", "Spy", "Assassin", "Glamour", "Stealthy"}, false},
        {f.cboUResist, {"Fire", "Cold", "Lightning", "Poison"}, false},
        {f.cboUMisc, misc, false},
        {f.cboUSurvival, {"Forest", "Mountain", "Waste", "Swamp"}, false},
        {f.cboUMove, {"Aquatic", "Amphibian", "Poor Amphi", "Flying", "Stormflyer", "Sailing"}, false},
        {f.cboUHero, {"Not", "Is"}, false},
        {f.cboCommanderNameDataList, {"Velm generated.", "Quillmap generated."}, true},
        {f.cboItemCategory, {"None", "1-h wpn", "2-h wpn", "shield", "helm", "armor", "boots", "misc"}, true},
        {f.cboIP1, letters, false},
        {f.cboIL1, oneToSix, false},
        {f.cboIP2, letters, false},
        {f.cboIL2, oneToSix, false},
        {f.cboGameRandomItem, {" 0", " 1", " 2", " 3", " 4"}, true},
        {f.cboMagic,
         {"-- no Magic", "#mag_fire", "#mag_air", "#mag_water", "#mag_earth", "#mag_astral", "#mag_death",
          "#mag_nature", "#mag_blood", "#mag_priest"},
         true},
        {f.cboScales,
         {"-- no Scales", "#scale_chaos", "#scale_lazy", "#scale_cold", "#scale_death", "#scale_unluck",
          "#scale_unmagic"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.name());
        EXPECT_EQ(c.box.items(), c.entries);
        EXPECT_EQ(c.box.listIndex(), 0);
        EXPECT_EQ(c.box.enabled(), c.enabled);
    }
}

}  // namespace
}  // namespace gs
