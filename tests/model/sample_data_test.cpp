// The generated sample installation loads through the editor's loaders, and
// every finder and filter choice finds some of its rows but not all.
#include "sample_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "model/config.h"
#include "model/tables.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace gs::test {
namespace {

namespace fs = std::filesystem;

class SampleData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new std::string(makeTempFolder());
        sample::writeFiles(*folder_, sample::makeTables());
    }
    static void TearDownTestSuite() { delete folder_; }

    void SetUp() override {
        platform = std::make_unique<FakePlatform>(*folder_);
        app = std::make_unique<App>(*platform);
        Editor& e = app->editor;
        ASSERT_TRUE(readConfig(e));
        for (auto load : {loadNations, loadNameList, loadPopTypes, loadSites, loadItems, loadUnits}) {
            const LoadStatus status = load(e);
            ASSERT_TRUE(status) << status.cause;
        }
    }
    Editor& e() { return app->editor; }
    std::set<int> unitNumbers() {
        std::set<int> units;
        for (int r = 0; r < kUnitRows - 1; ++r) units.insert(e().Units[r].Number);
        return units;
    }

    // A check that every choice's test passes some loaded rows of `table` and not all.
    template <class Record>
    static auto someNotAll(const std::vector<Record>& table, int rows) {
        return [&table, rows](const std::string& choice, const std::function<bool(const Record&)>& passes) {
            const auto n = std::count_if(table.begin(), table.begin() + rows, passes);
            EXPECT_GT(n, 0) << choice;
            EXPECT_LT(n, rows) << choice;
        };
    }

    static std::string* folder_;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<App> app;
};
std::string* SampleData::folder_ = nullptr;

constexpr int kUnits = kUnitRows - 1;
constexpr int kSites = kSiteRows - 1;
constexpr int kItems = kItemRows - 1;
const std::string kPathLetters = "FAWESDNBH";

bool set(const text& t) { return t != "-666"; }
bool set(i16 n) { return n != -666; }

TEST_F(SampleData, EveryUnitFinderChoiceFindsSomeUnitsButNotAll) {
    using U = UnitRecord;
    const auto check = someNotAll(e().Units, kUnits);
    check("God Not", [](const U& u) { return u.God == -666; });
    check("God Is", [](const U& u) { return u.God != -666; });
    for (int size = 1; size <= 6; ++size)
        check("Size " + std::to_string(size), [=](const U& u) { return u.Size == size; });
    const std::array<i16 U::*, 9> paths = {&U::PathFire,  &U::PathAir,    &U::PathWater, &U::PathEarth, &U::PathAstral,
                                           &U::PathDeath, &U::PathNature, &U::PathBlood, &U::PathHoly};
    for (int i = 0; i < 9; ++i) {
        check("Magic " + std::to_string(i), [&](const U& u) { return u.*paths[i] >= 1; });
        const std::string letter(1, kPathLetters[i]);
        check("RMagic " + letter, [&](const U& u) {
            for (int j = 0; j < 4; ++j)
                if (u.RandMagicPaths[j].find(letter) != std::string::npos) return true;
            return false;
        });
    }
    check("Lead Normal", [](const U& u) { return u.LeaderNormal >= 1; });
    check("Lead Magic", [](const U& u) { return u.LeaderMagic >= 1; });
    check("Lead Undead", [](const U& u) { return u.LeaderUndead >= 1; });
    for (const std::string type : {"Normal", "Undead", "Demon", "Magic being", "Animal"})
        check("CType " + type, [&](const U& u) {
            if (u.Undead == type || u.Demon == type || u.MagicBeing == type || u.Animal == type) return true;
            return type == "Normal" && u.Undead == u.Demon && u.MagicBeing == u.Animal;
        });
    for (const std::string kind : {"None", "Spy", "Assassin", "Glamour", "Stealthy"})
        check("Stealth " + kind, [&](const U& u) {
            return u.Spy == kind || u.Assassin == kind || u.Glamour == kind || (kind == "Stealthy" && set(u.Stealth));
        });
    for (auto flag : {&U::ResistFire, &U::ResistCold, &U::ResistLightning, &U::ResistPoison, &U::Mounted, &U::Unique,
                      &U::Sacred, &U::Female})
        check("Resist/Mounted/Unique/Holy/Female", [&](const U& u) { return set(u.*flag); });

    // Misc: 51 choices, 30 text flags, 19 numbers and two groups.
    int misc = 0;
    for (auto flag :
         {&U::DarkVision, &U::Regeneration,   &U::Forge,          &U::Heal,           &U::Alchemy,      &U::Luck,
          &U::Insane,     &U::IceArmor,       &U::ColdBlooded,    &U::Ethereal,       &U::TrueEthereal, &U::Trample,
          &U::Blind,      &U::Recuperation,   &U::Immortal,       &U::Mindless,       &U::Lifeless,     &U::NoEat,
          &U::NoHeal,     &U::PoisonArmor,    &U::Seduce,         &U::Succubus,       &U::Petrify,      &U::Eyeloss,
          &U::Inquisitor, &U::WinterStrength, &U::SpringStrength, &U::SummerStrength, &U::FallStrength, &U::Reanimator})
        check("Misc " + std::to_string(misc++), [&](const U& u) { return set(u.*flag); });
    for (auto value :
         {&U::Standard, &U::Awe, &U::Fear, &U::Berserk, &U::Chill, &U::Heat, &U::FireShield, &U::BanefireShield,
          &U::BloodVengeance, &U::DiseaseCloud, &U::PoisonCloud, &U::Pillage, &U::Patrol, &U::CastleDefence, &U::Siege,
          &U::Supply, &U::Sage, &U::BloodHunt, &U::VoidSummoning})
        check("Misc " + std::to_string(misc++), [&](const U& u) { return set(u.*value); });
    check("Misc " + std::to_string(misc++),
          [](const U& u) { return set(u.Summon) || set(u.AutoSummon) || set(u.BattleSummon) || set(u.DomSummon); });
    check("Misc " + std::to_string(misc++), [](const U& u) {
        return set(u.ShapeChange) || set(u.FirstShape) || set(u.SecondShape) || set(u.SecondTmpShape) ||
               set(u.LandShape) || set(u.SeaShape);
    });
    EXPECT_EQ(misc, 51);

    for (const std::string terrain : {"Forest", "Mountain", "Waste", "Swamp"})
        check("Survival " + terrain, [&](const U& u) {
            return u.SurviveForest == terrain || u.SurviveMountain == terrain || u.SurviveWaste == terrain ||
                   u.SurviveSwamp == terrain;
        });
    for (const std::string move : {"Aquatic", "Amphibian", "Poor Amphi", "Flying", "Stormflyer", "Sailing"})
        check("Move " + move, [&](const U& u) {
            return u.MoveAquatic == move || u.MoveAmphibian == move || u.MovePoorAmphibian == move ||
                   u.MoveFlying == move || u.MoveStormflyer == move || u.MoveSailing == move;
        });
    check("Hero Is", [](const U& u) { return u.Special.compare(0, 4, "Hero") == 0; });
    check("Hero Not", [](const U& u) { return u.Special.compare(0, 4, "Hero") != 0; });
    check("random magic", [](const U& u) { return set(u.RandMagicTag[0]); });
}

