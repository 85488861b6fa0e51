#include "model/tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/columns.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "ui/app.h"

namespace gs::test {
namespace {

// An editor on a test installation whose files the test may replace first.
class Tables : public ::testing::Test {
protected:
    // Writes the installation with the given file contents and builds the editor on it.
    void install(InstallationOptions options = {}) {
        root = makeInstallation(options);
        platform = std::make_unique<FakePlatform>(root);
        app = std::make_unique<App>(*platform);
    }
    void installFile(const std::string& relative, const std::string& content) {
        InstallationOptions options;
        options.files[relative] = content;
        install(options);
    }
    Editor& e() { return app->editor; }
    Form1& f() { return app->form; }
    std::string path(const std::string& relative) { return root + "/" + relative; }

    std::string root;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<App> app;
};

// ---- Units ----------------------------------------------------------------

TEST_F(Tables, UnitCellsFollowTheReplacementRules) {
    namespace u = col::unit;
    auto rows = defaultUnitRows();
    rows[0][u::Mounted] = "";         // empty text
    rows[0][u::HitPoints] = " ";      // single blank number
    rows[0][u::Morale] = "*";         // star number
    rows[0][u::Sacred] = "*";         // star text
    rows[0][u::Female] = "  ";        // two blanks stay
    rows[0][u::Unique] = " Unique ";  // no trimming
    rows[0][u::Size] = "2.5";         // halves round to even
    rows[0][u::MagicResistance] = "3.5";
    rows[0][u::Extra7] = "-32768.5";  // rounds to the even -32768, which fits
    installFile(kUnitFile, tableText(rows));

    ASSERT_TRUE(loadUnits(e()));
    const UnitRecord& r = e().Units[0];
    EXPECT_EQ(r.Mounted, "-666");
    EXPECT_EQ(r.HitPoints, -666);
    EXPECT_EQ(r.Morale, -999);
    EXPECT_EQ(r.Sacred, "-999");
    EXPECT_EQ(r.Female, "  ");
    EXPECT_EQ(r.Unique, " Unique ");
    EXPECT_EQ(r.Size, 2);
    EXPECT_EQ(r.MagicResistance, 4);
    EXPECT_EQ(r.Extra7, -32768);
    EXPECT_EQ(r.Name, "\xC6ther Drake");
}

TEST_F(Tables, UnitColumnsFillTheRecordIncludingInterleavedRandomMagic) {
    Row row(col::unit::Count);
    for (int c = 0; c < col::unit::Count; ++c) row[c] = std::to_string(c);
    row.push_back("ignored extra field");
    auto rows = defaultUnitRows();
    rows[5] = row;
    installFile(kUnitFile, tableText(rows));

    ASSERT_TRUE(loadUnits(e()));
    const UnitRecord& r = e().Units[5];
    EXPECT_EQ(r.Number, 0);
    EXPECT_EQ(r.Name, "1");
    EXPECT_EQ(r.God, 6);
    EXPECT_EQ(r.PathHoly, 28);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(r.RandMagicTag[j], std::to_string(29 + 4 * j));
        EXPECT_EQ(r.RandMagicNum1[j], 30 + 4 * j);
        EXPECT_EQ(r.RandMagicNum2[j], 31 + 4 * j);
        EXPECT_EQ(r.RandMagicPaths[j], std::to_string(32 + 4 * j));
    }
    EXPECT_EQ(r.RandMagicTag[4], "");
    EXPECT_EQ(r.RandMagicNum1[4], 0);
    EXPECT_EQ(r.RandMagicPaths[4], "");
    EXPECT_EQ(r.Undead, "45");
    EXPECT_EQ(r.Stealth, 52);
    EXPECT_EQ(r.Standard, 64);
    EXPECT_EQ(r.Extra65, "65");
    EXPECT_EQ(r.PoisonCloud, 75);
    EXPECT_EQ(r.IceArmor, "76");
    EXPECT_EQ(r.VoidSummoning, 84);
    EXPECT_EQ(r.SurviveForest, "85");
    EXPECT_EQ(r.Reanimator, "116");
    EXPECT_EQ(r.Summon, 117);
    EXPECT_EQ(r.SeaShape, 130);
    EXPECT_EQ(r.UniqueName, "131");
    EXPECT_EQ(r.Special, "132");
}

TEST_F(Tables, UnitPickerListsEveryUnitAfterNoneAndSelectsNone) {
    install();
    int clicks = 0;
    f().cboUnitFound.Click = [&] { ++clicks; };
    ASSERT_TRUE(loadUnits(e()));
    ASSERT_EQ(f().cboUnitFound.listCount(), kUnitRows);
    EXPECT_EQ(f().cboUnitFound.item(0), "None");
    EXPECT_EQ(f().cboUnitFound.item(1), "\xC6ther Drake");
    EXPECT_EQ(f().cboUnitFound.item(kUnitRows - 1), "Filler Unit 1982");
    EXPECT_EQ(f().cboUnitFound.listIndex(), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(e().UnitIndex[0], -1);
    EXPECT_EQ(e().UnitIndex[1], 1822);
    EXPECT_EQ(e().UnitIndex[kUnitRows - 1], 3000 + 1982);
    EXPECT_EQ(e().Units[kUnitRows - 1].Number, 0);  // the last row stays empty
    EXPECT_EQ(e().Units[kUnitRows - 1].Name, "");
}

TEST_F(Tables, UnitFileLineCounts) {
    auto rows = defaultUnitRows();
    std::string text = tableText(rows);
    // Lines after the fixed count are never read, even broken ones.
    installFile(kUnitFile, text + "garbage\r\n" + joinRow(unitRow(7, "Extra")) + "\r\n");
    EXPECT_TRUE(loadUnits(e()));

    rows.pop_back();
    installFile(kUnitFile, tableText(rows));
    LoadStatus status = loadUnits(e());
    EXPECT_FALSE(status);
    EXPECT_EQ(status.cause, path(kUnitFile) + ": ends after 1982 of 1983 lines");
    EXPECT_EQ(f().cboUnitFound.items(), std::vector<std::string>{"None"});
    EXPECT_EQ(e().UnitIndex[0], -1);
}

TEST_F(Tables, UnitLastLineNeedsNoLineEndAndBareLineFeedsWork) {
    std::string text;
    for (const auto& row : defaultUnitRows()) text += joinRow(row) + "\n";
    text.pop_back();
    installFile(kUnitFile, text);
    ASSERT_TRUE(loadUnits(e()));
    EXPECT_EQ(e().Units[kUnitRows - 2].Name, "Filler Unit 1982");
    EXPECT_EQ(e().Units[kUnitRows - 2].Special, "-666");  // no CR left in the last field
}

TEST_F(Tables, UnitFailuresNameFileLineAndFieldAndKeepEarlierRows) {
    namespace u = col::unit;
    struct Case {
        int row;
        int column;
        std::string cell;
        std::string cause;
    } cases[] = {
        {56, u::HitPoints, "abc", "line 57, field 9: \"abc\" is not a number"},
        {56, u::HitPoints, "  ", "line 57, field 9: \"  \" is not a number"},
        {56, u::Number, "40000", "line 57, field 0: \"40000\" is out of range"},
        {56, u::SeaShape, "32767.5", "line 57, field 130: \"32767.5\" is out of range"},
    };
    for (const Case& c : cases) {
        auto rows = defaultUnitRows();
        rows[c.row][c.column] = c.cell;
        installFile(kUnitFile, tableText(rows));
        LoadStatus status = loadUnits(e());
        EXPECT_FALSE(status);
        EXPECT_EQ(status.cause, path(kUnitFile) + ": " + c.cause);
        EXPECT_EQ(e().Units[c.row - 1].Name, "Filler Unit 55");
        EXPECT_EQ(e().Units[c.row].Name, "");  // the failing row is not stored
        EXPECT_EQ(f().cboUnitFound.listCount(), 1);
    }
}

TEST_F(Tables, UnitLineOneFieldShortFails) {
    auto rows = defaultUnitRows();
    rows[11].pop_back();
    installFile(kUnitFile, tableText(rows));
    LoadStatus status = loadUnits(e());
    EXPECT_EQ(status.cause, path(kUnitFile) + ": line 12 has 132 fields, 133 needed");

    std::string text = tableText(defaultUnitRows());
    text.insert(0, "\r\n");  // an empty first line has one field
    installFile(kUnitFile, text);
    EXPECT_EQ(loadUnits(e()).cause, path(kUnitFile) + ": line 1 has 1 fields, 133 needed");
}

TEST_F(Tables, MissingFileCannotBeOpened) {
    InstallationOptions options;
    options.files[kUnitFile] = std::nullopt;
    install(options);
    EXPECT_EQ(loadUnits(e()).cause, path(kUnitFile) + ": cannot be opened: No such file or directory");
    EXPECT_EQ(f().cboUnitFound.items(), std::vector<std::string>{"None"});
}

TEST_F(Tables, FolderInPlaceOfFileCannotBeRead) {
    InstallationOptions options;
    options.files[kItemFile] = std::nullopt;
    install(options);
    std::filesystem::create_directories(path(kItemFile));
    EXPECT_EQ(loadItems(e()).cause, path(kItemFile) + ": cannot be read: Is a directory");
}

TEST_F(Tables, ReloadReplacesThePicker) {
    install();
    ASSERT_TRUE(loadUnits(e()));
    ASSERT_TRUE(loadUnits(e()));
    EXPECT_EQ(f().cboUnitFound.listCount(), kUnitRows);
}

// ---- Items ----------------------------------------------------------------

TEST_F(Tables, ItemsLoadWithCellRulesIntoPickerAndIndex) {
    auto rows = defaultItemRows();
    rows[4] = {"77", "Blank Charm", " ", "*", "", "", "", ""};
    installFile(kItemFile, tableText(rows) + "not an item line\r\n");
    int clicks = 0;
    f().cboItem.Click = [&] { ++clicks; };
    ASSERT_TRUE(loadItems(e()));
    const ItemRecord& r = e().Items[4];
    EXPECT_EQ(r.Category, "-666");
    EXPECT_EQ(r.ClassCode, -999);
    EXPECT_EQ(r.Path1, "-666");
    EXPECT_EQ(r.Level1, -666);
    EXPECT_EQ(r.Path2, "-666");
    EXPECT_EQ(r.Level2, -666);
    const ItemRecord& crown = e().Items[1];
    EXPECT_EQ(crown.Number, 2);
    EXPECT_EQ(crown.Category, "helm");
    EXPECT_EQ(crown.ClassCode, 8);
    EXPECT_EQ(crown.Path1, "S");
    EXPECT_EQ(crown.Level1, 3);
    EXPECT_EQ(crown.Path2, "A");
    EXPECT_EQ(crown.Level2, 1);

    ASSERT_EQ(f().cboItem.listCount(), kItemRows);
    EXPECT_EQ(f().cboItem.item(0), "No Item");
    EXPECT_EQ(f().cboItem.item(3), "\xD6lgrim's Boots");
    EXPECT_EQ(f().cboItem.item(kItemRows - 1), "Filler Item 311");
    EXPECT_EQ(e().ItemIndex[0], -1);
    EXPECT_EQ(e().ItemIndex[5], 77);
    EXPECT_EQ(f().cboItem.listIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Tables, ItemFileFailures) {
    auto rows = defaultItemRows();
    rows.pop_back();
    installFile(kItemFile, tableText(rows));
    EXPECT_EQ(loadItems(e()).cause, path(kItemFile) + ": ends after 311 of 312 lines");
    EXPECT_EQ(f().cboItem.items(), std::vector<std::string>{"No Item"});

    rows = defaultItemRows();
    rows[2].pop_back();
    installFile(kItemFile, tableText(rows));
    EXPECT_EQ(loadItems(e()).cause, path(kItemFile) + ": line 3 has 7 fields, 8 needed");
}

// ---- Sites ----------------------------------------------------------------

TEST_F(Tables, SitesReplaceOnlyEmptyCells) {
    namespace s = col::site;
    auto rows = defaultSiteRows();
    rows[0][s::Gold] = "";
    rows[0][s::TerrainWaste] = "";
    rows[0][s::TerrainFarm] = " ";
    rows[0][s::Scale2] = "*";
    rows[0][s::Mask32] = "100000";
    installFile(kSiteFile, tableText(rows));
    int clicks = 0;
    f().cboFeature.Click = [&] { ++clicks; };
    ASSERT_TRUE(loadSites(e()));
    const SiteRecord& r = e().Sites[0];
    EXPECT_EQ(r.Gold, -666);
    EXPECT_EQ(r.TerrainWaste, "-666");
    EXPECT_EQ(r.TerrainFarm, " ");
    EXPECT_EQ(r.Scale2, "*");
    EXPECT_EQ(r.Mask32, 100000);
    EXPECT_EQ(r.RecUnitNumber[0], 10);
    EXPECT_EQ(r.RecUnitName[0], "Mossguard Spearman");
    EXPECT_EQ(r.RecUnitNumber[4], 0);
    EXPECT_EQ(r.RecUnitName[4], "");
    EXPECT_EQ(r.SumUnitNumber[3], 0);
    EXPECT_EQ(r.SumUnitName[3], "");
    const SiteRecord& forge = e().Sites[1];
    EXPECT_EQ(forge.SumUnitNumber[0], 1822);
    EXPECT_EQ(forge.SumUnitName[0], "\xC6ther Drake");
    EXPECT_EQ(forge.SumUnitValue[0], 1);
    EXPECT_EQ(forge.Scale1, "heat");
    EXPECT_EQ(forge.TerrainMountain, "Yes");
    EXPECT_EQ(forge.Unique, "Yes");

    ASSERT_EQ(f().cboFeature.listCount(), kSiteRows);
    EXPECT_EQ(f().cboFeature.item(0), "None");
    EXPECT_EQ(f().cboFeature.item(2), "Ashen Forge");
    EXPECT_EQ(e().SiteIndex[0], -1);
    EXPECT_EQ(e().SiteIndex[2], 2);
    EXPECT_EQ(e().SiteIndex[kSiteRows - 1], 1000 + 564);
    EXPECT_EQ(f().cboFeature.listIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Tables, SiteStarOrBlankInNumberColumnFails) {
    namespace s = col::site;
    for (const std::string cell : {"*", " "}) {
        auto rows = defaultSiteRows();
        rows[1][s::Gold] = cell;
        installFile(kSiteFile, tableText(rows));
        EXPECT_EQ(loadSites(e()).cause, path(kSiteFile) + ": line 2, field 15: \"" + cell + "\" is not a number");
        EXPECT_EQ(f().cboFeature.items(), std::vector<std::string>{"None"});
        EXPECT_EQ(e().Sites[0].Name, "Glimmering Fen");
    }
    auto rows = defaultSiteRows();
    rows[0][s::Mask32] = "3000000000";
    installFile(kSiteFile, tableText(rows));
    EXPECT_EQ(loadSites(e()).cause, path(kSiteFile) + ": line 1, field 4: \"3000000000\" is out of range");
}

TEST_F(Tables, SiteFileLineCounts) {
    auto rows = defaultSiteRows();
    installFile(kSiteFile, tableText(rows) + joinRow(siteRow(9, "Beyond")) + "\r\n");
    EXPECT_TRUE(loadSites(e()));
    rows.pop_back();
    installFile(kSiteFile, tableText(rows));
    EXPECT_EQ(loadSites(e()).cause, path(kSiteFile) + ": ends after 564 of 565 lines");
}

// ---- Nations --------------------------------------------------------------

TEST_F(Tables, NationsKeepEraAsReadAndReplaceCells) {
    auto rows = defaultNationRows();
    rows[1] = {"ea", "7", "", "Lowercase Realm", "ignored"};
    rows[2] = {"MA", "*", " ", "*"};
    installFile(kNationFile, tableText(rows));
    f().cboNation.addItem("kept");
    ASSERT_TRUE(loadNations(e()));
    EXPECT_EQ(e().Nations[0].Era, "EA");
    EXPECT_EQ(e().Nations[0].Number, 5);
    EXPECT_EQ(e().Nations[0].Sea, "SEA");
    EXPECT_EQ(e().Nations[0].Name, "Brinehold");
    EXPECT_EQ(e().Nations[1].Era, "ea");
    EXPECT_EQ(e().Nations[1].Sea, "-666");
    EXPECT_EQ(e().Nations[2].Number, -999);
    EXPECT_EQ(e().Nations[2].Sea, "-666");
    EXPECT_EQ(e().Nations[2].Name, "-999");
    EXPECT_EQ(e().Nations[kNationRows - 1].Name, "");
    // Filling the nation picker is the era's business, not the loader's.
    EXPECT_EQ(f().cboNation.items(), std::vector<std::string>{"kept"});
}

TEST_F(Tables, NationFileFailures) {
    auto rows = defaultNationRows();
    rows.pop_back();
    installFile(kNationFile, tableText(rows));
    EXPECT_EQ(loadNations(e()).cause, path(kNationFile) + ": ends after 64 of 65 lines");

    rows = defaultNationRows();
    rows[3] = {"LA", "40", "Ruinfall"};
    installFile(kNationFile, tableText(rows));
    EXPECT_EQ(loadNations(e()).cause, path(kNationFile) + ": line 4 has 3 fields, 4 needed");
    EXPECT_EQ(e().Nations[2].Name, "Ostmark \xC6ries");
}

// ---- Pop types ------------------------------------------------------------

TEST_F(Tables, PopTypesTakeTheLastCommanderAfterTheLastTab) {
    auto rows = defaultPopTypeRows();
    rows[1] = popTypeRow(2, "*", {1, 2, 3, 4}, 5, {6, 7, 8, 9});
    rows[1].push_back("99");  // twelve fields: the eleventh is skipped
    rows[2] = popTypeRow(3, " ", {1, 2, 3, 4}, 5, {6, 7, 8, 9});
    installFile(kPopTypeFile, tableText(rows));
    f().lblPTCmdr[2].setCaption("12");
    f().lblPTUnit[0].setCaption("10");
    int clicks = 0;
    f().cboPopType.Click = [&] { ++clicks; };
    ASSERT_TRUE(loadPopTypes(e()));

    const PopTypeRecord& r = e().PopTypes[1];
    EXPECT_EQ(r.Name, "*");
    EXPECT_EQ(r.Units, (std::array<i16, 5>{1, 2, 3, 4, 0}));
    EXPECT_EQ(r.Extra6, 5);
    EXPECT_EQ(r.Commanders, (std::array<i16, 5>{6, 7, 8, 99, 0}));
    EXPECT_EQ(e().PopTypes[2].Name, " ");
    EXPECT_EQ(e().PopTypes[2].Commanders[3], 9);
    EXPECT_EQ(e().PopTypes[0].Units, (std::array<i16, 5>{10, 14, -1, -1, 0}));

    ASSERT_EQ(f().cboPopType.listCount(), kPopTypeRows);
    EXPECT_EQ(f().cboPopType.item(0), "None");
    EXPECT_EQ(f().cboPopType.item(1), "Marsh Folk");
    EXPECT_EQ(f().cboPopType.item(2), "*");
    EXPECT_EQ(f().cboPopType.item(kPopTypeRows - 1), "Filler Pop 65");
    EXPECT_EQ(f().cboPopType.listIndex(), 0);
    EXPECT_EQ(clicks, 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f().lblPTCmdr[k].caption(), "-1");
        EXPECT_EQ(f().lblPTUnit[k].caption(), "-1");
    }
}

TEST_F(Tables, PopTypeFailures) {
    auto rows = defaultPopTypeRows();
    rows[3][4] = "";
    installFile(kPopTypeFile, tableText(rows));
    EXPECT_EQ(loadPopTypes(e()).cause, path(kPopTypeFile) + ": line 4, field 4: \"\" is not a number");
    EXPECT_EQ(f().cboPopType.items(), std::vector<std::string>{"None"});
    EXPECT_EQ(e().PopTypes[2].Name, "Filler Pop 2");

    rows = defaultPopTypeRows();
    rows[0].pop_back();
    installFile(kPopTypeFile, tableText(rows));
    EXPECT_EQ(loadPopTypes(e()).cause, path(kPopTypeFile) + ": line 1 has 10 fields, 11 needed");

    rows = defaultPopTypeRows();
    rows.pop_back();
    installFile(kPopTypeFile, tableText(rows));
    EXPECT_EQ(loadPopTypes(e()).cause, path(kPopTypeFile) + ": ends after 65 of 66 lines");
}

// ---- Name list ------------------------------------------------------------

TEST_F(Tables, NameListOffersTheDataTwoLines) {
    installFile(kNameListFile,
                "Marsh Names_DATA2\r\nMarsh Names\r\nLower_data2\r\n_DATA2\r\nDATA2\r\n\r\n"
                "Hill \xD6_DATA2\nTail_DATA2_\r\nLast_DATA2");
    e().QuillmapFolder = quillmapFolderOf(root);
    f().cboNameDataList.setEnabled(false);
    int clicks = 0;
    f().cboNameDataList.Click = [&] { ++clicks; };
    ASSERT_TRUE(loadNameList(e()));
    EXPECT_EQ(f().cboNameDataList.items(),
              (std::vector<std::string>{"Let Velm name the province.", "Marsh Names", "", "Hill \xD6", "Last"}));
    EXPECT_TRUE(f().cboNameDataList.enabled());
    EXPECT_EQ(f().cboNameDataList.listIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Tables, NameListNeedsTheQuillmapFolder) {
    install();
    e().QuillmapFolder = "";
    EXPECT_EQ(loadNameList(e()).cause, "/LIST_CRATE/NameList.txt: cannot be opened: No such file or directory");
    EXPECT_EQ(f().cboNameDataList.items(), std::vector<std::string>{"Let Velm name the province."});
}

}  // namespace
}  // namespace gs::test
