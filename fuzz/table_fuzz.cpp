// One data-table reader under the fuzzer (which table: GS_FUZZ_TABLE).
//
// Properties, whatever the bytes:
// - a read succeeds only when the input has the table's fixed line count and
//   every one of those lines has the fields the table needs; it then fills
//   exactly rows 0 .. lines - 1, each from its own line;
// - otherwise it fails with one of the three causes (ends after N of M
//   lines / line N has K fields, F needed / line N, field F: "..." is not a
//   number or is out of range), which agree with the input; the rows before
//   the failing line are filled from their lines and the others are untouched;
// - the cause stays short.
#include <cstdint>

#include "check.h"
#include "model/number.h"
#include "model/table_reader.h"

namespace gs::fuzz {

// The tables: reader, format and the columns of the number and the name.
struct units {
    using Record = UnitRecord;
    static constexpr auto parse = parseUnits;
    static constexpr TableFormat format = kUnitFormat;
    static constexpr int numberColumn = 0, nameColumn = 1;
};
struct items {
    using Record = ItemRecord;
    static constexpr auto parse = parseItems;
    static constexpr TableFormat format = kItemFormat;
    static constexpr int numberColumn = 0, nameColumn = 1;
};
struct sites {
    using Record = SiteRecord;
    static constexpr auto parse = parseSites;
    static constexpr TableFormat format = kSiteFormat;
    static constexpr int numberColumn = 0, nameColumn = 1;
};
struct nations {
    using Record = NationRecord;
    static constexpr auto parse = parseNations;
    static constexpr TableFormat format = kNationFormat;
    static constexpr int numberColumn = 1, nameColumn = 3;
};
struct poptypes {
    using Record = PopTypeRecord;
    static constexpr auto parse = parsePopTypes;
    static constexpr TableFormat format = kPopTypeFormat;
    static constexpr int numberColumn = 0, nameColumn = 1;
};

namespace {

using Table = GS_FUZZ_TABLE;
constexpr TableFormat kFormat = Table::format;
constexpr std::string_view kPath = "T";
constexpr std::string_view kUntouched = "\x01untouched";

// A cell as the table reads it, after its replacement rule.
std::string_view cell(std::string_view raw) {
    if (kFormat.cells == CellRule::None) return raw;
    if (raw.empty() || (kFormat.cells == CellRule::AbsentAndStar && raw == " ")) return "-666";
    if (kFormat.cells == CellRule::AbsentAndStar && raw == "*") return "-999";
    return raw;
}

// Row r holds what line r says in its number and name columns.
void expectRowFrom(const Table::Record& row, std::string_view line) {
    const std::vector<std::string_view> fields = splitTabs(line);
    GS_CHECK(row.Name == cell(fields[Table::nameColumn]));
    GS_CHECK(row.Number == toInt16(cell(fields[Table::numberColumn])).value);
}

// The 0-based line a cause names and checks that what it says is true.
long failingLine(std::string_view cause, const std::vector<std::string_view>& lines) {
    GS_CHECK(cause.size() <= kPath.size() + kLongestCause);
    GS_CHECK(cause.starts_with(std::string(kPath) + ": "));
    cause.remove_prefix(kPath.size() + 2);
    long n = 0, m = 0;
    if (std::string_view c = cause; takeNumber(c, "ends after ", n)) {
        GS_CHECK(takeNumber(c, " of ", m) && c == " lines");
        GS_CHECK(m == kFormat.lines && n < m && static_cast<long>(lines.size()) == n);
        return n;
    }
    GS_CHECK(takeNumber(cause, "line ", n) && n >= 1 && n <= kFormat.lines);
    const std::vector<std::string_view> fields = splitTabs(lines[n - 1]);
    long k = 0, f = 0;
    if (std::string_view c = cause; takeNumber(c, " has ", k)) {
        GS_CHECK(takeNumber(c, " fields, ", f) && c == " needed");
        GS_CHECK(f == kFormat.fields && k < f && static_cast<long>(fields.size()) == k);
        return n - 1;
    }
    GS_CHECK(takeNumber(cause, ", field ", f) && f < kFormat.fields && cause.starts_with(": \""));
    GS_CHECK(static_cast<long>(fields.size()) >= kFormat.fields);
    // The quoted cell is the raw cell, cut when long.
    std::string_view field = fields[f];
    if (kFormat.lastFieldAfterLastTab && f == kFormat.fields - 1)
        field = lines[n - 1].substr(lines[n - 1].rfind('\t') + 1);
    cause.remove_prefix(3);
    const std::size_t quoteEnd = cause.rfind('"');
    GS_CHECK(quoteEnd != std::string_view::npos);
    const std::string_view quoted = cause.substr(0, quoteEnd);
    GS_CHECK(quoted == field || (quoted.ends_with("...") && field.starts_with(quoted.substr(0, quoted.size() - 3))));
    const std::string_view rest = cause.substr(quoteEnd + 1);
    const NumberResult number = toInt32(cell(field));
    GS_CHECK(rest == " is not a number" || rest == " is out of range");
    GS_CHECK(!toInt16(cell(field)).ok());
    GS_CHECK((rest == " is not a number") == (number.error == NumberError::NotANumber));
    return n - 1;
}

}  // namespace
}  // namespace gs::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gs::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static std::vector<Table::Record> rows(kFormat.lines + 1);
    static gs::TableBytes untouchedBytes;
    static const gs::text untouched = untouchedBytes.copy(kUntouched);
    for (auto& row : rows) row = Table::Record{.Name = untouched};

    gs::TableBytes texts;
    const gs::LoadStatus status = Table::parse(bytes, std::string(kPath), rows, texts);
    // Text that is not 8-bit, or a line break left in a cell, is refused before its row is read.
    if (status.cause.ends_with("8-bit text only") || status.cause.ends_with("holds a line break")) return 0;
    const std::vector<std::string_view> lines = splitLines(withoutByteOrderMark(bytes));
    const long filled = status.ok ? kFormat.lines : failingLine(status.cause, lines);
    GS_CHECK(status.ok == status.cause.empty());
    if (status.ok) GS_CHECK(static_cast<long>(lines.size()) >= kFormat.lines);
    for (long r = 0; r < filled; ++r) {
        GS_CHECK(splitTabs(lines[r]).size() >= static_cast<std::size_t>(kFormat.fields));
        expectRowFrom(rows[r], lines[r]);
    }
    for (long r = filled; r <= kFormat.lines; ++r) GS_CHECK(rows[r].Name == kUntouched);
    return 0;
}
