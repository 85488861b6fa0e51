#include "model/table_reader.h"


#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

// Splits a line at its Tabs into its first `wanted` cells (at most); returns
// how many it has. The Tabs are found eight bytes at a time: the unit table
// is mostly empty cells, so a line is mostly Tabs.
int splitAtTabs(std::string_view line, std::string_view* cells, int wanted) {
    const char* const bytes = line.data();
    const std::size_t size = line.size();
    int count = 0;
    std::size_t start = 0;  // of the cell being read
    const auto cellEndsAt = [&](std::size_t tab) {
        cells[count++] = std::string_view(bytes + start, tab - start);
        start = tab + 1;
        return count == wanted;
    };
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F, kTabs = 0x0909090909090909;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            const std::uint64_t x = word ^ kTabs;  // a Tab byte is now 0
            // The high bit of every byte that is 0, and of no other.
            for (std::uint64_t tabs = ~(((x & kLow7) + kLow7) | x | kLow7); tabs != 0; tabs &= tabs - 1)
                if (cellEndsAt(i + static_cast<std::size_t>(std::countr_zero(tabs) / 8))) return count;
        }
    }
    for (; i < size; ++i)
        if (bytes[i] == '\t' && cellEndsAt(i)) return count;
    cells[count++] = std::string_view(bytes + start, size - start);
    return count;
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

// The needed cells of one line, read in column order as the record's fields
// are filled. The first cell that fails goes to `failure`; the record is then
// not kept.
class Cells {
public:
    Cells(const std::string_view* cells, CellRule rule, CellFailure& failure)
        : cells_(cells), rule_(rule), failure_(failure) {}

    [[gnu::always_inline]] gs::text text() {
        const std::string_view cell = cells_[read_++];
        if (cell.size() > 1) [[likely]] {
            if (cell.size() > static_cast<std::size_t>(kMaxLineLength)) [[unlikely]] {
                blameLongText(cell, failure_, read_ - 1);
                return kAbsentCell;
            }
            return gs::text(cell);
        }
        switch (stands(cell)) {
        case Stands::Absent: return kAbsentCell;
        case Stands::Star: return kStarCell;
        default: return gs::text(cell);
        }
    }
    [[gnu::always_inline]] std::int16_t i16() { return static_cast<std::int16_t>(number(INT16_MIN, INT16_MAX)); }
    [[gnu::always_inline]] std::int32_t i32() { return static_cast<std::int32_t>(number(INT32_MIN, INT32_MAX)); }

private:
    [[gnu::always_inline]] std::int64_t number(std::int64_t min, std::int64_t max) {
        const std::string_view cell = cells_[read_++];
        std::int64_t value;
        if (readPlainInteger(cell, value) && value >= min && value <= max) [[likely]]
            return value;
        switch (stands(cell)) {
        case Stands::Absent: return kAbsent;
        case Stands::Star: return kStar;
        default: return otherNumber(cell, min, max, failure_, read_ - 1);
        }
    }
    // What a cell stands for under the table's rule: itself, an absent value
    // ("-666") or a star ("-999"). Only "", " " and "*" can stand for more.
    enum class Stands { Itself, Absent, Star };
    Stands stands(std::string_view cell) const {
        if (cell.size() > 1 || rule_ == CellRule::None) return Stands::Itself;
        if (cell.empty() || (rule_ == CellRule::AbsentAndStar && cell[0] == ' ')) return Stands::Absent;
        if (rule_ == CellRule::AbsentAndStar && cell[0] == '*') return Stands::Star;
        return Stands::Itself;
    }

    const std::string_view* const cells_;
    const CellRule rule_;
    CellFailure& failure_;
    int read_ = 0;  // cells read so far
};

// The most fields a table needs.
constexpr int kMostFields = 133;

