// A unit or site whose cells hold megabytes (a hostile table) is shown with
// each long cell cut to its first 1000 bytes and "...", so that picking it
// never leaves the description box laying out megabytes.
#include <gtest/gtest.h>

#include <string>

#include "finders/finder_fixture.h"

namespace gs::test {
namespace {

class LongCellsTest : public FinderTest {
protected:
    void pick(ComboBox& picker, const std::string& name) {
        const auto& items = picker.items();
        picker.setListIndex(static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    }
};

TEST_F(LongCellsTest, DescriptionsCutLongCells) {
    const std::string big(1 << 20, 'w'), shown = std::string(1000, 'w') + "...";
    const std::string edge(1000, 'e');  // a cell of exactly the kept length stays whole
    e.Units[0].Number = 8;
    e.Units[0].Name = e.Units[0].Special = kept(big);
    e.Units[0].UniqueName = kept(edge);
    e.Sites[0].Number = 9;
    e.Sites[0].Name = e.Sites[0].MagicType = kept(big);
    f.cmdUApplyFilters.click();
    pick(f.cboUnitFound, big);
    EXPECT_EQ(f.txtUnitDescription.text(),
              "8 " + shown + "\r\n\r\n\r\n\r\n\r\n\r\n, uniquename " + edge + ", special " + shown);
    f.cmdSApplyFilters.click();
    pick(f.cboFeature, big);
    EXPECT_EQ(f.txtSiteDescription.text().substr(0, 1005), "9 " + shown);
    EXPECT_NE(f.txtSiteDescription.text().find(", type " + shown), std::string::npos);
    EXPECT_LT(f.txtSiteDescription.text().size(), 5000u);
}

}  // namespace
}  // namespace gs::test
