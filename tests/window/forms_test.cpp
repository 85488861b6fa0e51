// The two windows as built: every control with its container, page, place,
// caption, look and start state, against tests/data/form1.layout and
// form2.layout (one line per control, bottom of each container first).
#include "window/forms.h"

#include <gtest/gtest.h>

#include "support/session.h"

namespace gs {
namespace {

TEST(Windows, EveryControlHasItsPlaceCaptionLookAndStartState) {
    Form1 f;
    Form2 splash;
    test::expectDataFile("form1.layout", test::layout(test::withControls(f)));
    test::expectDataFile("form2.layout", test::layout(test::withControls(splash)));
    EXPECT_EQ(f.find("lblPTUnit(2)"), &f.lblPTUnit[2]);
    EXPECT_EQ(f.find("lblPTUnit(4)"), nullptr);
    EXPECT_EQ(f.find("lblPTUnit"), nullptr);
}

}  // namespace
}  // namespace gs
