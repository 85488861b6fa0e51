// RK.cfg writes that fail for real: the old file keeps its bytes, the box
// says "Unable to update RK.cfg" with the system's reason, the author index
// does not advance and no temporary file is left behind. The write is the
// one that follows a "Save As" to a place that works.
#include "support/write_faults.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

std::set<std::string> entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    names.erase(FullFolder::kFiller);
    return names;
}

class ConfigWriteFaults : public ::testing::Test {
protected:
    void SetUp() override {
        app.start();
        ASSERT_TRUE(platform.messages.empty());
        ASSERT_EQ(f.txtAuthorIndex.text(), "1");
        app.form.txtGanFileFinal.setText("#population 100");
    }

    // "Save As" into GOD_BIN, which works; the configuration in `folder`
    // (the program folder) fails with `err`.
    void saveAsAndExpectConfigFailure(const std::string& folder, int err) {
        platform.folder = folder;
        const std::set<std::string> before = entries(folder);
        platform.dialogAnswers.push_back(godFile);
        f.cmdSaveAs.click();

        EXPECT_EQ(readFile(godFile), "#population 100\r\n");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "Unable to update RK.cfg");
        EXPECT_EQ(platform.messages[0].title, "Unable to update configuration!");
        EXPECT_EQ(platform.messages[0].detail, folder + "/RK.cfg: " + std::strerror(err));
        EXPECT_EQ(f.txtAuthorIndex.text(), "1");
        EXPECT_EQ(app.editor.AuthorIndex, 1);
        EXPECT_EQ(entries(folder), before);
    }

    std::string root = makeInstallation();
    std::string config = root + "/" + kConfigFile;
    std::string oldConfig = readFile(config);
    std::string godFile = root + "/" + kGodBinDir + "/saved.god";
    FakePlatform platform{root};
    App app{platform};
    Form1& f = app.form;
};

TEST_F(ConfigWriteFaults, ConfigReplacedByAFolder) {
    fs::remove(config);
    fs::create_directory(config);
    saveAsAndExpectConfigFailure(root, EISDIR);
    EXPECT_TRUE(fs::is_directory(config));
    EXPECT_TRUE(fs::is_empty(config));
}

TEST_F(ConfigWriteFaults, DiskFull) {
    const std::string folder = root + "/full";
    fs::create_directory(folder);
    FullFolder full(folder);
    if (!full.active()) GTEST_SKIP() << full.whyNot();
    writeFile(folder + "/RK.cfg", oldConfig);
    ASSERT_TRUE(full.fill()) << full.whyNot();
    saveAsAndExpectConfigFailure(folder, ENOSPC);
    EXPECT_EQ(readFile(folder + "/RK.cfg"), oldConfig);
}

// Once the fault is gone the same action advances the index as usual.
TEST_F(ConfigWriteFaults, FolderNotWritableThenWritableAgain) {
    {
        UnwritableFolder locked(root);
        if (!locked.active()) GTEST_SKIP() << locked.whyNot();
        saveAsAndExpectConfigFailure(root, locked.error());
        EXPECT_EQ(readFile(config), oldConfig);
    }
    platform.dialogAnswers.push_back(godFile);
    f.cmdSaveAs.click();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(f.txtAuthorIndex.text(), "2");
    EXPECT_EQ(readFile(config),
              configText(quillmapFolderOf(root), "Test Author", "2", {"Spare Blades", "Tower Relics"}));
}

}  // namespace
}  // namespace gs::test
