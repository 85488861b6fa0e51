#include "model/tables.h"

#include "model/file_access.h"
#include "model/paths.h"
#include "model/table_reader.h"

namespace gs {

namespace {

// The one place the data files and the name-list index are read.
LoadStatus readFile(const std::string& path, std::string& bytes) { return readRegularFile(path, kTableReadLimit, bytes); }

template <class Record>
using Parse = LoadStatus (*)(std::string_view, const std::string&, std::vector<Record>&, TableBytes&);

// The five tables: where each lies in the program folder and how it parses.
constexpr std::string_view kNationFile = "\\RKdata\\NationData.txt";
constexpr std::string_view kPopTypeFile = "\\RKdata\\PopData.txt";
constexpr std::string_view kSiteFile = "\\RKdata\\SiteData.txt";
constexpr std::string_view kItemFile = "\\RKdata\\ItemData.txt";
constexpr std::string_view kUnitFile = "\\RKdata\\UnitData.txt";

// Reads a file of the program folder's RKdata into `rows`, whose text cells
// view copies added to `kept`. Once every row views this read's copies, the
// earlier ones go; after a failing read both stay.
template <class Record>
LoadStatus readTable(Editor& e, std::string_view relative, Parse<Record> parse, std::vector<Record>& rows,
                     TableBytes& kept) {
    const std::string path = appendPath(e.platform.programFolder(), relative);
    std::string bytes;
    if (LoadStatus status = readFile(path, bytes); !status) return status;
    LoadStatus status = parse(bytes, path, rows, kept);
    if (status) kept.dropEarlierReads();
    return status;
}

// A picker of `first` and then every row's name; with an index, entry k of
// the index holds the number of the row at picker position k (entry 0 is -1).
// Nothing but `first` when the table fails to load.
template <class Record>
LoadStatus loadPicker(Editor& e, ComboBox& picker, const char* first, std::string_view relative, Parse<Record> parse,
                      std::vector<Record>& rows, TableBytes& kept, std::vector<std::int16_t>* index, int count) {
    picker.clear();
    picker.addItem(first);
    if (index) (*index)[0] = -1;
    if (LoadStatus status = readTable(e, relative, parse, rows, kept); !status) return status;
    std::vector<std::string> names;
    names.reserve(count);
    for (int r = 0; r < count; ++r) {
        names.emplace_back(rows[r].Name);
        if (index) (*index)[r + 1] = rows[r].Number;
    }
    picker.addItems(names);
    picker.setListIndex(0);
    return LoadStatus::success();
}

}  // namespace

LoadStatus loadNations(Editor& e) {
    return readTable(e, kNationFile, parseNations, e.Nations, e.NationBytes);
}

LoadStatus loadNameList(Editor& e) {
    ComboBox& picker = e.f.cboNameDataList;
    picker.clear();
    picker.addItem("Let Velm name the province.");
    const std::string path = appendPath(e.QuillmapFolder, "\\LIST_CRATE\\NameList.txt");
    std::string bytes;
    std::vector<std::string> names;
    if (LoadStatus status = readFile(path, bytes); !status) return status;
    if (LoadStatus status = parseNameList(bytes, path, names); !status) return status;
    picker.addItems(names);
    picker.setEnabled(true);
    picker.setListIndex(0);
    return LoadStatus::success();
}

LoadStatus loadPopTypes(Editor& e) {
    LoadStatus status = loadPicker(e, e.f.cboPopType, "None", kPopTypeFile, parsePopTypes, e.PopTypes,
                                   e.PopTypeBytes, nullptr, kPopTypeFormat.lines);
    if (!status) return status;
    for (int k = 0; k < 4; ++k) {
        e.f.lblPTCmdr[k].setCaption("-1");
        e.f.lblPTUnit[k].setCaption("-1");
    }
    return status;
}

LoadStatus loadSites(Editor& e) {
    return loadPicker(e, e.f.cboFeature, "None", kSiteFile, parseSites, e.Sites, e.SiteBytes, &e.SiteIndex,
                      kSiteFormat.lines);
}

LoadStatus loadItems(Editor& e) {
    return loadPicker(e, e.f.cboItem, "No Item", kItemFile, parseItems, e.Items, e.ItemBytes, &e.ItemIndex,
                      kItemFormat.lines);
}

LoadStatus loadUnits(Editor& e) {
    return loadPicker(e, e.f.cboUnitFound, "None", kUnitFile, parseUnits, e.Units, e.UnitBytes, &e.UnitIndex,
                      kUnitFormat.lines);
}

}  // namespace gs
