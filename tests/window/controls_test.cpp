// The window model's events: which state changes raise Change or Click, as
// the start-up sequence and the builders rely on.
#include "window/controls.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

TEST(Controls, EventsRiseOnChangesAndUserActionsOnlyWhileEnabled) {
    TextBox t("txtTest");
    ComboBox c("cboTest");
    CheckBox b("chkTest");
    TabControl tabs("SSTabTest");
    Label l("lblTest");
    Button button("cmdTest");
    ListBox list("lstTest");
    std::string events;
    t.Change = [&] { events += "text " + t.text() + "|"; };
    c.Click = [&] { events += "pick " + std::to_string(c.listIndex()) + "|"; };
    b.Click = [&] { events += "check " + std::to_string(b.value()) + "|"; };
    tabs.Click = [&](int previous) { events += "tab from " + std::to_string(previous) + "|"; };
    l.Change = [&] { events += "caption " + l.caption() + "|"; };
    l.Click = [&] { events += "label|"; };
    button.Click = [&] { events += "button|"; };
    list.DblClick = [&] { events += "dblclick|"; };

    for (const char* text : {"", "1", "1", ""}) t.setText(text);  // the first and third change nothing
    c.addItem("a");
    c.addItems({"b", "c"});
    // The same entry again still raises Click; deselecting (-1) is silent; no such entry (3): nothing happens.
    for (int i : {1, 1, -1, 3, 2}) c.setListIndex(i);
    c.removeItem(0);  // the selection follows its entry, silently
    for (auto v : {CheckBox::Unchecked, CheckBox::Checked, CheckBox::Checked}) b.setValue(v);
    b.click();
    tabs.setTabCaptions({"One", "Two", "Three"});
    for (int i : {0, 2, 2}) tabs.setTab(i);
    for (int i = 0; i < 2; ++i) l.setCaption("-1");
    l.click();
    button.click();
    list.dblClick();
    for (Control* off : std::initializer_list<Control*>{&b, &button, &list}) off->setEnabled(false);
    b.click();  // a disabled control ignores the user
    button.click();
    list.dblClick();
    EXPECT_EQ(events,
              "text 1|text |pick 1|pick 1|pick 2|check 1|check 0|tab from 0|caption -1|label|button|dblclick|");
    EXPECT_EQ(std::tuple(c.listIndex(), c.text(), b.value(), tabs.tab()), std::tuple(1, "c", 0, 2));
    c.removeItem(1);  // removing the selected entry leaves nothing selected
    EXPECT_EQ(c.listIndex(), -1);
    c.clear();
    EXPECT_EQ(c.listCount(), 0);
}

}  // namespace
}  // namespace gs
