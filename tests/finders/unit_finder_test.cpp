#include <functional>
#include <map>
#include <set>

#include "finder_fixture.h"

namespace gs::test {
namespace {

using U = UnitRecord;

struct Case {
    CheckBox Form1::*box;
    ComboBox Form1::*combo;  // nullptr for the boxes without a combo
    std::string item;
    std::function<void(UnitRecord&)> give;  // the one property of the case's unit
};

// One unit per case, each with exactly one property.
std::vector<Case> cases() {
    std::vector<Case> c;
    auto text = [](std::string U::*m, std::string v) { return [m, v](U& u) { u.*m = v; }; };
    auto number = [](i16 U::*m, int v) { return [m, v](U& u) { u.*m = static_cast<i16>(v); }; };
    auto unit = [&](CheckBox Form1::*b, ComboBox Form1::*k, std::string item, std::function<void(U&)> g) {
        c.push_back({b, k, std::move(item), std::move(g)});
    };
    unit(&Form1::chkUGod, &Form1::cboUGod, "Is", number(&U::God, 1));
    for (int s = 1; s <= 6; ++s) unit(&Form1::chkUSize, &Form1::cboUSize, " " + std::to_string(s), number(&U::Size, s));
    const std::vector<std::pair<std::string, i16 U::*>> paths = {
        {"Fire", &U::PathFire},     {"Air", &U::PathAir},       {"Water", &U::PathWater},
        {"Earth", &U::PathEarth},   {"Astral", &U::PathAstral}, {"Death", &U::PathDeath},
        {"Nature", &U::PathNature}, {"Blood", &U::PathBlood},   {"Holy", &U::PathHoly}};
    for (const auto& [item, m] : paths) unit(&Form1::chkUMagic, &Form1::cboUMagic, item, number(m, 1));
    const std::string letters = "FAWESDNBH";
    for (int i = 0; i < 9; ++i) {
        // Each of the four random-magic entries is searched, anywhere in the text.
        const int entry = i % 4;
        const std::string paths_text = std::string("x") + letters[i];
        unit(&Form1::chkURMagic, &Form1::cboURMagic, paths[i].first,
             [entry, paths_text](U& u) { u.RandMagicPaths[entry] = paths_text; });
    }
    unit(&Form1::chkULead, &Form1::cboULead, "Normal", number(&U::LeaderNormal, 1));
    unit(&Form1::chkULead, &Form1::cboULead, "Magic", number(&U::LeaderMagic, 1));
    unit(&Form1::chkULead, &Form1::cboULead, "Undead", number(&U::LeaderUndead, 1));
    unit(&Form1::chkUCType, &Form1::cboUCType, "Undead", text(&U::Undead, "Undead"));
    unit(&Form1::chkUCType, &Form1::cboUCType, "Demon", text(&U::Demon, "Demon"));
    unit(&Form1::chkUCType, &Form1::cboUCType, "Magic being", text(&U::MagicBeing, "Magic being"));
    unit(&Form1::chkUCType, &Form1::cboUCType, "Animal", text(&U::Animal, "Animal"));
    unit(&Form1::chkUStealth, &Form1::cboUStealth, "Spy", text(&U::Spy, "Spy"));
    unit(&Form1::chkUStealth, &Form1::cboUStealth, "Assassin", text(&U::Assassin, "Assassin"));
    unit(&Form1::chkUStealth, &Form1::cboUStealth, "Glamour", text(&U::Glamour, "Glamour"));
    unit(&Form1::chkUStealth, &Form1::cboUStealth, "Stealthy", number(&U::Stealth, 0));
    // "None" only matches the literal word.
    unit(&Form1::chkUStealth, &Form1::cboUStealth, "None", text(&U::Glamour, "None"));
    unit(&Form1::chkUResist, &Form1::cboUResist, "Fire", text(&U::ResistFire, "x"));
    unit(&Form1::chkUResist, &Form1::cboUResist, "Cold", text(&U::ResistCold, "x"));
    unit(&Form1::chkUResist, &Form1::cboUResist, "Lightning", text(&U::ResistLightning, "x"));
    unit(&Form1::chkUResist, &Form1::cboUResist, "Poison", text(&U::ResistPoison, "x"));

    const std::vector<std::pair<std::string, std::string U::*>> miscText = {
        {"DarkVision", &U::DarkVision},
        {"Regenerate", &U::Regeneration},
        {"Forge", &U::Forge},
        {"Heal", &U::Heal},
        {"Alchemy", &U::Alchemy},
        {"Luck", &U::Luck},
        {"Insane", &U::Insane},
        {"Ice Armor", &U::IceArmor},
        {"Cold Blooded", &U::ColdBlooded},
        {"Ethereal", &U::Ethereal},
        {"True Ethereal", &U::TrueEthereal},
        {"Trample", &U::Trample},
        {"Blind", &U::Blind},
        {"Recuperation", &U::Recuperation},
        {"Immortal", &U::Immortal},
        {"Mindless", &U::Mindless},
        {"Lifeless", &U::Lifeless},
        {"No Eat", &U::NoEat},
        {"No Heal", &U::NoHeal},
        {"Poison Armor", &U::PoisonArmor},
        {"Seduce", &U::Seduce},
        {"Succubus", &U::Succubus},
        {"Petrify", &U::Petrify},
        {"Eyeloss", &U::Eyeloss},
        {"Inquisitor", &U::Inquisitor},
        {"Winter Strength", &U::WinterStrength},
        {"Spring Strength", &U::SpringStrength},
        {"Summer Strength", &U::SummerStrength},
        {"Fall Strength", &U::FallStrength},
        {"Reanimate", &U::Reanimator},
    };
    for (const auto& [item, m] : miscText) unit(&Form1::chkUMisc, &Form1::cboUMisc, item, text(m, "x"));
    // Zero counts: only the empty-cell sentinel means absent.
    const std::vector<std::pair<std::string, i16 U::*>> miscNumber = {
        {"Standard", &U::Standard},
        {"Awe", &U::Awe},
        {"Fear", &U::Fear},
        {"Berserk", &U::Berserk},
        {"Chill", &U::Chill},
        {"Heat", &U::Heat},
        {"Fire Shield", &U::FireShield},
        {"Banefire Shield", &U::BanefireShield},
        {"Blood Veng", &U::BloodVengeance},
        {"Disease Cloud", &U::DiseaseCloud},
        {"Poison Cloud", &U::PoisonCloud},
        {"Pillage", &U::Pillage},
        {"Patrol", &U::Patrol},
        {"Castle Def", &U::CastleDefence},
        {"Siege", &U::Siege},
        {"Supply", &U::Supply},
        {"Sage", &U::Sage},
        {"Blood Hunt", &U::BloodHunt},
        {"Void Summ", &U::VoidSummoning},
        {"Summons Other", &U::Summon},
        {"Summons Other", &U::AutoSummon},
        {"Summons Other", &U::BattleSummon},
        {"Summons Other", &U::DomSummon},
        {"Shape Changer", &U::ShapeChange},
        {"Shape Changer", &U::FirstShape},
        {"Shape Changer", &U::SecondShape},
        {"Shape Changer", &U::SecondTmpShape},
        {"Shape Changer", &U::LandShape},
        {"Shape Changer", &U::SeaShape},
    };
    for (const auto& [item, m] : miscNumber) unit(&Form1::chkUMisc, &Form1::cboUMisc, item, number(m, 0));

    unit(&Form1::chkUSurvival, &Form1::cboUSurvival, "Forest", text(&U::SurviveForest, "Forest"));
    unit(&Form1::chkUSurvival, &Form1::cboUSurvival, "Mountain", text(&U::SurviveMountain, "Mountain"));
    unit(&Form1::chkUSurvival, &Form1::cboUSurvival, "Waste", text(&U::SurviveWaste, "Waste"));
    unit(&Form1::chkUSurvival, &Form1::cboUSurvival, "Swamp", text(&U::SurviveSwamp, "Swamp"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Aquatic", text(&U::MoveAquatic, "Aquatic"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Amphibian", text(&U::MoveAmphibian, "Amphibian"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Poor Amphi", text(&U::MovePoorAmphibian, "Poor Amphi"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Flying", text(&U::MoveFlying, "Flying"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Stormflyer", text(&U::MoveStormflyer, "Stormflyer"));
    unit(&Form1::chkUMove, &Form1::cboUMove, "Sailing", text(&U::MoveSailing, "Sailing"));
    unit(&Form1::chkUHero, &Form1::cboUHero, "Is", text(&U::Special, "Hero of the Fen"));
    unit(&Form1::chkUMounted, nullptr, "", text(&U::Mounted, "x"));
    unit(&Form1::chkUUnique, nullptr, "", text(&U::Unique, "x"));
    unit(&Form1::chkUHoly, nullptr, "", text(&U::Sacred, "x"));
    unit(&Form1::chkUFemale, nullptr, "", text(&U::Female, "x"));
    return c;
}

class UnitFinderTest : public FinderTest {
protected:
    // Unticks every filter box.
    void clearFilters() {
        for (CheckBox* b : {&f.chkUGod, &f.chkUSize, &f.chkUMagic, &f.chkURMagic, &f.chkULead, &f.chkUCType,
                            &f.chkUStealth, &f.chkUResist, &f.chkUMisc, &f.chkUSurvival, &f.chkUMove, &f.chkUHero,
                            &f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale})
            b->setValue(CheckBox::Unchecked);
    }
    void apply() { f.cmdUApplyFilters.click(); }
};

TEST_F(UnitFinderTest, EachFilterEntryReadsItsOwnColumn) {
    const auto all = cases();
    // Expected units per (box, entry): the names of the cases made for it.
    std::map<std::string, std::vector<std::string>> expected;
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string name = "case " + std::to_string(i);
        e.Units[i] = blankUnit(static_cast<int>(i) + 1, name);
        all[i].give(e.Units[i]);
        expected[(f.*all[i].box).name() + "|" + all[i].item].push_back(name);
    }
    for (const auto& c : all) {
        clearFilters();
        if (c.combo)
            pick(f.*c.box, f.*c.combo, c.item);
        else
            (f.*c.box).setValue(CheckBox::Checked);
        apply();
        EXPECT_EQ(foundUnits(), (expected[(f.*c.box).name() + "|" + c.item])) << (f.*c.box).name() << " " << c.item;
    }
    // Every entry of every combo was covered, and the column order quirks with them.
    EXPECT_EQ(expected.size(), 1u + 6 + 9 + 9 + 3 + 4 + 5 + 4 + 51 + 4 + 6 + 1 + 4);
}

TEST_F(UnitFinderTest, NoFilterListsEveryRowInTableOrderWithItsNumber) {
    e.Units[0] = blankUnit(77, "Twin");
    e.Units[1] = blankUnit(78, "Twin");
    apply();
    ASSERT_EQ(f.cboUnitFound.listCount(), 1 + 1983);
    EXPECT_EQ(f.cboUnitFound.item(0), "None");
    EXPECT_EQ(f.cboUnitFound.item(1), "Twin");
    EXPECT_EQ(f.cboUnitFound.item(2), "Twin");
    EXPECT_EQ(e.UnitIndex[0], -1);
    EXPECT_EQ(e.UnitIndex[1], 77);
    EXPECT_EQ(e.UnitIndex[2], 78);
    EXPECT_EQ(e.UnitIndex[1983], 5000 + 1982);
    EXPECT_EQ(f.cboUnitFound.listIndex(), -1);
}

TEST_F(UnitFinderTest, NoMatchLeavesOnlyNoneAndKeepsTheDescription) {
    e.Units[0] = blankUnit(77, "Plain");
    apply();
    pickUnit("Plain");
    const std::string shown = f.txtUnitDescription.text();
    pick(f.chkUGod, f.cboUGod, "Is");
    apply();
    EXPECT_EQ(f.cboUnitFound.items(), std::vector<std::string>{"None"});
    EXPECT_EQ(f.cboUnitFound.listIndex(), -1);
    EXPECT_EQ(f.txtUnitDescription.text(), shown);
    EXPECT_EQ(f.lblUnitNumber.caption(), "77");
}

TEST_F(UnitFinderTest, NegatedAndTypeQuirks) {
    e.Units[0] = blankUnit(1, "God");
    e.Units[0].God = 0;
    e.Units[1] = blankUnit(2, "Hero");
    e.Units[1].Special = "Hero of ash";
    e.Units[2] = blankUnit(3, "Her");
    e.Units[2].Special = "Her";
    e.Units[3] = blankUnit(4, "Lowercase hero");
    e.Units[3].Special = "hero";
    e.Units[4] = blankUnit(5, "Undead only");
    e.Units[4].Undead = "Undead";
    e.Units[5] = blankUnit(6, "Odd forest");
    e.Units[5].SurviveForest = "Yes";
    e.Units[6] = blankUnit(7, "Hidden");
    e.Units[6].Spy = "-666";

    pick(f.chkUGod, f.cboUGod, "Not");
    apply();
    EXPECT_EQ(f.cboUnitFound.listCount(), 1983);  // "None" and every row but the god
    EXPECT_EQ(foundUnits(),
              (std::vector<std::string>{"Hero", "Her", "Lowercase hero", "Undead only", "Odd forest", "Hidden"}));
    clearFilters();

    pick(f.chkUHero, f.cboUHero, "Is");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{"Hero"});
    pick(f.chkUHero, f.cboUHero, "Not");
    apply();
    EXPECT_EQ(f.cboUnitFound.listCount(), 1983);
    clearFilters();

    // "Normal": none of the four type words; a merely undead unit is not normal.
    pick(f.chkUCType, f.cboUCType, "Normal");
    apply();
    EXPECT_EQ(f.cboUnitFound.listCount(), 1983);
    EXPECT_EQ(foundUnits(), (std::vector<std::string>{"God", "Hero", "Her", "Lowercase hero", "Odd forest", "Hidden"}));
    clearFilters();

    // Stealth "None" matches the literal word only, never empty cells.
    pick(f.chkUStealth, f.cboUStealth, "None");
    apply();
    EXPECT_EQ(f.cboUnitFound.items(), std::vector<std::string>{"None"});
    clearFilters();

    // A survival cell with any other word never matches its entry.
    pick(f.chkUSurvival, f.cboUSurvival, "Forest");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
}

TEST_F(UnitFinderTest, FiltersCombineAndUnusedColumnsAreNeverTested) {
    e.Units[0] = blankUnit(1, "Big god");
    e.Units[0].God = 1;
    e.Units[0].Size = 3;
    e.Units[1] = blankUnit(2, "Small god");
    e.Units[1].God = 1;
    e.Units[1].Size = 2;
    e.Units[2] = blankUnit(3, "Big mortal");
    e.Units[2].Size = 3;
    e.Units[3] = blankUnit(4, "Leftovers");
    e.Units[3].Extra65 = "x";
    e.Units[3].SummonExtra = 1;
    e.Units[3].DomSummonExtra = 1;
    e.Units[3].RandMagicPaths[4] = "F";
    e.Units[3].PathFire = 0;

    pick(f.chkUGod, f.cboUGod, "Is");
    pick(f.chkUSize, f.cboUSize, " 3");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{"Big god"});
    EXPECT_EQ(e.UnitIndex[1], 1);
    clearFilters();

    pick(f.chkUMisc, f.cboUMisc, "Summons Other");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
    pick(f.chkUMisc, f.cboUMisc, "Shape Changer");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
    clearFilters();
    pick(f.chkURMagic, f.cboURMagic, "Fire");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
    clearFilters();
    pick(f.chkUMagic, f.cboUMagic, "Fire");  // level 0 is no path
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
}

TEST_F(UnitFinderTest, RandomMagicLettersAreCaseSensitive) {
    e.Units[0] = blankUnit(1, "Lower");
    e.Units[0].RandMagicPaths[0] = "fa";
    pick(f.chkURMagic, f.cboURMagic, "Fire");
    apply();
    EXPECT_EQ(foundUnits(), std::vector<std::string>{});
}

TEST_F(UnitFinderTest, FilterBoxesEnableTheirCombosOnly) {
    const std::vector<std::pair<CheckBox*, ComboBox*>> pairs = {
        {&f.chkUGod, &f.cboUGod},           {&f.chkUSize, &f.cboUSize},     {&f.chkUMagic, &f.cboUMagic},
        {&f.chkURMagic, &f.cboURMagic},     {&f.chkULead, &f.cboULead},     {&f.chkUCType, &f.cboUCType},
        {&f.chkUStealth, &f.cboUStealth},   {&f.chkUResist, &f.cboUResist}, {&f.chkUMisc, &f.cboUMisc},
        {&f.chkUSurvival, &f.cboUSurvival}, {&f.chkUMove, &f.cboUMove},     {&f.chkUHero, &f.cboUHero},
        {&f.chkSTerrain, &f.cboSTerrain},   {&f.chkSType, &f.cboSType},     {&f.chkSGems, &f.cboSGems},
        {&f.chkSStruct, &f.cboSStruct}};
    for (auto [box, combo] : pairs) {
        box->click();
        EXPECT_TRUE(combo->enabled()) << box->name();
        for (auto [other, otherCombo] : pairs)
            if (other != box) {
                EXPECT_FALSE(otherCombo->enabled()) << box->name() << " " << otherCombo->name();
            }
        box->click();
        EXPECT_FALSE(combo->enabled()) << box->name();
    }
    // Ticking a box does not rebuild the result list.
    EXPECT_EQ(f.cboUnitFound.listCount(), 0);
    for (CheckBox* b : {&f.chkUMounted, &f.chkUUnique, &f.chkUHoly, &f.chkUFemale, &f.chkSRUnits, &f.chkSSUnits,
                        &f.chkSPBonus, &f.chkSSBonus, &f.chkSGBonus, &f.chkSScales})
        EXPECT_FALSE(b->Click) << b->name();
}

}  // namespace
}  // namespace gs::test
