// The common error report and the link opener.
#include "window/shell.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "window/references.h"

namespace gs {
namespace {

TEST(ReportError, NamesTheButtonAfterTheFixedText) {
    test::FakePlatform p;
    ReportError(p, "cmdAddUnits");
    ReportError(p, "");
    ASSERT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(p.messages[0].text,
              "Confirm that your input was a valid character or value for this field. Subroutine=cmdAddUnits");
    EXPECT_EQ(p.messages[0].title, "Error Report!");
    EXPECT_EQ(p.messages[0].detail, "");
    EXPECT_EQ(p.messages[1].text, "Confirm that your input was a valid character or value for this field. Subroutine=");
}

TEST(LinkOpener, OpensWhatTheLinkShowsEachTimeItIsClicked) {
    test::FakePlatform p;
    Form1 f;
    f.lblURL.Click = [&] { lblURL_Click(f, p); };
    const std::string start = std::string(kUnitReferenceBase) + "00666.png";
    EXPECT_EQ(f.lblURL.caption(), start);
    f.lblURL.click();
    f.lblURL.setCaption(unitReferenceAddress(12));
    f.lblURL.click();
    f.lblURL.click();
    EXPECT_EQ(p.openedUrls, (std::vector<std::string>{start, std::string(kUnitReferenceBase) + "00012.png",
                                                      std::string(kUnitReferenceBase) + "00012.png"}));
    EXPECT_TRUE(p.messages.empty());
}

}  // namespace
}  // namespace gs
