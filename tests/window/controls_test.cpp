// The window model's events: which state changes raise Change or Click, as
// the start-up sequence and the builders rely on; and the main window's own
// page and button rules.
#include "window/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "app/app.h"

namespace gs {
namespace {

TEST(Controls, TextBoxesRaiseChangeOnlyWhenTheTextChanges) {
    TextBox t("txtTest");
    int changes = 0;
    t.Change = [&] { ++changes; };
    t.setText("");
    EXPECT_EQ(changes, 0);
    t.setText("1");
    t.setText("1");
    EXPECT_EQ(changes, 1);
    t.setText("");
    EXPECT_EQ(changes, 2);
}

TEST(Controls, ListsRaiseClickOnEverySelectionButNotWhenFilledOrEmptied) {
    ComboBox c("cboTest");
    std::vector<int> clicks;
    c.Click = [&] { clicks.push_back(c.listIndex()); };
    c.addItem("a");
    c.addItems({"b", "c"});
    EXPECT_EQ(c.listIndex(), -1);
    c.setListIndex(1);
    c.setListIndex(1);   // the same entry again still raises Click
    c.setListIndex(-1);  // deselecting is silent
    c.setListIndex(3);   // no such entry: nothing happens
    EXPECT_EQ(clicks, (std::vector<int>{1, 1}));
    EXPECT_EQ(c.listIndex(), -1);
    EXPECT_EQ(c.text(), "");

    c.setListIndex(2);
    c.removeItem(0);  // the selection follows its entry
    EXPECT_EQ(c.listIndex(), 1);
    EXPECT_EQ(c.text(), "c");
    c.removeItem(1);  // removing the selected entry leaves nothing selected
    EXPECT_EQ(c.listIndex(), -1);
    c.clear();
    EXPECT_EQ(c.listCount(), 0);
    EXPECT_EQ(clicks, (std::vector<int>{1, 1, 2}));
}

TEST(Controls, CheckBoxesRaiseClickWhenTheirValueChanges) {
    CheckBox b("chkTest");
    int clicks = 0;
    b.Click = [&] { ++clicks; };
    b.setValue(CheckBox::Unchecked);
    EXPECT_EQ(clicks, 0);
    b.setValue(CheckBox::Checked);
    b.setValue(CheckBox::Checked);
    EXPECT_EQ(clicks, 1);
    b.click();
    EXPECT_EQ(b.value(), CheckBox::Unchecked);
    EXPECT_EQ(clicks, 2);
    b.setEnabled(false);
    b.click();  // a disabled box ignores the user
    EXPECT_EQ(b.value(), CheckBox::Unchecked);
    EXPECT_EQ(clicks, 2);
}

TEST(Controls, TabsRaiseClickWithThePreviousPageWhenThePageChanges) {
    TabControl t("SSTabTest");
    t.setTabCaptions({"One", "Two", "Three"});
    std::vector<int> previous;
    t.Click = [&](int p) { previous.push_back(p); };
    t.setTab(0);
    t.setTab(2);
    t.setTab(2);
    t.setTab(1);
    EXPECT_EQ(previous, (std::vector<int>{0, 2}));
    EXPECT_EQ(t.tab(), 1);
}

TEST(Controls, LabelsRaiseChangeOnNewCaptionsAndButtonsIgnoreClicksWhileDisabled) {
    Label l("lblTest");
    Button b("cmdTest");
    ListBox list("lstTest");
    int changes = 0, labelClicks = 0, buttonClicks = 0, dblClicks = 0;
    l.Change = [&] { ++changes; };
    l.Click = [&] { ++labelClicks; };
    b.Click = [&] { ++buttonClicks; };
    list.DblClick = [&] { ++dblClicks; };
    l.setCaption("-1");
    l.setCaption("-1");
    l.click();
    b.click();
    list.dblClick();
    b.setEnabled(false);
    list.setEnabled(false);
    b.click();
    list.dblClick();
    EXPECT_EQ(std::vector<int>({changes, labelClicks, buttonClicks, dblClicks}), std::vector<int>({1, 1, 1, 1}));
}

// The main window's own rules, on the wired editor.
class MainWindow : public ::testing::Test {
protected:
    test::FakePlatform p;
    App app{p};
    Form1& f = app.form;
};

TEST_F(MainWindow, TheRoughPointPanelShowsOnlyWithTheCommanderPage) {
    EXPECT_TRUE(f.fraBeginSiege.visible());
    for (int page = 1; page < 8; ++page) {
        f.SSTab2.setTab(page);
        EXPECT_FALSE(f.fraBeginSiege.visible()) << page;
    }
    f.SSTab1.setTab(2);
    f.SSTab1.setTab(0);
    EXPECT_FALSE(f.fraBeginSiege.visible());
    f.SSTab2.setTab(0);
    EXPECT_TRUE(f.fraBeginSiege.visible());
    f.SSTab1.setTab(1);
    EXPECT_TRUE(f.fraBeginSiege.visible());
}

TEST_F(MainWindow, TheSeaBoxAndTheLoadButtonIgnoreTheUser) {
    f.chkSea.click();
    EXPECT_EQ(f.chkSea.value(), CheckBox::Unchecked);
    f.cmdLoad.click();
    EXPECT_FALSE(f.cmdLoad.visible());
    EXPECT_TRUE(p.messages.empty());
}

}  // namespace
}  // namespace gs
