// RK.cfg: reading at start-up, WriteConfig and the Quillmap locator.
#include "model/config.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "ui/app.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using test::FakePlatform;
using test::readFile;

struct Installed {
    // An installation whose RK.cfg is `config` ("{QUILLMAP}" = its Quillmap folder).
    explicit Installed(const std::string& config)
        : folder(test::makeInstallation({{{test::kConfigFile, config}}})), platform(folder), app(platform) {}
    void start() { app.start(); }
    std::string cfg() const { return readFile(folder + "/RK.cfg"); }
    std::string folder;
    FakePlatform platform;
    App app;
    Form1& f() { return app.form; }
    Editor& e() { return app.editor; }
};

TEST(Config, ThreeLinesGiveOnlyTheFirstItemChoice) {
    Installed t("{QUILLMAP}\r\nAnn\r\n7\r\n");
    t.start();
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.f().cboQuillmapItem.items(), std::vector<std::string>{"Let Velm generate."});
    EXPECT_EQ(t.f().txtAuthor.text(), "Ann");
    EXPECT_EQ(t.e().AuthorIndex, 7);
}

TEST(Config, ExtraLinesBecomeItemChoicesAndAWriteDropsEmptyOnes) {
    Installed t("{QUILLMAP}\r\nAnn\r\n 7 \r\nBlades\r\n\r\nRelics\r\n");
    t.start();
    EXPECT_EQ(t.f().cboQuillmapItem.items(), (std::vector<std::string>{"Let Velm generate.", "Blades", "Relics"}));
    EXPECT_EQ(t.e().AuthorIndex, 7);

    WriteConfig(t.e());
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.cfg(), test::quillmapFolderOf(t.folder) + "\r\nAnn\r\n8\r\nBlades\r\nRelics\r\n");
    EXPECT_EQ(t.f().txtAuthorIndex.text(), "8");
    EXPECT_EQ(t.e().AuthorIndex, 8);
}

TEST(Config, AcceptsBareLineFeeds) {
    Installed t("{QUILLMAP}\nAnn\n3\nBlades\n");
    t.start();
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.e().AuthorIndex, 3);
    EXPECT_EQ(t.f().cboQuillmapItem.items(), (std::vector<std::string>{"Let Velm generate.", "Blades"}));
}

TEST(Config, AShortFileOrABadIndexIsAStartUpFailure) {
    for (const char* config :
         {"{QUILLMAP}\r\nAnn\r\n", "{QUILLMAP}\r\nAnn\r\nseven\r\n", "{QUILLMAP}\r\nAnn\r\n40000\r\n"}) {
        SCOPED_TRACE(config);
        Installed t(config);
        t.start();
        ASSERT_EQ(t.platform.messages.size(), 1u);
        EXPECT_EQ(t.platform.messages[0].text, "RK.cfg not found!");
        EXPECT_NE(t.platform.messages[0].detail.find("RK.cfg"), std::string::npos);
        EXPECT_EQ(t.f().txtAuthor.text(), "");
        EXPECT_EQ(t.f().cboQuillmapItem.listCount(), 0);
    }
}

TEST(Config, TheLastIndexCannotBeAdvanced) {
    Installed t("{QUILLMAP}\r\nAnn\r\n32767\r\n");
    t.start();
    const std::string before = t.cfg();
    WriteConfig(t.e());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Unable to update RK.cfg");
    EXPECT_EQ(t.platform.messages[0].title, "Unable to update configuration!");
    EXPECT_EQ(t.cfg(), before);
    EXPECT_EQ(t.e().AuthorIndex, 32767);
    EXPECT_EQ(t.f().txtAuthorIndex.text(), "32767");
}

TEST(Config, AFailedWriteKeepsTheOldFileAndTheIndex) {
    Installed t("{QUILLMAP}\r\nAnn\r\n7\r\n");
    t.start();
    // A folder where the file should be: nothing can replace it.
    fs::remove(t.folder + "/RK.cfg");
    fs::create_directory(t.folder + "/RK.cfg");
    fs::path keep = fs::path(t.folder) / "RK.cfg" / "keep";
    test::writeFile(keep.string(), "x");
    WriteConfig(t.e());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Unable to update RK.cfg");
    EXPECT_FALSE(t.platform.messages[0].detail.empty());
    EXPECT_TRUE(fs::is_directory(t.folder + "/RK.cfg"));
    EXPECT_EQ(t.e().AuthorIndex, 7);
    EXPECT_EQ(t.f().txtAuthorIndex.text(), "7");
    for (const auto& entry : fs::directory_iterator(t.folder))
        EXPECT_EQ(entry.path().filename().string().find("RK.cfg."), std::string::npos)
            << "left behind: " << entry.path();
}

TEST(LocateQuillmap, AnEmptyFolderLineAsksForTheExecutableBeforeAnyNameListIsRead) {
    Installed t("\r\nAnn\r\n7\r\nBlades\r\n");
    const std::string quillmap = test::quillmapFolderOf(t.folder);
    t.platform.dialogAnswers.push_back(quillmap + "/Quillmap.exe");
    t.start();
    ASSERT_EQ(t.platform.openRequests.size(), 1u);
    const DialogRequest& r = t.platform.openRequests[0];
    EXPECT_EQ(r.title, "Locate Quillmap.exe");
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(r.initDir, t.folder);
    EXPECT_EQ(r.filter, "Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.e().QuillmapFolder, quillmap);
    EXPECT_EQ(t.cfg(), quillmap + "\r\nAnn\r\n8\r\nBlades\r\n");
    EXPECT_EQ(t.f().txtAuthorIndex.text(), "8");
    EXPECT_EQ(t.f().cboNameDataList.items().size(), 3u);
}

TEST(LocateQuillmap, ACancelOrAnotherFileNameKeepsTheFolderEmpty) {
    for (std::optional<std::string> answer :
         {std::optional<std::string>{}, std::optional<std::string>{"/x/quillmap.exe"}}) {
        Installed t("\r\nAnn\r\n7\r\n");
        t.platform.dialogAnswers.push_back(answer);
        t.start();
        ASSERT_EQ(t.platform.messages.size(), 2u);
        EXPECT_EQ(t.platform.messages[0].text, "Quillmap path not retrieved!");
        EXPECT_EQ(t.platform.messages[0].title, "Path not retrieved!");
        EXPECT_EQ(t.platform.messages[1].text, "NameList.txt not found!");
        EXPECT_EQ(t.e().QuillmapFolder, "");
        EXPECT_EQ(t.cfg(), "\r\nAnn\r\n7\r\n");
        EXPECT_EQ(t.f().cboPopType.listCount(), 0);
    }
}

}  // namespace
}  // namespace gs
