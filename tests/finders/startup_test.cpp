// The finders on a started test installation (its texts are 8-bit Windows
// text: "\xC6" is the capital AE).
#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "window/references.h"

namespace gs::test {
namespace {

class StartedFinders : public ::testing::Test {
protected:
    StartedFinders() { app.start(); }
    FakePlatform platform{makeInstallation()};
    App app{platform};
    Form1& f = app.form;
};

TEST_F(StartedFinders, StartShowsNothingAndPlacesTheStartPicture) {
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    EXPECT_EQ(f.txtUnitDescription.text(), "NO UNIT SELECTED.");
    EXPECT_EQ(f.lblUnitNumber.caption(), "");
    EXPECT_EQ(f.txtSiteDescription.text(), "NO SITE SELECTED.");
    for (const auto& l : f.lblPTUnit) EXPECT_EQ(l.caption(), "-1");
    // 1822.jpg is 64 pixels wide: half the frame, so centred, standing on the frame's bottom.
    const Geometry frame = f.shpUnit.geometry();
    EXPECT_EQ(f.picUnit.geometry().left, frame.left + 64 * 15 / 2);
    EXPECT_EQ(f.picUnit.geometry().top, frame.top + frame.height - 64 * 15);
}

TEST_F(StartedFinders, FindPickAndLink) {
    f.chkUGod.click();
    f.cboUGod.setListIndex(1);
    f.cmdUApplyFilters.click();
    ASSERT_EQ(f.cboUnitFound.items(), (std::vector<std::string>{"None", "\xC6ther Drake"}));
    f.cboUnitFound.setListIndex(1);
    EXPECT_EQ(f.txtUnitDescription.text(),
              "1822 \xC6ther Drake\r\n, mounted, GOD, size  6, hp  120, mor  15\r\n\r\n\r\n, F3, S1\r\n, fear  5, "
              "flying\r\n");
    EXPECT_EQ(f.lblUnitNumber.caption(), "1822");

    f.cboPopType.setListIndex(1);
    EXPECT_EQ(f.lblPTUnit[0].caption(), "10");
    EXPECT_EQ(f.lblPTUnit[0].toolTip(), "Mossguard Spearman");
    EXPECT_EQ(f.lblPTCmdr[1].toolTip(), "Wrenna the Lantern");

    f.cboFeature.setListIndex(2);
    EXPECT_EQ(f.lblSumUnit[0].toolTip(), "\xC6ther Drake");
    f.cmdAddFeature[0].click();
    EXPECT_EQ(f.lstFeatureList[0].items(), std::vector<std::string>{"\"Ashen Forge\""});
}

TEST_F(StartedFinders, TheLinkLabelOpensTheAddressItShows) {
    const std::string base = kUnitReferenceBase;
    f.lblURL.click();
    f.cboUnitFound.setListIndex(1);
    f.lblUnitNumber.click();
    f.lblURL.click();
    EXPECT_EQ(platform.openedUrls,
              (std::vector<std::string>{base + "00666.png", base + "01822.png", base + "01822.png"}));
}

}  // namespace
}  // namespace gs::test
