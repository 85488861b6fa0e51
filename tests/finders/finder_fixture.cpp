#include "finder_fixture.h"

#include "model/table_reader.h"

namespace gs::test {

FinderTest::FinderTest() {
    app.start();
    // Tables of filler rows as the loaders read them from files of empty cells.
    std::vector<Row> units, sites;
    for (int r = 0; r < kUnitRows - 1; ++r) units.push_back(unitRow(5000 + r, "filler"));
    for (int r = 0; r < kSiteRows - 1; ++r) sites.push_back(siteRow(3000 + r, "filler"));
    // The rows view these bytes, so they live as long as the fixture.
    unitBytes = tableText(units);
    siteBytes = tableText(sites);
    EXPECT_TRUE(parseUnits(unitBytes, "units", e.Units));
    EXPECT_TRUE(parseSites(siteBytes, "sites", e.Sites));
}

}  // namespace gs::test
