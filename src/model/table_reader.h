// The reading layer of the data tables: bytes in, records and a status out.
// It touches no control and shows nothing, so tests and fuzz targets can
// drive it directly; tables.cpp puts its results into the editor.
//
// Every table is a fixed number of lines (CR LF or LF), each with at least a
// fixed number of Tab-separated fields; lines after the fixed count and
// fields after the needed count are never looked at. Failure causes name the
// file, the line (counted from 1) and the field (counted from 0, as the
// table's columns are numbered):
//   <path>: ends after 1500 of 1983 lines
//   <path>: line 12 has 40 fields, 133 needed
//   <path>: line 57, field 9: "abc" is not a number   (or: is out of range)
//   <path>: line 57, field 1: holds a line break
// On failure the rows before the failing line are filled; the failing row
// and the rows after it keep what they held.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/load.h"
#include "model/number.h"
#include "model/records.h"

namespace gs {

// The start of a text file: a UTF-8 byte-order mark is dropped from `bytes`;
// UTF-16 text (by its byte-order mark, or a NUL among the first two bytes)
// is refused: "<path>: is UTF-16 text; the editor reads 8-bit text only".
LoadStatus textStart(std::string_view& bytes, const std::string& path);

// Splits bytes into lines. A line ends with CR LF or LF, or, in a file whose
// first line ends with a bare CR, with CR: each without its ending. Any CR
// or LF left inside a line is a line break that the line holds.
class Lines {
public:
    explicit Lines(std::string_view bytes);
    // False at the end: nothing is left, or only an ended last line was.
    bool next(std::string_view& line);

private:
    std::string_view rest_;
    char end_ = '\n';
};

// True when a text has no line or its last line is ended (CR LF, LF or CR):
// what is appended after it then starts a line of its own.
inline bool lastLineEnded(std::string_view text) {
    return text.empty() || text.back() == '\n' || text.back() == '\r';
}

// A row of the unit, item or site table that no read has filled: a read
// row's name is never empty (an empty name cell holds "-666").
template <class Record>
bool unreadRow(const Record& row) {
    return row.Name.empty();
}

// The end of a cause for a text that holds a CR or LF: "holds a line break".
// (Two searches for one byte each: they run many bytes at a time, where a
// search for either of two bytes goes byte by byte.)
inline bool holdsLineBreak(std::string_view text) {
    return text.find('\r') != std::string_view::npos || text.find('\n') != std::string_view::npos;
}
inline constexpr const char* kHoldsLineBreak = "holds a line break";

// Which cells a table replaces before reading them.
enum class CellRule {
    AbsentAndStar,  // "" and " " become "-666", "*" becomes "-999" (units, items, nations)
    AbsentOnly,     // "" becomes "-666" (sites)
    None,           // nothing is replaced (pop types)
};

struct TableFormat {
    int lines;   // lines read
    int fields;  // fields a line needs
    CellRule cells;
    // The last needed field is the text after the line's last Tab, wherever
    // that is (pop types).
    bool lastFieldAfterLastTab = false;
};

inline constexpr TableFormat kUnitFormat{kUnitRows - 1, 133, CellRule::AbsentAndStar};
inline constexpr TableFormat kItemFormat{kItemRows - 1, 8, CellRule::AbsentAndStar};
inline constexpr TableFormat kSiteFormat{kSiteRows - 1, 68, CellRule::AbsentOnly};
inline constexpr TableFormat kNationFormat{kNationRows - 1, 4, CellRule::AbsentAndStar};
inline constexpr TableFormat kPopTypeFormat{kPopTypeRows - 1, 11, CellRule::None, true};

// Each fills rows 0 .. format.lines - 1 of `rows` (which must have room)
// from `bytes`. Their text cells then view copies of their bytes, added to
// `texts` in blocks of this read's own (so `bytes` may go; a unit line is
// mostly Tabs and empty cells, its texts a seventh of it). `path` only
// names the file in a failure's cause.
LoadStatus parseUnits(std::string_view bytes, const std::string& path, std::vector<UnitRecord>& rows,
                      TableBytes& texts);
LoadStatus parseItems(std::string_view bytes, const std::string& path, std::vector<ItemRecord>& rows,
                      TableBytes& texts);
LoadStatus parseSites(std::string_view bytes, const std::string& path, std::vector<SiteRecord>& rows,
                      TableBytes& texts);
LoadStatus parseNations(std::string_view bytes, const std::string& path, std::vector<NationRecord>& rows,
                        TableBytes& texts);
LoadStatus parsePopTypes(std::string_view bytes, const std::string& path, std::vector<PopTypeRecord>& rows,
                         TableBytes& texts);

// The most names the name-list index may offer: a longer drop-down list
// would take the window more than a tenth of a second to open.
constexpr int kMaxListNames = 10000;

// The names Quillmap's name-list index offers: every line ending in "_DATA2"
// (case-sensitive), without that ending, in file order. An offered line that
// holds a line break fails: "<path>: line 3 holds a line break"; so does a
// name longer than kMaxLineLength: "<path>: line 3 holds a name of 4001
// bytes, longer than 4000"; and so does a name past the kMaxListNames-th:
// "<path>: line 10001 holds name 10001, more than the 10000 a list offers".
LoadStatus parseNameList(std::string_view bytes, const std::string& path, std::vector<std::string>& names);

// The end of a cause for a cell that is no number of its range:
// "\"abc\" is not a number" or "\"99999\" is out of range". A long cell is
// cut, so that a cause stays short whatever the file holds.
std::string numberFailure(std::string_view cell, NumberError error);

}  // namespace gs
