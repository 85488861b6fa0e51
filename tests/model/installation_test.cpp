// The test installation starts the editor cleanly; its tables load in full
// (the loaders need every line) and its other files are where tests look.
#include "support/installation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/records.h"
#include "support/fake_platform.h"
#include "app/app.h"

namespace gs::test {
namespace {

TEST(Installation, StartsTheEditorWithoutAMessage) {
    const std::string root = makeInstallation();
    FakePlatform platform(root);
    App app(platform);
    app.start();
    EXPECT_EQ(platform.texts(), std::vector<std::string>{});
    EXPECT_EQ(app.form.cboUnitFound.listCount(), kUnitRows);
    EXPECT_EQ(app.editor.Items[kItemRows - 2].Name, "Filler Item 311");
    EXPECT_EQ(app.form.cboFeature.listCount(), kSiteRows);
    EXPECT_EQ(app.form.cboPopType.listCount(), kPopTypeRows);
    EXPECT_EQ(app.form.cboNameDataList.items(),
              (std::vector<std::string>{"Let Velm name the province.", "Marsh Names", "Hill Names"}));
    EXPECT_EQ(readFile(root + "/" + kConfigFile),
              quillmapFolderOf(root) + "\r\nTest Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(root + "/" + kGodBinDir));
    EXPECT_EQ(readFile(root + "/" + kGodListFile), "");
    EXPECT_EQ(app.form.picUnit.picturePath(), root + "/" + kSpriteFile);
}

}  // namespace
}  // namespace gs::test
