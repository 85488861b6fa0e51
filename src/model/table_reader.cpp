#include "model/table_reader.h"


#include <algorithm>
#include <bit>
#include <bitset>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "model/columns.h"
#include "model/number.h"
#include "window/controls.h"

namespace gs {

LoadStatus textStart(std::string_view& bytes, const std::string& path) {
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
                       (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0'));
    if (utf16) return LoadStatus::failure(path + ": is UTF-16 text; the editor reads 8-bit text only");
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return LoadStatus::success();
}

Lines::Lines(std::string_view bytes) : rest_(bytes) {
    const std::size_t first = bytes.find_first_of("\r\n");
    if (first != std::string_view::npos && bytes[first] == '\r' && (first + 1 == bytes.size() || bytes[first + 1] != '\n'))
        end_ = '\r';
}

bool Lines::next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find(end_);
    line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
    if (end_ == '\n' && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

namespace {

// Why a line's first failing cell (no number of its range, a text too long)
// failed, and which field it is.
struct CellFailure {
    int field = -1;
    std::string why;
    bool failed() const { return field >= 0; }
    // Keeps the first failure only.
    void blame(int cellField, std::string cellWhy) {
        if (failed()) return;
        field = cellField;
        why = std::move(cellWhy);
    }
};

// Any other spelling of a number than the usual one, or the failure to read one.
std::int64_t otherNumber(std::string_view cell, std::int64_t min, std::int64_t max, CellFailure& failure, int field) {
    const NumberResult r = toInteger(cell, min, max);
    if (!r.ok()) failure.blame(field, numberFailure(cell, r.error));
    return r.value;
}

void blameLongText(std::string_view cell, CellFailure& failure, int field) {
    failure.blame(field, "a text of " + std::to_string(cell.size()) + " bytes, longer than " +
                             std::to_string(kMaxLineLength));
}

// The texts an absent and a "*" cell stand for.
constexpr gs::text kAbsentCell = text::absent();
constexpr gs::text kStarCell = text::star();

// What a cell stands for under the table's rule: itself, an absent value
// ("-666") or a star ("-999"). Only "", " " and "*" can stand for more.
enum class Stands { Itself, Absent, Star };
inline Stands stands(std::string_view cell, CellRule rule) {
    if (cell.size() > 1 || rule == CellRule::None) return Stands::Itself;
    if (cell.empty() || (rule == CellRule::AbsentAndStar && cell[0] == ' ')) return Stands::Absent;
    if (rule == CellRule::AbsentAndStar && cell[0] == '*') return Stands::Star;
    return Stands::Itself;
}

inline gs::text textCell(std::string_view cell, CellRule rule, CellFailure& failure, int field, TableBytes& copies) {
    if (cell.size() > static_cast<std::size_t>(kMaxLineLength)) [[unlikely]] {
        blameLongText(cell, failure, field);
        return kAbsentCell;
    }
    switch (stands(cell, rule)) {
    case Stands::Absent: return kAbsentCell;
    case Stands::Star: return kStarCell;
    default: return copies.copy(cell);
    }
}

[[gnu::always_inline]] inline std::int64_t numberCell(std::string_view cell, std::int64_t min, std::int64_t max,
                                                      CellRule rule, CellFailure& failure, int field) {
    std::int64_t value;
    if (readPlainInteger(cell, value) && value >= min && value <= max) [[likely]]
        return value;
    switch (stands(cell, rule)) {
    case Stands::Absent: return kAbsent;
    case Stands::Star: return kStar;
    default: return otherNumber(cell, min, max, failure, field);
    }
}

// Hands each of `fields` to `c`, in order.
template <class Read, class... Field>
[[gnu::always_inline]] inline void columns(Read& c, Field&... fields) {
    (c(fields), ...);
}

// Each table's columns in order: `c(field)` for the field a column fills.
template <class Read>
[[gnu::always_inline]] inline void fill(UnitRecord& u, Read& c) {
    columns(c, u.Number, u.Name, u.Unique, u.Mounted, u.Sacred, u.Female, u.God, u.Extra7, u.Size, u.HitPoints,
            u.Morale, u.MagicResistance, u.LeaderNormal, u.LeaderUndead, u.LeaderMagic, u.SlotsHand, u.SlotsHead,
            u.SlotsBody, u.SlotsFoot, u.SlotsMisc, u.PathFire, u.PathAir, u.PathWater, u.PathEarth, u.PathAstral,
            u.PathDeath, u.PathNature, u.PathBlood, u.PathHoly);
    for (int j = 0; j < 4; ++j) columns(c, u.RandMagicTag[j], u.RandMagicNum1[j], u.RandMagicNum2[j], u.RandMagicPaths[j]);
    columns(c, u.Undead, u.Demon, u.MagicBeing, u.Animal, u.Spy, u.Assassin, u.Glamour, u.Stealth,
            u.ResistLightning, u.ResistFire, u.ResistCold, u.ResistPoison, u.DarkVision, u.Regeneration, u.Forge,
            u.Heal, u.Alchemy, u.Luck, u.Insane, u.Standard, u.Extra65, u.Awe, u.Fear, u.Berserk, u.Chill, u.Heat,
            u.FireShield, u.BanefireShield, u.BloodVengeance, u.DiseaseCloud, u.PoisonCloud, u.IceArmor, u.Pillage,
            u.Patrol, u.CastleDefence, u.Siege, u.Supply, u.Sage, u.BloodHunt, u.VoidSummoning);
    columns(c, u.SurviveForest, u.SurviveMountain, u.SurviveWaste, u.SurviveSwamp, u.MoveAquatic, u.MoveAmphibian,
            u.MovePoorAmphibian, u.MoveFlying, u.MoveStormflyer, u.MoveSailing, u.ColdBlooded, u.Ethereal,
            u.TrueEthereal, u.Trample, u.Blind, u.Recuperation, u.Immortal, u.Mindless, u.Lifeless, u.NoEat,
            u.NoHeal, u.PoisonArmor, u.Seduce, u.Succubus, u.Petrify, u.Eyeloss, u.Inquisitor, u.WinterStrength,
            u.SpringStrength, u.SummerStrength, u.FallStrength, u.Reanimator);
    columns(c, u.Summon, u.SummonExtra, u.AutoSummon, u.AutoSummonExtra, u.BattleSummon, u.BattleSummonExtra,
            u.DomSummon, u.DomSummonExtra, u.ShapeChange, u.FirstShape, u.SecondShape, u.SecondTmpShape, u.LandShape,
            u.SeaShape, u.UniqueName, u.Special);
}

template <class Read>
[[gnu::always_inline]] inline void fill(ItemRecord& i, Read& c) {
    columns(c, i.Number, i.Name, i.Category, i.ClassCode, i.Path1, i.Level1, i.Path2, i.Level2);
}

template <class Read>
[[gnu::always_inline]] inline void fill(SiteRecord& s, Read& c) {
    columns(c, s.Number, s.Name, s.Extra2, s.Frequency, s.Mask32, s.Level, s.MagicType, s.GemsFire, s.GemsAir,
            s.GemsWater, s.GemsEarth, s.GemsAstral, s.GemsDeath, s.GemsNature, s.GemsBlood, s.Gold, s.Resources,
            s.Supply, s.Unrest, s.Experience, s.Laboratory, s.Fort);
    for (int j = 0; j < 4; ++j) columns(c, s.RecUnitNumber[j], s.RecUnitName[j]);
    c(s.SummonPath);
    for (int j = 0; j < 3; ++j) columns(c, s.SumUnitNumber[j], s.SumUnitName[j], s.SumUnitValue[j]);
    columns(c, s.Scale1, s.Scale2, s.Conjuration, s.Alteration, s.Evocation, s.Construction, s.Enchantment,
            s.Thaumaturgy, s.BloodResearch, s.Heal, s.Disease, s.Curse, s.Horror, s.HolyFire, s.HolyPower, s.Scry,
            s.Adventure, s.TerrainPlains, s.TerrainForest, s.TerrainMountain, s.TerrainWaste, s.TerrainFarm,
            s.TerrainSea, s.TerrainCoast, s.TerrainSwamp, s.TerrainDeepSea, s.Extra66, s.Unique);
}

template <class Read>
[[gnu::always_inline]] inline void fill(NationRecord& n, Read& c) {
    columns(c, n.Era, n.Number, n.Sea, n.Name);
}

template <class Read>
[[gnu::always_inline]] inline void fill(PopTypeRecord& p, Read& c) {
    columns(c, p.Number, p.Name);
    for (int j = 0; j < 4; ++j) c(p.Units[j]);
    c(p.Extra6);
    for (int j = 0; j < 4; ++j) c(p.Commanders[j]);
}

// Sets every field fill() hands it to what an empty cell stands for ("-666",
// -666): a line's record starts as this blank one, so its empty cells (most
// of the unit table's) cost only being passed by.
struct Blank {
    void operator()(gs::text& field) const { field = kAbsentCell; }
    void operator()(std::int16_t& field) const { field = kAbsent; }
    void operator()(std::int32_t& field) const { field = kAbsent; }
};

template <class Record>
const Record& blankOf() {
    static const Record blank = [] {
        Record record;
        Blank set;
        fill(record, set);
        return record;
    }();
    return blank;
}

// One bit a byte for the Tabs among the 64 bytes at `bytes`, the first byte's
// lowest. A unit line is mostly Tabs: they are found 16 bytes at a time.
inline std::uint64_t tabsIn(const char* bytes) {
    std::uint64_t tabs = 0;
#ifdef __SSE2__
    const __m128i tab = _mm_set1_epi8('\t');
    for (int i = 0; i < 64; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        tabs |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, tab)))} << i;
    }
#else
    for (int i = 0; i < 64; ++i) tabs |= std::uint64_t{bytes[i] == '\t'} << i;
#endif
    return tabs;
}