TEST_F(SampleData, EverySiteFilterChoiceFindsSomeSitesButNotAll) {
    using S = SiteRecord;
    const auto check = someNotAll(e().Sites, kSites);
    for (auto terrain : {&S::TerrainPlains, &S::TerrainForest, &S::TerrainMountain, &S::TerrainWaste, &S::TerrainFarm,
                         &S::TerrainSea, &S::TerrainCoast, &S::TerrainSwamp, &S::TerrainDeepSea, &S::Unique})
        check("Terrain", [&](const S& s) { return s.*terrain == "Yes"; });
    for (const std::string type : {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood", "Holy"})
        check("Type " + type, [&](const S& s) { return s.MagicType == type; });
    for (auto gems : {&S::GemsFire, &S::GemsAir, &S::GemsWater, &S::GemsEarth, &S::GemsAstral, &S::GemsDeath,
                      &S::GemsNature, &S::GemsBlood})
        check("Gems", [&](const S& s) { return s.*gems >= 1; });
    check("Struct Lab", [](const S& s) { return s.Laboratory == "TRUE"; });
    check("Struct Fort", [](const S& s) { return s.Fort >= 1; });
    check("RUnits", [](const S& s) { return s.RecUnitNumber[0] >= 1; });
    check("SUnits", [](const S& s) { return s.SumUnitNumber[0] >= 1; });
    check("PBonus", [](const S& s) {
        return set(s.Conjuration) || set(s.Alteration) || set(s.Evocation) || set(s.Construction) ||
               set(s.Enchantment) || set(s.Thaumaturgy) || set(s.BloodResearch);
    });
    check("SBonus", [](const S& s) { return s.Supply >= 1; });
    check("GBonus", [](const S& s) { return s.Gold >= 1; });
    check("Scales", [](const S& s) { return set(s.Scale1) || set(s.Scale2); });
}

TEST_F(SampleData, EveryItemFilterChoiceFindsSomeItemsButNotAll) {
    using I = ItemRecord;
    const auto check = someNotAll(e().Items, kItems);
    for (const std::string category : {"1-h wpn", "2-h wpn", "shield", "helm", "armor", "boots", "misc"})
        check("Category " + category, [&](const I& i) { return i.Category == category; });
    check("Artifact", [](const I& i) { return i.ClassCode == 8; });
    check("Special", [](const I& i) { return i.ClassCode == 12; });
    for (char letter : std::string("FAWESDNB")) {
        check(std::string("P1 ") + letter, [&](const I& i) { return i.Path1 == std::string(1, letter); });
        check(std::string("P2 ") + letter, [&](const I& i) { return i.Path2 == std::string(1, letter); });
    }
    for (int level = 1; level <= 6; ++level) {
        check("L1 " + std::to_string(level), [&](const I& i) { return i.Level1 <= level; });
        check("L2 " + std::to_string(level), [&](const I& i) { return i.Level2 <= level; });
    }
}

TEST_F(SampleData, NationsPopTypesAndNameLists) {
    for (const std::string era : {"EA", "MA", "LA"}) {
        const auto inEra = [&](const NationRecord& n) { return n.Era == era; };
        const auto sea = [&](const NationRecord& n) { return n.Era == era && n.Sea == "SEA"; };
        EXPECT_GT(std::count_if(e().Nations.begin(), e().Nations.end(), inEra), 10) << era;
        EXPECT_GT(std::count_if(e().Nations.begin(), e().Nations.end(), sea), 0) << era;
    }
    const std::set<int> units = unitNumbers();
    EXPECT_EQ(units.size(), static_cast<std::size_t>(kUnits));
    for (int r = 0; r < kPopTypeRows - 1; ++r)
        for (int j = 0; j < 4; ++j) {
            EXPECT_TRUE(units.count(e().PopTypes[r].Units[j])) << r;
            EXPECT_TRUE(units.count(e().PopTypes[r].Commanders[j])) << r;
        }
    for (int r = 0; r < kSites; ++r) {
        const SiteRecord& s = e().Sites[r];
        for (int j = 0; j < 4; ++j) EXPECT_TRUE(s.RecUnitNumber[j] < 1 || units.count(s.RecUnitNumber[j])) << r;
        for (int j = 0; j < 3; ++j) EXPECT_TRUE(s.SumUnitNumber[j] < 1 || units.count(s.SumUnitNumber[j])) << r;
    }
    EXPECT_EQ(e().f.cboNameDataList.items(),
              (std::vector<std::string>{"Let Velm name the province.", "Fenlands", "Highland Cairns", "Saltmarsh Ports",
                                        "M\xF8rkwood Hamlets"}));
    EXPECT_EQ(e().QuillmapFolder, (fs::path(*folder_) / "Quillmap").string());
    EXPECT_EQ(e().QuillmapItems, "Spare Blades\tTower Relics\t");
    EXPECT_TRUE(fs::is_directory(fs::path(*folder_) / "Quillmap" / "GOD_BIN"));
    EXPECT_TRUE(fs::exists(fs::path(*folder_) / "Quillmap" / "Quillmap.exe"));
}

TEST_F(SampleData, NamesCarryWindowsLettersAndCellsShowEveryRule) {
    const auto high = [](const std::string& s) {
        return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
    };
    EXPECT_TRUE(std::any_of(e().Units.begin(), e().Units.end(), [&](const UnitRecord& u) { return high(u.Name); }));
    EXPECT_TRUE(
        std::any_of(e().Nations.begin(), e().Nations.end(), [&](const NationRecord& n) { return high(n.Name); }));
    const sample::Tables tables = sample::makeTables();
    auto hasCell = [](const std::vector<sample::Row>& rows, const std::string& cell) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const sample::Row& r) { return std::find(r.begin(), r.end(), cell) != r.end(); });
    };
    for (const std::string cell : {"", " ", "*"}) {
        EXPECT_TRUE(hasCell(tables.units, cell)) << '"' << cell << '"';
        EXPECT_TRUE(hasCell(tables.items, cell)) << '"' << cell << '"';
    }
    EXPECT_TRUE(hasCell(tables.sites, ""));
    EXPECT_TRUE(hasCell(tables.nations, ""));
}

