// The help panel: the mouse-over text of every control (tests/data/help.txt
// lists the controls whose help differs from the one before) and the "?"
// buttons that open the panel over the Unit Finder or the tab pages.
#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

TEST(Help, EveryControlWithHelpShowsItsExactTextAndTheOthersLeaveIt) {
    FakePlatform p;
    App app{p};
    Form1& f = app.form;
    std::vector<Control*> all{&f};
    all.insert(all.end(), f.allControls().begin(), f.allControls().end());
    std::string shown;
    for (Control* c : all) {
        f.txtHelp.setText("(unchanged)");
        c->mouseMove();
        if (f.txtHelp.text() != "(unchanged)") shown += c->fullName() + ": " + escaped(f.txtHelp.text()) + "\n";
    }
    expectDataFile("help.txt", shown);
}

TEST(Help, NorthOpensOverTheUnitFinderSouthOverTheTabsEitherCloses) {
    Session s;
    s.run("start");
    std::string shown;
    for (const char* button : {"cmdHelpNorth", "cmdHelpNorth", "cmdHelpSouth", "cmdHelpNorth", "cmdHelpSouth"}) {
        s.run(std::string("click ") + button);
        shown += std::string(button) + ": " + layout({&s.f.fraHelp, &s.f.txtHelp});
    }
    expectDataFile("help_panel.txt", shown);
    // The panel lies above both buttons and the frames it covers.
    const auto& z = s.f.children();
    EXPECT_EQ(z.back(), &s.f.fraHelp);
}

}  // namespace
}  // namespace gs::test
