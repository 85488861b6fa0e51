// Habits of the hand in the real window: the wheel, Enter on buttons, where
// the keyboard goes after a page switch, and how drop-down lists open.
#include "qt/started_window.h"

namespace gs::qt {
namespace {

TEST(HandHabits, TheWheelChangesOnlyWhatHasTheFocus) {
    StartedWindow e;
    Form1& f = e.f;
    for (TabControl* tab : {&f.SSTab1, &f.SSTab2, &f.SSTab3}) {  // not even with the keyboard on the tab row
        e.reveal(*tab), tab->setTab(1), e.bar(*tab)->setFocus();
        for (int notches : {1, -1, 1}) e.wheel(e.bar(*tab), notches);
        EXPECT_EQ(tab->tab(), 1) << tab->name();
    }
    f.SSTab1.setTab(0), e.widget(f.txtAuthor)->setFocus();
    const std::string name = f.txtFileNamePreview.text();
    const int nation = f.cboNation.listIndex();
    for (bool focused : {false, true}) {  // with the focus, the next entry, through the model
        if (focused) e.widget(f.cboNation)->setFocus();
        e.wheel(e.widget(f.cboNation), 1);
        EXPECT_EQ(std::tuple(f.cboNation.listIndex(), f.txtFileNamePreview.text() == name),
                  std::tuple(nation + focused, !focused));
    }
    // Text boxes and lists still scroll under the pointer without the focus.
    std::string lines;
    for (int i = 0; i < 60; ++i) lines += "#line\r\n";
    f.txtGarrison.setText(lines);
    f.SSTab1.setTab(1);
    for (int i = 0; i < 30; ++i) f.lstNameList.addItem("Name " + std::to_string(i));
    e.widget(f.txtPopulation)->setFocus();
    e.wheel(e.widget(f.lstNameList), 1);
    EXPECT_GT(e.as<QListWidget>(f.lstNameList)->verticalScrollBar()->value(), 0);
    EXPECT_EQ(f.lstNameList.listIndex(), -1);
    f.SSTab1.setTab(2), e.wheel(e.widget(f.txtGarrison), 1);
    EXPECT_GT(e.as<QPlainTextEdit>(f.txtGarrison)->verticalScrollBar()->value(), 0);
}

TEST(HandHabits, EnterPressesTheFocusedButtonAsSpaceDoes) {
    StartedWindow e;
    int tried = 0;
    for (const auto* controls : {&e.f.allControls(), &e.app.splash.allControls()})
        for (Control* c : *controls) {
            if (c->kind() != Kind::Button || !c->visible()) continue;
            auto& button = static_cast<Button&>(*c);
            button.setEnabled(true);  // the Submit buttons wait for their lists
            int clicks = 0;
            button.Click = [&] { ++clicks; };
            e.reveal(button);
            QWidget* w = e.widget(button);
            w->setFocus();
            ASSERT_TRUE(w->hasFocus()) << c->fullName();
            key(w, Qt::Key_Space), key(w, Qt::Key_Return), key(w, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(clicks, 3) << c->fullName();
            ++tried;
        }
    EXPECT_EQ(tried, 32);
}

TEST(HandHabits, APageSwitchLeavesTheKeyboardOnTheTabRow) {
    StartedWindow e;
    Form1& f = e.f;
    const struct {
        Control& clicked;  // before the switch
        TabControl& tab;
        int page;
        Control* keeps;  // still focused after the switch; nullptr: the tab row
    } cases[] = {
        {f.cmdAddToCommanderList, f.SSTab2, 1, nullptr},
        {f.cmdSaveAs, f.SSTab1, 0, nullptr},
        {f.cmdAddFeature[0], f.SSTab3, 1, nullptr},
        {f.txtGarrison, f.SSTab2, 2, &f.txtGarrison},  // not hidden: the user's text keeps the keyboard
    };
    for (const auto& c : cases) {
        e.reveal(c.clicked), e.click(c.clicked), e.clickTab(c.tab, c.page);
        ASSERT_EQ(c.tab.tab(), c.page);
        EXPECT_EQ(QApplication::focusWidget(), c.keeps ? e.widget(*c.keeps) : e.bar(c.tab)) << c.clicked.fullName();
        const std::vector<std::string> before = e.texts();
        QTest::keyClicks(QApplication::focusWidget(), "Hello");
        EXPECT_TRUE(c.keeps || e.texts() == before) << c.clicked.fullName();
    }
    EXPECT_NE(f.txtGarrison.text().find("Hello"), std::string::npos);
}

// A list is built when first opened, then opens below or above its box (never
// over its text) and as wide as its widest entry; the box keeps its place.
TEST(HandHabits, DropDownListsAreBuiltWhenOpenedBesideTheirBoxAsWideAsTheirEntries) {
    StartedWindow e;
    const auto built = [](const QComboBox* box) { return box->findChild<QAbstractItemView*>() != nullptr; };
    const QList<QComboBox*> boxes = e.main.window()->findChildren<QComboBox*>();
    ASSERT_GT(boxes.size(), 30);
    for (const QComboBox* box : boxes)  // an editable box builds its list with its text field
        EXPECT_TRUE(box->isEditable() || !built(box)) << box->objectName().toStdString();
    int opened = 0;
    for (Control* c : e.f.allControls()) {
        auto* combo = e.as<QComboBox>(*c);
        if (!combo || combo->count() == 0) continue;
        e.reveal(*c);
        c->setEnabled(true);  // some wait for their check box or their source
        EXPECT_TRUE(combo->isEditable() || !built(combo)) << c->fullName();
        const QRect closed = combo->geometry();
        e.click(*c, QPoint(combo->width() - 4, combo->height() / 2));  // editable boxes open from their arrow
        ASSERT_TRUE(built(combo) && combo->view()->isVisible()) << c->fullName();
        const QRect popup = combo->view()->window()->geometry(), box(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        EXPECT_TRUE(popup.top() >= box.bottom() || popup.bottom() <= box.top()) << c->fullName();
        EXPECT_GE(combo->view()->viewport()->width(), combo->view()->sizeHintForColumn(0)) << c->fullName();
        combo->hidePopup();
        EXPECT_EQ(combo->geometry(), closed) << c->fullName();
        ++opened;
    }
    EXPECT_GE(opened, 30);
}

}  // namespace
}  // namespace gs::qt
