// The records of the five data tables. Fields are named and ordered as the
// data files' columns; -666 / "-666" marks an empty cell and -999 / "-999" a
// "*" cell (where the table replaces them).
//
// A text field is a view of bytes the Editor keeps for its table (TableBytes),
// or of a fixed text such as "-666": a table costs the bytes of its text
// cells and one view per text cell, and an empty cell builds nothing.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <stdexcept>
#include <string>
#include <string_view>

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

// A text cell. It is made from a fixed text or, explicitly, from a view of
// bytes that outlive it; never implicitly from a std::string, whose bytes
// may go before the cell does. It reads as a std::string_view; where a
// std::string is wanted, it gives a copy.
//
// A cell takes 8 bytes, half a view's (the unit table holds some 130,000):
// the address of its first byte, and its length in the top 16 bits, which
// an address leaves unused. A cell holds at most kMaxTextLength bytes.
class text {
public:
    static constexpr std::size_t kMaxTextLength = 0xFFFF;

    constexpr text() = default;
    text(const char* fixed) : text(std::string_view(fixed)) {}
    // Throws std::length_error for a view longer than kMaxTextLength.
    explicit text(std::string_view kept) : bits_(reinterpret_cast<std::uintptr_t>(kept.data())) {
        if (kept.size() > kMaxTextLength) throw std::length_error("a text cell of more than 65535 bytes");
        bits_ |= std::uint64_t{kept.size()} << kAddressWidth;
    }

    operator std::string_view() const {
        return {reinterpret_cast<const char*>(bits_ & kAddress), static_cast<std::size_t>(bits_ >> kAddressWidth)};
    }
    operator std::string() const { return std::string(std::string_view(*this)); }
    std::string_view view() const { return *this; }
    const char* data() const { return view().data(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return size() == 0; }

    friend bool operator==(const text& a, const text& b) { return a.view() == b.view(); }
    friend bool operator==(const text& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const text& a, const char* b) { return a.view() == b; }

private:
    static constexpr int kAddressWidth = 48;
    static constexpr std::uint64_t kAddress = (std::uint64_t{1} << kAddressWidth) - 1;
    std::uint64_t bits_ = 0;
};

// The bytes one table's text cells view: copies of the cells of the last
// read that filled every row and, after a read that failed half-way, of that
// read too (the rows before the failing line view its copies, those after
// it earlier ones). A list, so that adding bytes never moves those that
// rows still view.
using TableBytes = std::list<std::string>;

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
