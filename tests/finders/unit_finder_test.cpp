// The finders on a started editor whose unit and site tables the tests write
// themselves (every other row a filler with every cell empty): each entry of
// every filter reads its own column, each box enables only its own list, and
// hostile cells are cut in the descriptions.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "model/table_reader.h"
#include "support/session.h"

namespace gs::test {
namespace {

class Finders : public ::testing::Test {
protected:
    Finders() {
        app.start();
        load(true, {}), load(false, {});
    }

    // The table read as the loader reads it from a file: `rows`, then filler
    // rows of empty cells.
    void load(bool units, std::vector<Row> rows) {
        for (int r = int(rows.size()); r < (units ? kUnitRows : kSiteRows) - 1; ++r)
            rows.push_back((units ? unitRow : siteRow)(5000 + r, "filler"));
        const std::string bytes = tableText(rows);
        EXPECT_TRUE(units ? parseUnits(bytes, "units", e.Units, e.UnitBytes)
                          : parseSites(bytes, "sites", e.Sites, e.SiteBytes));
    }

    // The rows of tests/data/finder_filters.txt for one table: each filter
    // setting alone, set as the user sets it, must find exactly the rows made
    // for its box and entry. Returns the number of distinct settings.
    std::size_t expectEachFilterReadsItsOwnColumn(bool units) {
        std::vector<Row> rows;
        Row miss = (units ? unitRow : siteRow)(1, "near miss");
        std::map<std::string, std::vector<std::string>> expected;
        std::istringstream in(dataFile("finder_filters.txt"));
        for (std::string line; std::getline(in, line);) {
            Row c(1);
            for (char ch : line) ch == '\t' ? c.emplace_back() : c.back() += ch;
            if (c[0] != (units ? "unit" : "site")) continue;
            if (c[1] == "-") {
                miss.at(std::stoi(c[3])) = c[4];
                continue;
            }
            rows.push_back((units ? unitRow : siteRow)(int(rows.size()) + 2, "row " + std::to_string(rows.size())));
            rows.back().at(std::stoi(c[3])) = c[4];
            expected[c[1] + "|" + c[2]].push_back(rows.back()[1]);
        }
        rows.push_back(miss);
        load(units, rows);
        const ComboBox& results = units ? f.cboUnitFound : f.cboFeature;
        for (const auto& [key, names] : expected) {
            for (Control* box : f.allControls())
                if (box->kind() == Kind::CheckBox) static_cast<CheckBox*>(box)->setValue(CheckBox::Unchecked);
            const std::string box = key.substr(0, key.find('|')), item = key.substr(box.size() + 1);
            dynamic_cast<CheckBox&>(*f.find("chk" + box)).click();
            if (auto* combo = dynamic_cast<ComboBox*>(f.find("cbo" + box))) pick(*combo, item);
            (units ? f.cmdUApplyFilters : f.cmdSApplyFilters).click();
            std::vector<std::string> found;
            for (int i = 1; i < results.listCount(); ++i)
                if (results.item(i) != "filler") found.push_back(results.item(i));
            EXPECT_EQ(found, names) << key;
        }
        return expected.size();
    }
    static void pick(ComboBox& picker, const std::string& name) {
        picker.setListIndex(int(std::ranges::find(picker.items(), name) - picker.items().begin()));
    }

    FakePlatform platform{makeInstallation()};
    App app{platform};
    Editor& e = app.editor;
    Form1& f = app.form;
};

TEST_F(Finders, EachFilterEntryReadsItsOwnColumn) {
    // Every entry of every combo is covered, and the column order quirks with them.
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(true), 1u + 6 + 9 + 9 + 3 + 4 + 5 + 4 + 51 + 4 + 6 + 1 + 4);
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(false), 10u + 9 + 8 + 2 + 6);
}

TEST_F(Finders, FilterBoxesEnableTheirCombosOnlyAndRebuildNoResults) {
    const auto results = [&] { return std::tuple(f.cboUnitFound.items(), f.cboFeature.items()); };
    const auto before = results();
    std::vector<std::pair<CheckBox*, ComboBox*>> pairs;
    for (std::string n : {"UGod", "USize", "UMagic", "URMagic", "ULead", "UCType", "UStealth", "UResist", "UMisc",
                          "USurvival", "UMove", "UHero", "STerrain", "SType", "SGems", "SStruct"})
        pairs.emplace_back(&dynamic_cast<CheckBox&>(*f.find("chk" + n)), &dynamic_cast<ComboBox&>(*f.find("cbo" + n)));
    for (auto [box, combo] : pairs) {
        box->click();
        for (auto [other, otherCombo] : pairs)
            EXPECT_EQ(otherCombo->enabled(), other == box) << box->name() << " " << otherCombo->name();
        box->click();
        EXPECT_FALSE(combo->enabled()) << box->name();
    }
    for (CheckBox* b : {&f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale, &f.chkSRUnits, &f.chkSSUnits,
                        &f.chkSPBonus, &f.chkSSBonus, &f.chkSGBonus, &f.chkSScales})
        b->click();
    EXPECT_EQ(results(), before);  // only Apply Filters rebuilds them
    EXPECT_EQ(f.cboUnitFound.listCount(), kUnitRows);
}

// A unit or site whose cells are as long as a cell can be is shown with
// each long cell cut to its first 1000 bytes and "...", so that picking it
// never leaves the description box laying out long lines.
TEST_F(Finders, DescriptionsCutLongCells) {
    const std::string big(text::kMaxTextLength, 'w'), shown = std::string(1000, 'w') + "...";
    const std::string edge(1000, 'e');  // a cell of exactly the kept length stays whole
    e.Units[0].Number = 8;
    e.Units[0].Name = e.Units[0].Special = e.UnitBytes.copy(big);
    e.Units[0].UniqueName = e.UnitBytes.copy(edge);
    e.Sites[0].Number = 9;
    e.Sites[0].Name = e.Sites[0].MagicType = e.SiteBytes.copy(big);
    f.cmdUApplyFilters.click();
    pick(f.cboUnitFound, big);
    EXPECT_EQ(f.txtUnitDescription.text(),
              "8 " + shown + "\r\n\r\n\r\n\r\n\r\n\r\n, uniquename " + edge + ", special " + shown);
    f.cmdSApplyFilters.click();
    pick(f.cboFeature, big);
    EXPECT_EQ(f.txtSiteDescription.text().substr(0, 1005), "9 " + shown);
    EXPECT_NE(f.txtSiteDescription.text().find(", type " + shown), std::string::npos);
    EXPECT_LT(f.txtSiteDescription.text().size(), 5000u);
}

}  // namespace
}  // namespace gs::test