// 64 bytes of a line, from `at`, as a bit for each Tab (the lowest for the
// first byte). The line's end counts as one more Tab.
struct Chunk {
    static constexpr std::size_t kBytes = 64;
    std::size_t at;
    std::uint64_t tabs;
};

// The chunk at `at` (at most the line's size); the one that holds the
// line's end is read from a copy, with a Tab for the end and nothing after.
Chunk chunkAt(std::string_view line, std::size_t at) {
    const std::size_t left = line.size() - at;
    if (left >= Chunk::kBytes) return {at, tabsIn(line.data() + at)};
    char last[Chunk::kBytes] = {};
    std::copy(line.begin() + static_cast<std::ptrdiff_t>(at), line.end(), last);
    last[left] = '\t';
    return {at, tabsIn(last)};
}

// The first chunk from `at` on that holds a Tab; the one that holds the
// line's end always does.
[[gnu::noinline]] Chunk chunkWithTab(std::string_view line, std::size_t at) {
    Chunk chunk = chunkAt(line, at);
    while (chunk.tabs == 0) chunk = chunkAt(line, chunk.at + Chunk::kBytes);
    return chunk;
}

// A line's cells, read in order into the fields fill() hands it. An empty
// cell the table replaces, and a field past the line's end, keep what the
// record held. The cursor holds the Tabs of the bytes ahead of it, up to 64,
// as bits: a cell ends at the first, and an empty cell, one that starts at
// a Tab, costs a bit test and a shift. (The table's format is a constant
// here, every step is inlined and the cursor's address is never taken, so
// that it stays in registers.)
template <const TableFormat& format>
class Cells {
    // An empty cell is passed by before the last-field rule could look past it.
    static_assert(!format.lastFieldAfterLastTab || format.cells == CellRule::None,
                  "a last field read after the last Tab is read even where its own cell is empty");

public:
    Cells(std::string_view line, CellFailure& failure, TableBytes& copies)
        : line_(line), failure_(failure), copies_(copies) {}

