// The five data tables and Quillmap's name-list index, read into the editor.
#pragma once

#include <future>
#include <string>
#include <tuple>
#include <vector>

#include "model/load.h"

namespace gs {

// NationData.txt into Nations (cboNation is filled later by UpdateEraCode).
LoadStatus loadNations(Editor& e);
// QuillmapFolder + "\LIST_CRATE\NameList.txt" into cboNameDataList, after
// its first entry "Let Velm name the province."; enabled, entry 0 selected.
LoadStatus loadNameList(Editor& e);
// PopData.txt into PopTypes and cboPopType ("None" first), entry 0 selected.
LoadStatus loadPopTypes(Editor& e);
// SiteData.txt into Sites, SiteIndex and cboFeature ("None" first), entry 0 selected.
LoadStatus loadSites(Editor& e);
// ItemData.txt into Items, ItemIndex and cboItem ("No Item" first), entry 0 selected.
LoadStatus loadItems(Editor& e);
// UnitData.txt into Units, UnitIndex and cboUnitFound ("None" first), entry 0 selected.
LoadStatus loadUnits(Editor& e);

// The five data tables of the program folder, read and parsed on a thread of
// their own while the windows are built. A loader above takes a table from
// here only when it has just read the very bytes parsed here and they parsed
// without fault: what it shows is then what its own parse would have given,
// however long ago they were read. Whatever else (a file changed, missing or
// faulty) it reads and parses as always.
//
// The thread writes only the tables below, and the loaders read them only
// after wait(), which the thread's end happens before; the window model
// never sees the thread.
class TablesAhead {
public:
    // Starts reading; with no folder, nothing is read.
    explicit TablesAhead(const std::string& programFolder);
    ~TablesAhead();
    TablesAhead(const TablesAhead&) = delete;
    TablesAhead& operator=(const TablesAhead&) = delete;

    // Until every table is read and parsed.
    void wait();
    // When the table at `path` was parsed here from exactly the bytes that
    // `kept` ends with (just read by the loader): its rows replace `rows`,
    // the bytes they view replace that last entry, and true is returned.
    // Each table is handed over once.
    template <class Record>
    bool take(const std::string& path, std::vector<Record>& rows, TableBytes& kept);

private:
    template <class Record>
    struct Table {
        std::string path;
        bool parsed = false;  // read and parsed without fault
        TableBytes bytes;     // the file's bytes, which the rows view
        std::vector<Record> rows;
    };
    std::tuple<Table<NationRecord>, Table<PopTypeRecord>, Table<SiteRecord>, Table<ItemRecord>, Table<UnitRecord>> tables_;
    std::future<void> reading_;
};

}  // namespace gs