// Fills rows from the lines; `fill(record, cells)` reads one line's cells
// into a record (inlined here, so that reading a cell stays a few steps).
template <class Record, class Fill>
LoadStatus parseTable(std::string_view bytes, const std::string& path, const TableFormat& format,
                      std::vector<Record>& rows, Fill fill) {
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    Lines lines(bytes);
    std::array<std::string_view, kMostFields> cells;
    CellFailure failure;
    const auto lineFails = [&](int r, const std::string& why) {
        return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + why);
    };
    for (int r = 0; r < format.lines; ++r) {
        std::string_view line;
        if (!lines.next(line))
            return LoadStatus::failure(path + ": ends after " + std::to_string(r) + " of " +
                                       std::to_string(format.lines) + " lines");
        if (const int count = splitAtTabs(line, cells.data(), format.fields); count < format.fields)
            return lineFails(r, " has " + std::to_string(count) + " fields, " + std::to_string(format.fields) +
                                    " needed");
        if (format.lastFieldAfterLastTab) cells[format.fields - 1] = line.substr(line.rfind('\t') + 1);
        if (holdsLineBreak(line))
            for (int field = 0; field < format.fields; ++field)
                if (holdsLineBreak(cells[field]))
                    return lineFails(r, ", field " + std::to_string(field) + ": " + kHoldsLineBreak);
        Cells reader(cells.data(), format.cells, failure);
        Record record;
        fill(record, reader);
        if (failure.failed()) return lineFails(r, ", field " + std::to_string(failure.field) + ": " + failure.why);
        rows[r] = record;
    }
    return LoadStatus::success();
}

[[gnu::always_inline]] inline void fillUnit(UnitRecord& u, Cells& c) {
    u.Number = c.i16();
    for (auto f :
         {&UnitRecord::Name, &UnitRecord::Unique, &UnitRecord::Mounted, &UnitRecord::Sacred, &UnitRecord::Female})
        u.*f = c.text();
    for (auto f :
         {&UnitRecord::God,         &UnitRecord::Extra7,          &UnitRecord::Size,         &UnitRecord::HitPoints,
          &UnitRecord::Morale,      &UnitRecord::MagicResistance, &UnitRecord::LeaderNormal, &UnitRecord::LeaderUndead,
          &UnitRecord::LeaderMagic, &UnitRecord::SlotsHand,       &UnitRecord::SlotsHead,    &UnitRecord::SlotsBody,
          &UnitRecord::SlotsFoot,   &UnitRecord::SlotsMisc,       &UnitRecord::PathFire,     &UnitRecord::PathAir,
          &UnitRecord::PathWater,   &UnitRecord::PathEarth,       &UnitRecord::PathAstral,   &UnitRecord::PathDeath,
          &UnitRecord::PathNature,  &UnitRecord::PathBlood,       &UnitRecord::PathHoly})
        u.*f = c.i16();
    for (int j = 0; j < 4; ++j) {
        u.RandMagicTag[j] = c.text();
        u.RandMagicNum1[j] = c.i16();
        u.RandMagicNum2[j] = c.i16();
        u.RandMagicPaths[j] = c.text();
    }
    for (auto f : {&UnitRecord::Undead, &UnitRecord::Demon, &UnitRecord::MagicBeing, &UnitRecord::Animal,
                   &UnitRecord::Spy, &UnitRecord::Assassin, &UnitRecord::Glamour})
        u.*f = c.text();
    u.Stealth = c.i16();
    for (auto f : {&UnitRecord::ResistLightning, &UnitRecord::ResistFire, &UnitRecord::ResistCold,
                   &UnitRecord::ResistPoison, &UnitRecord::DarkVision, &UnitRecord::Regeneration, &UnitRecord::Forge,
                   &UnitRecord::Heal, &UnitRecord::Alchemy, &UnitRecord::Luck, &UnitRecord::Insane})
        u.*f = c.text();
    u.Standard = c.i16();
    u.Extra65 = c.text();
    for (auto f : {&UnitRecord::Awe, &UnitRecord::Fear, &UnitRecord::Berserk, &UnitRecord::Chill, &UnitRecord::Heat,
                   &UnitRecord::FireShield, &UnitRecord::BanefireShield, &UnitRecord::BloodVengeance,
                   &UnitRecord::DiseaseCloud, &UnitRecord::PoisonCloud})
        u.*f = c.i16();
    u.IceArmor = c.text();
    for (auto f : {&UnitRecord::Pillage, &UnitRecord::Patrol, &UnitRecord::CastleDefence, &UnitRecord::Siege,
                   &UnitRecord::Supply, &UnitRecord::Sage, &UnitRecord::BloodHunt, &UnitRecord::VoidSummoning})
        u.*f = c.i16();
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
        u.*f = c.text();
    for (auto f :
         {&UnitRecord::Summon, &UnitRecord::SummonExtra, &UnitRecord::AutoSummon, &UnitRecord::AutoSummonExtra,
          &UnitRecord::BattleSummon, &UnitRecord::BattleSummonExtra, &UnitRecord::DomSummon,
          &UnitRecord::DomSummonExtra, &UnitRecord::ShapeChange, &UnitRecord::FirstShape, &UnitRecord::SecondShape,
          &UnitRecord::SecondTmpShape, &UnitRecord::LandShape, &UnitRecord::SeaShape})
        u.*f = c.i16();
    u.UniqueName = c.text();
    u.Special = c.text();
}

