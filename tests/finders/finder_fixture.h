// An editor whose tables the finder tests write themselves: every unit and
// site row starts as a filler with every cell empty, and the filter combos
// hold their fixed entries.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "support/session.h"
#include "app/app.h"

namespace gs::test {

// A unit with every cell empty ("-666" / -666) but its number and name.
UnitRecord blankUnit(int number, const std::string& name);
// A site with every cell empty but its number and name.
SiteRecord blankSite(int number, const std::string& name);

inline constexpr const char* kFiller = "filler";

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
    FinderTest();

    // Entries of cboUnitFound / cboFeature after "None" that are not fillers.
    static std::vector<std::string> found(const ComboBox& results);
    std::vector<std::string> foundUnits() const { return found(f.cboUnitFound); }
    std::vector<std::string> foundSites() const { return found(f.cboFeature); }
    // Selects the entry with this text, as the user picks it (ticking the box first).
    static void pick(ComboBox& combo, const std::string& item);
    static void pick(CheckBox& box, ComboBox& combo, const std::string& item);
    void pickUnit(const std::string& name) { pick(f.cboUnitFound, name); }
    void pickSite(const std::string& name) { pick(f.cboFeature, name); }
    // Unticks every filter box of both finders.
    void clearFilters();

    // Row i of `table` becomes "row i" with the property of case i; then each
    // case's filter alone must find exactly the rows made for its box and
    // entry. Returns the number of distinct box and entry settings.
    template <class Record>
    std::size_t expectEachFilterReadsItsOwnColumn(std::vector<Record>& table,
                                                  const std::vector<FilterCase<Record>>& cases, Button& apply,
                                                  const ComboBox& results) {
        std::map<std::string, std::vector<std::string>> expected;
        const auto key = [&](const FilterCase<Record>& c) { return (f.*c.box).name() + "|" + c.item; };
        for (std::size_t i = 0; i < cases.size(); ++i) {
            table[i].Number = static_cast<i16>(i + 1);
            table[i].Name = "row " + std::to_string(i);
            cases[i].give(table[i]);
            expected[key(cases[i])].push_back(table[i].Name);
        }
        for (const auto& c : cases) {
            clearFilters();
            if (c.combo)
                pick(f.*c.box, f.*c.combo, c.item);
            else
                (f.*c.box).setValue(CheckBox::Checked);
            apply.click();
            EXPECT_EQ(found(results), expected[key(c)]) << key(c);
        }
        return expected.size();
    }

    // The states of link labels, "|" after each.
    template <class Labels>
    static std::string links(const Labels& labels) {
        std::string out;
        for (const auto& l : labels) out += state(l) + "|";
        return out;
    }

    // The program folder, with an empty RKsprites folder.
    std::string folder = makeTempFolder();
    FakePlatform platform{folder};
    App app{platform};
    Editor& e = app.editor;
    Form1& f = app.form;
};

}  // namespace gs::test
