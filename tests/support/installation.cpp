#include "support/installation.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "model/columns.h"
#include "model/records.h"
#include "support/fake_platform.h"

namespace gs::test {

namespace fs = std::filesystem;

namespace {

// Removes every folder made by makeInstallation when the program ends.
struct Cleanup {
    std::vector<fs::path> folders;
    ~Cleanup() {
        std::error_code ignored;
        for (const auto& f : folders) fs::remove_all(f, ignored);
    }
};
Cleanup& cleanup() {
    static Cleanup c;
    return c;
}

std::vector<Row> fillTo(std::vector<Row> rows, int lines, Row (*filler)(int r)) {
    for (int r = static_cast<int>(rows.size()); r < lines; ++r) rows.push_back(filler(r));
    return rows;
}

Row numberedRow(int fields, int number, const std::string& name) {
    Row row(fields);
    row[0] = std::to_string(number);
    row[1] = name;
    return row;
}

Row itemRow(int number, const std::string& name, const std::string& category, int classCode, Row paths = {"", "", "", ""}) {
    Row row{std::to_string(number), name, category, std::to_string(classCode)};
    row.insert(row.end(), paths.begin(), paths.end());
    return row;
}

}  // namespace

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); !from.empty() && at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

Row unitRow(int number, const std::string& name) { return numberedRow(col::unit::Count, number, name); }
Row siteRow(int number, const std::string& name) { return numberedRow(col::site::Count, number, name); }

Row popTypeRow(int number, const std::string& name, std::vector<int> units, int extra, std::vector<int> commanders) {
    Row row{std::to_string(number), name};
    for (int u : units) row.push_back(std::to_string(u));
    row.push_back(std::to_string(extra));
    for (int c : commanders) row.push_back(std::to_string(c));
    return row;
}

std::string joinRow(const Row& row) {
    std::string line;
    for (const auto& cell : row) line += (&cell == row.data() ? "" : "\t") + cell;
    return line;
}

std::string tableText(const std::vector<Row>& rows) {
    std::string text;
    for (const auto& row : rows) text += joinRow(row) + "\r\n";
    return text;
}

// The row with these cells set.
Row with(Row row, std::initializer_list<std::pair<int, const char*>> cells) {
    for (const auto& [column, text] : cells) row[column] = text;
    return row;
}

std::vector<Row> defaultUnitRows() {
    namespace u = col::unit;
    const Row drake = with(unitRow(1822, "\xC6ther Drake"),
                           {{u::God, "1"}, {u::Size, "6"}, {u::HitPoints, "120"}, {u::Morale, "15"}, {u::PathFire, "3"},
                            {u::PathAstral, "1"}, {u::Mounted, "Mounted"}, {u::MoveFlying, "Flying"}, {u::Fear, "5"}});
    const Row spearman =
        with(unitRow(10, "Mossguard Spearman"), {{u::Size, "2"}, {u::HitPoints, "10"}, {u::Morale, "10"}});
    const Row captain = with(unitRow(11, "K\xF6lnar Captain"),
                             {{u::Size, "2"}, {u::LeaderNormal, "40"}, {u::Female, "Female"}, {u::Standard, "1"}});
    const Row hero = with(unitRow(12, "Wrenna the Lantern"),
                          {{u::Unique, "Unique"}, {u::Sacred, "Sacred"}, {u::LeaderMagic, "10"}, {u::PathHoly, "2"},
                           {u::UniqueName, "Wrenna"}, {u::Special, "Hero of the Fen"}});
    const int m = u::RandMagic;
    const Row oracle = with(unitRow(13, "Grey Oracle"), {{m, "R1"}, {m + 1, "100"}, {m + 2, "1"}, {m + 3, "FAW"},
                                                         {m + 4, "R2"}, {m + 5, "10"}, {m + 6, "1"}, {m + 7, "DN"}});
    const Row shade = with(unitRow(14, "Hollow Shade"), {{u::Undead, "Undead"}, {u::LeaderUndead, "5"},
                                                         {u::Stealth, "40"}, {u::Spy, "Spy"}, {u::SurviveSwamp, "Swamp"}});
    return fillTo({drake, spearman, captain, hero, oracle, shade}, kUnitRows - 1,
                  [](int r) { return unitRow(3000 + r, "Filler Unit " + std::to_string(r)); });
}

