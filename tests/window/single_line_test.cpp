// A single-line text box holds one line: a line break pasted into it and
// everything after it are dropped, whichever line ending the text uses; a
// multi-line box keeps them.
#include <gtest/gtest.h>

#include <string>

#include "window/controls.h"

namespace gs {
namespace {

TEST(SingleLineTextBox, KeepsTheFirstLineOnly) {
    const struct {
        std::string from, set, singleLine;
        int changes;
    } cases[] = {
        {"", "Ann\tTab\r\nSecond\nThird", "Ann\tTab", 1},
        {"", "Ann\nSecond", "Ann", 1},
        {"", "Ann\rSecond", "Ann", 1},
        {"", "\r\nSecond", "", 0},
        {"Ann", "Ann\r\nSecond", "Ann", 0},
    };
    for (const auto& c : cases) {
        for (const bool multi : {false, true}) {
            TextBox t("txtTest");
            t.multiLine = multi;
            t.setText(c.from);
            int changes = 0, notices = 0;
            t.Change = [&] { ++changes; };
            t.setObserver([&] { ++notices; });
            t.setText(c.set);
            EXPECT_EQ(t.text(), multi ? c.set : c.singleLine) << c.set;
            EXPECT_EQ(changes, multi ? 1 : c.changes) << c.set;
            EXPECT_EQ(notices, 1) << c.set;  // a view showing the dropped part is told
        }
    }
}

}  // namespace
}  // namespace gs
