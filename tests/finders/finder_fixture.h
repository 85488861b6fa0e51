// A started editor whose unit and site tables the finder tests write
// themselves: every row starts as a filler with every cell empty.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "app/app.h"
#include "model/table_reader.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "support/kept_text.h"

namespace gs::test {

// One filter setting and the one property a row needs to pass it.
template <class Record>
struct FilterCase {
    CheckBox Form1::*box;
    ComboBox Form1::*combo;  // nullptr for the boxes without a combo
    std::string item;
    std::function<void(Record&)> give;
};

class FinderTest : public ::testing::Test {
protected:
    FinderTest() {
        app.start();
        // Tables of filler rows as the loaders read them from files of empty
        // cells; the rows view these bytes, so they live as long as the fixture.
        std::vector<Row> units(kUnitRows - 1), sites(kSiteRows - 1);
        for (int r = 0; r < kUnitRows - 1; ++r) units[r] = unitRow(5000 + r, "filler");
        for (int r = 0; r < kSiteRows - 1; ++r) sites[r] = siteRow(3000 + r, "filler");
        unitBytes = tableText(units);
        siteBytes = tableText(sites);
        EXPECT_TRUE(parseUnits(unitBytes, "units", e.Units));
        EXPECT_TRUE(parseSites(siteBytes, "sites", e.Sites));
    }

    // Row i of `table` becomes "row i" with the property of case i; then each
    // case's filter alone, set as the user sets it, must find exactly the rows
    // made for its box and entry. Returns the number of distinct settings.
    template <class Record>
    std::size_t expectEachFilterReadsItsOwnColumn(std::vector<Record>& table,
                                                  const std::vector<FilterCase<Record>>& cases, Button& apply,
                                                  const ComboBox& results) {
        std::map<std::string, std::vector<std::string>> expected;
        const auto key = [&](const FilterCase<Record>& c) { return (f.*c.box).name() + "|" + c.item; };
        for (std::size_t i = 0; i < cases.size(); ++i) {
            table[i].Number = static_cast<i16>(i + 1);
            table[i].Name = kept("row " + std::to_string(i));
            cases[i].give(table[i]);
            expected[key(cases[i])].push_back(table[i].Name);
        }
        for (const auto& c : cases) {
            for (Control* box : f.allControls())
                if (box->kind() == Kind::CheckBox) static_cast<CheckBox*>(box)->setValue(CheckBox::Unchecked);
            (f.*c.box).click();
            if (c.combo) {
                const auto& items = (f.*c.combo).items();
                (f.*c.combo).setListIndex(static_cast<int>(std::find(items.begin(), items.end(), c.item) - items.begin()));
            }
            apply.click();
            std::vector<std::string> found;
            for (int i = 1; i < results.listCount(); ++i)
                if (results.item(i) != "filler") found.push_back(results.item(i));
            EXPECT_EQ(found, expected[key(c)]) << key(c);
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
