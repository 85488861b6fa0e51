#include "model/table_reader.h"


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

// The cells of one line in column order, read through a cursor as the
// record's fields are filled: one pass over the line's bytes, which stops
// after the last needed field. The first cell that fails (no number of its
// range, a text too long) is kept with why; later reads return placeholders.
class Cells {
public:
    Cells(std::string_view line, const TableFormat& format)
        : line_(line), at_(line.data()), end_(line.data() + line.size()), fields_(format.fields),
          lastAfterLastTab_(format.lastFieldAfterLastTab ? format.fields : 0), rule_(format.cells) {}

    [[gnu::always_inline]] gs::text text() {
        const std::string_view cell = next();
        if (cell.size() > static_cast<std::size_t>(kMaxLineLength)) [[unlikely]] {
            failLongText(cell);
            return kAbsentText;
        }
        switch (stands(cell)) {
        case Stands::Absent: return kAbsentText;
        case Stands::Star: return "-999";
        default: return gs::text(cell);
        }
    }
    [[gnu::always_inline]] std::int16_t i16() { return static_cast<std::int16_t>(number(INT16_MIN, INT16_MAX)); }
    [[gnu::always_inline]] std::int32_t i32() { return static_cast<std::int32_t>(number(INT32_MIN, INT32_MAX)); }

    // The fields the line has, counted up to the needed ones (so a short
    // line reports its count), once the record is filled.
    int fieldCount() {
        while (read_ < fields_) next();
        return ended_ ? present_ : read_;
    }
    // The next cell as it stands in the line; empty past the line's end.
    [[gnu::always_inline]] std::string_view next() {
        ++read_;
        if (ended_) return {};
        const char* const start = at_;
        while (at_ != end_ && *at_ != '\t') ++at_;
        const std::string_view cell(start, static_cast<std::size_t>(at_ - start));
        if (at_ == end_) {
            ended_ = true;
            present_ = read_;
        } else {
            ++at_;
        }
        if (read_ == lastAfterLastTab_) [[unlikely]]
            return line_.substr(line_.rfind('\t') + 1);
        return cell;
    }

    bool failed() const { return failedField_ >= 0; }
    int failedField() const { return failedField_; }
    const std::string& why() const { return why_; }

private:
    [[gnu::always_inline]] std::int64_t number(std::int64_t min, std::int64_t max) {
        const std::string_view cell = next();
        std::int64_t value = kAbsent;
        switch (stands(cell)) {
        case Stands::Absent: break;
        case Stands::Star: value = kStar; break;
        default:
            if (!readPlainInteger(cell, value) || value < min || value > max) [[unlikely]]
                value = otherNumber(cell, min, max);
        }
        return value;
    }
    // Any other spelling of a number, or the failure to read one.
    std::int64_t otherNumber(std::string_view cell, std::int64_t min, std::int64_t max) {
        const NumberResult r = toInteger(cell, min, max);
        if (!r.ok()) fail(numberFailure(cell, r.error));
        return r.value;
    }
    void failLongText(std::string_view cell) {
        fail("a text of " + std::to_string(cell.size()) + " bytes, longer than " + std::to_string(kMaxLineLength));
    }
    // Blames the cell read last.
    void fail(std::string why) {
        if (failed()) return;
        failedField_ = read_ - 1;
        why_ = std::move(why);
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

    const std::string_view line_;
    const char* at_;
    const char* const end_;
    const int fields_;            // the fields a line needs
    const int lastAfterLastTab_;  // the field that is the text after the last Tab; 0 for none
    const CellRule rule_;
    bool ended_ = false;
    int read_ = 0;     // cells read so far
    int present_ = 0;  // the fields of a line that ended before them
    int failedField_ = -1;
    std::string why_;
};

// The first needed field of a line that holds a line break, or -1.
int fieldWithLineBreak(std::string_view line, const TableFormat& format) {
    if (!holdsLineBreak(line)) return -1;
    Cells cells(line, format);
    for (int i = 0; i < format.fields; ++i)
        if (holdsLineBreak(cells.next())) return i;
    return -1;
}

template <class Record, class Fill>
LoadStatus parseTable(std::string_view bytes, const std::string& path, const TableFormat& format,
                      std::vector<Record>& rows, Fill fill) {
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    Lines lines(bytes);
    for (int r = 0; r < format.lines; ++r) {
        std::string_view line;
        if (!lines.next(line))
            return LoadStatus::failure(path + ": ends after " + std::to_string(r) + " of " +
                                       std::to_string(format.lines) + " lines");
        Cells cells(line, format);
        Record record;
        fill(record, cells);
        if (const int count = cells.fieldCount(); count < format.fields)
            return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + " has " + std::to_string(count) +
                                       " fields, " + std::to_string(format.fields) + " needed");
        if (const int field = fieldWithLineBreak(line, format); field >= 0)
            return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + ", field " + std::to_string(field) +
                                       ": " + kHoldsLineBreak);
        if (cells.failed())
            return LoadStatus::failure(path + ": line " + std::to_string(r + 1) + ", field " +
                                       std::to_string(cells.failedField()) + ": " + cells.why());
        rows[r] = std::move(record);
    }
    return LoadStatus::success();
}

void fillUnit(UnitRecord& u, Cells& c) {
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

void fillItem(ItemRecord& i, Cells& c) {
    i.Number = c.i16();
    i.Name = c.text();
    i.Category = c.text();
    i.ClassCode = c.i16();
    i.Path1 = c.text();
    i.Level1 = c.i16();
    i.Path2 = c.text();
    i.Level2 = c.i16();
}

void fillSite(SiteRecord& s, Cells& c) {
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

void fillNation(NationRecord& n, Cells& c) {
    n.Era = c.text();
    n.Number = c.i16();
    n.Sea = c.text();
    n.Name = c.text();
}

void fillPopType(PopTypeRecord& p, Cells& c) {
    p.Number = c.i16();
    p.Name = c.text();
    for (int j = 0; j < 4; ++j) p.Units[j] = c.i16();
    p.Extra6 = c.i16();
    for (int j = 0; j < 4; ++j) p.Commanders[j] = c.i16();
}

}  // namespace

LoadStatus parseUnits(std::string_view bytes, const std::string& path, std::vector<UnitRecord>& rows) {
    return parseTable(bytes, path, kUnitFormat, rows, fillUnit);
}
LoadStatus parseItems(std::string_view bytes, const std::string& path, std::vector<ItemRecord>& rows) {
    return parseTable(bytes, path, kItemFormat, rows, fillItem);
}
LoadStatus parseSites(std::string_view bytes, const std::string& path, std::vector<SiteRecord>& rows) {
    return parseTable(bytes, path, kSiteFormat, rows, fillSite);
}
LoadStatus parseNations(std::string_view bytes, const std::string& path, std::vector<NationRecord>& rows) {
    return parseTable(bytes, path, kNationFormat, rows, fillNation);
}
LoadStatus parsePopTypes(std::string_view bytes, const std::string& path, std::vector<PopTypeRecord>& rows) {
    return parseTable(bytes, path, kPopTypeFormat, rows, fillPopType);
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
