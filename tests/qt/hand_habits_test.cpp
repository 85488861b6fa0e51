// Habits of the hand in the real window: the wheel, Enter on buttons, where
// the keyboard goes after a page switch, and how wide a drop-down list opens.
// Every gesture is a real input event on the widget under the pointer or
// with the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include "app/app.h"
#include "qt/form_view.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace gs::qt {
namespace {

// The editor after start-up, its main window shown and active.
struct Editor {
    Editor() : platform(test::makeInstallation()), app(platform) {
        app.start();
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
    }
    QWidget* window() const { return main.window(); }
    QWidget* widget(const Control& c) const { return main.widget(c) ? main.widget(c) : splash.widget(c); }
    QTabBar* bar(const TabControl& tab) const { return widget(tab)->findChild<QTabBar*>(); }

    // Shows the pages a control sits on, outermost first.
    void reveal(const Control& c) {
        std::vector<std::pair<TabControl*, int>> pages;
        for (const Control* p = &c; p->container(); p = p->container())
            if (p->page() >= 0) pages.emplace_back(static_cast<TabControl*>(p->container()), p->page());
        for (auto it = pages.rbegin(); it != pages.rend(); ++it) it->first->setTab(it->second);
    }

    // The user clicks a control (or a point in it) with the left button.
    void click(const Control& c, QPoint at = {}) {
        QWidget* w = widget(c);
        QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    }
    void clickTab(const TabControl& tab, int page) {
        QTest::mouseClick(bar(tab), Qt::LeftButton, {}, bar(tab)->tabRect(page).center());
    }

    // One wheel notch (down for positive notches) with the pointer over the
    // middle of a widget, delivered to the widget under it as the window
    // system delivers it.
    void wheel(QWidget* over, int notches) {
        QCoreApplication::processEvents();  // the window lays out between two gestures
        const QPoint inWindow = over->mapTo(window(), over->rect().center());
        QWidget* target = window()->childAt(inWindow);
        if (!target) target = window();
        QWheelEvent e(target->mapFrom(window(), inWindow), window()->mapToGlobal(inWindow), QPoint(),
                      QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&e);
        QApplication::instance()->notify(target, &e);
    }

    // Every text box's text, in window order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (Control* c : app.form.allControls())
            if (c->kind() == Kind::TextBox) out.push_back(static_cast<TextBox*>(c)->text());
        return out;
    }

    test::FakePlatform platform;
    App app;
    FormView splash{app.splash};
    FormView main{app.form};
    Form1& f = app.form;
};

TEST(HandHabits, TheWheelChangesOnlyWhatHasTheFocus) {
    Editor e;
    // Tab rows never turn their page, not even with the keyboard on them.
    for (TabControl* tab : {&e.f.SSTab1, &e.f.SSTab2, &e.f.SSTab3}) {
        e.reveal(*tab);
        tab->setTab(1);
        e.bar(*tab)->setFocus();
        for (int notches : {1, -1, 1}) e.wheel(e.bar(*tab), notches);
        EXPECT_EQ(tab->tab(), 1) << tab->name();
    }

    // A drop-down list under the pointer while the user types elsewhere.
    e.f.SSTab1.setTab(0);
    e.widget(e.f.txtAuthor)->setFocus();
    const std::string name = e.f.txtFileNamePreview.text();
    const int nation = e.f.cboNation.listIndex();
    e.wheel(e.widget(e.f.cboNation), 1);
    EXPECT_EQ(e.f.cboNation.listIndex(), nation);
    EXPECT_EQ(e.f.txtFileNamePreview.text(), name);
    // With the focus, the wheel chooses the next entry, through the model.
    e.widget(e.f.cboNation)->setFocus();
    e.wheel(e.widget(e.f.cboNation), 1);
    EXPECT_EQ(e.f.cboNation.listIndex(), nation + 1);
    EXPECT_NE(e.f.txtFileNamePreview.text(), name);

    // Text boxes and lists still scroll under the pointer without the focus.
    std::string lines;
    for (int i = 0; i < 60; ++i) lines += "#line\r\n";
    e.f.txtGarrison.setText(lines);
    e.f.SSTab1.setTab(1);
    for (int i = 0; i < 30; ++i) e.f.lstNameList.addItem("Name " + std::to_string(i));
    e.widget(e.f.txtPopulation)->setFocus();
    e.wheel(e.widget(e.f.lstNameList), 1);
    EXPECT_GT(qobject_cast<QListWidget*>(e.widget(e.f.lstNameList))->verticalScrollBar()->value(), 0);
    EXPECT_EQ(e.f.lstNameList.listIndex(), -1);
    e.f.SSTab1.setTab(2);
    e.wheel(e.widget(e.f.txtGarrison), 1);
    EXPECT_GT(qobject_cast<QPlainTextEdit*>(e.widget(e.f.txtGarrison))->verticalScrollBar()->value(), 0);
}

TEST(HandHabits, EnterPressesTheFocusedButtonAsSpaceDoes) {
    Editor e;
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
            QTest::keyClick(w, Qt::Key_Space);
            QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(clicks, 3) << c->fullName();
            ++tried;
        }
    EXPECT_EQ(tried, 32);
}

TEST(HandHabits, APageSwitchLeavesTheKeyboardOnTheTabRow) {
    Editor e;
    Form1& f = e.f;
    struct Case {
        Control& clicked;  // the control the user clicked before switching
        TabControl& tab;
        int page;
        Control* keeps;  // still focused after the switch; nullptr: the tab row
    };
    const Case cases[] = {
        {f.cmdAddToCommanderList, f.SSTab2, 1, nullptr},
        {f.cmdSaveAs, f.SSTab1, 0, nullptr},
        {f.cmdAddFeature[0], f.SSTab3, 1, nullptr},
        {f.txtGarrison, f.SSTab2, 2, &f.txtGarrison},  // not hidden: the user's text keeps the keyboard
    };
    for (const Case& c : cases) {
        e.reveal(c.clicked);
        e.click(c.clicked);
        e.clickTab(c.tab, c.page);
        ASSERT_EQ(c.tab.tab(), c.page);
        QWidget* expected = c.keeps ? e.widget(*c.keeps) : e.bar(c.tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << c.clicked.fullName();
        const std::vector<std::string> before = e.texts();
        QTest::keyClicks(QApplication::focusWidget(), "Hello");
        if (!c.keeps) {
            EXPECT_EQ(e.texts(), before) << c.clicked.fullName();
        }
    }
    EXPECT_NE(f.txtGarrison.text().find("Hello"), std::string::npos);
}

TEST(HandHabits, DropDownListsOpenAsWideAsTheirWidestEntry) {
    Editor e;
    int opened = 0;
    for (Control* c : e.f.allControls()) {
        auto* combo = qobject_cast<QComboBox*>(e.widget(*c));
        if (!combo || combo->count() == 0) continue;
        e.reveal(*c);
        c->setEnabled(true);  // some wait for their check box or their source
        const QRect closed = combo->geometry();
        // Editable boxes open from their arrow.
        e.click(*c, QPoint(combo->width() - 4, combo->height() / 2));
        QAbstractItemView* view = combo->view();
        ASSERT_TRUE(view->isVisible()) << c->fullName();
        EXPECT_GE(view->viewport()->width(), view->sizeHintForColumn(0)) << c->fullName();
        combo->hidePopup();
        EXPECT_EQ(combo->geometry(), closed) << c->fullName();
        ++opened;
    }
    EXPECT_GE(opened, 30);
}

}  // namespace
}  // namespace gs::qt
