// Each entry of every Site Finder filter reads its own column: one row per
// entry carries just the property that entry asks for.
#include "finder_fixture.h"

namespace gs::test {
namespace {

using S = SiteRecord;
using SiteFinderTest = FinderTest;
using Case = FilterCase<S>;

std::vector<Case> cases() {
    std::vector<Case> c;
    auto text = [](gs::text S::*m, std::string v) { return [m, v](S& s) { s.*m = kept(v); }; };
    auto number = [](i16 S::*m, int v) { return [m, v](S& s) { s.*m = static_cast<i16>(v); }; };
    const std::vector<std::pair<std::string, gs::text S::*>> terrain = {
        {"Plains", &S::TerrainPlains}, {"Forest", &S::TerrainForest}, {"Mountain", &S::TerrainMountain},
        {"Waste", &S::TerrainWaste},   {"Farm", &S::TerrainFarm},     {"Sea", &S::TerrainSea},
        {"Coast", &S::TerrainCoast},   {"Swamp", &S::TerrainSwamp},   {"DeepSea", &S::TerrainDeepSea},
        {"Unique", &S::Unique}};
    for (const auto& [item, m] : terrain) c.push_back({&Form1::chkSTerrain, &Form1::cboSTerrain, item, text(m, "Yes")});
    for (std::string type : {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood", "Holy"})
        c.push_back({&Form1::chkSType, &Form1::cboSType, type, text(&S::MagicType, type)});
    const std::vector<std::pair<std::string, i16 S::*>> gems = {
        {"Fire", &S::GemsFire},     {"Air", &S::GemsAir},     {"Water", &S::GemsWater},   {"Earth", &S::GemsEarth},
        {"Astral", &S::GemsAstral}, {"Death", &S::GemsDeath}, {"Nature", &S::GemsNature}, {"Blood", &S::GemsBlood}};
    for (const auto& [item, m] : gems) c.push_back({&Form1::chkSGems, &Form1::cboSGems, item, number(m, 1)});
    c.push_back({&Form1::chkSStruct, &Form1::cboSStruct, "Lab", text(&S::Laboratory, "TRUE")});
    c.push_back({&Form1::chkSStruct, &Form1::cboSStruct, "Fort", number(&S::Fort, 1)});
    c.push_back({&Form1::chkSRUnits, nullptr, "", [](S& s) { s.RecUnitNumber[0] = 1; }});
    c.push_back({&Form1::chkSSUnits, nullptr, "", [](S& s) { s.SumUnitNumber[0] = 1; }});
    for (auto m : {&S::Conjuration, &S::Alteration, &S::Evocation, &S::Construction, &S::Enchantment, &S::Thaumaturgy,
                   &S::BloodResearch})
        c.push_back({&Form1::chkSPBonus, nullptr, "", text(m, "5")});
    c.push_back({&Form1::chkSSBonus, nullptr, "", number(&S::Supply, 1)});
    c.push_back({&Form1::chkSGBonus, nullptr, "", number(&S::Gold, 1)});
    c.push_back({&Form1::chkSScales, nullptr, "", text(&S::Scale1, "heat")});
    c.push_back({&Form1::chkSScales, nullptr, "", text(&S::Scale2, "order")});
    return c;
}

TEST_F(SiteFinderTest, EachFilterEntryReadsItsOwnColumn) {
    const auto all = cases();
    // A near miss that no filter takes, after the rows of the cases.
    SiteRecord& miss = e.Sites[all.size()];
    miss.Name = "near miss";
    miss.TerrainPlains = "yes";
    miss.Extra66 = "Yes";
    miss.MagicType = "fire";
    miss.Laboratory = "-666";
    miss.RecUnitNumber[1] = miss.SumUnitNumber[1] = 5;
    miss.Heal = "5";
    miss.Gold = miss.Supply = miss.Fort = miss.GemsFire = 0;
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(e.Sites, all, f.cmdSApplyFilters, f.cboFeature), 10u + 9 + 8 + 2 + 6);
}

}  // namespace
}  // namespace gs::test