std::vector<Row> defaultItemRows() {
    return fillTo(
        {
            itemRow(1, "Emberbrand", "1-h wpn", 0, {"F", "1", "", ""}),
            itemRow(2, "Crown of Quiet Stars", "helm", 8, {"S", "3", "A", "1"}),
            itemRow(3, "\xD6lgrim's Boots", "boots", 12, {"E", "2", "", ""}),
        },
        kItemRows - 1, [](int r) { return itemRow(400 + r, "Filler Item " + std::to_string(r), "misc", 0); });
}

std::vector<Row> defaultSiteRows() {
    namespace s = col::site;
    const Row fen = with(siteRow(1, "Glimmering Fen"),
                         {{s::Frequency, "40"}, {s::Level, "0"}, {s::MagicType, "Water"}, {s::GemsWater, "1"},
                          {s::Laboratory, "FALSE"}, {s::RecUnit, "10"}, {s::RecUnit + 1, "Mossguard Spearman"},
                          {s::TerrainSwamp, "Yes"}});
    const Row forge = with(siteRow(2, "Ashen Forge"),
                           {{s::Frequency, "10"}, {s::Level, "2"}, {s::MagicType, "Fire"}, {s::GemsFire, "2"},
                            {s::Gold, "50"}, {s::Laboratory, "TRUE"}, {s::Fort, "1"}, {s::SumUnit, "1822"},
                            {s::SumUnit + 1, "\xC6ther Drake"}, {s::SumUnit + 2, "1"}, {s::Scale1, "heat"},
                            {s::TerrainMountain, "Yes"}, {s::Unique, "Yes"}});
    return fillTo({fen, forge}, kSiteRows - 1,
                  [](int r) { return siteRow(1000 + r, "Filler Site " + std::to_string(r)); });
}

std::vector<Row> defaultNationRows() {
    return fillTo(
        {
            {"EA", "5", "SEA", "Brinehold"},
            {"EA", "6", "", "Vell Marches"},
            {"MA", "20", "", "Ostmark \xC6ries"},
            {"LA", "40", "", "Ruinfall"},
        },
        kNationRows - 1,
        [](int r) { return Row{std::string("EAMALA").substr(r % 3 * 2, 2), std::to_string(100 + r), "", "Filler Nation " + std::to_string(r)}; });
}

std::vector<Row> defaultPopTypeRows() {
    return fillTo({popTypeRow(1, "Marsh Folk", {10, 14, -1, -1}, 0, {11, 12, -1, -1})}, kPopTypeRows - 1, [](int r) {
        return popTypeRow(100 + r, "Filler Pop " + std::to_string(r), {10, 10, 10, 10}, 0, {11, 11, 11, 11});
    });
}

void writeFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "godsmith-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    cleanup().folders.push_back(pattern);
    return pattern;
}

std::string makeInstallation(const InstallationOptions& options) {
    const fs::path root = makeTempFolder();
    const std::string quillmap = (root / kQuillmapDir).string();

    std::map<std::string, std::optional<std::string>> files = {
        {kUnitFile, tableText(defaultUnitRows())},
        {kItemFile, tableText(defaultItemRows())},
        {kSiteFile, tableText(defaultSiteRows())},
        {kNationFile, tableText(defaultNationRows())},
        {kPopTypeFile, tableText(defaultPopTypeRows())},
        {kConfigFile, "{QUILLMAP}\r\nTest Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n"},
        {kNameListFile, "Marsh Names_DATA2\r\nMarsh Names\r\nHill Names_DATA2\r\nreadme.txt\r\n"},
        {kGodListFile, ""},
    };
    for (const auto& [path, content] : options.files) files[path] = content;

    fs::create_directories(root / kGodBinDir);
    for (auto [path, content] : files) {
        if (!content) continue;
        replaceAll(*content, "{QUILLMAP}", quillmap);
        writeFile((root / path).string(), *content);
    }
    // The sprite is a stand-in picture unless a test gives its own bytes.
    if (!files.count(kSpriteFile)) {
        fs::create_directories(root / "RKsprites");
        writePicture((root / kSpriteFile).string(), 64, 64);
    }
    return root.string();
}

}  // namespace gs::test
