// An editor whose tables the finder tests write themselves: every unit and
// site row starts as a filler with every cell empty, and the filter combos
// hold their fixed entries.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "ui/app.h"

namespace gs::test {

// A unit with every cell empty ("-666" / -666) but its number and name.
UnitRecord blankUnit(int number, const std::string& name);
// A site with every cell empty but its number and name.
SiteRecord blankSite(int number, const std::string& name);

inline constexpr const char* kFiller = "filler";

class FinderTest : public ::testing::Test {
protected:
    FinderTest();

    // Entries of cboUnitFound after "None" that are not fillers.
    std::vector<std::string> foundUnits() const;
    // Entries of cboFeature after "None" that are not fillers.
    std::vector<std::string> foundSites() const;
    // Ticks a filter box and picks a combo entry by its text.
    static void pick(CheckBox& box, ComboBox& combo, const std::string& item);
    // Selects the cboUnitFound / cboFeature entry with this text.
    void pickUnit(const std::string& name);
    void pickSite(const std::string& name);

    static std::string spriteFolder();
    // A unit link label in its empty and its link state.
    static void expectEmpty(const Label& l);
    static void expectLink(const Label& l, const std::string& number, const std::string& name);

    // The program folder, with an empty RKsprites folder.
    std::string folder = spriteFolder();
    FakePlatform platform{folder};
    App app{platform};
    Editor& e = app.editor;
    Form1& f = app.form;
};

}  // namespace gs::test
