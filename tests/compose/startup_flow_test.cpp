// The builders over a started editor with a test installation: what start-up
// leaves behind is what the user composes with.
#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace gs::test {
namespace {

TEST(ComposeAfterStart, UnitsPretenderAndItemsFromTheLoadedTables) {
    FakePlatform p(makeInstallation());
    App app(p);
    app.start();
    Form1& f = app.form;
    ASSERT_TRUE(p.messages.empty()) << p.messages.front().text;

    EXPECT_EQ(f.txtFileNamePreview.text(), "Test Author1_5_A_EA_SEA_");
    EXPECT_EQ(f.cboItem.item(1), "Emberbrand");  // the artifact and the special item are filtered out
    EXPECT_EQ(f.cboItem.item(2), "Filler Item 3");

    f.txtUnitID.setText("10");
    EXPECT_EQ(f.lblUnit.caption(), "Mossguard Spearman");
    f.cmdAddToUnitList.click();
    f.txtCommanderID.setText("11");
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();
    f.cmdAddItem.click();
    f.cmdAddUnits.click();
    EXPECT_EQ(f.txtGarrison.text(),
              "\r\n#god 5 11 --K\xF6lnar Captain -- Brinehold\r\n#randomequip 0\r\n"
              "#units 10 10 --Mossguard Spearman\r\n");
    EXPECT_TRUE(p.messages.empty());
}

}  // namespace
}  // namespace gs::test