    [[gnu::always_inline]] void operator()(gs::text& field) {
        if (std::string_view cell; next(cell)) field = textCell(cell, format.cells, failure_, read_ - 1, copies_);
    }
    [[gnu::always_inline]] void operator()(std::int16_t& field) {
        if (std::string_view cell; next(cell))
            field = static_cast<std::int16_t>(numberCell(cell, INT16_MIN, INT16_MAX, format.cells, failure_, read_ - 1));
    }
    [[gnu::always_inline]] void operator()(std::int32_t& field) {
        if (std::string_view cell; next(cell))
            field = static_cast<std::int32_t>(numberCell(cell, INT32_MIN, INT32_MAX, format.cells, failure_, read_ - 1));
    }
    // The fields the line has, counted up to those read.
    int count() const {
        return at_ == kPastEnd ? static_cast<int>(std::count(line_.begin(), line_.end(), '\t')) + 1 : read_;
    }

private:
    static constexpr std::size_t kPastEnd = SIZE_MAX;

    // Moves to the next cell; false when it is to be passed by.
    [[gnu::always_inline]] bool next(std::string_view& cell) {
        const int field = read_++;
        if (ahead_ & 1 && format.cells != CellRule::None) {  // an empty cell
            ahead_ >>= 1;
            ++at_;
            return false;
        }
        if (ahead_ != 0) [[likely]]
            return cellUpTo(at_, ahead_, field, cell);
        if (at_ > line_.size()) {  // the line ended before this field
            at_ = kPastEnd;
            return false;
        }
        const Chunk chunk = chunkWithTab(line_, at_);  // no Tab was known ahead: read on
        return cellUpTo(chunk.at, chunk.tabs, field, cell);
    }

