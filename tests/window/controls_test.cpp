// The window model's events: which state changes raise Change or Click, as
// the start-up sequence and the builders rely on.
#include "window/controls.h"

#include <gtest/gtest.h>

#include <string>

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

    t.setText("");  // no change
    t.setText("1");
    t.setText("1");
    t.setText("");
    c.addItem("a");
    c.addItems({"b", "c"});
    c.setListIndex(1);
    c.setListIndex(1);   // the same entry again still raises Click
    c.setListIndex(-1);  // deselecting is silent
    c.setListIndex(3);   // no such entry: nothing happens
    c.setListIndex(2);
    c.removeItem(0);  // the selection follows its entry, silently
    b.setValue(CheckBox::Unchecked);
    b.setValue(CheckBox::Checked);
    b.setValue(CheckBox::Checked);
    b.click();
    tabs.setTabCaptions({"One", "Two", "Three"});
    tabs.setTab(0);
    tabs.setTab(2);
    tabs.setTab(2);
    l.setCaption("-1");
    l.setCaption("-1");
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
