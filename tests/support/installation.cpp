#include "support/installation.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#include "model/columns.h"
#include "model/records.h"
#include "support/fake_platform.h"
#include "support/session.h"

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

Row itemRow(int number, const std::string& name, const std::string& category, int classCode) {
    return {std::to_string(number), name, category, std::to_string(classCode), "", "", "", ""};
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

// The named rows of a table from tests/data/installation.txt, then fillers up to `lines`.
std::vector<Row> namedRows(const std::string& file, int lines, Row (*filler)(int r)) {
    std::vector<Row> rows;
    std::istringstream in(readFile(std::string(GS_TEST_DATA) + "/installation.txt"));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(file + "\t", 0)) continue;
        rows.emplace_back(1);
        for (char c : unescaped(line.substr(file.size() + 1))) c == '\t' ? rows.back().emplace_back() : rows.back().back() += c;
    }
    return fillTo(rows, lines, filler);
}

std::vector<Row> defaultUnitRows() {
    return namedRows("UnitData.txt", kUnitRows - 1,
                     [](int r) { return unitRow(3000 + r, "Filler Unit " + std::to_string(r)); });
}

std::vector<Row> defaultItemRows() {
    return namedRows("ItemData.txt", kItemRows - 1,
                     [](int r) { return itemRow(400 + r, "Filler Item " + std::to_string(r), "misc", 0); });
}

std::vector<Row> defaultSiteRows() {
    return namedRows("SiteData.txt", kSiteRows - 1,
                     [](int r) { return siteRow(1000 + r, "Filler Site " + std::to_string(r)); });
}

std::vector<Row> defaultNationRows() {
    return namedRows("NationData.txt", kNationRows - 1, [](int r) {
        return Row{std::string("EAMALA").substr(r % 3 * 2, 2), std::to_string(100 + r), "", "Filler Nation " + std::to_string(r)};
    });
}

std::vector<Row> defaultPopTypeRows() {
    return namedRows("PopData.txt", kPopTypeRows - 1, [](int r) {
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
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = fs::temp_directory_path() / ("godsmith-test-" + std::to_string(random() % 1000000000));
        if (!fs::create_directory(folder)) continue;
        cleanup().folders.push_back(folder);
        return folder.string();
    }
    throw std::runtime_error("cannot make a temporary folder");
}

std::string inFolder(const std::string& folder, const std::string& relative) {
    return (fs::path(folder) / relative).make_preferred().string();
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
