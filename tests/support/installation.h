// Small but complete editor installations for start-up-level tests.
//
// makeInstallation() writes into a fresh temporary folder (removed when the
// test program ends):
//   RKdata/UnitData.txt    1983 lines: the units below, then filler units
//                          "Filler Unit <r>" numbered 3000 + r with every other cell empty
//   RKdata/ItemData.txt    312 lines: the items below, then "Filler Item <r>" (400 + r, "misc", class 0, no paths)
//   RKdata/SiteData.txt    565 lines: the sites below, then "Filler Site <r>" (1000 + r, every other cell empty)
//   RKdata/NationData.txt  65 lines: the nations below, then "Filler Nation <r>" (100 + r, eras EA, MA, LA in turn)
//   RKdata/PopData.txt     66 lines: the pop types below, then "Filler Pop <r>"
//                          (100 + r, units 10 10 10 10, 0, commanders 11 11 11 11)
//   RKsprites/1822.jpg     a FakePlatform stand-in picture, 64 x 64 pixels (see writePicture)
//   RK.cfg                 the Quillmap folder (absolute), "Test Author", "1", "Spare Blades", "Tower Relics"
//   Quillmap/LIST_CRATE/NameList.txt  "Marsh Names_DATA2", "Marsh Names", "Hill Names_DATA2", "readme.txt"
//   Quillmap/LIST_CRATE/GodList.txt   empty
//   Quillmap/GOD_BIN/                 empty folder
//
// Units (row: number name, set cells; every other cell empty, so "-666"/-666):
//   0: 1822 "Æther Drake"        God 1, Size 6, HitPoints 120, Morale 15, PathFire 3, PathAstral 1,
//                                 Mounted "Mounted", MoveFlying "Flying", Fear 5
//   1: 10   "Mossguard Spearman"  Size 2, HitPoints 10, Morale 10
//   2: 11   "Kölnar Captain"      Size 2, LeaderNormal 40, Female "Female", Standard 1
//   3: 12   "Wrenna the Lantern"  Unique "Unique", Sacred "Sacred", LeaderMagic 10, PathHoly 2,
//                                 UniqueName "Wrenna", Special "Hero of the Fen"
//   4: 13   "Grey Oracle"         random magic entry 0: "R1", 100, 1, "FAW"; entry 1: "R2", 10, 1, "DN"
//   5: 14   "Hollow Shade"        Undead "Undead", LeaderUndead 5, Stealth 40, Spy "Spy", SurviveSwamp "Swamp"
// Items (row: number name category class path1 level1 path2 level2):
//   0: 1 "Emberbrand"            "1-h wpn" 0  F 1  empty empty
//   1: 2 "Crown of Quiet Stars"  "helm"    8  S 3  A 1
//   2: 3 "Ölgrim's Boots"        "boots"   12 E 2  empty empty
// Sites (row: number name, set cells):
//   0: 1 "Glimmering Fen"  Frequency 40, Level 0, MagicType "Water", GemsWater 1, Laboratory "FALSE",
//                          RecUnit 0 = 10 "Mossguard Spearman", TerrainSwamp "Yes"
//   1: 2 "Ashen Forge"     Frequency 10, Level 2, MagicType "Fire", GemsFire 2, Gold 50, Laboratory "TRUE",
//                          Fort 1, SumUnit 0 = 1822 "Æther Drake" 1, Scale1 "heat", TerrainMountain "Yes", Unique "Yes"
// Nations (row: era number sea name):
//   0: EA 5 SEA "Brinehold"   1: EA 6 "" "Vell Marches"   2: MA 20 "" "Ostmark Æries"   3: LA 40 "" "Ruinfall"
// Pop types (row: number name units extra commanders):
//   0: 1 "Marsh Folk"  10 14 -1 -1  0  11 12 -1 -1
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gs::test {

// One line of a data table as its fields.
using Row = std::vector<std::string>;

// A row of `fields` empty cells with the number and name in columns 0 and 1
// (the shape of units, items and sites).
Row numberedRow(int fields, int number, const std::string& name);
Row unitRow(int number, const std::string& name);  // 133 fields
Row itemRow(int number, const std::string& name, const std::string& category, int classCode,
            const std::string& path1 = "", const std::string& level1 = "", const std::string& path2 = "",
            const std::string& level2 = "");
Row siteRow(int number, const std::string& name);  // 68 fields
Row nationRow(const std::string& era, int number, const std::string& sea, const std::string& name);
Row popTypeRow(int number, const std::string& name, std::vector<int> units, int extra, std::vector<int> commanders);

// Fields joined by Tab; rows each ended by CR LF.
std::string joinRow(const Row& row);
std::string tableText(const std::vector<Row>& rows);

// The default rows listed at the top, at their tables' exact line counts.
std::vector<Row> defaultUnitRows();
std::vector<Row> defaultItemRows();
std::vector<Row> defaultSiteRows();
std::vector<Row> defaultNationRows();
std::vector<Row> defaultPopTypeRows();

// RK.cfg's text: folder, author, index, then each extra item list (CR LF after every line).
std::string configText(const std::string& quillmapFolder, const std::string& author, const std::string& index,
                       const std::vector<std::string>& itemLists = {});

// Relative paths of the files of an installation (with "/").
inline constexpr const char* kUnitFile = "RKdata/UnitData.txt";
inline constexpr const char* kItemFile = "RKdata/ItemData.txt";
inline constexpr const char* kSiteFile = "RKdata/SiteData.txt";
inline constexpr const char* kNationFile = "RKdata/NationData.txt";
inline constexpr const char* kPopTypeFile = "RKdata/PopData.txt";
inline constexpr const char* kSpriteFile = "RKsprites/1822.jpg";
inline constexpr const char* kConfigFile = "RK.cfg";
inline constexpr const char* kQuillmapDir = "Quillmap";
inline constexpr const char* kNameListFile = "Quillmap/LIST_CRATE/NameList.txt";
inline constexpr const char* kGodListFile = "Quillmap/LIST_CRATE/GodList.txt";
inline constexpr const char* kGodBinDir = "Quillmap/GOD_BIN";

struct InstallationOptions {
    // Replaces a file's content (or adds a file), by relative path. The
    // placeholder "{QUILLMAP}" in the content is replaced by the absolute
    // Quillmap folder. nullopt leaves the file out.
    std::map<std::string, std::optional<std::string>> files;
};

// Writes an installation into a fresh temporary folder and returns the
// folder's absolute path (no trailing separator). The folder is removed when
// the test program ends.
std::string makeInstallation(const InstallationOptions& options = {});

// A fresh empty temporary folder, removed when the test program ends.
std::string makeTempFolder();

// The absolute Quillmap folder of an installation made above.
std::string quillmapFolderOf(const std::string& installation);

// Writes bytes to a file, creating its folders; replaces any content.
void writeFile(const std::string& path, const std::string& bytes);
// A file's whole content ("" when missing).
std::string readFile(const std::string& path);

}  // namespace gs::test
