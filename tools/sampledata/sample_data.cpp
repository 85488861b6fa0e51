#include "sample_data.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "model/columns.h"
#include "model/records.h"

// GCC 12 at -O2 and above reports a false overlap inside std::string's
// assignment from a literal (GCC bug 105329).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

namespace gs::sample {

namespace fs = std::filesystem;

namespace {

// Name parts. Some carry Windows-1252 letters (single bytes above 127).
const std::array<const char*, 30> kPrefixes = {
    "Ash",     "Brine",  "Cinder", "Dusk",    "Ember", "Fen",    "Gloam",   "Hollow",  "Iron", "Jade",
    "K\xF6lm", "Lyr",    "Moss",   "N\xE9ve", "Ochre", "Pale",   "Quill",   "Rime",    "Salt", "Thorn",
    "Umber",   "Vesper", "Wyr",    "Yew",     "Zeph",  "\xC6ld", "Gr\xFCn", "Sk\xE5l", "Tarn", "Vold"};
const std::array<const char*, 70> kUnitNouns = {
    "Spearman",   "Archer",  "Rider",     "Seer",    "Warden",   "Shade",   "Golem",  "Wyrm",      "Slinger",
    "Skirmisher", "Lancer",  "Mystic",    "Oracle",  "Sentinel", "Stalker", "Howler", "Crone",     "Herald",
    "Templar",    "Reaver",  "Druid",     "Augur",   "Hound",    "Drake",   "Wight",  "Imp",       "Sprite",
    "Giant",      "Troll",   "Serpent",   "Harpy",   "Knight",   "Guard",   "Scout",  "Hunter",    "Priest",
    "Acolyte",    "Sage",    "Witch",     "Warlock", "Shaman",   "Bear",    "Wolf",   "Eagle",     "Mammoth",
    "Spider",     "Beetle",  "Ghoul",     "Lich",    "Revenant", "Fiend",   "Djinn",  "Elemental", "Gargoyle",
    "Sphinx",     "Centaur", "Satyr",     "Nymph",   "Kraken",   "Triton",  "Merrow", "Pikeman",   "Crossbow",
    "Halberdier", "Chariot", "Berserker", "Skald",   "Bard",     "Monk",    "Ranger"};
const std::array<const char*, 19> kSiteNouns = {"Spring", "Grove",  "Forge",  "Cairn", "Mire",  "Spire", "Well",
                                                "Hollow", "Shrine", "Barrow", "Falls", "Ruins", "Pool",  "Tower",
                                                "Glade",  "Vault",  "Crater", "Reef",  "Quarry"};
const std::array<const char*, 7> kItemCategories = {"1-h wpn", "2-h wpn", "shield", "helm", "armor", "boots", "misc"};
const std::array<const char*, 7> kItemNouns = {"Blade", "Greatsword", "Buckler", "Circlet", "Mail", "Boots", "Charm"};
const std::array<const char*, 9> kPathWords = {"Fire",  "Air",    "Water", "Earth", "Astral",
                                               "Death", "Nature", "Blood", "Holy"};
constexpr const char* kPathLetters = "FAWESDNBH";

std::string num(long n) { return std::to_string(n); }

// Pieces appended in order.
std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out += p;
    return out;
}

std::string unitName(int r) {
    return cat({kPrefixes[r % kPrefixes.size()], " ", kUnitNouns[(r / kPrefixes.size()) % kUnitNouns.size()]});
}

// Unit numbers are row + 1, so 1 to 1983 all exist.
int unitNumber(int r) { return r + 1; }

Row makeUnit(int r) {
    namespace u = col::unit;
    Row row(u::Count);
    row[u::Number] = num(unitNumber(r));
    row[u::Name] = unitName(r);
    const bool hero = r % 47 == 5;
    if (r % 23 == 0 || hero) row[u::Unique] = "Unique";
    if (r % 9 == 4) row[u::Mounted] = "Mounted";
    if (r % 13 == 5) row[u::Sacred] = "Sacred";
    if (r % 7 == 2) row[u::Female] = "Female";
    if (r % 29 == 7) row[u::God] = num(1 + r % 3);
    if (r % 29 == 8) row[u::God] = " ";  // a blank cell: not a god
    row[u::Extra7] = r % 101 == 3 ? "*" : "0";
    row[u::Size] = r % 97 == 11 ? "" : num(1 + r % 6);
    row[u::HitPoints] = r % 89 == 1 ? " " : num(5 + (r * 7) % 60);
    row[u::Morale] = num(5 + r % 15);
    row[u::MagicResistance] = num(4 + r % 14);
    row[u::LeaderNormal] = r % 5 == 0 ? num(10 * (1 + r % 8)) : "0";
    row[u::LeaderUndead] = r % 11 == 3 ? "20" : "0";
    row[u::LeaderMagic] = r % 12 == 6 ? "10" : "0";
    for (int s = u::SlotsHand; s <= u::SlotsMisc; ++s) row[s] = s == u::SlotsMisc ? "2" : "1";
    for (int p = 0; p < 9; ++p) row[u::PathFire + p] = "0";
    if (r % 4 == 1) {  // mages
        const int path = (r / 4) % 9;
        row[u::PathFire + path] = num(1 + (r / 36) % 4);
        if (r % 8 == 1) row[u::PathFire + (path + 3) % 9] = "1";
    }
    if (r % 6 == 3) {  // random magic, one to four entries
        const int entries = 1 + (r / 6) % 4;
        for (int j = 0; j < entries; ++j) {
            const int base = u::RandMagic + 4 * j;
            const int first = (r / 6 + 2 * j) % 9;
            std::string letters;
            for (int k = 0; k <= j % 3; ++k) letters += kPathLetters[(first + k) % 9];
            row[base] = cat({"R", num(j + 1)});
            row[base + 1] = j == 0 ? "100" : "10";
            row[base + 2] = "1";
            row[base + 3] = letters;
        }
    }
    static constexpr std::array<const char*, 4> kTypes = {"Undead", "Demon", "Magic being", "Animal"};
    if (r % 10 < 4) row[u::Undead + r % 10] = kTypes[r % 10];
    switch (r % 17) {
        case 1:
            row[u::Spy] = "Spy";
            break;
        case 2:
            row[u::Assassin] = "Assassin";
            break;
        case 3:
            row[u::Glamour] = "Glamour";
            break;
        case 4:
            row[u::Glamour] = "None";
            break;  // the word itself, as some tables write it
        default:
            break;
    }
    if (r % 17 >= 1 && r % 17 <= 5) row[u::Stealth] = num(40 + r % 17);
    if (r % 19 < 4) row[u::ResistLightning + r % 19] = r % 38 == 2 ? "*" : num(5 + r % 11);
    // Text flags and ability values of the Misc choices, each on a few rows.
    for (int c : {u::DarkVision, u::Regeneration, u::Forge, u::Heal, u::Alchemy, u::Luck, u::Insane, u::IceArmor})
        if ((r + 7 * c) % 37 == 0) row[c] = num(1 + r % 3);
    for (int c = u::ColdBlooded; c <= u::Reanimator; ++c)
        if ((r + 7 * c) % 37 == 0) row[c] = "Yes";
    for (int c : {u::Standard, u::Awe, u::Fear, u::Berserk, u::Chill, u::Heat, u::FireShield, u::BanefireShield,
                  u::BloodVengeance, u::DiseaseCloud, u::PoisonCloud, u::Pillage, u::Patrol, u::CastleDefence, u::Siege,
                  u::Supply, u::Sage, u::BloodHunt, u::VoidSummoning})
        if ((r + 5 * c) % 41 == 0) row[c] = num(1 + r % 5);
    if (r % 53 == 0) row[u::Extra65] = "x";
    static constexpr std::array<const char*, 4> kSurvival = {"Forest", "Mountain", "Waste", "Swamp"};
    if (r % 21 < 4) row[u::SurviveForest + r % 21] = kSurvival[r % 21];
    static constexpr std::array<const char*, 6> kMoves = {"Aquatic", "Amphibian",  "Poor Amphi",
                                                          "Flying",  "Stormflyer", "Sailing"};
    if (r % 25 < 6) row[u::MoveAquatic + r % 25] = kMoves[r % 25];
    if (r % 31 < 4) {  // summoners: one of the four summon pairs
        row[u::Summon + 2 * (r % 31)] = num(unitNumber((r * 13 + 5) % (kUnitRows - 1)));
        row[u::Summon + 2 * (r % 31) + 1] = "1";
    }
    if (r % 43 < 6) row[u::ShapeChange + r % 43] = num(unitNumber((r * 17 + 3) % (kUnitRows - 1)));
    if (row[u::Unique] == "Unique") row[u::UniqueName] = cat({kPrefixes[(r / 3) % kPrefixes.size()], "wen"});
    if (hero)
        row[u::Special] = cat({"Hero of the ", kPrefixes[r % kPrefixes.size()], " Marches"});
    else if (r % 53 == 7)
        row[u::Special] = "Scout of the hills";
    return row;
}

Row makeItem(int r) {
    namespace i = col::item;
    Row row(i::Count);
    const int category = r % 7;
    row[i::Number] = num(r + 1);
    row[i::Name] = cat({kPrefixes[(r / 7) % kPrefixes.size()], " ", kItemNouns[category]});
    row[i::Category] = kItemCategories[category];
    row[i::ClassCode] = r % 11 == 0 ? "8" : r % 13 == 1 ? "12" : r % 97 == 5 ? "*" : num(1 + r % 3);
    if (r % 10 != 9) {
        row[i::Path1] = std::string(1, kPathLetters[r % 8]);
        row[i::Level1] = r % 50 == 7 ? "7" : num(1 + (r / 8) % 6);
    }
    if (r % 3 == 0) {
        row[i::Path2] = std::string(1, kPathLetters[(r / 3) % 8]);
        row[i::Level2] = r % 60 == 30 ? "8" : num(1 + (r / 24) % 6);
    } else if (r % 29 == 4) {
        row[i::Path2] = " ";  // a blank cell: no second path
        row[i::Level2] = " ";
    }
    return row;
}

Row makeSite(int r) {
    namespace s = col::site;
    Row row(s::Count);
    const int type = r % 9;
    row[s::Number] = num(r + 1);
    row[s::Name] = cat({kPrefixes[(r / 19) % kPrefixes.size()], " ", kSiteNouns[r % kSiteNouns.size()]});
    row[s::Extra2] = "0";
    row[s::Frequency] = r % 40 == 3 ? "" : num(r % 50);
    row[s::Mask32] = num(65536L * (r % 40));
    row[s::Level] = num(r % 5);
    row[s::MagicType] = kPathWords[type];
    for (int g = 0; g < 8; ++g) row[s::GemsFire + g] = "0";
    if (type < 8 && r % 2 == 0) row[s::GemsFire + type] = num(1 + r % 3);
    row[s::Gold] = r % 6 == 0 ? "50" : "0";
    row[s::Resources] = r % 7 == 0 ? "25" : "0";
    row[s::Supply] = r % 8 == 0 ? "40" : "0";
    row[s::Unrest] = r % 15 == 0 ? "5" : "";
    row[s::Experience] = r % 20 == 0 ? "1" : "0";
    row[s::Laboratory] = r % 10 == 0 ? "TRUE" : r % 37 == 1 ? "" : "FALSE";
    row[s::Fort] = r % 25 == 0 ? "1" : "0";
    if (r % 12 == 0) {
        for (int j = 0; j <= (r / 12) % 4; ++j) {
            const int unit = (r * 11 + j * 101) % (kUnitRows - 1);
            row[s::RecUnit + 2 * j] = num(unitNumber(unit));
            row[s::RecUnit + 2 * j + 1] = unitName(unit);
        }
    }
    if (r % 14 == 0) {
        row[s::SummonPath] = kPathWords[type];
        for (int j = 0; j <= (r / 14) % 3; ++j) {
            const int unit = (r * 7 + j * 211) % (kUnitRows - 1);
            row[s::SumUnit + 3 * j] = num(unitNumber(unit));
            row[s::SumUnit + 3 * j + 1] = unitName(unit);
            row[s::SumUnit + 3 * j + 2] = num(1 + j);
        }
    }
    if (r % 16 == 0) row[s::Scale1] = "Order +1";
    if (r % 16 == 8) row[s::Scale2] = "Heat +1";
    if (r % 18 < 7) row[s::Conjuration + r % 18] = "+1";
    if (r % 27 < 8) row[s::Heal + r % 27] = "Yes";
    row[s::TerrainPlains + r % 9] = "Yes";
    row[s::TerrainPlains + (r / 9) % 9] = "Yes";
    if (r % 33 == 2) row[s::Extra66] = "*";
    if (r % 30 == 0) row[s::Unique] = "Yes";
    return row;
}

Row makeNation(int r) {
    static constexpr std::array<const char*, 3> kEras = {"EA", "MA", "LA"};
    static constexpr std::array<const char*, 22> kRealms = {
        "Brinehold",  "Vell Marches", "Ostmark \xC6ries", "Ruinfall",  "Sk\xF6ldheim", "Tarnwick",
        "Caer Gloam", "Ymbrel",       "Saltreach",        "Oakenvale", "Duskmoor",     "M\xF8rkhaven",
        "Pyrelands",  "Jadecoast",    "Thornwall",        "Quillfen",  "Ashenreach",   "Ringholt",
        "Vesperine",  "Coldharbour",  "Umberfast",        "Lyrwater"};
    const int era = r % 3;
    const int k = r / 3;
    const char* suffix[] = {"", " of the Deep", " Reborn"};
    Row row{kEras[era], num(era * 30 + 5 + k), r % 7 == 1 ? "SEA" : "", cat({kRealms[k], suffix[era]})};
    if (r % 7 == 1) row[3] = cat({kRealms[k], " Tide"});
    return row;
}

Row makePopType(int r) {
    static constexpr std::array<const char*, 22> kFolk = {
        "Marsh Folk",     "Hill Clans",      "River Towns",  "Forest Kin",   "Coast Traders", "Steppe Riders",
        "Mountain Holds", "Salt Diggers",    "Moor Wardens", "Fen Hunters",  "Cave Dwellers", "Isle Sailors",
        "Tundra Tribes",  "Orchard Farmers", "Ash Nomads",   "Glade Druids", "Stone Masons",  "Reef Divers",
        "Bog Witches",    "Dune Walkers",    "Lake Fishers", "Cliff Herders"};
    Row row{num(r + 1), cat({kFolk[r % kFolk.size()], r < 22 ? "" : r < 44 ? " II" : " III"})};
    for (int j = 0; j < 4; ++j) row.push_back(num(unitNumber((r * 29 + j * 7) % (kUnitRows - 1))));
    row.push_back("0");
    // Commanders: leaders of normal units (rows divisible by 5).
    for (int j = 0; j < 4; ++j) row.push_back(num(unitNumber(((r * 3 + j) * 5) % (kUnitRows - 1))));
    return row;
}

template <class Make>
std::vector<Row> rows(int count, Make make) {
    std::vector<Row> out;
    out.reserve(count);
    for (int r = 0; r < count; ++r) out.push_back(make(r));
    return out;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error(cat({"cannot write ", path.string()}));
}

void writeIfMissing(const fs::path& path, const std::string& bytes) {
    if (!fs::exists(path)) writeFile(path, bytes);
}

}  // namespace

