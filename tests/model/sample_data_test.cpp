// The generated sample installation starts the editor without a message, and
// every choice of every finder and filter finds some of its rows but not all.
#include "sample_data.h"

#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

TEST(SampleData, EveryFinderAndFilterChoiceFindsSomeRowsButNotAll) {
    const std::string folder = makeTempFolder();
    sample::writeFiles(folder, sample::makeTables());
    FakePlatform p(folder);
    App app(p);
    app.start();
    ASSERT_EQ(p.messages.size(), 0u) << p.messages[0].text << ": " << p.messages[0].detail;
    Form1& f = app.form;
    EXPECT_EQ(f.cboNameDataList.items(), (std::vector<std::string>{"Let Velm name the province.", "Fenlands",
                                                                   "Highland Cairns", "Saltmarsh Ports",
                                                                   "M\xF8rkwood Hamlets"}));
    // Every filter box of both finders and the item filter, with its list of
    // choices when it has one ("chkUGod" and "cboUGod").
    int boxes = 0;
    for (Control* c : f.allControls()) {
        const std::string frame = c->container()->name();
        if (c->kind() != Kind::CheckBox || (frame != "fraUnitFinder" && frame != "fraFeatures" && frame != "Frame11") ||
            c->name().find("No") != std::string::npos || c == &f.chkKillFeatures)
            continue;
        auto& box = static_cast<CheckBox&>(*c);
        auto* choices = static_cast<ComboBox*>(f.find("cbo" + c->name().substr(3)));
        Button* apply = frame == "fraUnitFinder" ? &f.cmdUApplyFilters : frame == "fraFeatures" ? &f.cmdSApplyFilters : nullptr;
        ComboBox& results = frame == "fraUnitFinder" ? f.cboUnitFound : frame == "fraFeatures" ? f.cboFeature : f.cboItem;
        ++boxes;
        if (apply) apply->click();
        const int all = results.listCount();
        box.click();
        for (int i = 0; i < (choices ? choices->listCount() : 1); ++i) {
            if (choices) choices->setListIndex(i);
            if (apply) apply->click();
            EXPECT_GT(results.listCount() - 1, 0) << box.name() << " " << i;
            EXPECT_LT(results.listCount(), all) << box.name() << " " << i;
        }
        box.click();
    }
    EXPECT_EQ(boxes, 16 + 10 + 6);
}

TEST(SampleData, RewritingKeepsTheUsersConfigurationAndGodList) {
    const std::string root = makeTempFolder();
    sample::writeFiles(root, sample::makeTables());
    writeFile(root + "/RK.cfg", "C:\\Games\\Quillmap\r\nMe\r\n7\r\n");
    writeFile(root + "/Quillmap/LIST_CRATE/GodList.txt", "Me7_5_AE\r\n");
    sample::writeFiles(root, sample::makeTables());
    EXPECT_EQ(readFile(root + "/RK.cfg"), "C:\\Games\\Quillmap\r\nMe\r\n7\r\n");
    EXPECT_EQ(readFile(root + "/Quillmap/LIST_CRATE/GodList.txt"), "Me7_5_AE\r\n");
    EXPECT_EQ(readFile(root + "/RKdata/UnitData.txt"), sample::tableText(sample::makeTables().units));
}

}  // namespace
}  // namespace gs::test
