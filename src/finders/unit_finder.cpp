// The Unit Finder: sixteen filters over the unit table. Each filter is a row
// of data: its check box, its combo (if any) and the test a unit row must pass
// for the combo's current choice.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "finders/common.h"
#include "finders/unit_finder.h"

namespace gs {

using finders::Field;
using UnitField = Field<UnitRecord>;

namespace {

using UnitFilter = finders::Filter<UnitRecord>;
using RowTest = UnitFilter::RowTest;

// Passes when any of the columns is filled.
RowTest anyPresent(std::vector<UnitField> columns) {
    return [columns = std::move(columns)](const UnitRecord& u) {
        for (const auto& c : columns)
            if (c.present(u)) return true;
        return false;
    };
}

// Passes when any of the text columns holds exactly `word`.
bool anyEquals(const UnitRecord& u, std::initializer_list<text UnitRecord::*> columns, const std::string& word) {
    for (auto c : columns)
        if (u.*c == word) return true;
    return false;
}

RowTest nothing() {
    return [](const UnitRecord&) { return false; };
}

// The cboUMisc entries, by position: the columns whose filling passes.
const std::vector<std::vector<UnitField>>& miscColumns() {
    using U = UnitRecord;
    static const std::vector<std::vector<UnitField>> table = {
        {&U::DarkVision},
        {&U::Regeneration},
        {&U::Forge},
        {&U::Heal},
        {&U::Alchemy},
        {&U::Luck},
        {&U::Insane},
        {&U::Standard},
        {&U::Awe},
        {&U::Fear},
        {&U::Berserk},
        {&U::Chill},
        {&U::Heat},
        {&U::FireShield},
        {&U::BanefireShield},
        {&U::BloodVengeance},
        {&U::DiseaseCloud},
        {&U::PoisonCloud},
        {&U::IceArmor},
        {&U::Pillage},
        {&U::Patrol},
        {&U::CastleDefence},
        {&U::Siege},
        {&U::Supply},
        {&U::Sage},
        {&U::BloodHunt},
        {&U::VoidSummoning},
        {&U::ColdBlooded},
        {&U::Ethereal},
        {&U::TrueEthereal},
        {&U::Trample},
        {&U::Blind},
        {&U::Recuperation},
        {&U::Immortal},
        {&U::Mindless},
        {&U::Lifeless},
        {&U::NoEat},
        {&U::NoHeal},
        {&U::PoisonArmor},
        {&U::Seduce},
        {&U::Succubus},
        {&U::Petrify},
        {&U::Eyeloss},
        {&U::Inquisitor},
        {&U::WinterStrength},
        {&U::SpringStrength},
        {&U::SummerStrength},
        {&U::FallStrength},
        {&U::Reanimator},
        {&U::Summon, &U::AutoSummon, &U::BattleSummon, &U::DomSummon},
        {&U::ShapeChange, &U::FirstShape, &U::SecondShape, &U::SecondTmpShape, &U::LandShape, &U::SeaShape},
    };
    return table;
}

constexpr std::array<i16 UnitRecord::*, 9> kPathLevels = {
    &UnitRecord::PathFire,   &UnitRecord::PathAir,    &UnitRecord::PathWater,
    &UnitRecord::PathEarth,  &UnitRecord::PathAstral, &UnitRecord::PathDeath,
    &UnitRecord::PathNature, &UnitRecord::PathBlood,  &UnitRecord::PathHoly};

const std::array<UnitFilter, 16> kUnitFilters = {{
    {&Form1::chkUGod, &Form1::cboUGod,
     [](int i, const std::string&) -> RowTest {
         const bool is = i == 1;
         return [is](const UnitRecord& u) { return (u.God != kAbsent) == is; };
     }},
    {&Form1::chkUSize, &Form1::cboUSize,
     [](int i, const std::string&) -> RowTest {
         return [size = i + 1](const UnitRecord& u) { return u.Size == size; };
     }},
    {&Form1::chkUMagic, &Form1::cboUMagic,
     [](int i, const std::string&) -> RowTest {
         if (i < 0 || i >= 9) return nothing();
         return [level = kPathLevels[i]](const UnitRecord& u) { return u.*level >= 1; };
     }},
    {&Form1::chkURMagic, &Form1::cboURMagic,
     [](int i, const std::string&) -> RowTest {
         if (i < 0 || i >= 9) return nothing();
         return [letter = "FAWESDNBH"[i]](const UnitRecord& u) {
             for (int j = 0; j < 4; ++j)
                 if (u.RandMagicPaths[j].view().find(letter) != std::string::npos) return true;
             return false;
         };
     }},
    {&Form1::chkULead, &Form1::cboULead,
     [](int i, const std::string&) -> RowTest {
         // Normal, Magic, Undead: not the columns' order.
         constexpr std::array<i16 UnitRecord::*, 3> lead = {&UnitRecord::LeaderNormal, &UnitRecord::LeaderMagic,
                                                            &UnitRecord::LeaderUndead};
         if (i < 0 || i >= 3) return nothing();
         return [column = lead[i]](const UnitRecord& u) { return u.*column >= 1; };
     }},
    {&Form1::chkUCType, &Form1::cboUCType,
     [](int, const std::string& item) -> RowTest {
         return [item](const UnitRecord& u) {
             using U = UnitRecord;
             if (anyEquals(u, {&U::Undead, &U::Demon, &U::MagicBeing, &U::Animal}, item)) return true;
             // "Normal": none of the four types (each cell holds its own word or "-666").
             return item == "Normal" && u.Undead == u.Demon && u.MagicBeing == u.Animal;
         };
     }},
    {&Form1::chkUStealth, &Form1::cboUStealth,
     [](int i, const std::string& item) -> RowTest {
         return [item, stealthy = i == 4](const UnitRecord& u) {
             using U = UnitRecord;
             return anyEquals(u, {&U::Spy, &U::Assassin, &U::Glamour}, item) || (stealthy && u.Stealth != kAbsent);
         };
     }},
    {&Form1::chkUResist, &Form1::cboUResist,
     [](int i, const std::string&) -> RowTest {
         // Fire, Cold, Lightning, Poison: not the columns' order.
         constexpr std::array<text UnitRecord::*, 4> resist = {&UnitRecord::ResistFire, &UnitRecord::ResistCold,
                                                               &UnitRecord::ResistLightning, &UnitRecord::ResistPoison};
         if (i < 0 || i >= 4) return nothing();
         return anyPresent({resist[i]});
     }},
    {&Form1::chkUMisc, &Form1::cboUMisc,
     [](int i, const std::string&) -> RowTest {
         if (i < 0 || i >= static_cast<int>(miscColumns().size())) return nothing();
         return anyPresent(miscColumns()[i]);
     }},
    {&Form1::chkUSurvival, &Form1::cboUSurvival,
     [](int, const std::string& item) -> RowTest {
         return [item](const UnitRecord& u) {
             using U = UnitRecord;
             return anyEquals(u, {&U::SurviveForest, &U::SurviveMountain, &U::SurviveWaste, &U::SurviveSwamp}, item);
         };
     }},
    {&Form1::chkUMove, &Form1::cboUMove,
     [](int, const std::string& item) -> RowTest {
         return [item](const UnitRecord& u) {
             using U = UnitRecord;
             return anyEquals(u,
                              {&U::MoveAquatic, &U::MoveAmphibian, &U::MovePoorAmphibian, &U::MoveFlying,
                               &U::MoveStormflyer, &U::MoveSailing},
                              item);
         };
     }},
    {&Form1::chkUHero, &Form1::cboUHero,
     [](int i, const std::string&) -> RowTest {
         const bool is = i == 1;
         return [is](const UnitRecord& u) { return (u.Special.view().compare(0, 4, "Hero") == 0) == is; };
     }},
    {&Form1::chkUMounted, nullptr, [](int, const std::string&) { return anyPresent({&UnitRecord::Mounted}); }},
    {&Form1::chkUUnique, nullptr, [](int, const std::string&) { return anyPresent({&UnitRecord::Unique}); }},
    {&Form1::chkUHoly, nullptr, [](int, const std::string&) { return anyPresent({&UnitRecord::Sacred}); }},
    {&Form1::chkUFemale, nullptr, [](int, const std::string&) { return anyPresent({&UnitRecord::Female}); }},
}};

}  // namespace

void finders::connectUnitFilterBoxes(Editor& e) { connectFilterBoxes<UnitRecord>(e.f, kUnitFilters); }

void cmdUApplyFilters_Click(Editor& e) {
    // No entry is selected afterwards: the description stays until the user picks.
    finders::applyFilters<UnitRecord>(e.f, kUnitFilters, e.Units, kUnitRows - 1, e.UnitIndex, e.f.cboUnitFound);
}

}  // namespace gs
