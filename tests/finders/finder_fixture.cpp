#include "finder_fixture.h"

#include <algorithm>

#include "model/fixed_lists.h"

namespace gs::test {

namespace {

void fill(ComboBox& c, const std::vector<std::string>& items) {
    c.clear();
    c.addItems(items);
    c.setListIndex(0);
    c.setEnabled(false);
}

std::vector<std::string> realEntries(const ComboBox& c) {
    std::vector<std::string> out;
    for (int i = 1; i < c.listCount(); ++i)
        if (c.item(i) != kFiller) out.push_back(c.item(i));
    return out;
}

}  // namespace

UnitRecord blankUnit(int number, const std::string& name) {
    UnitRecord u;
    const i16 a = kAbsent;
    const std::string t = kAbsentText;
    for (i16* n : {&u.God,
                   &u.Extra7,
                   &u.Size,
                   &u.HitPoints,
                   &u.Morale,
                   &u.MagicResistance,
                   &u.LeaderNormal,
                   &u.LeaderUndead,
                   &u.LeaderMagic,
                   &u.SlotsHand,
                   &u.SlotsHead,
                   &u.SlotsBody,
                   &u.SlotsFoot,
                   &u.SlotsMisc,
                   &u.PathFire,
                   &u.PathAir,
                   &u.PathWater,
                   &u.PathEarth,
                   &u.PathAstral,
                   &u.PathDeath,
                   &u.PathNature,
                   &u.PathBlood,
                   &u.PathHoly,
                   &u.Stealth,
                   &u.Standard,
                   &u.Awe,
                   &u.Fear,
                   &u.Berserk,
                   &u.Chill,
                   &u.Heat,
                   &u.FireShield,
                   &u.BanefireShield,
                   &u.BloodVengeance,
                   &u.DiseaseCloud,
                   &u.PoisonCloud,
                   &u.Pillage,
                   &u.Patrol,
                   &u.CastleDefence,
                   &u.Siege,
                   &u.Supply,
                   &u.Sage,
                   &u.BloodHunt,
                   &u.VoidSummoning,
                   &u.Summon,
                   &u.SummonExtra,
                   &u.AutoSummon,
                   &u.AutoSummonExtra,
                   &u.BattleSummon,
                   &u.BattleSummonExtra,
                   &u.DomSummon,
                   &u.DomSummonExtra,
                   &u.ShapeChange,
                   &u.FirstShape,
                   &u.SecondShape,
                   &u.SecondTmpShape,
                   &u.LandShape,
                   &u.SeaShape})
        *n = a;
    for (std::string* s : {&u.Unique,
                           &u.Mounted,
                           &u.Sacred,
                           &u.Female,
                           &u.Undead,
                           &u.Demon,
                           &u.MagicBeing,
                           &u.Animal,
                           &u.Spy,
                           &u.Assassin,
                           &u.Glamour,
                           &u.ResistLightning,
                           &u.ResistFire,
                           &u.ResistCold,
                           &u.ResistPoison,
                           &u.DarkVision,
                           &u.Regeneration,
                           &u.Forge,
                           &u.Heal,
                           &u.Alchemy,
                           &u.Luck,
                           &u.Insane,
                           &u.Extra65,
                           &u.IceArmor,
                           &u.SurviveForest,
                           &u.SurviveMountain,
                           &u.SurviveWaste,
                           &u.SurviveSwamp,
                           &u.MoveAquatic,
                           &u.MoveAmphibian,
                           &u.MovePoorAmphibian,
                           &u.MoveFlying,
                           &u.MoveStormflyer,
                           &u.MoveSailing,
                           &u.ColdBlooded,
                           &u.Ethereal,
                           &u.TrueEthereal,
                           &u.Trample,
                           &u.Blind,
                           &u.Recuperation,
                           &u.Immortal,
                           &u.Mindless,
                           &u.Lifeless,
                           &u.NoEat,
                           &u.NoHeal,
                           &u.PoisonArmor,
                           &u.Seduce,
                           &u.Succubus,
                           &u.Petrify,
                           &u.Eyeloss,
                           &u.Inquisitor,
                           &u.WinterStrength,
                           &u.SpringStrength,
                           &u.SummerStrength,
                           &u.FallStrength,
                           &u.Reanimator,
                           &u.UniqueName,
                           &u.Special})
        *s = t;
    for (int j = 0; j < 5; ++j) {
        u.RandMagicTag[j] = t;
        u.RandMagicNum1[j] = a;
        u.RandMagicNum2[j] = a;
        u.RandMagicPaths[j] = t;
    }
    u.Number = static_cast<i16>(number);
    u.Name = name;
    return u;
}

SiteRecord blankSite(int number, const std::string& name) {
    SiteRecord s;
    const i16 a = kAbsent;
    const std::string t = kAbsentText;
    for (i16* n : {&s.Extra2, &s.Frequency, &s.Level, &s.GemsFire, &s.GemsAir, &s.GemsWater, &s.GemsEarth,
                   &s.GemsAstral, &s.GemsDeath, &s.GemsNature, &s.GemsBlood, &s.Gold, &s.Resources, &s.Supply,
                   &s.Unrest, &s.Experience, &s.Fort})
        *n = a;
    s.Mask32 = a;
    for (std::string* x :
         {&s.MagicType,   &s.Laboratory, &s.SummonPath,    &s.Scale1,        &s.Scale2,          &s.Conjuration,
          &s.Alteration,  &s.Evocation,  &s.Construction,  &s.Enchantment,   &s.Thaumaturgy,     &s.BloodResearch,
          &s.Heal,        &s.Disease,    &s.Curse,         &s.Horror,        &s.HolyFire,        &s.HolyPower,
          &s.Scry,        &s.Adventure,  &s.TerrainPlains, &s.TerrainForest, &s.TerrainMountain, &s.TerrainWaste,
          &s.TerrainFarm, &s.TerrainSea, &s.TerrainCoast,  &s.TerrainSwamp,  &s.TerrainDeepSea,  &s.Extra66,
          &s.Unique})
        *x = t;
    for (int j = 0; j < 5; ++j) {
        s.RecUnitNumber[j] = a;
        s.RecUnitName[j] = t;
    }
    for (int j = 0; j < 4; ++j) {
        s.SumUnitNumber[j] = a;
        s.SumUnitName[j] = t;
        s.SumUnitValue[j] = a;
    }
    s.Number = static_cast<i16>(number);
    s.Name = name;
    return s;
}

FinderTest::FinderTest() {
    for (int r = 0; r < kUnitRows - 1; ++r) e.Units[r] = blankUnit(5000 + r, kFiller);
    for (int r = 0; r < kSiteRows - 1; ++r) e.Sites[r] = blankSite(3000 + r, kFiller);

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
                                {&f.cboUHero, &lists::UHero}})
        fill(*combo, *items);
}

