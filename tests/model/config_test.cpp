// RK.cfg: reading at start-up, WriteConfig and the Quillmap locator. Failing
// reads and writes are in failure_causes_test and write_faults_test.
#include "model/config.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace gs {
namespace {

using test::FakePlatform;

struct Installed {
    // An installation whose RK.cfg is `config` ("{QUILLMAP}" = its Quillmap folder).
    explicit Installed(const std::string& config)
        : folder(test::makeInstallation({{{test::kConfigFile, config}}})), platform(folder), app(platform) {}
    std::string cfg() const { return test::readFile(folder + "/RK.cfg"); }
    std::string folder;
    FakePlatform platform;
    App app;
    Form1& f = app.form;
    Editor& e = app.editor;
};

TEST(Config, ReadsAuthorIndexAndOneItemChoicePerExtraLine) {
    const std::tuple<const char*, int, std::vector<std::string>> cases[] = {
        {"{QUILLMAP}\r\nAnn\r\n7\r\n", 7, {"Let Velm generate."}},
        {"{QUILLMAP}\r\nAnn\r\n 7 \r\nBlades\r\n\r\nRelics\r\n", 7, {"Let Velm generate.", "Blades", "Relics"}},
        {"{QUILLMAP}\nAnn\n3\nBlades\n", 3, {"Let Velm generate.", "Blades"}},
    };
    for (const auto& [config, index, items] : cases) {
        SCOPED_TRACE(config);
        Installed t(config);
        t.app.start();
        EXPECT_TRUE(t.platform.messages.empty());
        EXPECT_EQ(t.f.txtAuthor.text(), "Ann");
        EXPECT_EQ(t.e.AuthorIndex, index);
        EXPECT_EQ(t.f.cboQuillmapItem.items(), items);
    }
}

TEST(Config, AWriteAdvancesTheIndexAndDropsEmptyItemLines) {
    Installed t("{QUILLMAP}\r\nAnn\r\n 7 \r\nBlades\r\n\r\nRelics\r\n");
    t.app.start();
    WriteConfig(t.e);
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.cfg(), test::quillmapFolderOf(t.folder) + "\r\nAnn\r\n8\r\nBlades\r\nRelics\r\n");
    EXPECT_EQ(t.f.txtAuthorIndex.text(), "8");
    EXPECT_EQ(t.e.AuthorIndex, 8);
}

TEST(LocateQuillmap, AnEmptyFolderLineAsksForTheExecutableBeforeAnyNameListIsRead) {
    Installed t("\r\nAnn\r\n7\r\nBlades\r\n");
    const std::string quillmap = test::quillmapFolderOf(t.folder);
    t.platform.dialogAnswers.push_back(quillmap + "/Quillmap.exe");
    t.app.start();
    ASSERT_EQ(t.platform.openRequests.size(), 1u);
    const DialogRequest& r = t.platform.openRequests[0];
    EXPECT_EQ(r.title, "Locate Quillmap.exe");
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(r.initDir, t.folder);
    EXPECT_EQ(r.filter, "Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.e.QuillmapFolder, quillmap);
    EXPECT_EQ(t.cfg(), quillmap + "\r\nAnn\r\n8\r\nBlades\r\n");
    EXPECT_EQ(t.f.txtAuthorIndex.text(), "8");
    EXPECT_EQ(t.f.cboNameDataList.items().size(), 3u);
}

TEST(LocateQuillmap, ACancelOrAnotherFileNameKeepsTheFolderEmpty) {
    for (std::optional<std::string> answer :
         {std::optional<std::string>{}, std::optional<std::string>{"/x/quillmap.exe"}}) {
        SCOPED_TRACE(answer.value_or("cancel"));
        Installed t("\r\nAnn\r\n7\r\n");
        t.platform.dialogAnswers.push_back(answer);
        t.app.start();
        ASSERT_EQ(t.platform.messages.size(), 2u);
        EXPECT_EQ(t.platform.messages[0].text, "Quillmap path not retrieved!");
        EXPECT_EQ(t.platform.messages[0].title, "Path not retrieved!");
        EXPECT_EQ(t.platform.messages[1].text, "NameList.txt not found!");
        EXPECT_EQ(t.e.QuillmapFolder, "");
        EXPECT_EQ(t.cfg(), "\r\nAnn\r\n7\r\n");
        EXPECT_EQ(t.f.cboPopType.listCount(), 0);
    }
}

}  // namespace
}  // namespace gs
