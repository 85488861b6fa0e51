#include "model/table_reader.h"


#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <type_traits>

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

// The most fields a table needs.
constexpr int kMostFields = 133;

// Hands each of the first `wanted` cells of a line, split at its Tabs, to
// `onCell(field, cell)`; returns how many cells the line has, at most
// `wanted`. The Tabs are found eight bytes at a time: the unit table is
// mostly empty cells, so a line is mostly Tabs.
template <class OnCell>
[[gnu::always_inline]] inline int forEachCell(std::string_view line, int wanted, OnCell&& onCell) {
    const char* const bytes = line.data();
    const std::size_t size = line.size();
    int count = 0;
    std::size_t start = 0;  // of the cell being read
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F, kTabs = 0x0909090909090909;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            const std::uint64_t x = word ^ kTabs;  // a Tab byte is now 0
            // The high bit of every byte that is 0, and of no other.
            for (std::uint64_t tabs = ~(((x & kLow7) + kLow7) | x | kLow7); tabs != 0; tabs &= tabs - 1) {
                const std::size_t tab = i + static_cast<std::size_t>(std::countr_zero(tabs) / 8);
                onCell(count, std::string_view(bytes + start, tab - start));
                start = tab + 1;
                if (++count == wanted) return count;
            }
        }
    }
    for (; i < size; ++i) {
        if (bytes[i] != '\t') continue;
        onCell(count, std::string_view(bytes + start, i - start));
        start = i + 1;
        if (++count == wanted) return count;
    }
    onCell(count, std::string_view(bytes + start, size - start));
    return count + 1;
}

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

// The texts an absent and a "*" cell stand for, made once.
const gs::text kAbsentCell{std::string_view(kAbsentText)};
const gs::text kStarCell{std::string_view("-999")};

// What a cell stands for under the table's rule: itself, an absent value
// ("-666") or a star ("-999"). Only "", " " and "*" can stand for more.
enum class Stands { Itself, Absent, Star };
inline Stands stands(std::string_view cell, CellRule rule) {
    if (cell.size() > 1 || rule == CellRule::None) return Stands::Itself;
    if (cell.empty() || (rule == CellRule::AbsentAndStar && cell[0] == ' ')) return Stands::Absent;
    if (rule == CellRule::AbsentAndStar && cell[0] == '*') return Stands::Star;
    return Stands::Itself;
}