std::vector<std::string> FinderTest::foundUnits() const { return realEntries(f.cboUnitFound); }
std::vector<std::string> FinderTest::foundSites() const { return realEntries(f.cboFeature); }

void FinderTest::pick(CheckBox& box, ComboBox& combo, const std::string& item) {
    box.setValue(CheckBox::Checked);
    const auto& items = combo.items();
    const auto it = std::find(items.begin(), items.end(), item);
    ASSERT_NE(it, items.end()) << item;
    combo.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::pickUnit(const std::string& name) {
    const auto& items = f.cboUnitFound.items();
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    f.cboUnitFound.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::pickSite(const std::string& name) {
    const auto& items = f.cboFeature.items();
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    f.cboFeature.setListIndex(static_cast<int>(it - items.begin()));
}

void FinderTest::expectEmpty(const Label& l) {
    EXPECT_EQ(l.caption(), "-1") << l.fullName();
    EXPECT_EQ(l.foreColor(), std::nullopt) << l.fullName();
    EXPECT_FALSE(l.font().underline) << l.fullName();
    EXPECT_EQ(l.toolTip(), "") << l.fullName();
}
void FinderTest::expectLink(const Label& l, const std::string& number, const std::string& name) {
    EXPECT_EQ(l.caption(), number) << l.fullName();
    EXPECT_EQ(l.foreColor(), (Rgb{0, 0, 255})) << l.fullName();
    EXPECT_TRUE(l.font().underline) << l.fullName();
    EXPECT_EQ(l.toolTip(), name) << l.fullName();
}

}  // namespace gs::test
