// The editor's window under the keys, mouse and wheel of a user's hands, and
// the habits of the hand: Enter on buttons, where the keyboard goes after a
// page switch, how drop-down lists open.
#include "qt/cp1252.h"
#include "qt/started_window.h"
#include "window/reading_order.h"

namespace gs::qt {
namespace {

enum { Line, Multi, Finder };  // the kinds of text field a user types into
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// A text field with the focus: the widget that takes keys, the one that takes
// the mouse, the model's text (none for the Unit Finder), where character i is drawn.
struct Field {
    QWidget *in, *mouse;
    TextBox* box;
    std::function<QString()> text;
    std::function<QRect(int)> charRect;
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}, int times = 1) { qt::key(in, k, m, times); }
    void ctrl(Qt::Key k) { key(k, Qt::ControlModifier); }
    void select(Qt::Key from, Qt::Key by, int times) { key(from), key(by, Qt::ShiftModifier, times); }
    void type(const QString& s) { keys(in, s); }
    void dclick(int i) { QTest::mouseDClick(mouse, Qt::LeftButton, {}, charRect(i).center()); }
    void drag(int from, int to) {
        const QPoint start = charRect(from).center() - QPoint(1, 0), end = charRect(to).center();
        QTest::mousePress(mouse, Qt::LeftButton, {}, start);
        mouseMove(mouse, end, Qt::LeftButton);
        QTest::mouseRelease(mouse, Qt::LeftButton, {}, end);
    }
};

Field open(StartedWindow& e, int kind, const std::string& start) {
    Field t;
    if (kind == Multi) {
        auto* edit = e.as<QPlainTextEdit>(e.f.txtGanFileDesc);
        t = {edit, edit->viewport(), &e.f.txtGanFileDesc, [edit] { return edit->toPlainText(); },
             [edit](int i) {
                 QTextCursor c(edit->document());
                 c.setPosition(i);
                 return edit->cursorRect(c);
             }};
    } else {
        QLineEdit* line = kind == Line ? e.as<QLineEdit>(e.f.txtUnitID) : e.as<QComboBox>(e.f.cboUnitFound)->lineEdit();
        t = {line, line, kind == Line ? &e.f.txtUnitID : nullptr, [line] { return line->text(); },
             [line](int i) {
                 const int keep = line->cursorPosition();
                 line->setCursorPosition(i);
                 const QRect r = line->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                 line->setCursorPosition(keep);
                 return r;
             }};
        if (!t.box) line->setText(QString::fromStdString(start));
    }
    if (t.box) e.reveal(*t.box), t.box->setText(start);
    t.in->setFocus();
    return t;
}

// Each gesture on "1701 Ys" (a number and a word), in every kind of field.
TEST(RealInput, TextFieldsSelectAndReplaceLikeEveryDesktopField) {
    const struct {
        const char* name;
        void (*gesture)(Field&);
        std::string result, clipboard;  // the clipboard after the gestures that copy
    } cases[] = {
        {"Ctrl+A, type", [](Field& t) { t.ctrl(Qt::Key_A), t.type("700"); }, "700", ""},
        {"Shift+Left twice, type", [](Field& t) { t.select(Qt::Key_End, Qt::Key_Left, 2), t.type("x"); }, "1701 x", ""},
        {"double-click a word, type", [](Field& t) { t.dclick(6), t.type("Mo"); }, "1701 Mo", ""},
        {"mouse drag, type", [](Field& t) { t.drag(0, 4), t.type("8"); }, "8 Ys", ""},
        {"Backspace", [](Field& t) { t.select(Qt::Key_Home, Qt::Key_Right, 4), t.key(Qt::Key_Backspace); }, " Ys", ""},
        {"Delete", [](Field& t) { t.select(Qt::Key_End, Qt::Key_Left, 3), t.key(Qt::Key_Delete); }, "1701", ""},
        {"paste", [](Field& t) { QGuiApplication::clipboard()->setText("42"), t.ctrl(Qt::Key_A), t.ctrl(Qt::Key_V); },
         "42", ""},
        {"cut", [](Field& t) { t.select(Qt::Key_Home, Qt::Key_Right, 4), t.ctrl(Qt::Key_X); }, " Ys", "1701"},
        {"undo", [](Field& t) { t.ctrl(Qt::Key_A), t.type("700"), t.ctrl(Qt::Key_Z); }, "1701 Ys", ""},
        {"undo, Ctrl+Y", [](Field& t) { t.ctrl(Qt::Key_A), t.type("700"), t.ctrl(Qt::Key_Z), t.ctrl(Qt::Key_Y); }, "700",
         ""},
    };  // Ctrl+Shift+Z and the window's undo keys in a field: undo_keys_test.cpp
    StartedWindow e;
    for (int kind : {Line, Multi, Finder})
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name + std::string(" in field ") + std::to_string(kind));
            Field t = open(e, kind, "1701 Ys");
            c.gesture(t);
            EXPECT_EQ(t.text().toStdString(), c.result);
            EXPECT_EQ(c.clipboard.empty() ? "" : QGuiApplication::clipboard()->text().toStdString(), c.clipboard);
            EXPECT_EQ(t.box ? t.box->text() : c.result, c.result);
        }
}

