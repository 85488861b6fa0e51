// A new user's whole road through the editor: start-up on a test
// installation, the four steps, and "Save and Add". The written god file is
// compared byte for byte with tests/data/end_to_end.god.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace {

using gs::test::readFile;

// Picks the entry with this text, as the user does in a drop-down list.
void pick(gs::ListControl& list, const std::string& text) {
    for (int i = 0; i < list.listCount(); ++i) {
        if (list.item(i) == text) {
            list.setListIndex(i);
            return;
        }
    }
    ADD_FAILURE() << list.fullName() << " has no entry \"" << text << "\"";
}

TEST(EndToEnd, NewUserComposesAndSavesAGodFile) {
    const std::string folder = gs::test::makeInstallation();
    const std::string quillmap = gs::test::quillmapFolderOf(folder);
    gs::test::FakePlatform platform(folder);
    gs::App app(platform);
    gs::Form1& f = app.form;
    app.start();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text << ": " << platform.messages[0].detail;
    ASSERT_EQ(f.SSTab1.tab(), 0);

    // Step 1: who, how, when and which nation; a description.
    f.txtAuthor.setText("Ann");
    pick(f.cboMethod, "Replace");
    pick(f.cboEra, "Early");
    pick(f.cboNation, "Brinehold");
    EXPECT_EQ(f.txtFileNamePreview.text(), "Ann1_5_R_EA_SEA_");
    f.txtGanFileDesc.setText("A drowned marsh.\r\nHeld by the Lantern.");

    // Step 2: names, population, pop type and two site slots.
    f.SSTab1.setTab(1);
    f.txtLandName.setText("Mirefield");
    f.cmdAddToNameList.click();
    f.txtLandName.setText("Reedholm");
    f.cmdAddToNameList.click();
    f.txtPopulation.setText("4000");
    pick(f.cboPopType, "Marsh Folk");
    f.chkKillFeatures.click();
    pick(f.cboFeature, "Glimmering Fen");
    f.cmdAddFeature[0].click();
    f.SSTab3.setTab(1);
    f.chkKnown[1].click();
    pick(f.cboFeature, "Ashen Forge");
    f.cmdAddFeature[1].click();
    f.cboFeature.setListIndex(0);  // "None"
    f.cmdAddFeature[1].click();

    // Step 3: a commander from the Unit Finder, a name, an item, body guards
    // and units.
    f.SSTab1.setTab(2);
    pick(f.cboUnitFound, "Wrenna the Lantern");
    f.cmdPullCommander.click();
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();

    f.SSTab2.setTab(1);
    f.txtCommanderName.setText("Wrenna");
    f.cmdAddToCommanderNameList.click();
    f.cmdAddCommanderName.click();

    f.SSTab2.setTab(2);
    pick(f.cboItem, "Emberbrand");
    f.cmdAddToItemList.click();
    f.cmdAddItem.click();

    f.SSTab2.setTab(6);
    f.txtBodyGuardID.setText("11");
    f.txtBodyGuardCount.setText("2");
    f.cmdAddToBodyGuardList.click();
    f.cmdAddBodyGuards.click();

    f.SSTab2.setTab(7);
    f.txtUnitID.setText("10");
    f.txtUnitCount.setText("12");
    f.cmdAddToUnitList.click();
    pick(f.cboUnitFound, "Hollow Shade");
    f.cmdPullUnits.click();
    f.txtUnitCount.setText("3");
    f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();

    // Step 4: the assembled text under the generated name, saved into Quillmap.
    f.SSTab1.setTab(3);
    EXPECT_EQ(f.txtGanFileName.text(), "Ann1_5_R_EA_SEA_");
    f.cmdSaveAndAdd.click();

    const std::string god = quillmap + "/GOD_BIN/Ann1_5_R_EA_SEA_.god";
    const std::string expected =
        readFile(std::string(GS_TEST_DATA) + "/end_to_end.god");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(readFile(god), expected);
    EXPECT_EQ(readFile(quillmap + "/LIST_CRATE/GodList.txt"), "Ann1_5_R_EA_SEA_\r\n");
    EXPECT_EQ(readFile(folder + "/RK.cfg"), quillmap + "\r\nAnn\r\n2\r\nSpare Blades\r\nTower Relics\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Saved & Added to GodList!");
    EXPECT_EQ(platform.messages[0].text,
              "Saved to: " + god + "\r\n\r\nIndex added to: " + quillmap + "/LIST_CRATE/GodList.txt");

    // The next file gets the next index.
    EXPECT_EQ(f.txtAuthorIndex.text(), "2");
    EXPECT_EQ(f.txtFileNamePreview.text(), "Ann2_5_R_EA_SEA_");
}

}  // namespace
