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

TEST_F(SiteFinderTest, ApplyListsInTableOrderAndEndsOnNone) {
    e.Sites[0] = blankSite(7, "Glimmering Fen");
    e.Sites[0].Frequency = 40;
    e.Sites[0].RecUnitNumber[0] = 10;
    e.Sites[0].RecUnitName[0] = "Spearman";
    e.Sites[1] = blankSite(8, "Ashen Forge");
    e.Sites[1].Gold = 50;
    f.cmdSApplyFilters.click();
    pickSite("Glimmering Fen");
    ASSERT_EQ(f.lblRecUnit[0].caption(), "10");

    f.cmdSApplyFilters.click();
    ASSERT_EQ(f.cboFeature.listCount(), 1 + 565);
    EXPECT_EQ(f.cboFeature.item(0), "None");
    EXPECT_EQ(f.cboFeature.item(1), "Glimmering Fen");
    EXPECT_EQ((std::vector<i16>{e.SiteIndex[0], e.SiteIndex[1], e.SiteIndex[2], e.SiteIndex[565]}),
              (std::vector<i16>{-1, 7, 8, 3000 + 564}));
    EXPECT_EQ(f.cboFeature.listIndex(), 0);
    EXPECT_EQ(f.txtSiteDescription.text() + links(f.lblRecUnit) + links(f.lblSumUnit),
              "NO SITE SELECTED.-1|-1|-1|-1|-1|-1|-1|");

    f.chkSGBonus.setValue(CheckBox::Checked);
    f.chkSRUnits.setValue(CheckBox::Checked);
    f.cmdSApplyFilters.click();
    EXPECT_EQ(f.cboFeature.items(), std::vector<std::string>{"None"});
}

TEST_F(SiteFinderTest, FullDescription) {
    SiteRecord& s = e.Sites[2] = blankSite(44, "Ashen Forge");
    s.Mask32 = 123456;
    s.MagicType = "Fire";
    const std::vector<i16 S::*> numbers = {&S::Extra2,    &S::Frequency,  &S::Level,     &S::GemsFire,
                                           &S::GemsAir,   &S::GemsWater,  &S::GemsEarth, &S::GemsAstral,
                                           &S::GemsDeath, &S::GemsNature, &S::GemsBlood, &S::Gold,
                                           &S::Resources, &S::Supply,     &S::Unrest,    &S::Experience};
    const int values[] = {9, 40, 2, 1, 2, 3, 4, 5, 6, 7, 8, 50, 2, 3, 4, 5};
    for (std::size_t k = 0; k < numbers.size(); ++k) s.*numbers[k] = static_cast<i16>(values[k]);
    s.Laboratory = "TRUE";
    s.Fort = 1;
    s.SummonPath = "Fire";
    s.SumUnitValue[0] = 3;
    s.Scale1 = "heat";
    s.Scale2 = "order";
    int v = 1;
    for (std::string* t :
         {&s.Conjuration, &s.Alteration, &s.Evocation, &s.Construction, &s.Enchantment, &s.Thaumaturgy,
          &s.BloodResearch, &s.Heal, &s.Disease, &s.Curse, &s.Horror, &s.HolyFire, &s.HolyPower, &s.Scry, &s.Adventure})
        *t = "c" + std::to_string(v++);
    s.TerrainForest = "Yes";
    s.Unique = "Yes";
    EXPECT_EQ(describe(2),
              "44 Ashen Forge\r\n"
              "frq  40, lvl  2, type Fire, F1, A2, W3, E4, S5, D6, N7, B8, gold  50, res  2, sup  3, unr  4, exp  5, "
              "lab, fort  1, sumpath Fire, heat, order, conj c1, alter c2, evo c3, const c4, ench c5, thau c6, blood "
              "c7, heal c8, disease c9, curse c10, horror c11, holyfire c12, holypow c13, scry c14, adventure c15");
}

TEST_F(SiteFinderTest, DescriptionEdgeRows) {
    // Nothing shown: the second line stays empty.
    e.Sites[0] = blankSite(1, "Quiet Hollow");
    e.Sites[0].Frequency = -1;
    e.Sites[0].Level = -1;
    e.Sites[0].Laboratory = "FALSE";
    e.Sites[0].Gold = -5;
    e.Sites[0].GemsFire = 0;
    e.Sites[0].Fort = 0;
    EXPECT_EQ(describe(0), "1 Quiet Hollow\r\n");

    // Frequency 0 is shown; an empty laboratory cell reads as a laboratory.
    e.Sites[1] = blankSite(2, "Bare Stone");
    e.Sites[1].Frequency = 0;
    e.Sites[1].Level = 0;
    EXPECT_EQ(describe(1), "2 Bare Stone\r\nfrq  0, lvl  0, lab");

    // Without a frequency the line begins with a comma.
    e.Sites[2] = blankSite(3, "Old Tower");
    e.Sites[2].Frequency = -1;
    e.Sites[2].Level = 3;
    e.Sites[2].Laboratory = "false";
    EXPECT_EQ(describe(2), "3 Old Tower\r\n, lvl  3, lab");

    // Struct "Lab" only takes the exact word "TRUE".
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