// A typed or pasted character outside Windows-1252 is stored as "?" in its
// own place; the caret stays after what was typed.
TEST(RealInput, CharactersTheFileCannotStoreBecomeQuestionMarksInPlace) {
    const struct {
        const char* start;
        QString typed, pasted, typedAfter;
        std::string result;
    } cases[] = {
        {"", QString::fromUtf8("a\u03A9bc"), "", "", "a?bc"},
        {"", QString::fromUtf8("\u0141\u00F3d\u017A is a city"), "", "", "?\xF3\x64? is a city"},
        {"X", "", QString::fromUtf8("\u0141\u00F3d\u017A test \U0001F600"), "Y", "X?\xF3\x64? test ?Y"},
    };
    StartedWindow e;
    for (int kind : {Line, Multi})
        for (const auto& c : cases) {
            Field t = open(e, kind, c.start);
            t.key(Qt::Key_End), t.type(c.typed);
            if (!c.pasted.isEmpty()) QGuiApplication::clipboard()->setText(c.pasted), t.ctrl(Qt::Key_V);
            t.type(c.typedAfter);
            EXPECT_EQ(std::tuple(t.box->text(), t.box->selStart()), std::tuple(c.result, int(c.result.size())));
            EXPECT_EQ(t.text(), fromCp1252(c.result)) << "the field shows what the file gets";
        }
}

// A text set while its field is out of sight shows, with its caret, once
// the field's page is shown, and typing goes on from there.
TEST(RealInput, AFieldOutOfSightShowsTheTextSetMeanwhileWhenItsPageIsShown) {
    StartedWindow e;
    e.clickTab(e.f.SSTab1, 2);
    auto* garrison = e.as<QPlainTextEdit>(e.f.txtGarrison);
    e.clickTab(e.f.SSTab1, 0);
    e.f.txtGarrison.setText("#commander 12\r\n#name \"Ys\"\r\n");
    e.f.txtGarrison.setSelStart(15);
    e.clickTab(e.f.SSTab1, 2);
    EXPECT_EQ(garrison->toPlainText(), "#commander 12\n#name \"Ys\"\n");
    EXPECT_EQ(garrison->textCursor().position(), 14);
    garrison->setFocus();
    keys(garrison, "x");
    EXPECT_EQ(e.f.txtGarrison.text(), "#commander 12\r\nx#name \"Ys\"\r\n");
}

// A double-click on the empty part of an empty list reaches the list: there
// is nothing to remove, and the list's reset rule runs.
TEST(RealInput, ADoubleClickBelowTheRowsReachesTheList) {
    StartedWindow e;
    Form1& f = e.f;
    e.reveal(f.lstDominionList);
    auto* dominion = e.as<QListWidget>(f.lstDominionList)->viewport();
    ASSERT_TRUE(f.cmdAddDominion.enabled());
    QTest::mouseDClick(dominion, Qt::LeftButton, {}, dominion->rect().center());
    EXPECT_FALSE(f.cmdAddDominion.enabled());
}

// Pixels that differ between two looks of a widget by a quarter of the
// brightness range or more.
int changed(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) >= 64;
    return n;
}

// Tab walks every page in the window's reading order (window/reading_order.h)
// and comes round to where it began; pages are turned by the user's clicks.
// Every stop shows clearly that it has the keyboard: Tab taking it on changes
// a good number of its pixels (the tab row's own, else the named control's).
TEST(RealInput, FocusStartsInTheAuthorAndTabWalksEveryPageInReadingOrderMarkingEachStop) {
    StartedWindow e;
    Form1& f = e.f;
    EXPECT_EQ(QApplication::focusWidget(), e.widget(f.txtAuthor));
    const auto expectWalk = [&](const std::string& where) {
        std::vector<std::string> want, seen;
        for (Control* c : readingOrder(f)) {
            QWidget* w = c->kind() == Kind::TabControl ? e.bar(static_cast<TabControl&>(*c)) : e.widget(*c);
            if (w->isVisible() && w->isEnabled()) want.push_back(c->fullName());
        }
        e.bar(f.SSTab1)->setFocus();
        while (seen.size() <= want.size()) {
            QWidget *now = QApplication::focusWidget(), *named = now;
            while (named && named->objectName().isEmpty()) named = named->parentWidget();
            ASSERT_NE(named, nullptr) << where;
            seen.push_back(named->objectName().toStdString());
            QWidget* look = qobject_cast<QTabBar*>(now) ? now : named;
            QRect part = look->rect();  // a check box's own square changes its tint anyway: its caption's part
            if (auto* box = qobject_cast<QCheckBox*>(look)) {
                QStyleOptionButton option;
                option.initFrom(box);
                part = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            }
            const QImage with = look->grab(part).toImage();
            key(now, Qt::Key_Tab);
            EXPECT_GE(changed(with, look->grab(part).toImage()), std::min(with.width(), with.height()) / 2)
                << seen.back() << " on " << where;
        }
        EXPECT_EQ(std::vector(seen.begin(), seen.end() - 1), want) << where;
        EXPECT_EQ(seen.back(), "SSTab1") << where;
    };
    for (int step = 0; step < 4; ++step) {
        e.clickTab(f.SSTab1, step);
        expectWalk("Step " + std::to_string(step + 1));
    }
    e.clickTab(f.SSTab1, 1);
    for (int site = 1; site < 4; ++site) e.clickTab(f.SSTab3, site), expectWalk("Site " + std::to_string(site + 1));
    e.clickTab(f.SSTab1, 2);
    for (int page = 1; page < 8; ++page) e.clickTab(f.SSTab2, page), expectWalk(f.SSTab2.tabCaption(page));
}