TEST_F(SampleData, SpritesForExistingUnitsInThePlacedWidths) {
    const sample::Tables tables = sample::makeTables();
    const auto sprites = sample::sprites(tables);
    const std::set<int> units = unitNumbers();
    std::set<int> widths;
    for (const auto& s : sprites) {
        EXPECT_TRUE(units.count(s.number)) << s.file;
        widths.insert(s.width);
    }
    EXPECT_TRUE(std::any_of(sprites.begin(), sprites.end(), [](const auto& s) { return s.file == "1822.jpg"; }));
    EXPECT_TRUE(std::any_of(sprites.begin(), sprites.end(), [](const auto& s) { return s.file == "0004.jpg"; }));
    EXPECT_TRUE(widths.count(128) && widths.count(64) && widths.count(32));
    EXPECT_GT(widths.size(), 3u);
    EXPECT_LT(sprites.size(), static_cast<std::size_t>(kUnits));
}

TEST_F(SampleData, RewritingKeepsTheUsersConfigurationAndGodList) {
    const fs::path root = makeTempFolder();
    sample::writeFiles(root, sample::makeTables());
    writeFile((root / "RK.cfg").string(), "C:\\Games\\Quillmap\r\nMe\r\n7\r\n");
    writeFile((root / "Quillmap/LIST_CRATE/GodList.txt").string(), "Me7_5_AE\r\n");
    sample::writeFiles(root, sample::makeTables());
    EXPECT_EQ(readFile((root / "RK.cfg").string()), "C:\\Games\\Quillmap\r\nMe\r\n7\r\n");
    EXPECT_EQ(readFile((root / "Quillmap/LIST_CRATE/GodList.txt").string()), "Me7_5_AE\r\n");
    EXPECT_EQ(readFile((root / "RKdata/UnitData.txt").string()), sample::tableText(sample::makeTables().units));
}

}  // namespace
}  // namespace gs::test
