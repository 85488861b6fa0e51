#include "finder_fixture.h"
#include "finders/finders.h"
#include "model/paths.h"
#include "window/references.h"

namespace gs::test {
namespace {

class UnitDetailTest : public FinderTest {
protected:
    // Lists the table and picks the unit named `name`.
    void show(const std::string& name) {
        f.cmdUApplyFilters.click();
        pickUnit(name);
    }
    std::string sprite(const std::string& file) { return appendPath(folder, "\\RKsprites\\" + file); }
};

using U = UnitRecord;

UnitRecord fullUnit() {
    UnitRecord u = blankUnit(321, "Ashen Warden");
    // Every flag set.
    for (auto m : {&U::Unique,        &U::Mounted,         &U::Sacred,       &U::Female,
                   &U::Undead,        &U::Demon,           &U::MagicBeing,   &U::Animal,
                   &U::Spy,           &U::Assassin,        &U::Glamour,      &U::ResistLightning,
                   &U::ResistFire,    &U::ResistCold,      &U::ResistPoison, &U::DarkVision,
                   &U::Regeneration,  &U::Forge,           &U::Heal,         &U::Alchemy,
                   &U::Luck,          &U::Insane,          &U::Extra65,      &U::IceArmor,
                   &U::SurviveForest, &U::SurviveMountain, &U::SurviveWaste, &U::SurviveSwamp})
        u.*m = "x";
    for (auto m : {&U::MoveAquatic,    &U::MoveAmphibian, &U::MovePoorAmphibian, &U::MoveFlying,     &U::MoveStormflyer,
                   &U::MoveSailing,    &U::ColdBlooded,   &U::Ethereal,          &U::TrueEthereal,   &U::Trample,
                   &U::Blind,          &U::Recuperation,  &U::Immortal,          &U::Mindless,       &U::Lifeless,
                   &U::NoEat,          &U::NoHeal,        &U::PoisonArmor,       &U::Seduce,         &U::Succubus,
                   &U::Petrify,        &U::Eyeloss,       &U::Inquisitor,        &U::WinterStrength, &U::SpringStrength,
                   &U::SummerStrength, &U::FallStrength,  &U::Reanimator})
        u.*m = "x";
    // Columns and their values, in pairs; without values the columns count 1, 2, 3...
    const auto set = [&u](std::vector<i16 U::*> columns, std::vector<int> values = {}) {
        for (std::size_t k = 0; k < columns.size(); ++k)
            u.*columns[k] = static_cast<i16>(values.empty() ? k + 1 : values[k]);
    };
    set({&U::God,          &U::Extra7,       &U::Size,        &U::HitPoints, &U::Morale,    &U::MagicResistance,
         &U::LeaderNormal, &U::LeaderUndead, &U::LeaderMagic, &U::SlotsHand, &U::SlotsHead, &U::SlotsBody,
         &U::SlotsFoot,    &U::SlotsMisc,    &U::Stealth,     &U::Standard,  &U::Summon,    &U::SummonExtra,
         &U::AutoSummon,   &U::BattleSummon, &U::DomSummon},
        {1, 9, 3, 25, 0, 14, 40, 10, 5, 2, 1, 1, 1, 2, 40, 3, 1, 7, 2, 3, 4});
    set({&U::PathFire, &U::PathAir, &U::PathWater, &U::PathEarth, &U::PathAstral, &U::PathDeath, &U::PathNature,
         &U::PathBlood, &U::PathHoly});
    set({&U::Awe, &U::Fear, &U::Berserk, &U::Chill, &U::Heat, &U::FireShield, &U::BanefireShield, &U::BloodVengeance,
         &U::DiseaseCloud, &U::PoisonCloud});
    set({&U::Pillage, &U::Patrol, &U::CastleDefence, &U::Siege, &U::Supply, &U::Sage, &U::BloodHunt,
         &U::VoidSummoning});
    set({&U::ShapeChange, &U::FirstShape, &U::SecondShape, &U::SecondTmpShape, &U::LandShape, &U::SeaShape});
    u.RandMagicTag[0] = "R1";
    u.RandMagicPaths[0] = "FA";
    u.UniqueName = "Grimbald";
    u.Special = "Hero of ash";
    return u;
}

TEST_F(UnitDetailTest, FullDescriptionWritesEveryFragment) {
    e.Units[3] = fullUnit();
    show("Ashen Warden");
    EXPECT_EQ(f.txtUnitDescription.text(),
              "321 Ashen Warden\r\n"
              "unique, mounted, sacred, female, GOD, size  3, hp  25, mor  0, mr  14\r\n"
              ", normal ldr  40, undead ldr  10, magic ldr  5\r\n"
              ", hand  2, head  1, body  1, foot  1, misc  2\r\n"
              ", F1, A2, W3, E4, S5, D6, N7, B8, H9+ rand magic\r\n"
              ", undead, demon, magic being, animal, spy, assassin, glamour, stealth  40, resist lght, resist fire, "
              "resist cold, resist poison, dark vision, regen, forge, heal, alch, luck, insane, std  3, awe  1, "
              "fear  2, brsrk  3, chill  4, heat  5, fshld  6, bfshld  7, bldvng  8, dcloud  9, pcloud  10, ice "
              "armor, pllg  1, ptrl  2, gold  3, siege  4, sup  5, sage  6, hunt  7, void  8, srv:forest, "
              "srv:mountain, srv:waste, srv:swamp, aquatic, amphibious, poor amphib, flying, stormflyer, sailing, "
              "coldblood, ethereal, true ethereal, trample, blind, recuperation, immortal, mindless, lifeless, noeat, "
              "noheal, poison armor, seduce, succubus, petrify, eyeloss, inquisitor, str of winter, str of spring, str "
              "of summer, str of fall, reanimator, sum  1, autosum  2, batsum  3, domsum  4, shpchng  1, shp1  2, "
              "shp2  3, tmp2nd  4, lshape  5, sshape  6\r\n"
              ", uniquename Grimbald, special Hero of ash");
    EXPECT_EQ(f.lblUnitNumber.caption(), "321");
    EXPECT_EQ(f.lblUnitNumber.toolTip(), "Ashen Warden");
}

TEST_F(UnitDetailTest, BareUnitGetsItsFirstLineAndSixLineBreaks) {
    e.Units[0] = blankUnit(8, "Plain Levy");
    // Zero and negative counts and levels count as missing where a positive value is asked for.
    e.Units[0].PathFire = 0;
    e.Units[0].Standard = 0;
    e.Units[0].Fear = -2;
    e.Units[0].Summon = 0;
    show("Plain Levy");
    EXPECT_EQ(f.txtUnitDescription.text(), "8 Plain Levy\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(UnitDetailTest, NegativeValuesKeepTheirSign) {
    e.Units[0] = blankUnit(9, "Wretch");
    e.Units[0].HitPoints = -5;
    e.Units[0].LeaderUndead = -1;
    e.Units[0].SlotsHand = 0;
    e.Units[0].Stealth = -3;
    show("Wretch");
    EXPECT_EQ(f.txtUnitDescription.text(),
              "9 Wretch\r\n, hp -5\r\n, undead ldr -1\r\n, hand  0\r\n\r\n, stealth -3\r\n");
}

TEST_F(UnitDetailTest, LastRowWithTheNumberWinsAndNoneClearsTheView) {
    e.Units[0] = blankUnit(40, "First Copy");
    e.Units[5] = blankUnit(40, "Second Copy");
    show("First Copy");
    EXPECT_EQ(f.txtUnitDescription.text(), "40 Second Copy\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(f.lblUnitNumber.toolTip(), "Second Copy");

    f.cboUnitFound.setListIndex(0);
    EXPECT_EQ(f.txtUnitDescription.text(), "NO UNIT SELECTED.");
    EXPECT_EQ(f.lblUnitNumber.caption(), "");
    EXPECT_EQ(f.lblUnitNumber.toolTip(), "");
}

// Sprites are found by the number padded to four digits after its sign; a
// quarter, half or the whole frame width is centred on the frame's bottom,
// any other width keeps the previous left edge; a missing sprite keeps the
// picture, silently.
TEST_F(UnitDetailTest, SpritesAreFoundByPaddedNumberAndSitOnTheFrameBottom) {
    f.shpUnit.setGeometry({1000, 2000, 1920, 1920});  // 128 pixels wide
    struct Sprite {
        int number, width, height, left;
        const char* file;
    };
    const Sprite sprites[] = {{1, 32, 40, 1720, "0001.jpg"},    {2, 64, 64, 1480, "0002.jpg"},
                              {3, 128, 100, 1000, "0003.jpg"},  {4, 50, 30, 1000, "0004.jpg"},
                              {5, 32, 32, 1720, "0005.jpg"},    {-666, 100, 10, 1720, "-0666.jpg"},
                              {12345, 16, 16, 1720, "12345.jpg"}, {77, 0, 0, 0, nullptr}};
    for (int i = 0; i < 8; ++i) {
        e.Units[i] = blankUnit(sprites[i].number, "sprite " + std::to_string(i));
        if (sprites[i].file) writePicture(sprite(sprites[i].file), sprites[i].width, sprites[i].height);
    }
    f.cmdUApplyFilters.click();
    for (int i = 0; i < 8; ++i) {
        const Sprite& s = sprites[i].file ? sprites[i] : sprites[i - 1];
        pickUnit("sprite " + std::to_string(i));
        EXPECT_EQ(f.picUnit.picturePath(), sprite(s.file)) << i;
        EXPECT_EQ(std::vector<int>({f.picUnit.geometry().left, f.picUnit.geometry().top, f.picUnit.geometry().width}),
                  std::vector<int>({s.left, 2000 + 1920 - s.height * 15, s.width * 15}))
            << i;
    }
    f.lblUnitNumber.click();
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{std::string(kUnitReferenceBase) + "00077.png"});
    pickUnit("sprite 5");
    f.lblUnitNumber.click();
    EXPECT_EQ(platform.openedUrls.back(), std::string(kUnitReferenceBase) + "-00666.png");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace gs::test
