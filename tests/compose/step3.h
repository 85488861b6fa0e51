// An editor with Step 1 and Step 3 in the state that start-up leaves them
// in, over small invented tables, and the few actions a user takes there.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "compose/compose.h"
#include "support/fake_platform.h"
#include "support/kept_text.h"
#include "app/app.h"

namespace gs::test {

// Lines each ended by CR LF, as the garrison block holds them.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

inline void fill(ComboBox& box, const std::vector<std::string>& entries, bool enabled = true) {
    box.clear();
    box.addItems(entries);
    box.setEnabled(enabled);
    box.setListIndex(0);
}

// Selects the entry with this text, as the user picks it.
inline void choose(ListControl& box, const std::string& text) {
    for (int i = 0; i < box.listCount(); ++i)
        if (box.item(i) == text) return box.setListIndex(i);
    ADD_FAILURE() << box.name() << " has no entry " << text;
}

class Step3 : public ::testing::Test {
protected:
    Step3() {
        // Units: 123 twice (the first row wins), a negative number.
        setUnit(0, 123, "Militia");
        setUnit(1, 456, "Knight");
        setUnit(2, -5, "Shade");
        setUnit(3, 123, "Second Militia");
        for (int r = 4; r < kUnitRows - 1; ++r) setUnit(r, 3000 + r, "Filler Unit " + std::to_string(r));

        e.Nations[0] = {"EA", 12, "SEA", "Example"};
        e.Nations[1] = {"EA", 40, "", "Landia"};
        e.Nations[2] = {"LA", 7, "", "Lateland"};
        for (int r = 3; r < kNationRows - 1; ++r) e.Nations[r] = {"MA", static_cast<i16>(100 + r), "", "Filler"};

        e.Items[0] = {1, "Emberbrand", "1-h wpn", 0, "F", 1, "-666", kAbsent};
        e.Items[1] = {2, "Crown of Stars", "helm", 8, "S", 3, "A", 1};
        e.Items[2] = {3, "Old Boots", "boots", 12, "E", 2, "-666", kAbsent};
        e.Items[3] = {4, "Firecoat", "armor", 0, "A", 2, "F", 1};
        e.Items[4] = {5, "Deep Charm", "misc", 0, "W", 4, "-666", kAbsent};
        static const std::vector<std::string> fillerNames = [] {  // the cells view them
            std::vector<std::string> names;
            for (int r = 0; r < kItemRows; ++r) names.push_back("Filler Item " + std::to_string(r));
            return names;
        }();
        for (int r = 5; r < kItemRows - 1; ++r) {
            e.Items[r] = {.Number = static_cast<i16>(400 + r),
                          .Name = text(fillerNames[r]),
                          .Category = "misc",
                          .Path1 = "-666",
                          .Level1 = kAbsent,
                          .Path2 = "-666",
                          .Level2 = kAbsent};
        }

        fill(f.cboEra, {"Early", "Middle", "Late"});  // refills the nations
        fill(f.cboMethod, {"Add", "Replace"});
        f.txtAuthor.setText("Ann");
        f.txtAuthorIndex.setText("7");

        f.chkPretender.setValue(CheckBox::Checked);
        f.cmdAddCommander.setEnabled(false);
        f.cmdAddCommanderName.setEnabled(false);
        fill(f.cboCommanderNameDataList, {"Velm generated.", "Quillmap generated."});
        fill(f.cboItemCategory, {"None", "1-h wpn", "2-h wpn", "shield", "helm", "armor", "boots", "misc"});
        const std::vector<std::string> paths{"F", "A", "W", "E", "S", "D", "N", "B"};
        const std::vector<std::string> levels{" 1", " 2", " 3", " 4", " 5", " 6"};
        fill(f.cboIP1, paths, false);
        fill(f.cboIL1, levels, false);
        fill(f.cboIP2, paths, false);
        fill(f.cboIL2, levels, false);
        fill(f.cboGameRandomItem, {" 0", " 1", " 2", " 3", " 4"});
        f.cmdAddItem.setEnabled(true);
        fill(f.cboMagic, {"-- no Magic", "#mag_fire", "#mag_air", "#mag_water", "#mag_earth", "#mag_astral",
                          "#mag_death", "#mag_nature", "#mag_blood", "#mag_priest"});
        f.txtMagicLevel.setText("1");
        f.cmdAddMagic.setEnabled(false);
        f.txtDominion.setText("1");
        f.cmdAddDominion.setEnabled(true);
        fill(f.cboScales, {"-- no Scales", "#scale_chaos", "#scale_lazy", "#scale_cold", "#scale_death",
                           "#scale_unluck", "#scale_unmagic"});
        f.txtScales.setText("1");
        f.cmdAddScales.setEnabled(false);
        fill(f.cboQuillmapItem, {"Let Velm generate.", "Spare Blades", "Tower Relics"});
        f.txtBodyGuardCount.setText("5");
        f.txtUnitCount.setText("10");
        fill(f.cboNameDataList, {"Let Velm name the province.", "Marsh Names"});
        f.cmdAddBodyGuards.setEnabled(true);
        f.cmdAddUnits.setEnabled(true);

        f.chkINoArtifacts.setValue(CheckBox::Checked);
        f.chkINoSpecial.setValue(CheckBox::Checked);
        f.cboItem.clear();
        ApplyItemFilter(e);
    }

    void setUnit(int row, int number, const std::string& name) {
        e.Units[row].Number = static_cast<i16>(number);
        e.Units[row].Name = kept(name);
    }

    // The entries of a list, in order.
    static std::vector<std::string> entries(const ListControl& list) { return list.items(); }

    // The error reports shown so far, as the text after "Subroutine=".
    std::vector<std::string> reports() const {
        const std::string prefix = "Confirm that your input was a valid character or value for this field. Subroutine=";
        std::vector<std::string> out;
        for (const auto& m : p.messages) {
            EXPECT_EQ(m.title, "Error Report!");
            EXPECT_EQ(m.text.rfind(prefix, 0), 0u) << m.text;
            out.push_back(m.text.substr(prefix.size()));
        }
        return out;
    }

    const std::string& garrison() const { return f.txtGarrison.text(); }

    FakePlatform p;
    App app{p};
    Editor& e = app.editor;
    Form1& f = app.form;
};

}  // namespace gs::test
