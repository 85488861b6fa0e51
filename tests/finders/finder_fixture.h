// A started editor whose unit and site tables the finder tests write
// themselves: every row starts as a filler with every cell empty.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "app/app.h"
#include "model/table_reader.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "support/kept_text.h"
#include "support/session.h"

namespace gs::test {

class FinderTest : public ::testing::Test {
protected:
    FinderTest() {
        app.start();
        load(true, {}), load(false, {});
    }

    // The table read as the loader reads it from a file: `rows`, then filler
    // rows of empty cells; the records view these bytes, so they live as long as the fixture.
    void load(bool units, std::vector<Row> rows) {
        for (int r = int(rows.size()); r < (units ? kUnitRows : kSiteRows) - 1; ++r)
            rows.push_back((units ? unitRow : siteRow)(5000 + r, "filler"));
        (units ? unitBytes : siteBytes) = tableText(rows);
        EXPECT_TRUE(units ? parseUnits(unitBytes, "units", e.Units) : parseSites(siteBytes, "sites", e.Sites));
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
            if (c[1] == "-") miss.at(std::stoi(c[3])) = c[4];
            if (c[1] == "-") continue;
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
            if (auto* combo = dynamic_cast<ComboBox*>(f.find("cbo" + box)))
                combo->setListIndex(int(std::ranges::find(combo->items(), item) - combo->items().begin()));
            (units ? f.cmdUApplyFilters : f.cmdSApplyFilters).click();
            std::vector<std::string> found;
            for (int i = 1; i < results.listCount(); ++i)
                if (results.item(i) != "filler") found.push_back(results.item(i));
            EXPECT_EQ(found, names) << key;
        }
        return expected.size();
    }

    std::string unitBytes, siteBytes;
    FakePlatform platform{makeInstallation()};
    App app{platform};
    Editor& e = app.editor;
    Form1& f = app.form;
};

}  // namespace gs::test
