// Each entry of every Unit Finder filter reads its own column (one row per
// entry carries just that property), and each box enables only its own list.
#include "finder_fixture.h"

namespace gs::test {
namespace {

using U = UnitRecord;
using Case = FilterCase<U>;

// One unit per case, each with exactly one property.
std::vector<Case> cases() {
    std::vector<Case> c;
    // Entry texts (separated by "|") and the columns they read, in pairs;
    // `give` sets the column for its entry.
    const auto add = [&c](CheckBox Form1::*box, ComboBox Form1::*combo, std::string items, const auto& columns,
                          auto give) {
        for (const auto& column : columns) {
            const std::size_t end = items.find('|');
            const std::string item = items.substr(0, end);
            c.push_back({box, combo, item, [=](U& u) { give(u, column, item); }});
            items.erase(0, end == std::string::npos ? end : end + 1);
        }
        EXPECT_EQ(items, "") << "more entries than columns";
    };
    using Texts = std::vector<text U::*>;
    using Numbers = std::vector<i16 U::*>;
    // The cell holds the entry's own word; any text; 1; 0 (only the empty-cell sentinel means absent).
    const auto word = [](U& u, text U::*m, const std::string& item) { u.*m = kept(item); };
    const auto mark = [](U& u, text U::*m, const std::string&) { u.*m = "x"; };
    const auto one = [](U& u, i16 U::*m, const std::string&) { u.*m = 1; };
    const auto zero = [](U& u, i16 U::*m, const std::string&) { u.*m = 0; };

    add(&Form1::chkUGod, &Form1::cboUGod, "Is", Numbers{&U::God}, one);
    for (int s = 1; s <= 6; ++s)
        c.push_back({&Form1::chkUSize, &Form1::cboUSize, " " + std::to_string(s), [s](U& u) { u.Size = s; }});
    add(&Form1::chkUMagic, &Form1::cboUMagic, "Fire|Air|Water|Earth|Astral|Death|Nature|Blood|Holy",
        Numbers{&U::PathFire, &U::PathAir, &U::PathWater, &U::PathEarth, &U::PathAstral, &U::PathDeath, &U::PathNature,
                &U::PathBlood, &U::PathHoly},
        one);
    // The same entries for random magic (cases 7 to 15 are the paths): each of
    // the four random-magic entries is searched, anywhere in the text.
    for (int i = 0; i < 9; ++i)
        c.push_back({&Form1::chkURMagic, &Form1::cboURMagic, c[7 + i].item,
                     [i](U& u) { u.RandMagicPaths[i % 4] = kept(std::string("x") + "FAWESDNBH"[i]); }});
    add(&Form1::chkULead, &Form1::cboULead, "Normal|Magic|Undead",
        Numbers{&U::LeaderNormal, &U::LeaderMagic, &U::LeaderUndead}, one);
    add(&Form1::chkUCType, &Form1::cboUCType, "Undead|Demon|Magic being|Animal",
        Texts{&U::Undead, &U::Demon, &U::MagicBeing, &U::Animal}, word);
    add(&Form1::chkUStealth, &Form1::cboUStealth, "Spy|Assassin|Glamour", Texts{&U::Spy, &U::Assassin, &U::Glamour},
        word);
    add(&Form1::chkUStealth, &Form1::cboUStealth, "Stealthy", Numbers{&U::Stealth}, zero);
    // "None" only matches the literal word.
    add(&Form1::chkUStealth, &Form1::cboUStealth, "None", Texts{&U::Glamour}, word);
    add(&Form1::chkUResist, &Form1::cboUResist, "Fire|Cold|Lightning|Poison",
        Texts{&U::ResistFire, &U::ResistCold, &U::ResistLightning, &U::ResistPoison}, mark);
    add(&Form1::chkUMisc, &Form1::cboUMisc,
        "DarkVision|Regenerate|Forge|Heal|Alchemy|Luck|Insane|Ice Armor|Cold Blooded|Ethereal|True "
        "Ethereal|Trample|Blind|Recuperation|Immortal|Mindless|Lifeless|No Eat|No Heal|Poison "
        "Armor|Seduce|Succubus|Petrify|Eyeloss|Inquisitor|Winter Strength|Spring Strength|Summer Strength|Fall "
        "Strength|Reanimate",
        Texts{&U::DarkVision, &U::Regeneration, &U::Forge, &U::Heal, &U::Alchemy, &U::Luck, &U::Insane, &U::IceArmor,
              &U::ColdBlooded, &U::Ethereal, &U::TrueEthereal, &U::Trample, &U::Blind, &U::Recuperation, &U::Immortal,
              &U::Mindless, &U::Lifeless, &U::NoEat, &U::NoHeal, &U::PoisonArmor, &U::Seduce, &U::Succubus,
              &U::Petrify, &U::Eyeloss, &U::Inquisitor, &U::WinterStrength, &U::SpringStrength, &U::SummerStrength,
              &U::FallStrength, &U::Reanimator},
        mark);
    add(&Form1::chkUMisc, &Form1::cboUMisc,
        "Standard|Awe|Fear|Berserk|Chill|Heat|Fire Shield|Banefire Shield|Blood Veng|Disease Cloud|Poison "
        "Cloud|Pillage|Patrol|Castle Def|Siege|Supply|Sage|Blood Hunt|Void Summ|Summons Other|Summons Other|Summons "
        "Other|Summons Other|Shape Changer|Shape Changer|Shape Changer|Shape Changer|Shape Changer|Shape Changer",
        Numbers{&U::Standard, &U::Awe, &U::Fear, &U::Berserk, &U::Chill, &U::Heat, &U::FireShield, &U::BanefireShield,
                &U::BloodVengeance, &U::DiseaseCloud, &U::PoisonCloud, &U::Pillage, &U::Patrol, &U::CastleDefence,
                &U::Siege, &U::Supply, &U::Sage, &U::BloodHunt, &U::VoidSummoning, &U::Summon, &U::AutoSummon,
                &U::BattleSummon, &U::DomSummon, &U::ShapeChange, &U::FirstShape, &U::SecondShape, &U::SecondTmpShape,
                &U::LandShape, &U::SeaShape},
        zero);
    add(&Form1::chkUSurvival, &Form1::cboUSurvival, "Forest|Mountain|Waste|Swamp",
        Texts{&U::SurviveForest, &U::SurviveMountain, &U::SurviveWaste, &U::SurviveSwamp}, word);
    add(&Form1::chkUMove, &Form1::cboUMove, "Aquatic|Amphibian|Poor Amphi|Flying|Stormflyer|Sailing",
        Texts{&U::MoveAquatic, &U::MoveAmphibian, &U::MovePoorAmphibian, &U::MoveFlying, &U::MoveStormflyer,
              &U::MoveSailing},
        word);
    add(&Form1::chkUHero, &Form1::cboUHero, "Is", Texts{&U::Special},
        [](U& u, text U::*m, const std::string&) { u.*m = "Hero of the Fen"; });
    for (auto [box, m] : {std::pair{&Form1::chkUMounted, &U::Mounted}, {&Form1::chkUUnique, &U::Unique},
                          {&Form1::chkUHoly, &U::Sacred}, {&Form1::chkUFemale, &U::Female}})
        c.push_back({box, nullptr, "", [m](U& u) { u.*m = "x"; }});
    return c;
}

using UnitFinderTest = FinderTest;

TEST_F(UnitFinderTest, EachFilterEntryReadsItsOwnColumn) {
    // Every entry of every combo is covered, and the column order quirks with them.
    EXPECT_EQ(expectEachFilterReadsItsOwnColumn(e.Units, cases(), f.cmdUApplyFilters, f.cboUnitFound),
              1u + 6 + 9 + 9 + 3 + 4 + 5 + 4 + 51 + 4 + 6 + 1 + 4);
}

TEST_F(UnitFinderTest, FilterBoxesEnableTheirCombosOnly) {
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
    // Ticking a box does not rebuild the result list.
    EXPECT_EQ(f.cboUnitFound.listCount(), kUnitRows);
    for (CheckBox* b : {&f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale, &f.chkSRUnits, &f.chkSSUnits,
                        &f.chkSPBonus, &f.chkSSBonus, &f.chkSGBonus, &f.chkSScales})
        EXPECT_FALSE(b->Click) << b->name();
}

// A unit or site whose cells hold megabytes (a hostile table) is shown with
// each long cell cut to its first 1000 bytes and "...", so that picking it
// never leaves the description box laying out megabytes.
using LongCellsTest = FinderTest;

void pick(ComboBox& picker, const std::string& name) {
    picker.setListIndex(static_cast<int>(std::ranges::find(picker.items(), name) - picker.items().begin()));
}

TEST_F(LongCellsTest, DescriptionsCutLongCells) {
    const std::string big(1 << 20, 'w'), shown = std::string(1000, 'w') + "...";
    const std::string edge(1000, 'e');  // a cell of exactly the kept length stays whole
    e.Units[0].Number = 8;
    e.Units[0].Name = e.Units[0].Special = kept(big);
    e.Units[0].UniqueName = kept(edge);
    e.Sites[0].Number = 9;
    e.Sites[0].Name = e.Sites[0].MagicType = kept(big);
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
