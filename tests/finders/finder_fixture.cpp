#include "finder_fixture.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "model/fixed_lists.h"
#include "model/table_reader.h"

namespace gs::test {
namespace {

// Tables of filler rows as the loaders read them from files of empty cells.
template <class Record, class Parse>
const std::vector<Record>& fillers(int rows, Row (*row)(int, const std::string&), int firstNumber, Parse parse) {
    static const std::vector<Record> table = [&] {
        std::vector<Row> lines;
        for (int r = 0; r < rows - 1; ++r) lines.push_back(row(firstNumber + r, kFiller));
        std::vector<Record> out(rows);
        if (!parse(tableText(lines), "filler table", out)) throw std::runtime_error("filler table");
        return out;
    }();
    return table;
}
const std::vector<UnitRecord>& fillerUnits() { return fillers<UnitRecord>(kUnitRows, unitRow, 5000, parseUnits); }
const std::vector<SiteRecord>& fillerSites() { return fillers<SiteRecord>(kSiteRows, siteRow, 3000, parseSites); }

}  // namespace

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
    std::filesystem::create_directories(folder + "/RKsprites");
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
                                {&f.cboUHero, &lists::UHero}}) {
        combo->clear();
        combo->addItems(*items);
        combo->setListIndex(0);
        combo->setEnabled(false);
    }
}

std::vector<std::string> FinderTest::found(const ComboBox& results) {
    std::vector<std::string> out;
    for (int i = 1; i < results.listCount(); ++i)
        if (results.item(i) != kFiller) out.push_back(results.item(i));
    return out;
}

void FinderTest::pick(ComboBox& combo, const std::string& item) {
    const auto& items = combo.items();
    const auto it = std::find(items.begin(), items.end(), item);
    ASSERT_NE(it, items.end()) << item;
    combo.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::pick(CheckBox& box, ComboBox& combo, const std::string& item) {
    box.setValue(CheckBox::Checked);
    pick(combo, item);
}

void FinderTest::clearFilters() {
    for (CheckBox* b :
         {&f.chkUGod,    &f.chkUSize,   &f.chkUMagic,    &f.chkURMagic, &f.chkULead,  &f.chkUCType,   &f.chkUStealth,
          &f.chkUResist, &f.chkUMisc,   &f.chkUSurvival, &f.chkUMove,   &f.chkUHero,  &f.chkUMounted, &f.chkUUnique,
          &f.chkUHoly,   &f.chkUFemale, &f.chkSTerrain,  &f.chkSType,   &f.chkSGems,  &f.chkSStruct,  &f.chkSRUnits,
          &f.chkSSUnits, &f.chkSPBonus, &f.chkSSBonus,   &f.chkSGBonus, &f.chkSScales})
        b->setValue(CheckBox::Unchecked);
}

}  // namespace gs::test
