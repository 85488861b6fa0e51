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
    struct Filter {
        CheckBox& box;
        ComboBox* choices;
        Button* apply;
        ComboBox& results;
    };
    Button* u = &f.cmdUApplyFilters;
    Button* s = &f.cmdSApplyFilters;
    ComboBox &units = f.cboUnitFound, &sites = f.cboFeature, &items = f.cboItem;
    const Filter filters[] = {
        {f.chkUGod, &f.cboUGod, u, units},         {f.chkUSize, &f.cboUSize, u, units},
        {f.chkUMagic, &f.cboUMagic, u, units},     {f.chkURMagic, &f.cboURMagic, u, units},
        {f.chkULead, &f.cboULead, u, units},       {f.chkUCType, &f.cboUCType, u, units},
        {f.chkUStealth, &f.cboUStealth, u, units}, {f.chkUResist, &f.cboUResist, u, units},
        {f.chkUMisc, &f.cboUMisc, u, units},       {f.chkUSurvival, &f.cboUSurvival, u, units},
        {f.chkUMove, &f.cboUMove, u, units},       {f.chkUHero, &f.cboUHero, u, units},
        {f.chkUMounted, nullptr, u, units},        {f.chkUUnique, nullptr, u, units},
        {f.chkUHoly, nullptr, u, units},           {f.chkUFemale, nullptr, u, units},
        {f.chkSTerrain, &f.cboSTerrain, s, sites}, {f.chkSType, &f.cboSType, s, sites},
        {f.chkSGems, &f.cboSGems, s, sites},       {f.chkSStruct, &f.cboSStruct, s, sites},
        {f.chkSRUnits, nullptr, s, sites},         {f.chkSSUnits, nullptr, s, sites},
        {f.chkSPBonus, nullptr, s, sites},         {f.chkSSBonus, nullptr, s, sites},
        {f.chkSGBonus, nullptr, s, sites},         {f.chkSScales, nullptr, s, sites},
        {f.chkIP1, &f.cboIP1, nullptr, items},     {f.chkIP2, &f.cboIP2, nullptr, items},
        {f.chkIArtifacts, nullptr, nullptr, items}, {f.chkISpecial, nullptr, nullptr, items},
    };
    for (const Filter& filter : filters) {
        if (filter.apply) filter.apply->click();
        const int all = filter.results.listCount();
        filter.box.click();
        for (int i = 0; i < (filter.choices ? filter.choices->listCount() : 1); ++i) {
            if (filter.choices) filter.choices->setListIndex(i);
            if (filter.apply) filter.apply->click();
            const int found = filter.results.listCount() - 1;
            EXPECT_GT(found, 0) << filter.box.name() << " " << i;
            EXPECT_LT(found, all - 1) << filter.box.name() << " " << i;
        }
        filter.box.click();
    }
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
