// Reading a table again (every reset does) when the file has changed: the
// rows before a failing line come from the new file, the rows after it keep
// what they held, and every text cell still reads its own file's bytes, also
// after the failing reads and the good read that follows them.
#include <gtest/gtest.h>

#include "model/tables.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace gs::test {
namespace {

// The table's file rewritten: names "<tag> <r>" on the first `good` lines,
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
    const std::string root = makeInstallation();
    FakePlatform platform(root);
    App app(platform);
    const std::vector<Record>& rows = app.editor.*table;
    ASSERT_TRUE(load(app.editor));
    const std::string oldLast(rows[defaults().size() - 1].Name);

    rewrite(root + "/" + file, defaults(), nameColumn, "New", 40);
    EXPECT_FALSE(load(app.editor));
    rewrite(root + "/" + file, defaults(), nameColumn, "Newer", 20);
    EXPECT_FALSE(load(app.editor));
    writeFile(root + "/" + file, "");
    EXPECT_FALSE(load(app.editor));
    EXPECT_EQ(rows[19].Name, "Newer 19");
    EXPECT_EQ(rows[20].Name, "New 20");
    EXPECT_EQ(rows[39].Name, "New 39");
    EXPECT_EQ(rows[defaults().size() - 1].Name, oldLast);

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

}  // namespace
}  // namespace gs::test
