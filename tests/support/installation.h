// Small but complete editor installations for tests, in fresh temporary
// folders removed when the test program ends. The tables hold the rows below
// at their exact line counts (the rest "Filler Unit <r>" numbered 3000 + r,
// "Filler Item <r>" 400 + r, "Filler Site <r>" 1000 + r, "Filler Nation <r>"
// 100 + r in eras EA, MA, LA by turns, "Filler Pop <r>" 100 + r); every cell
// not named is empty. Texts are Windows-1252 ("\xC6" is the capital AE).
//   Units:   1822 "\xC6ther Drake" (god, size 6, hp 120, morale 15, F3 S1, mounted, flying, fear 5),
//            10 "Mossguard Spearman", 11 "K\xF6lnar Captain" (leader 40, female, standard 1),
//            12 "Wrenna the Lantern" (unique hero, sacred, H2), 13 "Grey Oracle" (random magic),
//            14 "Hollow Shade" (undead, stealth 40, spy, swamp survival)
//   Items:   1 "Emberbrand" (1-h wpn, F1), 2 "Crown of Quiet Stars" (helm, artifact, S3 A1),
//            3 "\xD6lgrim's Boots" (boots, special, E2)
//   Sites:   1 "Glimmering Fen" (water, recruits 10), 2 "Ashen Forge" (fire, lab, fort, gold 50, summons 1822)
//   Nations: EA 5 SEA "Brinehold", EA 6 "Vell Marches", MA 20 "Ostmark \xC6ries", LA 40 "Ruinfall"
//   Pop:     1 "Marsh Folk" (units 10 14, commanders 11 12)
//   RK.cfg "{Quillmap}", "Test Author", "1", "Spare Blades", "Tower Relics"; the sprite 1822.jpg
//   (64 x 64, see writePicture); NameList.txt with "Marsh Names" and "Hill Names"; an empty
//   GodList.txt and GOD_BIN folder.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gs::test {

// One line of a data table as its fields.
using Row = std::vector<std::string>;

// Rows of the tables, every cell empty but those given.
Row unitRow(int number, const std::string& name);  // 133 fields
Row siteRow(int number, const std::string& name);  // 68 fields
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


// Replaces every `from` in `s` by `to`.
void replaceAll(std::string& s, const std::string& from, const std::string& to);
// Writes bytes to a file, creating its folders; replaces any content.
void writeFile(const std::string& path, const std::string& bytes);
// A file's whole content ("" when missing).
std::string readFile(const std::string& path);

}  // namespace gs::test
