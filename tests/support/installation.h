// Small but complete editor installations for tests, in fresh temporary
// folders removed when the test program ends. What they hold is listed at the
// top of tests/data/installation.txt.
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

// A file of `folder` (relative with "/") named as the editor names it: with
// the system's separator, a backslash on Windows.
std::string inFolder(const std::string& folder, const std::string& relative);


// Replaces every `from` in `s` by `to`.
void replaceAll(std::string& s, const std::string& from, const std::string& to);
// Writes bytes to a file, creating its folders; replaces any content.
void writeFile(const std::string& path, const std::string& bytes);
// A file's whole content ("" when missing).
std::string readFile(const std::string& path);

}  // namespace gs::test
