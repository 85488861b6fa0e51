#include "finder_fixture.h"
#include "window/references.h"

namespace gs::test {
namespace {

class PopTypeTest : public FinderTest {
protected:
    PopTypeTest() {
        e.Units[0] = blankUnit(10, "Mossguard Spearman");
        e.Units[1] = blankUnit(11, "Kolnar Captain");
        e.Units[2] = blankUnit(11, "Kolnar Captain, later row");
        e.Units[3] = blankUnit(14, "Hollow Shade");
        e.PopTypes[0] = {1, "Marsh Folk", {10, 14, -1, -1, 0}, 0, {11, 99, -1, -1, 0}};
        e.PopTypes[1] = {2, "Hill Clans", {10, 10, 10, 10, 0}, 0, {14, 10, 14, 10, 0}};
        f.cboPopType.addItems({"None", "Marsh Folk", "Hill Clans"});
    }
};

TEST_F(PopTypeTest, PickedTypeShowsItsUnitsAsLinks) {
    f.cboPopType.setListIndex(2);
    expectLink(f.lblPTCmdr[1], "10", "Mossguard Spearman");

    f.cboPopType.setListIndex(1);
    expectLink(f.lblPTUnit[0], "10", "Mossguard Spearman");
    expectLink(f.lblPTUnit[1], "14", "Hollow Shade");
    expectEmpty(f.lblPTUnit[2]);
    expectEmpty(f.lblPTUnit[3]);
    expectLink(f.lblPTCmdr[0], "11", "Kolnar Captain, later row");
    // A number without a unit links but names nothing.
    expectLink(f.lblPTCmdr[1], "99", "");
    expectEmpty(f.lblPTCmdr[2]);
    expectEmpty(f.lblPTCmdr[3]);

    f.cboPopType.setListIndex(0);
    for (const auto& l : f.lblPTUnit) expectEmpty(l);
    for (const auto& l : f.lblPTCmdr) expectEmpty(l);
}

TEST_F(PopTypeTest, LinkClicksOpenTheReferencePage) {
    f.cboPopType.setListIndex(1);
    f.lblPTUnit[2].click();
    f.lblPTCmdr[3].click();
    EXPECT_TRUE(platform.openedUrls.empty());
    f.lblPTUnit[1].click();
    f.lblPTCmdr[0].click();
    f.lblPTCmdr[0].click();
    const std::string base = kUnitReferenceBase;
    EXPECT_EQ(platform.openedUrls,
              (std::vector<std::string>{base + "00014.png", base + "00011.png", base + "00011.png"}));
    EXPECT_EQ(f.lblURL.caption(), base + "00011.png");
}

TEST_F(PopTypeTest, ANegativeNumberLinksWithItsSignBeforeTheDigits) {
    e.PopTypes[2] = {3, "Lost Tribe", {-5, -1, -1, -1, 0}, 0, {-1, -1, -1, -1, 0}};
    f.cboPopType.addItem("Lost Tribe");
    f.cboPopType.setListIndex(3);
    expectLink(f.lblPTUnit[0], "-5", "");
    f.lblPTUnit[0].click();
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{std::string(kUnitReferenceBase) + "-00005.png"});
}

}  // namespace
}  // namespace gs::test