[[gnu::always_inline]] inline void fillItem(ItemRecord& i, Cells& c) {
    i.Number = c.i16();
    i.Name = c.text();
    i.Category = c.text();
    i.ClassCode = c.i16();
    i.Path1 = c.text();
    i.Level1 = c.i16();
    i.Path2 = c.text();
    i.Level2 = c.i16();
}

[[gnu::always_inline]] inline void fillSite(SiteRecord& s, Cells& c) {
    s.Number = c.i16();
    s.Name = c.text();
    s.Extra2 = c.i16();
    s.Frequency = c.i16();
    s.Mask32 = c.i32();
    s.Level = c.i16();
    s.MagicType = c.text();
    for (auto f :
         {&SiteRecord::GemsFire, &SiteRecord::GemsAir, &SiteRecord::GemsWater, &SiteRecord::GemsEarth,
          &SiteRecord::GemsAstral, &SiteRecord::GemsDeath, &SiteRecord::GemsNature, &SiteRecord::GemsBlood,
          &SiteRecord::Gold, &SiteRecord::Resources, &SiteRecord::Supply, &SiteRecord::Unrest, &SiteRecord::Experience})
        s.*f = c.i16();
    s.Laboratory = c.text();
    s.Fort = c.i16();
    for (int j = 0; j < 4; ++j) {
        s.RecUnitNumber[j] = c.i16();
        s.RecUnitName[j] = c.text();
    }
    s.SummonPath = c.text();
    for (int j = 0; j < 3; ++j) {
        s.SumUnitNumber[j] = c.i16();
        s.SumUnitName[j] = c.text();
        s.SumUnitValue[j] = c.i16();
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
        s.*f = c.text();
}

[[gnu::always_inline]] inline void fillNation(NationRecord& n, Cells& c) {
    n.Era = c.text();
    n.Number = c.i16();
    n.Sea = c.text();
    n.Name = c.text();
}

[[gnu::always_inline]] inline void fillPopType(PopTypeRecord& p, Cells& c) {
    p.Number = c.i16();
    p.Name = c.text();
    for (int j = 0; j < 4; ++j) p.Units[j] = c.i16();
    p.Extra6 = c.i16();
    for (int j = 0; j < 4; ++j) p.Commanders[j] = c.i16();
}

}  // namespace

LoadStatus parseUnits(std::string_view bytes, const std::string& path, std::vector<UnitRecord>& rows) {
    return parseTable(bytes, path, kUnitFormat, rows, [](UnitRecord& u, Cells& c) { fillUnit(u, c); });
}
LoadStatus parseItems(std::string_view bytes, const std::string& path, std::vector<ItemRecord>& rows) {
    return parseTable(bytes, path, kItemFormat, rows, [](ItemRecord& i, Cells& c) { fillItem(i, c); });
}
LoadStatus parseSites(std::string_view bytes, const std::string& path, std::vector<SiteRecord>& rows) {
    return parseTable(bytes, path, kSiteFormat, rows, [](SiteRecord& s, Cells& c) { fillSite(s, c); });
}
LoadStatus parseNations(std::string_view bytes, const std::string& path, std::vector<NationRecord>& rows) {
    return parseTable(bytes, path, kNationFormat, rows, [](NationRecord& n, Cells& c) { fillNation(n, c); });
}
LoadStatus parsePopTypes(std::string_view bytes, const std::string& path, std::vector<PopTypeRecord>& rows) {
    return parseTable(bytes, path, kPopTypeFormat, rows, [](PopTypeRecord& p, Cells& c) { fillPopType(p, c); });
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