Tables makeTables() {
    return {rows(kUnitRows - 1, makeUnit), rows(kItemRows - 1, makeItem), rows(kSiteRows - 1, makeSite),
            rows(kNationRows - 1, makeNation), rows(kPopTypeRows - 1, makePopType)};
}

std::vector<Sprite> sprites(const Tables& tables) {
    std::vector<Sprite> out;
    for (std::size_t r = 0; r < tables.units.size(); ++r) {
        const int number = std::stoi(tables.units[r][col::unit::Number]);
        if (r % 3 != 0 && number != 1822) continue;
        // The three widths the sprite frame places (its whole, half and
        // quarter width), and now and then another width.
        static constexpr std::array<int, 8> kWidths = {128, 64, 32, 64, 128, 32, 64, 96};
        // Unit 1822, shown at start, fills the frame.
        const int width = number == 1822 ? 128 : r % 50 == 0 ? 80 : kWidths[(r / 3) % kWidths.size()];
        const int height = width == 32 ? 32 : 48 + 16 * static_cast<int>((r / 3) % 6);
        char file[16];
        std::snprintf(file, sizeof file, "%04d.jpg", number);
        out.push_back({number, width, height, file});
    }
    return out;
}

std::string tableText(const std::vector<Row>& table) {
    std::string text;
    for (const Row& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += '\t';
            text += row[i];
        }
        text += "\r\n";
    }
    return text;
}

