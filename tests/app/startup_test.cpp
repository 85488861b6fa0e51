// Start-up, its failure regions, the reset of "Clear All" and the end. What a
// clean start shows is tests/data/started.layout; a clean reset returns to it.
#include <gtest/gtest.h>

#include <tuple>

#include "model/tables.h"
#include "support/session.h"

namespace gs::test {
namespace {

// Every control's layout and state, the installation folder as "{DIR}".
std::string layoutOf(Session& s) {
    std::string out = layout(withControls(s.f));
    out = folderShown(out, s.folder);
    return out;
}

// A session whose splash captions are recorded while the splash shows.
struct Started : Session {
    Started() {
        app.splash.lblBusy.Change = [this] {
            captions += app.splash.lblBusy.caption() + (app.splash.visible() ? "|" : " (hidden)|");
        };
        app.start();
    }
    std::string captions;
};

const std::string kReading =
    "Reading RK.cfg...|Reading Quillmap NameList...|Reading NationData.txt...|Reading PopData.txt...|"
    "Reading SiteData.txt...|Reading ItemData.txt...|Reading UnitData.txt...|";

TEST(StartUp, ShowsEachStepOnTheSplashAndOpensTheMainWindowAsRecorded) {
    Started s;
    EXPECT_EQ(s.captions, "Initializing...|" + kReading);
    EXPECT_EQ(s.run(""), "");
    EXPECT_EQ(std::tuple(s.f.visible(), s.app.splash.visible(), s.app.editor.Loading, s.f.focus()),
              std::tuple(true, false, false, &s.f.txtAuthor));
    expectDataFile("started.layout", layoutOf(s));
    s.app.close();  // closing the main window ends the program
    EXPECT_FALSE(s.f.visible());
}

TEST(Reset, ReturnsEveryControlToTheStartAndRereadsTheFiles) {
    Started s;
    for (const char* command :
         {"click chkUMisc", "index cboUMisc 21", "click chkSTerrain", "click chkIArtifacts", "click chkISpecial", "click chkClearMagic", "click chkKillFeatures",
          "click chkKnown(2)", "type txtLandName Somewhere", "click cmdAddToNameList", "type txtUnitID 10", "type txtCommanderID 11", "click cmdAddToCommanderList",
          "click cmdAddToUnitList", "click cmdAddUnits", "click chkPretender", "tab SSTab1 2", "tab SSTab2 5",
          "tab SSTab3 3", "type txtAuthor Someone Unsaved", "index cboUnitFound 2", "pick cboEra Late",
          "type txtCommanderName Someone Named"})
        s.run(command);
    // And every check box the player can reach turned, every drop-down list
    // at its last entry, an entry in every list.
    for (Control* c : s.f.allControls()) {
        if (!c->enabled()) continue;
        if (c->kind() == Kind::ListBox) {
            static_cast<ListBox*>(c)->addItem("10 10 --Mossguard Spearman");
        } else if (c->kind() == Kind::CheckBox) {
            auto* box = static_cast<CheckBox*>(c);
            box->setValue(box->value() == CheckBox::Checked ? CheckBox::Unchecked : CheckBox::Checked);
        } else if (c->kind() == Kind::ComboList) {
            auto* list = static_cast<ComboBox*>(c);
            list->setListIndex(list->listCount() - 1);
        }
    }
    s.captions.clear();
    s.run("click cmdClearAll");
    EXPECT_EQ(s.captions, "Reset in progress...|" + kReading);
    EXPECT_EQ(s.run(""), "");
    EXPECT_FALSE(s.app.splash.visible());
    EXPECT_EQ(layoutOf(s), dataFile("started.layout"));
}

// The help panel: the mouse-over text of every control (tests/data/help.txt
// lists the controls whose help differs from the one before) and the "?"
// buttons that open the panel over the Unit Finder or the tab pages.
TEST(Help, EveryControlWithHelpShowsItsExactTextAndTheOthersLeaveIt) {
    FakePlatform p;
    App app{p};
    Form1& f = app.form;
    std::string shown;
    for (Control* c : withControls(f)) {
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
    EXPECT_EQ(s.f.children().back(), &s.f.fraHelp);
}

}  // namespace
}  // namespace gs::test
