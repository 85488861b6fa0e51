// Tab order on every page of the main window, against
// tests/data/reading_order.txt: reading order inside each frame, frames in
// reading order, a tab control's row before its page, what floats over the
// site pages read with them, the help panel where it lies.
#include "window/reading_order.h"

#include <gtest/gtest.h>

#include "support/session.h"
#include "window/forms.h"

namespace gs {
namespace {

TEST(ReadingOrder, EveryPageIsReadRowByRowFramesWhole) {
    Form1 f;
    f.fraHelp.setVisible(false);  // as after start-up
    std::string out;
    const auto page = [&](const std::string& where) {
        out += where + ":";
        for (const Control* c : readingOrder(f)) out += " " + c->fullName();
        out += "\n";
    };
    for (int step = 0; step < 4; ++step) f.SSTab1.setTab(step), page("Step " + std::to_string(step + 1));
    f.SSTab1.setTab(1);
    for (int site = 1; site < 4; ++site) f.SSTab3.setTab(site), page("Site " + std::to_string(site + 1));
    f.SSTab1.setTab(2);
    for (int tab = 1; tab < 8; ++tab) f.SSTab2.setTab(tab), page(f.SSTab2.tabCaption(tab));
    // The help panel is read where it lies, its "?" after it: over the Unit
    // Finder, and over the tab pages, first on the page, as "?" south opens it.
    f.fraHelp.setVisible(true);
    f.fraHelp.setGeometry(f.fraUnitFinder.geometry());
    page("Help over the Unit Finder");
    f.fraHelp.setGeometry(f.SSTab1.geometry());
    page("Help over the tab pages");
    test::expectDataFile("reading_order.txt", out);
}

}  // namespace
}  // namespace gs
