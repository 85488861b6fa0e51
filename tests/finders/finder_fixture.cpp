#include "finder_fixture.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "model/fixed_lists.h"
#include "model/table_reader.h"

namespace gs::test {

namespace {

void fill(ComboBox& c, const std::vector<std::string>& items) {
    c.clear();
    c.addItems(items);
    c.setListIndex(0);
    c.setEnabled(false);
}

std::vector<std::string> realEntries(const ComboBox& c) {
    std::vector<std::string> out;
    for (int i = 1; i < c.listCount(); ++i)
        if (c.item(i) != kFiller) out.push_back(c.item(i));
    return out;
}

}  // namespace

// Tables of filler rows as the loaders read them from files of empty cells.
static const std::vector<UnitRecord>& fillerUnits() {
    static const std::vector<UnitRecord> rows = [] {
        std::vector<Row> lines;
        for (int r = 0; r < kUnitRows - 1; ++r) lines.push_back(unitRow(5000 + r, kFiller));
        std::vector<UnitRecord> out(kUnitRows);
        if (!parseUnits(tableText(lines), "UnitData.txt", out)) throw std::runtime_error("filler units");
        return out;
    }();
    return rows;
}

static const std::vector<SiteRecord>& fillerSites() {
    static const std::vector<SiteRecord> rows = [] {
        std::vector<Row> lines;
        for (int r = 0; r < kSiteRows - 1; ++r) lines.push_back(siteRow(3000 + r, kFiller));
        std::vector<SiteRecord> out(kSiteRows);
        if (!parseSites(tableText(lines), "SiteData.txt", out)) throw std::runtime_error("filler sites");
        return out;
    }();
    return rows;
}

UnitRecord blankUnit(int number, const std::string& name) {
    UnitRecord u = fillerUnits()[0];
    u.Number = static_cast<i16>(number);
    u.Name = name;
    return u;
}

SiteRecord blankSite(int number, const std::string& name) {
    SiteRecord s = fillerSites()[0];
    s.Number = static_cast<i16>(number);
    s.Name = name;
    return s;
}

FinderTest::FinderTest() {
    e.Units = fillerUnits();
    e.Sites = fillerSites();

    // The filter combos as start-up leaves them.
    for (auto [combo, items] : {std::pair{&f.cboSTerrain, &lists::STerrain},
                                {&f.cboSType, &lists::SType},
                                {&f.cboSGems, &lists::SGems},
                                {&f.cboSStruct, &lists::SStruct},
                                {&f.cboUGod, &lists::UGod},
                                {&f.cboUSize, &lists::USize},
                                {&f.cboUMagic, &lists::UMagic},
                                {&f.cboURMagic, &lists::URMagic},
                                {&f.cboULead, &lists::ULead},
                                {&f.cboUCType, &lists::UCType},
                                {&f.cboUStealth, &lists::UStealth},
                                {&f.cboUResist, &lists::UResist},
                                {&f.cboUMisc, &lists::UMisc},
                                {&f.cboUSurvival, &lists::USurvival},
                                {&f.cboUMove, &lists::UMove},
                                {&f.cboUHero, &lists::UHero}})
        fill(*combo, *items);
}

std::string FinderTest::spriteFolder() {
    const std::string f = makeTempFolder();
    std::filesystem::create_directories(f + "/RKsprites");
    return f;
}

std::vector<std::string> FinderTest::foundUnits() const { return realEntries(f.cboUnitFound); }
std::vector<std::string> FinderTest::foundSites() const { return realEntries(f.cboFeature); }

void FinderTest::pick(CheckBox& box, ComboBox& combo, const std::string& item) {
    box.setValue(CheckBox::Checked);
    const auto& items = combo.items();
    const auto it = std::find(items.begin(), items.end(), item);
    ASSERT_NE(it, items.end()) << item;
    combo.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::pickUnit(const std::string& name) {
    const auto& items = f.cboUnitFound.items();
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    f.cboUnitFound.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::pickSite(const std::string& name) {
    const auto& items = f.cboFeature.items();
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    f.cboFeature.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::expectEmpty(const Label& l) {
    EXPECT_EQ(l.caption(), "-1") << l.fullName();
    EXPECT_EQ(l.foreColor(), std::nullopt) << l.fullName();
    EXPECT_FALSE(l.font().underline) << l.fullName();
    EXPECT_EQ(l.toolTip(), "") << l.fullName();
}
void FinderTest::expectLink(const Label& l, const std::string& number, const std::string& name) {
    EXPECT_EQ(l.caption(), number) << l.fullName();
    EXPECT_EQ(l.foreColor(), (Rgb{0, 0, 255})) << l.fullName();
    EXPECT_TRUE(l.font().underline) << l.fullName();
    EXPECT_EQ(l.toolTip(), name) << l.fullName();
}

}  // namespace gs::test
