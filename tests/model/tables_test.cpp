// The table readers: which cells are replaced (empty, one blank, a star),
// halves rounded to even, lines past the count never read, a failing row
// that keeps the rows before it, the longest cell, and reading a changed
// table again. The longest and most names: scripts/name_list_limits.txt.
#include "model/tables.h"

#include <gtest/gtest.h>

#include "model/columns.h"
#include "support/session.h"

namespace gs::test {
namespace {

// An editor on a test installation, optionally with one file replaced.
class Tables : public ::testing::Test {
protected:
    void install(const std::string& relative, const std::string& content) { s.emplace(InstallationOptions{{{relative, content}}}); }
    Editor& e() { return s->app.editor; }
    Form1& f() { return s->f; }
    std::string path(const std::string& relative) { return inFolder(s->folder, relative); }
    std::optional<Session> s;
};

TEST_F(Tables, UnitCellsFollowTheReplacementRules) {
    namespace u = col::unit;
    auto rows = defaultUnitRows();
    rows[0][u::Mounted] = "";         // empty text
    rows[0][u::HitPoints] = " ";      // single blank number
    rows[0][u::Morale] = "*";         // star number
    rows[0][u::Sacred] = "*";         // star text
    rows[0][u::Female] = "  ";        // two blanks stay
    rows[0][u::Unique] = " Unique ";  // no trimming
    rows[0][u::Size] = "2.5";         // halves round to even
    rows[0][u::MagicResistance] = "3.5";
    rows[0][u::Extra7] = "-32768.5";  // rounds to the even -32768, which fits
    rows[0][u::Special] = std::string(4000, 'x');  // the longest text a cell holds
    install(kUnitFile, tableText(rows));

    ASSERT_TRUE(loadUnits(e()));
    const UnitRecord& r = e().Units[0];
    EXPECT_EQ(std::tuple(r.Mounted, r.HitPoints, r.Morale, r.Sacred, r.Female, r.Unique, r.Size, r.MagicResistance,
                         r.Extra7, r.Name, r.Special),
              std::tuple("-666", -666, -999, "-999", "  ", " Unique ", 2, 4, -32768, "\xC6ther Drake", rows[0][u::Special]));
    EXPECT_EQ(e().Units[kUnitRows - 1].Name, "");  // the last row stays empty
}

TEST_F(Tables, UnitLinesAfterTheCountAreNeverReadAndTheLastNeedsNoLineEnd) {
    install(kUnitFile, tableText(defaultUnitRows()) + "garbage\r\n" + joinRow(unitRow(7, "Extra")) + "\r\n");
    EXPECT_TRUE(loadUnits(e()));

    std::string text;
    for (const auto& row : defaultUnitRows()) text += joinRow(row) + "\n";
    text.pop_back();
    install(kUnitFile, text);
    ASSERT_TRUE(loadUnits(e()));
    EXPECT_EQ(e().Units[kUnitRows - 2].Name, "Filler Unit 1982");
    EXPECT_EQ(e().Units[kUnitRows - 2].Special, "-666");  // no CR left in the last field
}

TEST_F(Tables, UnitFailuresKeepEarlierRowsButNotTheFailingOne) {
    namespace u = col::unit;
    const std::tuple<int, std::string, std::string> cases[] = {
        {u::HitPoints, "  ", "line 57, field 9: \"  \" is not a number"},  // only a single blank is empty
        {u::SeaShape, "32767.5", "line 57, field 130: \"32767.5\" is out of range"},
        {u::Number, "5\r", "line 57, field 0: holds a line break"},  // the first cell too
        {u::Special, std::string(4001, 'x'), "line 57, field 132: a text of 4001 bytes, longer than 4000"},
    };
    for (const auto& [column, cell, cause] : cases) {
        SCOPED_TRACE(cause);
        auto rows = defaultUnitRows();
        rows[56][column] = cell;
        install(kUnitFile, tableText(rows));
        EXPECT_EQ(loadUnits(e()).cause, path(kUnitFile) + ": " + cause);
        EXPECT_EQ(e().Units[55].Name, "Filler Unit 55");
        EXPECT_EQ(e().Units[56].Name, "");
    }
}

// Cells of every length, so that each Tab falls at every place of the 8-byte
// words the splitter reads; bytes a Tab's neighbours might be taken for (a
// backspace, 0x89) stay text.
TEST_F(Tables, UnitCellsSplitAtEveryTabWhereverItFalls) {
    namespace u = col::unit;
    const int texts[] = {u::Name,    u::Unique,   u::Female,   u::RandMagic, u::RandMagic + 15, u::Undead,
                         u::Extra65, u::IceArmor, u::Reanimator, u::UniqueName,  u::Special};
    for (int shift = 0; shift < 9; ++shift) {
        SCOPED_TRACE(shift);
        auto rows = defaultUnitRows();
        auto& row = rows[3];
        for (int k = 0; k < static_cast<int>(std::size(texts)); ++k)
            row[texts[k]] = std::string(static_cast<std::size_t>((shift + k) % 9 + 2), k % 2 ? '\x89' : '\x08');
        row[u::HitPoints] = std::to_string(shift * 111);
        row[u::Stealth] = "-" + std::to_string(shift * 1001);
        row[u::SeaShape] = std::to_string(shift);
        install(kUnitFile, tableText(rows));
        ASSERT_TRUE(loadUnits(e()));
        const UnitRecord& r = e().Units[3];
        const std::string_view read[] = {r.Name,   r.Unique,   r.Female,     r.RandMagicTag[0], r.RandMagicPaths[3],
                                         r.Undead, r.Extra65,  r.IceArmor,   r.Reanimator,      r.UniqueName,
                                         r.Special};
        for (int k = 0; k < static_cast<int>(std::size(texts)); ++k) EXPECT_EQ(read[k], row[texts[k]]) << k;
        EXPECT_EQ(std::tuple(r.Number, r.HitPoints, r.Stealth, r.SeaShape),
                  std::tuple(std::stoi(row[u::Number]), shift * 111, -shift * 1001, shift));

        row.pop_back();  // one field short, its last Tab anywhere in a word
        install(kUnitFile, tableText(rows));
        EXPECT_EQ(loadUnits(e()).cause, path(kUnitFile) + ": line 4 has 132 fields, 133 needed");
    }
}

TEST_F(Tables, ItemCellsFollowTheReplacementRules) {
    auto rows = defaultItemRows();
    rows[4] = {"77", "Blank Charm", " ", "*", "", "", "", ""};
    rows[5] = {"", "Nameless Number", "", "", "", "", "", ""};
    install(kItemFile, tableText(rows) + "not an item line\r\n");
    ASSERT_TRUE(loadItems(e()));
    const auto fields = [](const ItemRecord& r) {
        return std::tuple{r.Number, r.Category, r.ClassCode, r.Path1, r.Level1, r.Path2, r.Level2};
    };
    EXPECT_EQ(fields(e().Items[4]), std::tuple(77, "-666", -999, "-666", -666, "-666", -666));
    EXPECT_EQ(fields(e().Items[5]), std::tuple(-666, "-666", -666, "-666", -666, "-666", -666));
    EXPECT_EQ(fields(e().Items[1]), std::tuple(2, "helm", 8, "S", 3, "A", 1));
    EXPECT_EQ(e().ItemIndex[5], 77);
}

TEST_F(Tables, SitesReplaceOnlyEmptyCells) {
    namespace s = col::site;
    auto rows = defaultSiteRows();
    rows[0][s::Gold] = "";
    rows[0][s::TerrainWaste] = "";
    rows[0][s::TerrainFarm] = " ";
    rows[0][s::Scale2] = "*";
    rows[0][s::Mask32] = "100000";
    install(kSiteFile, tableText(rows));
    ASSERT_TRUE(loadSites(e()));
    const SiteRecord& r = e().Sites[0];
    EXPECT_EQ(std::tuple(r.Gold, r.TerrainWaste, r.TerrainFarm, r.Scale2, r.Mask32, r.RecUnitNumber[0],
                         r.RecUnitName[0], r.RecUnitNumber[4], r.RecUnitName[4], r.SumUnitNumber[3]),
              std::tuple(-666, "-666", " ", "*", 100000, 10, "Mossguard Spearman", 0, "", 0));
    const SiteRecord& forge = e().Sites[1];
    EXPECT_EQ(std::tuple(forge.SumUnitNumber[0], forge.SumUnitName[0], forge.SumUnitValue[0], forge.Scale1,
                         forge.TerrainMountain, forge.Unique),
              std::tuple(1822, "\xC6ther Drake", 1, "heat", "Yes", "Yes"));
}

TEST_F(Tables, NationsKeepEraAsReadAndReplaceCells) {
    auto rows = defaultNationRows();
    rows[1] = {"ea", "7", "", "Lowercase Realm", "ignored"};
    rows[2] = {"MA", "*", " ", "*"};
    install(kNationFile, tableText(rows));
    f().cboNation.addItem("kept");
    ASSERT_TRUE(loadNations(e()));
    const auto fields = [](const NationRecord& n) { return std::tuple{n.Era, n.Number, n.Sea, n.Name}; };
    EXPECT_EQ(fields(e().Nations[0]), std::tuple("EA", 5, "SEA", "Brinehold"));
    EXPECT_EQ(fields(e().Nations[1]), std::tuple("ea", 7, "-666", "Lowercase Realm"));
    EXPECT_EQ(fields(e().Nations[2]), std::tuple("MA", -999, "-666", "-999"));
    EXPECT_EQ(e().Nations[kNationRows - 1].Name, "");
    // Filling the nation picker is the era's business, not the loader's.
    EXPECT_EQ(f().cboNation.items(), std::vector<std::string>{"kept"});
}

TEST_F(Tables, PopTypesTakeTheLastCommanderAfterTheLastTab) {
    auto rows = defaultPopTypeRows();
    rows[1] = popTypeRow(2, "*", {1, 2, 3, 4}, 5, {6, 7, 8, 9});
    rows[1][10] = "skipped";  // twelve fields: the eleventh is never read
    rows[1].push_back("99");
    rows[2] = popTypeRow(3, " ", {1, 2, 3, 4}, 5, {6, 7, 8, 9});
    install(kPopTypeFile, tableText(rows));
    f().lblPTCmdr[2].setCaption("12");
    f().lblPTUnit[0].setCaption("10");
    ASSERT_TRUE(loadPopTypes(e()));

    const PopTypeRecord& r = e().PopTypes[1];
    EXPECT_EQ(std::tuple(r.Name, r.Units, r.Extra6, r.Commanders),
              std::tuple("*", std::array<i16, 5>{1, 2, 3, 4, 0}, 5, std::array<i16, 5>{6, 7, 8, 99, 0}));
    EXPECT_EQ(std::tuple(e().PopTypes[2].Name, e().PopTypes[2].Commanders[3], f().cboPopType.item(2)),
              std::tuple(" ", 9, "*"));
    EXPECT_EQ(e().PopTypes[0].Units, (std::array<i16, 5>{10, 14, -1, -1, 0}));
    EXPECT_EQ(f().lblPTCmdr[2].caption() + f().lblPTUnit[0].caption(), "-1-1");
}

// Reading a table again (every reset does) when the file has changed: the
// rows before a failing line come from the new file, the rows after it keep
// what they held, and every text cell still reads its own file's bytes, also
// after the failing reads and the good read that follows them. The table's
// file rewritten: names "<tag> <r>" on the first `good` lines,
// then a line of one field.
void rewrite(const std::string& path, std::vector<Row> rows, int nameColumn, const std::string& tag, int good) {
    for (int r = 0; r < good; ++r) rows[r][nameColumn] = tag + " " + std::to_string(r);
    rows[good] = {"1"};
    writeFile(path, tableText(rows));
}

template <class Record>
void check(const char* file, LoadStatus (*load)(Editor&), std::vector<Record> Editor::*table,
           std::vector<Row> (*defaults)(), int nameColumn) {
    SCOPED_TRACE(file);
    Session s;
    const std::string& root = s.folder;
    App& app = s.app;
    const std::vector<Record>& rows = app.editor.*table;
    ASSERT_TRUE(load(app.editor));
    const std::string oldLast(rows[defaults().size() - 1].Name);

    rewrite(root + "/" + file, defaults(), nameColumn, "New", 40);
    EXPECT_FALSE(load(app.editor));
    rewrite(root + "/" + file, defaults(), nameColumn, "Newer", 20);
    EXPECT_FALSE(load(app.editor));
    writeFile(root + "/" + file, "");
    EXPECT_FALSE(load(app.editor));
    EXPECT_EQ(std::tuple(rows[19].Name, rows[20].Name, rows[39].Name, rows[defaults().size() - 1].Name),
              std::tuple("Newer 19", "New 20", "New 39", oldLast));

    std::vector<Row> again = defaults();
    again.back()[nameColumn] = "Last again";
    writeFile(root + "/" + file, tableText(again));
    ASSERT_TRUE(load(app.editor));
    EXPECT_EQ(rows[0].Name, again[0][nameColumn]);
    EXPECT_EQ(rows[again.size() - 1].Name, "Last again");
}

TEST(TableReload, RowsAfterAFailingLineKeepTheirTexts) {
    check(kUnitFile, loadUnits, &Editor::Units, defaultUnitRows, 1);
    check(kItemFile, loadItems, &Editor::Items, defaultItemRows, 1);
    check(kSiteFile, loadSites, &Editor::Sites, defaultSiteRows, 1);
    check(kNationFile, loadNations, &Editor::Nations, defaultNationRows, 3);
    check(kPopTypeFile, loadPopTypes, &Editor::PopTypes, defaultPopTypeRows, 1);
}

// Every Clear All reads the tables again, and each read's texts take the
// place of the last one's, also when the file fails half-way each time.
// Thousands of reads later every table's texts are still its own, and a
// read still finds room for its texts.
TEST_F(Tables, ReadingAgainAndAgainKeepsEachTableItsTexts) {
    install(kNationFile, tableText(defaultNationRows()));
    ASSERT_TRUE(loadUnits(e()));
    for (int k = 0; k < 4100; ++k) ASSERT_TRUE(loadNations(e())) << k;
    std::vector<Row> failing = defaultNationRows();
    failing[0][3] = "Renamed";
    failing[1] = {"1"};
    writeFile(path(kNationFile), tableText(failing));
    for (int k = 0; k < 4100; ++k) ASSERT_EQ(loadNations(e()).cause, path(kNationFile) + ": line 2 has 1 fields, 4 needed") << k;
    EXPECT_EQ(std::tuple(e().Units[0].Name, e().Units[kUnitRows - 2].Name, e().Nations[0].Name,
                         e().Nations[kNationRows - 2].Name),
              std::tuple("\xC6ther Drake", "Filler Unit 1982", "Renamed", defaultNationRows().back()[3]));
}

}  // namespace
}  // namespace gs::test
