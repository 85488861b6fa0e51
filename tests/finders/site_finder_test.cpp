#include "finder_fixture.h"
#include "window/references.h"

namespace gs::test {
namespace {

using S = SiteRecord;

class SiteFinderTest : public FinderTest {
protected:
    // Shows the site at `row` through the finder.
    std::string describe(int row) {
        f.cmdSApplyFilters.click();
        pickSite(e.Sites[row].Name);
        return f.txtSiteDescription.text();
    }
};

using Case = FilterCase<S>;

std::vector<Case> cases() {
    std::vector<Case> c;
    auto text = [](std::string S::*m, std::string v) { return [m, v](S& s) { s.*m = v; }; };
    auto number = [](i16 S::*m, int v) { return [m, v](S& s) { s.*m = static_cast<i16>(v); }; };
    const std::vector<std::pair<std::string, std::string S::*>> terrain = {
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
    SiteRecord& miss = e.Sites[all.size()] = blankSite(200, "near miss");
    miss.TerrainPlains = "yes";
    miss.Extra66 = "Yes";
    miss.MagicType = "fire";
    miss.Laboratory = "-666";
    miss.RecUnitNumber[1] = miss.SumUnitNumber[1] = 5;
    miss.Heal = "5";
    miss.Gold = miss.Supply = miss.Fort = miss.GemsFire = 0;
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(e.Sites, all, f.cmdSApplyFilters, f.cboFeature), 10u + 9 + 8 + 2 + 6);
}

// Nothing to show leaves the second line empty; frequency 0 is shown; an
// empty laboratory cell reads as a laboratory; without a frequency the line
// begins with a comma; "Lab" only finds the exact word "TRUE".
TEST_F(SiteFinderTest, DescriptionEdgeRows) {
    e.Sites[0] = blankSite(1, "Quiet Hollow");
    e.Sites[0].Frequency = e.Sites[0].Level = -1;
    e.Sites[0].Laboratory = "FALSE";
    e.Sites[0].Gold = -5;
    e.Sites[0].GemsFire = e.Sites[0].Fort = 0;
    e.Sites[1] = blankSite(2, "Bare Stone");
    e.Sites[1].Frequency = e.Sites[1].Level = 0;
    e.Sites[2] = blankSite(3, "Old Tower");
    e.Sites[2].Frequency = -1;
    e.Sites[2].Level = 3;
    e.Sites[2].Laboratory = "false";
    EXPECT_EQ(describe(0) + "|" + describe(1) + "|" + describe(2),
              "1 Quiet Hollow\r\n|2 Bare Stone\r\nfrq  0, lvl  0, lab|3 Old Tower\r\n, lvl  3, lab");
    pick(f.chkSStruct, f.cboSStruct, "Lab");
    f.cmdSApplyFilters.click();
    EXPECT_EQ(foundSites(), std::vector<std::string>{});
}

// Units with a number above 0 link to their reference page; the last row
// with the site's number is the one shown.
TEST_F(SiteFinderTest, LinkLabelsAndTheirAddresses) {
    e.Sites[0] = blankSite(5, "Fen Shrine");
    e.Sites[0].RecUnitNumber = {0, 10, -1, 12345, 99};
    e.Sites[0].RecUnitName = {"Nobody", "Mossguard Spearman", "Ghost", "Far Scout", "Hidden"};
    e.Sites[0].SumUnitNumber = {1822, -666, 7, 4};
    e.Sites[0].SumUnitName = {"Drake", "-666", "Marsh Wisp", "Hidden"};
    e.Sites[3] = e.Sites[0];
    e.Sites[3].Name = "Fen Shrine (later row)";
    EXPECT_EQ(describe(0).substr(0, 26), "5 Fen Shrine (later row)\r\n");
    const std::string link = " (underlined) (colour 0000FF) (tip ";
    EXPECT_EQ(links(f.lblRecUnit) + links(f.lblSumUnit),
              "-1|10" + link + "Mossguard Spearman)|-1|12345" + link + "Far Scout)|1822" + link + "Drake)|-1|7" +
                  link + "Marsh Wisp)|");
    for (Label* l : {&f.lblRecUnit[0], &f.lblRecUnit[1], &f.lblRecUnit[3], &f.lblSumUnit[0], &f.lblSumUnit[1]})
        l->click();
    const std::string base = kUnitReferenceBase;
    EXPECT_EQ(platform.openedUrls,
              (std::vector<std::string>{base + "00010.png", base + "12345.png", base + "01822.png"}));
    f.cboFeature.setListIndex(0);
    EXPECT_EQ(f.txtSiteDescription.text() + links(f.lblRecUnit) + links(f.lblSumUnit),
              "NO SITE SELECTED.-1|-1|-1|-1|-1|-1|-1|");
}

}  // namespace
}  // namespace gs::test