[[gnu::always_inline]] inline gs::text textCell(std::string_view cell, CellRule rule, CellFailure& failure, int field) {
    if (cell.size() > 1) [[likely]] {
        if (cell.size() > static_cast<std::size_t>(kMaxLineLength)) [[unlikely]] {
            blameLongText(cell, failure, field);
            return kAbsentCell;
        }
        return gs::text(cell);
    }
    switch (stands(cell, rule)) {
    case Stands::Absent: return kAbsentCell;
    case Stands::Star: return kStarCell;
    default: return gs::text(cell);
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

// Each table's columns in order: `c(field)` for the field a column fills.
template <class Read>
void fill(UnitRecord& u, Read& c) {
    c(u.Number);
    for (auto f :
         {&UnitRecord::Name, &UnitRecord::Unique, &UnitRecord::Mounted, &UnitRecord::Sacred, &UnitRecord::Female})
        c(u.*f);
    for (auto f :
         {&UnitRecord::God,         &UnitRecord::Extra7,          &UnitRecord::Size,         &UnitRecord::HitPoints,
          &UnitRecord::Morale,      &UnitRecord::MagicResistance, &UnitRecord::LeaderNormal, &UnitRecord::LeaderUndead,
          &UnitRecord::LeaderMagic, &UnitRecord::SlotsHand,       &UnitRecord::SlotsHead,    &UnitRecord::SlotsBody,
          &UnitRecord::SlotsFoot,   &UnitRecord::SlotsMisc,       &UnitRecord::PathFire,     &UnitRecord::PathAir,
          &UnitRecord::PathWater,   &UnitRecord::PathEarth,       &UnitRecord::PathAstral,   &UnitRecord::PathDeath,
          &UnitRecord::PathNature,  &UnitRecord::PathBlood,       &UnitRecord::PathHoly})
        c(u.*f);
    for (int j = 0; j < 4; ++j) {
        c(u.RandMagicTag[j]);
        c(u.RandMagicNum1[j]);
        c(u.RandMagicNum2[j]);
        c(u.RandMagicPaths[j]);
    }
    for (auto f : {&UnitRecord::Undead, &UnitRecord::Demon, &UnitRecord::MagicBeing, &UnitRecord::Animal,
                   &UnitRecord::Spy, &UnitRecord::Assassin, &UnitRecord::Glamour})
        c(u.*f);
    c(u.Stealth);
    for (auto f : {&UnitRecord::ResistLightning, &UnitRecord::ResistFire, &UnitRecord::ResistCold,
                   &UnitRecord::ResistPoison, &UnitRecord::DarkVision, &UnitRecord::Regeneration, &UnitRecord::Forge,
                   &UnitRecord::Heal, &UnitRecord::Alchemy, &UnitRecord::Luck, &UnitRecord::Insane})
        c(u.*f);
    c(u.Standard);
    c(u.Extra65);
    for (auto f : {&UnitRecord::Awe, &UnitRecord::Fear, &UnitRecord::Berserk, &UnitRecord::Chill, &UnitRecord::Heat,
                   &UnitRecord::FireShield, &UnitRecord::BanefireShield, &UnitRecord::BloodVengeance,
                   &UnitRecord::DiseaseCloud, &UnitRecord::PoisonCloud})
        c(u.*f);
    c(u.IceArmor);
    for (auto f : {&UnitRecord::Pillage, &UnitRecord::Patrol, &UnitRecord::CastleDefence, &UnitRecord::Siege,
                   &UnitRecord::Supply, &UnitRecord::Sage, &UnitRecord::BloodHunt, &UnitRecord::VoidSummoning})
        c(u.*f);
    for (auto f : {&UnitRecord::SurviveForest,     &UnitRecord::SurviveMountain, &UnitRecord::SurviveWaste,
                   &UnitRecord::SurviveSwamp,      &UnitRecord::MoveAquatic,     &UnitRecord::MoveAmphibian,
                   &UnitRecord::MovePoorAmphibian, &UnitRecord::MoveFlying,      &UnitRecord::MoveStormflyer,
                   &UnitRecord::MoveSailing,       &UnitRecord::ColdBlooded,     &UnitRecord::Ethereal,
                   &UnitRecord::TrueEthereal,      &UnitRecord::Trample,         &UnitRecord::Blind,
                   &UnitRecord::Recuperation,      &UnitRecord::Immortal,        &UnitRecord::Mindless,
                   &UnitRecord::Lifeless,          &UnitRecord::NoEat,           &UnitRecord::NoHeal,
                   &UnitRecord::PoisonArmor,       &UnitRecord::Seduce,          &UnitRecord::Succubus,
                   &UnitRecord::Petrify,           &UnitRecord::Eyeloss,         &UnitRecord::Inquisitor,
                   &UnitRecord::WinterStrength,    &UnitRecord::SpringStrength,  &UnitRecord::SummerStrength,
                   &UnitRecord::FallStrength,      &UnitRecord::Reanimator})
        c(u.*f);
    for (auto f :
         {&UnitRecord::Summon, &UnitRecord::SummonExtra, &UnitRecord::AutoSummon, &UnitRecord::AutoSummonExtra,
          &UnitRecord::BattleSummon, &UnitRecord::BattleSummonExtra, &UnitRecord::DomSummon,
          &UnitRecord::DomSummonExtra, &UnitRecord::ShapeChange, &UnitRecord::FirstShape, &UnitRecord::SecondShape,
          &UnitRecord::SecondTmpShape, &UnitRecord::LandShape, &UnitRecord::SeaShape})
        c(u.*f);
    c(u.UniqueName);
    c(u.Special);
}

template <class Read>
void fill(ItemRecord& i, Read& c) {
    c(i.Number);
    c(i.Name);
    c(i.Category);
    c(i.ClassCode);
    c(i.Path1);
    c(i.Level1);
    c(i.Path2);
    c(i.Level2);
}

template <class Read>
void fill(SiteRecord& s, Read& c) {
    c(s.Number);
    c(s.Name);
    c(s.Extra2);
    c(s.Frequency);
    c(s.Mask32);
    c(s.Level);
    c(s.MagicType);
    for (auto f :
         {&SiteRecord::GemsFire, &SiteRecord::GemsAir, &SiteRecord::GemsWater, &SiteRecord::GemsEarth,
          &SiteRecord::GemsAstral, &SiteRecord::GemsDeath, &SiteRecord::GemsNature, &SiteRecord::GemsBlood,
          &SiteRecord::Gold, &SiteRecord::Resources, &SiteRecord::Supply, &SiteRecord::Unrest, &SiteRecord::Experience})
        c(s.*f);
    c(s.Laboratory);
    c(s.Fort);
    for (int j = 0; j < 4; ++j) {
        c(s.RecUnitNumber[j]);
        c(s.RecUnitName[j]);
    }
    c(s.SummonPath);
    for (int j = 0; j < 3; ++j) {
        c(s.SumUnitNumber[j]);
        c(s.SumUnitName[j]);
        c(s.SumUnitValue[j]);
    }
    for (auto f : {&SiteRecord::Scale1,        &SiteRecord::Scale2,          &SiteRecord::Conjuration,
                   &SiteRecord::Alteration,    &SiteRecord::Evocation,       &SiteRecord::Construction,
                   &SiteRecord::Enchantment,   &SiteRecord::Thaumaturgy,     &SiteRecord::BloodResearch,
                   &SiteRecord::Heal,          &SiteRecord::Disease,         &SiteRecord::Curse,
                   &SiteRecord::Horror,        &SiteRecord::HolyFire,        &SiteRecord::HolyPower,
                   &SiteRecord::Scry,          &SiteRecord::Adventure,       &SiteRecord::TerrainPlains,
                   &SiteRecord::TerrainForest, &SiteRecord::TerrainMountain, &SiteRecord::TerrainWaste,
                   &SiteRecord::TerrainFarm,   &SiteRecord::TerrainSea,      &SiteRecord::TerrainCoast,
                   &SiteRecord::TerrainSwamp,  &SiteRecord::TerrainDeepSea,  &SiteRecord::Extra66,
                   &SiteRecord::Unique})
        c(s.*f);
}

template <class Read>
void fill(NationRecord& n, Read& c) {
    c(n.Era);
    c(n.Number);
    c(n.Sea);
    c(n.Name);
}

template <class Read>
void fill(PopTypeRecord& p, Read& c) {
    c(p.Number);
    c(p.Name);
    for (int j = 0; j < 4; ++j) c(p.Units[j]);
    c(p.Extra6);
    for (int j = 0; j < 4; ++j) c(p.Commanders[j]);
}

// Where a record keeps each of its columns, by kind and place: what fill()
// above reads, in the same order, noted once per table by filling a record
// with a reader that notes each field's place.
enum class Kind : std::uint8_t { Text, Int16, Int32 };
struct Column {
    Kind kind;
    std::uint16_t offset;  // of the field in the record
};
// A table's columns, as many as its fill() reads.
struct Columns {
    std::array<Column, kMostFields> column{};
    int count = 0;
};

class ColumnNotes {
public:
    ColumnNotes(const void* record, Columns& columns) : record_(static_cast<const char*>(record)), columns_(columns) {}
    void operator()(const gs::text& field) { note(Kind::Text, &field); }
    void operator()(const std::int16_t& field) { note(Kind::Int16, &field); }
    void operator()(const std::int32_t& field) { note(Kind::Int32, &field); }

private:
    void note(Kind kind, const void* field) {
        columns_.column.at(static_cast<std::size_t>(columns_.count++)) = {
            kind, static_cast<std::uint16_t>(static_cast<const char*>(field) - record_)};
    }
    const char* record_;
    Columns& columns_;
};

template <class Record>
const Columns& columnsOf() {
    static_assert(std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record>);
    static const Columns columns = [] {
        Columns noted;
        Record record;
        ColumnNotes notes(&record, noted);
        fill(record, notes);
        return noted;
    }();
    return columns;
}

// A record whose every field holds what an empty cell stands for ("-666",
// -666), so that reading a line passes its empty cells by.
template <class Record>
const Record& blankOf() {
    static const Record blank = [] {
        Record record;
        char* const fields = reinterpret_cast<char*>(&record);
        const Columns& columns = columnsOf<Record>();
        for (int k = 0; k < columns.count; ++k) {
            char* const field = fields + columns.column[k].offset;
            switch (columns.column[k].kind) {
            case Kind::Text: *reinterpret_cast<gs::text*>(field) = kAbsentCell; break;
            case Kind::Int16: *reinterpret_cast<std::int16_t*>(field) = kAbsent; break;
            case Kind::Int32: *reinterpret_cast<std::int32_t*>(field) = kAbsent; break;
            }
        }
        return record;
    }();
    return blank;
}

// Fills rows from the lines, each cell into its column's field.
template <class Record>
LoadStatus parseTable(std::string_view bytes, const std::string& path, const TableFormat& format,
                      std::vector<Record>& rows) {
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    // Kept in locals: a store through a record's bytes could be any object's,
    // so what the loop read from memory it would have to read again.
    const int needed = format.fields;
    const CellRule rule = format.cells;
    const int afterLastTab = format.lastFieldAfterLastTab ? needed - 1 : -1;
    const Column* const columns = columnsOf<Record>().column.data();
    if (columnsOf<Record>().count != needed) throw std::logic_error("a table's fill() reads other columns than it needs");
    const Record& blank = blankOf<Record>();
    CellFailure failure;
    const auto read = [&](char* fields, int k, std::string_view cell) __attribute__((always_inline)) {
        char* const field = fields + columns[k].offset;
        switch (columns[k].kind) {
        case Kind::Text: *reinterpret_cast<gs::text*>(field) = textCell(cell, rule, failure, k); break;
        case Kind::Int16:
            *reinterpret_cast<std::int16_t*>(field) =
                static_cast<std::int16_t>(numberCell(cell, INT16_MIN, INT16_MAX, rule, failure, k));
            break;
        case Kind::Int32:
            *reinterpret_cast<std::int32_t*>(field) =
                static_cast<std::int32_t>(numberCell(cell, INT32_MIN, INT32_MAX, rule, failure, k));
            break;
        }
    };
    const auto lineFails = [&](int r, const std::string& why) {
        return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + why);
    };
    Lines lines(bytes);
    for (int r = 0; r < format.lines; ++r) {
        std::string_view line;
        if (!lines.next(line))
            return LoadStatus::failure(path + ": ends after " + std::to_string(r) + " of " +
                                       std::to_string(format.lines) + " lines");
        Record record = blank;
        char* const fields = reinterpret_cast<char*>(&record);
        const int count = forEachCell(line, needed, [&](int k, std::string_view cell) __attribute__((always_inline)) {
            if ((cell.empty() && rule != CellRule::None) || k == afterLastTab) return;
            read(fields, k, cell);
        });
        if (count < needed)
            return lineFails(r, " has " + std::to_string(count) + " fields, " + std::to_string(needed) + " needed");
        const auto lastAfterTab = [&line] { return line.substr(line.rfind('\t') + 1); };
        if (afterLastTab >= 0) read(fields, afterLastTab, lastAfterTab());
        if (holdsLineBreak(line)) {
            int broken = -1;
            forEachCell(line, needed, [&](int k, std::string_view cell) {
                if (broken < 0 && holdsLineBreak(k == afterLastTab ? lastAfterTab() : cell)) broken = k;
            });
            if (broken >= 0) return lineFails(r, ", field " + std::to_string(broken) + ": " + kHoldsLineBreak);
        }
        if (failure.failed()) return lineFails(r, ", field " + std::to_string(failure.field) + ": " + failure.why);
        rows[r] = record;
    }
    return LoadStatus::success();
}

}  // namespace

LoadStatus parseUnits(std::string_view bytes, const std::string& path, std::vector<UnitRecord>& rows) {
    return parseTable(bytes, path, kUnitFormat, rows);
}
LoadStatus parseItems(std::string_view bytes, const std::string& path, std::vector<ItemRecord>& rows) {
    return parseTable(bytes, path, kItemFormat, rows);
}
LoadStatus parseSites(std::string_view bytes, const std::string& path, std::vector<SiteRecord>& rows) {
    return parseTable(bytes, path, kSiteFormat, rows);
}
LoadStatus parseNations(std::string_view bytes, const std::string& path, std::vector<NationRecord>& rows) {
    return parseTable(bytes, path, kNationFormat, rows);
}
LoadStatus parsePopTypes(std::string_view bytes, const std::string& path, std::vector<PopTypeRecord>& rows) {
    return parseTable(bytes, path, kPopTypeFormat, rows);
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
static_assert(kUnitFormat.fields <= kMostFields && kSiteFormat.fields <= kMostFields);

}  // namespace gs
