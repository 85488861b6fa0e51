// Saving for real into a temporary installation: "Save As", "Save and Add",
// the index in GodList.txt and the author index in RK.cfg.
#include "document/saving.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/fake_platform.h"
#include "app/app.h"

namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

class SavingTest : public ::testing::Test {
protected:
    fs::path root = fs::temp_directory_path() / ("gs_saving_" + std::to_string(::getpid()) + "_" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path quillmap = root / "Quillmap";
    fs::path godBin = quillmap / "GOD_BIN";
    fs::path godList = quillmap / "LIST_CRATE" / "GodList.txt";
    fs::path config = root / "RK.cfg";
    gs::test::FakePlatform platform{root.string()};
    gs::App app{platform};
    gs::Editor& e = app.editor;
    gs::Form1& f = app.form;

    static constexpr const char* kConfig = "Q\r\nAnn\r\n7\r\nSpare Blades\r\n";

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(godBin);
        fs::create_directories(godList.parent_path());
        write(godList, "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\n");
        e.QuillmapFolder = quillmap.string();
        e.AuthorName = "Ann";
        e.QuillmapItems = "Spare Blades\t";
        e.ConfigReadWhole = true;  // as after a start that read RK.cfg
        f.txtAuthorIndex.setText("7");
        e.AuthorIndex = 7;
        write(config, kConfig);
        f.txtGanFileName.setText("Ann7_5_A_EA_");
        f.txtGanFileFinal.setText("#population 100\r\n#units 5 12");
    }
    void TearDown() override { fs::remove_all(root); }

    std::string advancedConfig() const { return quillmap.string() + "\r\nAnn\r\n8\r\nSpare Blades\r\n"; }
    void expectIndexNotAdvanced() {
        EXPECT_EQ(read(config), kConfig);
        EXPECT_EQ(f.txtAuthorIndex.text(), "7");
        EXPECT_EQ(e.AuthorIndex, 7);
    }
    // The one message shown.
    void expectMessage(const std::string& text, const std::string& title, const std::string& detail = "") {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].title, title);
        EXPECT_EQ(platform.messages[0].detail, detail);
    }
    std::size_t filesIn(const fs::path& dir) {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
};

TEST_F(SavingTest, SaveAndAddWritesFileAppendsIndexAdvancesAuthorIndexAndReports) {
    f.cmdSaveAndAdd.click();

    const fs::path god = godBin / "Ann7_5_A_EA_.god";
    EXPECT_EQ(read(god), "#population 100\r\n#units 5 12\r\n");
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\nAnn7_5_A_EA_\r\n");
    EXPECT_EQ(read(config), advancedConfig());
    EXPECT_EQ(f.txtAuthorIndex.text(), "8");
    EXPECT_EQ(e.AuthorIndex, 8);
    EXPECT_TRUE(platform.saveRequests.empty());
    expectMessage("Saved to: " + god.string() + "\r\n\r\nIndex added to: " + godList.string(),
                  "Saved & Added to GodList!");
    // Nothing but the god file in GOD_BIN: no temporary file is left behind.
    EXPECT_EQ(filesIn(godBin), 1u);
    EXPECT_EQ(filesIn(godList.parent_path()), 1u);
}

// The second save replaces the file and appends the name again. The file is
// the shown text plus one CR LF: a text ending in CR LF gives a file ending in
// an empty line; 8-bit characters and a lone CR or LF go in as the box holds them.
TEST_F(SavingTest, SaveAndAddTwiceReplacesFileWithTheTextAsShownAndAppendsNameAgain) {
    f.cmdSaveAndAdd.click();
    f.txtGanFileFinal.setText("--Description: \r\n--caf\xe9\nx\ry\r\n#units 5 12\r\n");
    f.cmdSaveAndAdd.click();
    EXPECT_EQ(read(godBin / "Ann7_5_A_EA_.god"), "--Description: \r\n--caf\xe9\nx\ry\r\n#units 5 12\r\n\r\n");
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\nAnn7_5_A_EA_\r\nAnn7_5_A_EA_\r\n");
    EXPECT_EQ(f.txtAuthorIndex.text(), "9");
    EXPECT_EQ(f.txtGanFileName.text(), "Ann7_5_A_EA_");
}