void writeFiles(const fs::path& folder, const Tables& tables, bool movable) {
    const fs::path root = fs::absolute(folder);
    writeFile(root / "RKdata" / "UnitData.txt", tableText(tables.units));
    writeFile(root / "RKdata" / "ItemData.txt", tableText(tables.items));
    writeFile(root / "RKdata" / "SiteData.txt", tableText(tables.sites));
    writeFile(root / "RKdata" / "NationData.txt", tableText(tables.nations));
    writeFile(root / "RKdata" / "PopData.txt", tableText(tables.popTypes));
    fs::create_directories(root / "RKsprites");

    const fs::path quillmap = root / "Quillmap";
    writeFile(quillmap / "Quillmap.exe", "Stand-in for Quillmap's executable; the editor never starts it.\r\n");
    writeFile(quillmap / "LIST_CRATE" / "NameList.txt",
              "Fenlands_DATA2\r\nHighland Cairns_DATA2\r\nGenericNames\r\nSaltmarsh Ports_DATA2\r\n"
              "oldlist_data2\r\nM\xF8rkwood Hamlets_DATA2\r\nREADME\r\n");
    writeIfMissing(quillmap / "LIST_CRATE" / "GodList.txt", "");
    fs::create_directories(quillmap / "GOD_BIN");

    // The user's own settings survive a rebuild.
    writeIfMissing(root / "RK.cfg", cat({movable ? std::string("Quillmap") : quillmap.string(),
                                         "\r\nSample Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n"}));
}

}  // namespace gs::sample
