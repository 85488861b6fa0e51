// The records of the five data tables. Fields are named and ordered as the
// data files' columns; -666 / "-666" marks an empty cell and -999 / "-999" a
// "*" cell (where the table replaces them).
//
// A text field is a cell of bytes the Editor keeps for its table (TableBytes),
// or one of the fixed texts "", "-666" and "-999": a table costs the bytes of
// its text cells and 4 bytes a text cell, and an empty cell builds nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/text_cells.h"

namespace gs {

// Table capacities: the files fill every row but the last.
inline constexpr int kUnitRows = 1984;   // 1983 lines
inline constexpr int kItemRows = 313;    // 312 lines
inline constexpr int kSiteRows = 566;    // 565 lines
inline constexpr int kNationRows = 66;   // 65 lines
inline constexpr int kPopTypeRows = 67;  // 66 lines

inline constexpr std::int16_t kAbsent = -666;  // empty cell
inline constexpr std::int16_t kStar = -999;    // "*" cell
inline constexpr const char* kAbsentText = "-666";

using i16 = std::int16_t;

struct UnitRecord {
    i16 Number = 0;                                                                 // 0
    text Name, Unique, Mounted, Sacred, Female;                                     // 1-5
    i16 God = 0, Extra7 = 0, Size = 0, HitPoints = 0;                               // 6-9
    i16 Morale = 0, MagicResistance = 0;                                            // 10-11
    i16 LeaderNormal = 0, LeaderUndead = 0, LeaderMagic = 0;                        // 12-14
    i16 SlotsHand = 0, SlotsHead = 0, SlotsBody = 0, SlotsFoot = 0, SlotsMisc = 0;  // 15-19
    i16 PathFire = 0, PathAir = 0, PathWater = 0, PathEarth = 0, PathAstral = 0;    // 20-24
    i16 PathDeath = 0, PathNature = 0, PathBlood = 0, PathHoly = 0;                 // 25-28
    // Random magic: the file interleaves one entry's four values (29 + 4j ..
    // 32 + 4j, j = 0..3); entry 4 stays empty.
    std::array<text, 5> RandMagicTag;
    std::array<i16, 5> RandMagicNum1{};
    std::array<i16, 5> RandMagicNum2{};
    std::array<text, 5> RandMagicPaths;
    text Undead, Demon, MagicBeing, Animal;                                                       // 45-48
    text Spy, Assassin, Glamour;                                                                  // 49-51
    i16 Stealth = 0;                                                                              // 52
    text ResistLightning, ResistFire, ResistCold, ResistPoison;                                   // 53-56
    text DarkVision, Regeneration, Forge, Heal, Alchemy, Luck, Insane;                            // 57-63
    i16 Standard = 0;                                                                             // 64
    text Extra65;                                                                                 // 65
    i16 Awe = 0, Fear = 0, Berserk = 0, Chill = 0, Heat = 0;                                      // 66-70
    i16 FireShield = 0, BanefireShield = 0, BloodVengeance = 0;                                   // 71-73
    i16 DiseaseCloud = 0, PoisonCloud = 0;                                                        // 74-75
    text IceArmor;                                                                                // 76
    i16 Pillage = 0, Patrol = 0, CastleDefence = 0, Siege = 0, Supply = 0;                        // 77-81
    i16 Sage = 0, BloodHunt = 0, VoidSummoning = 0;                                               // 82-84
    text SurviveForest, SurviveMountain, SurviveWaste, SurviveSwamp;                              // 85-88
    text MoveAquatic, MoveAmphibian, MovePoorAmphibian, MoveFlying, MoveStormflyer, MoveSailing;  // 89-94
    text ColdBlooded, Ethereal, TrueEthereal, Trample, Blind, Recuperation;                       // 95-100
    text Immortal, Mindless, Lifeless, NoEat, NoHeal, PoisonArmor;                                // 101-106
    text Seduce, Succubus, Petrify, Eyeloss, Inquisitor;                                          // 107-111
    text WinterStrength, SpringStrength, SummerStrength, FallStrength, Reanimator;                // 112-116
    i16 Summon = 0, SummonExtra = 0, AutoSummon = 0, AutoSummonExtra = 0;                         // 117-120
    i16 BattleSummon = 0, BattleSummonExtra = 0, DomSummon = 0, DomSummonExtra = 0;               // 121-124
    i16 ShapeChange = 0, FirstShape = 0, SecondShape = 0;                                         // 125-127
    i16 SecondTmpShape = 0, LandShape = 0, SeaShape = 0;                                          // 128-130
    text UniqueName;                                                                              // 131
    text Special;                                                                                 // 132
};

struct ItemRecord {
    i16 Number = 0;
    text Name;
    text Category;
    i16 ClassCode = 0;  // 8 artifact, 12 special
    text Path1;
    i16 Level1 = 0;
    text Path2;
    i16 Level2 = 0;
};

struct SiteRecord {
    i16 Number = 0;                                                       // 0
    text Name;                                                            // 1
    i16 Extra2 = 0;                                                       // 2
    i16 Frequency = 0;                                                    // 3
    std::int32_t Mask32 = 0;                                              // 4
    i16 Level = 0;                                                        // 5
    text MagicType;                                                       // 6
    i16 GemsFire = 0, GemsAir = 0, GemsWater = 0, GemsEarth = 0;          // 7-10
    i16 GemsAstral = 0, GemsDeath = 0, GemsNature = 0, GemsBlood = 0;     // 11-14
    i16 Gold = 0, Resources = 0, Supply = 0, Unrest = 0, Experience = 0;  // 15-19
    text Laboratory;                                                      // 20
    i16 Fort = 0;                                                         // 21
    // Recruitable units: number and name of entry j at 22 + 2j, 23 + 2j
    // (j = 0..3); entry 4 stays empty.
    std::array<i16, 5> RecUnitNumber{};
    std::array<text, 5> RecUnitName;
    text SummonPath;  // 30
    // Summonable units: number, name, value of entry j at 31 + 3j .. 33 + 3j
    // (j = 0..2); entry 3 stays empty.
    std::array<i16, 4> SumUnitNumber{};
    std::array<text, 4> SumUnitName;
    std::array<i16, 4> SumUnitValue{};
    text Scale1, Scale2;                                                                             // 40-41
    text Conjuration, Alteration, Evocation, Construction, Enchantment, Thaumaturgy, BloodResearch;  // 42-48
    text Heal, Disease, Curse, Horror, HolyFire, HolyPower, Scry, Adventure;                         // 49-56
    text TerrainPlains, TerrainForest, TerrainMountain, TerrainWaste, TerrainFarm;                   // 57-61
    text TerrainSea, TerrainCoast, TerrainSwamp, TerrainDeepSea;                                     // 62-65
    text Extra66;                                                                                    // 66
    text Unique;                                                                                     // 67
};

// A site as a site list names it, and so the god file: its name in quotes.
inline std::string siteEntry(const SiteRecord& site) { return "\"" + std::string(site.Name) + "\""; }

struct NationRecord {
    text Era;  // "EA", "MA" or "LA"
    i16 Number = 0;
    text Sea;  // "SEA" for a sea nation
    text Name;
};

struct PopTypeRecord {
    i16 Number = 0;
    text Name;
    std::array<i16, 5> Units{};  // entries 0..3 loaded
    i16 Extra6 = 0;
    std::array<i16, 5> Commanders{};  // entries 0..3 loaded
};

}  // namespace gs