TEST_F(SavingTest, MissingGodListIsCreated) {
    fs::remove(godList);
    f.cmdSaveAndAdd.click();
    EXPECT_EQ(read(godList), "Ann7_5_A_EA_\r\n");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SavingTest, EmptyNameWritesDotGodAndAnEmptyLine) {
    f.txtGanFileName.setText("");
    f.cmdSaveAndAdd.click();
    EXPECT_EQ(read(godBin / ".god"), "#population 100\r\n#units 5 12\r\n");
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\n\r\n");
    EXPECT_EQ(f.txtAuthorIndex.text(), "8");
}

TEST_F(SavingTest, EmptyQuillmapFolderLooksForGodBinAtTheRoot) {
    if (fs::exists("/GOD_BIN")) GTEST_SKIP() << "/GOD_BIN exists on this machine";
    e.QuillmapFolder = "";
    f.cmdSaveAndAdd.click();
    expectMessage("File not saved!", "File not saved!",
                  std::string("/GOD_BIN/Ann7_5_A_EA_.god: ") + std::strerror(ENOENT));
    expectIndexNotAdvanced();
}

TEST_F(SavingTest, NameThatWouldLeaveGodBinOrBreakTheIndexIsRefused) {
    for (const std::string name : {"../escape", "sub/dir", "back\\slash", "..", "bell\x07name", "tab\tname"}) {
        platform.messages.clear();
        f.txtGanFileName.setText(name);
        f.cmdSaveAndAdd.click();
        SCOPED_TRACE(name);
        expectMessage("File not saved!", "File not saved!",
                      "A file name may not contain \"/\", \"\\\", \"..\", a line break or another control character.");
    }
    EXPECT_EQ(filesIn(godBin), 0u);
    EXPECT_EQ(filesIn(quillmap), 2u);
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\n");
    expectIndexNotAdvanced();
}

TEST_F(SavingTest, FailedConfigWriteIsReportedAfterTheFilesAreWritten) {
    f.txtAuthorIndex.setText("32767");
    f.cmdSaveAndAdd.click();
    const fs::path god = godBin / "Ann7_5_A_EA_.god";
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Unable to update RK.cfg");
    EXPECT_EQ(platform.messages[0].title, "Unable to update configuration!");
    // The configuration's own failure does not undo the save, which is then
    // reported as usual.
    EXPECT_EQ(platform.messages[1].title, "Saved & Added to GodList!");
    EXPECT_EQ(platform.messages[1].text, "Saved to: " + god.string() + "\r\n\r\nIndex added to: " + godList.string());
    EXPECT_EQ(read(god), "#population 100\r\n#units 5 12\r\n");
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\nAnn7_5_A_EA_\r\n");
    EXPECT_EQ(read(config), kConfig);
    EXPECT_EQ(f.txtAuthorIndex.text(), "32767");
    EXPECT_EQ(e.AuthorIndex, 32767);
}

TEST_F(SavingTest, SaveAsAsksForAPlaceAndWritesThere) {
    const fs::path chosen = root / "elsewhere";
    platform.dialogAnswers.push_back(chosen.string());
    f.CommonDialog1.dialogTitle = "Locate Quillmap.exe";  // left by the locator
    f.cmdSaveAs.click();

    ASSERT_EQ(platform.saveRequests.size(), 1u);
    const gs::DialogRequest& r = platform.saveRequests[0];
    EXPECT_EQ(r.title, "");  // the system's own title, not the locator's
    EXPECT_EQ(r.fileName, "Ann7_5_A_EA_");
    EXPECT_EQ(r.initDir, root.string());
    EXPECT_EQ(r.filter, "Quillmap GOD file (*.god)|*.god");
    EXPECT_EQ(r.filterIndex, 1);
    // Written exactly where the dialog says, without an added extension.
    EXPECT_EQ(read(chosen), "#population 100\r\n#units 5 12\r\n");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(read(config), advancedConfig());
    EXPECT_EQ(f.txtAuthorIndex.text(), "8");
    EXPECT_EQ(read(godList), "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\n");
}

// A missing GOD_BIN or LIST_CRATE folder and an unwritable chosen file are
// among the write-fault tests.
TEST_F(SavingTest, SaveAsCancelledSavesNothing) {
    f.cmdSaveAs.click();  // no answer: the user cancels
    expectMessage("File not saved!", "File not saved!");
    expectIndexNotAdvanced();
}

TEST_F(SavingTest, LoadButtonIsHiddenDisabledAndInert) {
    EXPECT_FALSE(f.cmdLoad.visible());
    EXPECT_FALSE(f.cmdLoad.enabled());
    gs::cmdLoad_Click(e);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.openRequests.empty());
}

}  // namespace
