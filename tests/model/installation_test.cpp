#include "support/installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/records.h"
#include "support/fake_platform.h"
#include "ui/app.h"

namespace gs::test {
namespace {

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(Installation, WritesEveryFileAtItsLineCount) {
    const std::string root = makeInstallation();
    EXPECT_EQ(lineCount(readFile(root + "/" + kUnitFile)), kUnitRows - 1);
    EXPECT_EQ(lineCount(readFile(root + "/" + kItemFile)), kItemRows - 1);
    EXPECT_EQ(lineCount(readFile(root + "/" + kSiteFile)), kSiteRows - 1);
    EXPECT_EQ(lineCount(readFile(root + "/" + kNationFile)), kNationRows - 1);
    EXPECT_EQ(lineCount(readFile(root + "/" + kPopTypeFile)), kPopTypeRows - 1);
    EXPECT_EQ(readFile(root + "/" + kConfigFile),
              quillmapFolderOf(root) + "\r\nTest Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(root + "/" + kGodBinDir));
    EXPECT_TRUE(std::filesystem::exists(root + "/" + kGodListFile));
    EXPECT_TRUE(std::filesystem::exists(root + "/" + kSpriteFile));
}

TEST(Installation, StartsTheEditorWithoutAMessage) {
    FakePlatform platform(makeInstallation());
    App app(platform);
    app.start();
    EXPECT_EQ(platform.texts(), std::vector<std::string>{});
    EXPECT_EQ(app.form.cboUnitFound.listCount(), kUnitRows);
    EXPECT_EQ(app.form.cboFeature.listCount(), kSiteRows);
    EXPECT_EQ(app.form.cboPopType.listCount(), kPopTypeRows);
    EXPECT_EQ(app.form.cboNameDataList.items(),
              (std::vector<std::string>{"Let Velm name the province.", "Marsh Names", "Hill Names"}));
}

TEST(Installation, OverridesAndLeavesOutFiles) {
    InstallationOptions options;
    options.files[kItemFile] = std::nullopt;
    options.files[kNameListFile] = "Only_DATA2\r\n";
    const std::string root = makeInstallation(options);
    EXPECT_FALSE(std::filesystem::exists(root + "/" + kItemFile));
    EXPECT_EQ(readFile(root + "/" + kNameListFile), "Only_DATA2\r\n");
}

}  // namespace
}  // namespace gs::test