    // Takes the cell from at_ up to the first of `tabs`, a bit for each byte
    // from `from` on, as `field`'s.
    [[gnu::always_inline]] bool cellUpTo(std::size_t from, std::uint64_t tabs, int field, std::string_view& cell) {
        const auto tab = static_cast<std::size_t>(std::countr_zero(tabs));
        cell = std::string_view(line_.data() + at_, from + tab - at_);
        at_ = from + tab + 1;
        ahead_ = tabs >> tab >> 1;
        if (format.lastFieldAfterLastTab && field == format.fields - 1) cell = line_.substr(line_.rfind('\t') + 1);
        return !cell.empty() || format.cells == CellRule::None;
    }

    const std::string_view line_;
    CellFailure& failure_;
    TableBytes& copies_;
    std::size_t at_ = 0;       // where the next cell starts; past the line's end once the last was read
    std::uint64_t ahead_ = 0;  // a bit for each Tab among the bytes read from at_ on
    int read_ = 0;             // cells read so far
};

// The first needed field of a line that holds a line break, or -1.
int fieldWithLineBreak(std::string_view line, const TableFormat& format) {
    if (!holdsLineBreak(line)) return -1;
    const int afterLastTab = format.lastFieldAfterLastTab ? format.fields - 1 : -1;
    std::string_view rest = line;
    for (int k = 0; k < format.fields; ++k) {
        const std::size_t tab = rest.find('\t');
        const std::string_view cell = k == afterLastTab ? line.substr(line.rfind('\t') + 1) : rest.substr(0, tab);
        if (holdsLineBreak(cell)) return k;
        if (tab == std::string_view::npos) break;
        rest.remove_prefix(tab + 1);
    }
    return -1;
}

// Why a line of `fields` fields read fails, or "": too few fields, a line
// break in a needed field, or its first failing cell, in this order.
std::string lineFault(const TableFormat& format, int fields, std::string_view line, const CellFailure& failure) {
    if (fields < format.fields)
        return " has " + std::to_string(fields) + " fields, " + std::to_string(format.fields) + " needed";
    if (const int field = fieldWithLineBreak(line, format); field >= 0)
        return ", field " + std::to_string(field) + ": " + kHoldsLineBreak;
    if (failure.failed()) return ", field " + std::to_string(failure.field) + ": " + failure.why;
    return {};
}

// Fills rows from the lines, each cell into its column's field. A line is
// read into its row, which gets back what it held when the line fails.
template <const TableFormat& format, class Record>
LoadStatus fillRows(std::string_view bytes, const std::string& path, std::vector<Record>& rows, TableBytes& texts) {
    Lines lines(bytes);
    for (int r = 0; r < format.lines; ++r) {
        std::string_view line;
        if (!lines.next(line))
            return LoadStatus::failure(path + ": ends after " + std::to_string(r) + " of " +
                                       std::to_string(format.lines) + " lines");
        CellFailure failure;
        Cells<format> cells(line, failure, texts);
        const Record held = rows[r];
        rows[r] = blankOf<Record>();
        fill(rows[r], cells);
        if (const std::string why = lineFault(format, cells.count(), line, failure); !why.empty()) [[unlikely]] {
            rows[r] = held;
            return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + why);
        }
    }
    return LoadStatus::success();
}