// A click gives the keyboard too: the "?" shows the mark as well.
TEST(RealInput, AClickedButtonShowsItHasTheKeyboard) {
    StartedWindow e;
    QWidget* help = e.widget(e.f.cmdHelpSouth);
    const QImage before = help->grab().toImage();
    QTest::mousePress(help, Qt::LeftButton, {}, help->rect().center());
    e.f.fraHelp.setVisible(false);  // the press opened the help panel over it
    EXPECT_TRUE(help->hasFocus());
    EXPECT_GE(changed(help->grab().toImage(), before), help->width() / 2);
}

// Ctrl+Tab, Ctrl+PageDown forward, Ctrl+Shift+Tab, Ctrl+PageUp back, round
// the end; the tab control that holds the keyboard turns, else the Step pages.
TEST(RealInput, PageKeysTurnTheTabControlThatHoldsTheKeyboard) {
    StartedWindow e;
    Form1& f = e.f;
    const auto press = [](Qt::Key k, Qt::KeyboardModifiers m) { key(QApplication::focusWidget(), k, m); };
    const auto next = [&] { press(Qt::Key_Tab, Qt::ControlModifier); };
    const auto back = [&] { press(Qt::Key_Backtab, kCtrlShift); };
    const auto down = [&] { press(Qt::Key_PageDown, Qt::ControlModifier); };
    const auto up = [&] { press(Qt::Key_PageUp, Qt::ControlModifier); };
    const struct {
        Control& from;
        TabControl& turns;
        std::vector<std::function<void()>> keys;
        std::vector<int> pages;  // after each key
    } cases[] = {
        {f.txtGanFileDesc, f.SSTab1, {next, down, back, up, up, next}, {1, 2, 1, 0, 3, 0}},
        {f.cboUnitFound, f.SSTab1, {back, back, down}, {3, 2, 3}},
        {f.txtCommanderID, f.SSTab2, {next, down, back, up, up}, {1, 2, 1, 0, 7}},
        {f.lstFeatureList[0], f.SSTab3, {up, down, next}, {3, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from.fullName());
        e.reveal(c.from), e.widget(c.from)->setFocus();
        std::vector<int> pages;
        for (const auto& k : c.keys) k(), pages.push_back(c.turns.tab());
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(e.bar(c.turns)->currentIndex(), c.turns.tab());
    }
    // Each switch runs the tab control's Click: entering Step 4 takes the
    // file name; the Commander page shows the RPS frame, the others hide it.
    f.SSTab1.setTab(2), e.bar(f.SSTab1)->setFocus(), f.txtGanFileName.setText("");
    down();
    EXPECT_EQ(std::tuple(f.SSTab1.tab(), f.txtGanFileName.text()), std::tuple(3, f.txtFileNamePreview.text()));
    e.reveal(f.txtCommanderID), e.widget(f.txtCommanderID)->setFocus();
    EXPECT_TRUE(f.fraBeginSiege.visible());
    next();
    EXPECT_FALSE(f.fraBeginSiege.visible());
    // Other keys with Ctrl stay the fields': Ctrl+Home in a text box.
    e.reveal(f.txtGanFileDesc), f.txtGanFileDesc.setText("ab\r\ncd"), f.txtGanFileDesc.setSelStart(6);
    e.widget(f.txtGanFileDesc)->setFocus();
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(f.SSTab1.tab(), f.txtGanFileDesc.selStart()), std::tuple(0, 0));
}

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
    EXPECT_EQ(tried, 33);  // "Load" included
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
// over its text), as wide as its widest entry, with a scroll bar when its
// entries do not all fit; the box keeps its place.
TEST(HandHabits, DropDownListsAreBuiltWhenOpenedBesideTheirBoxAsWideAsTheirEntries) {
    StartedWindow e;
    const auto built = [](const QComboBox* box) { return box->findChild<QAbstractItemView*>() != nullptr; };
    for (Control* c : e.f.allControls()) e.widget(*c);  // every page built
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
        // A list longer than its open height says so with a scroll bar.
        EXPECT_EQ(combo->view()->verticalScrollBar()->isVisible(), combo->count() > combo->maxVisibleItems())
            << c->fullName();
        combo->hidePopup();
        EXPECT_EQ(combo->geometry(), closed) << c->fullName();
        ++opened;
    }
    EXPECT_GE(opened, 30);
}

}  // namespace
}  // namespace gs::qt