// The numbers of the blocks that fields fill() hands it read.
struct BlocksRead {
    std::bitset<cells::kBlocks> numbers;
    void operator()(const gs::text& field) { numbers.set(field.block()); }
    void operator()(std::int16_t) const {}
    void operator()(std::int32_t) const {}
};

template <const TableFormat& format, class Record>
LoadStatus parseTable(std::string_view bytes, const std::string& path, std::vector<Record>& rows, TableBytes& texts) {
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    texts.startRead(bytes.size());
    const LoadStatus status = fillRows<format>(bytes, path, rows, texts);
    if (!status) {
        BlocksRead read;
        for (Record& row : rows) fill(row, read);
        texts.keepOnly(read.numbers);
    }
    return status;
}

}  // namespace

LoadStatus parseUnits(std::string_view bytes, const std::string& path, std::vector<UnitRecord>& rows,
                      TableBytes& texts) {
    return parseTable<kUnitFormat>(bytes, path, rows, texts);
}
LoadStatus parseItems(std::string_view bytes, const std::string& path, std::vector<ItemRecord>& rows,
                      TableBytes& texts) {
    return parseTable<kItemFormat>(bytes, path, rows, texts);
}
LoadStatus parseSites(std::string_view bytes, const std::string& path, std::vector<SiteRecord>& rows,
                      TableBytes& texts) {
    return parseTable<kSiteFormat>(bytes, path, rows, texts);
}
LoadStatus parseNations(std::string_view bytes, const std::string& path, std::vector<NationRecord>& rows,
                      TableBytes& texts) {
    return parseTable<kNationFormat>(bytes, path, rows, texts);
}
LoadStatus parsePopTypes(std::string_view bytes, const std::string& path, std::vector<PopTypeRecord>& rows,
                      TableBytes& texts) {
    return parseTable<kPopTypeFormat>(bytes, path, rows, texts);
}

LoadStatus parseNameList(std::string_view bytes, const std::string& path, std::vector<std::string>& names) {
    constexpr std::string_view kEnding = "_DATA2";
    names.clear();
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    Lines lines(bytes);
    int number = 0;
    for (std::string_view line; lines.next(line);) {
        ++number;
        if (!line.ends_with(kEnding)) continue;
        if (holdsLineBreak(line))
            return LoadStatus::failure(path + ": line " + std::to_string(number) + " " + kHoldsLineBreak);
        const std::string_view name = line.substr(0, line.size() - kEnding.size());
        if (name.size() > static_cast<std::size_t>(kMaxLineLength))
            return LoadStatus::failure(path + ": line " + std::to_string(number) + " holds a name of " +
                                       std::to_string(name.size()) + " bytes, longer than " +
                                       std::to_string(kMaxLineLength));
        if (names.size() == kMaxListNames)
            return LoadStatus::failure(path + ": line " + std::to_string(number) + " holds name " +
                                       std::to_string(kMaxListNames + 1) + ", more than the " +
                                       std::to_string(kMaxListNames) + " a list offers");
        names.emplace_back(name);
    }
    return LoadStatus::success();
}

std::string numberFailure(std::string_view cell, NumberError error) {
    constexpr std::size_t kShown = 40;
    const std::string shown = cell.size() <= kShown ? std::string(cell) : std::string(cell.substr(0, kShown)) + "...";
    return "\"" + shown + (error == NumberError::OutOfRange ? "\" is out of range" : "\" is not a number");
}

static_assert(col::unit::Count == kUnitFormat.fields && col::unit::Special == 132 && col::unit::Undead == 45);
static_assert(col::item::Count == kItemFormat.fields);
static_assert(col::site::Count == kSiteFormat.fields && col::site::Scale1 == 40 && col::site::Unique == 67);
static_assert(col::nation::Count == kNationFormat.fields);
static_assert(col::poptype::Count == kPopTypeFormat.fields);
static_assert(kMaxLineLength <= text::kMaxTextLength);

}  // namespace gs
