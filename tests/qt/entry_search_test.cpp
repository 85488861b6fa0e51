// Finding a unit by typing into the Unit Finder's result list, with real
// keys and clicks on the widgets of the started editor.
#include "qt/started_window.h"

namespace gs::qt {
namespace {

constexpr int kKolnar = 3;  // "Kölnar Captain", unit 11, picked before every search

class EntrySearchTest : public ::testing::Test, protected StartedWindow {
protected:
    void SetUp() override {
        combo()->setFocus();
        f.cboUnitFound.setListIndex(kKolnar);
        f.cboUnitFound.Click = [this, handler = f.cboUnitFound.Click] {
            ++clicks;
            handler();
        };
    }

    QComboBox* combo() { return qobject_cast<QComboBox*>(main.widget(f.cboUnitFound)); }
    // Where the window system delivers keys: to an open list of offers, else
    // to the focused widget.
    static QWidget* keyReceiver() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        return QApplication::focusWidget();
    }
    // Selects the box's text, as the user does before typing over it, and types.
    static void search(const QString& text) {
        QTest::keyClick(keyReceiver(), Qt::Key_A, Qt::ControlModifier);
        for (QChar c : text) QTest::keyClicks(keyReceiver(), QString(c));
    }
    static void press(Qt::Key key) { QTest::keyClick(keyReceiver(), key); }
    static QAbstractItemView* offerList() {
        return qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    }
    static QStringList offers() {
        QStringList out;
        if (QAbstractItemView* list = offerList())
            for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
        return out;
    }
    // The entry the window model has selected, as the detail view shows it.
    void expectShown(int entry, const std::string& number, int raised) {
        EXPECT_EQ(std::tuple(f.cboUnitFound.listIndex(), f.lblUnitNumber.caption(), clicks, combo()->currentIndex()),
                  std::tuple(entry, number, raised, entry));
        EXPECT_EQ(f.txtUnitDescription.text().rfind(number + " " + f.cboUnitFound.item(entry) + "\r\n", 0), 0u);
        EXPECT_EQ(combo()->lineEdit()->text().toStdString(), combo()->itemText(entry).toStdString());
        EXPECT_EQ(f.cboUnitFound.listCount(), combo()->count());  // typing adds nothing
    }

    int clicks = 0;
};

TEST_F(EntrySearchTest, TypedTextOffersTheEntriesContainingItAndEnterPicksOne) {
    struct Case {
        const char* typed;
        QStringList offered;
        std::vector<Qt::Key> keys;  // before Enter
        int entry;
        const char* number;
    };
    const Case cases[] = {
        {"spear", {"Mossguard Spearman"}, {}, 2, "10"},  // any part of a name
        {"GREY", {"Grey Oracle"}, {}, 5, "13"},          // any letter case
        {"\u00e6THER", {"\u00c6ther Drake"}, {}, 1, "1822"},
        {"an", {"Mossguard Spearman", "Wrenna the Lantern"}, {}, 2, "10"},  // none highlighted: the first
        {"an", {"Mossguard Spearman", "Wrenna the Lantern"}, {Qt::Key_Down, Qt::Key_Down}, 4, "12"},
        {"an", {"Mossguard Spearman", "Wrenna the Lantern"}, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 2, "10"},
        {"an", {"Mossguard Spearman", "Wrenna the Lantern"}, {Qt::Key_Escape}, 2, "10"},  // list closed
        {"lant", {"Wrenna the Lantern"}, {}, 4, "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        f.cboUnitFound.setListIndex(kKolnar);
        clicks = 0;
        search(QString::fromUtf8(c.typed));
        EXPECT_EQ(offers(), c.offered);
        EXPECT_EQ(f.cboUnitFound.listIndex(), kKolnar);  // typing alone picks nothing
        for (Qt::Key key : c.keys) press(key);
        press(Qt::Key_Return);
        EXPECT_EQ(offerList(), nullptr);
        expectShown(c.entry, c.number, 1);
    }
}

// After Enter, or when the keyboard or the mouse goes elsewhere, the box
// names the unit the window shows again.
TEST_F(EntrySearchTest, TextThatMatchesNothingChangesNothingAndLeavesTheBox) {
    const std::function<void()> leave[] = {
        [] { press(Qt::Key_Return); },
        [] { press(Qt::Key_Enter); },
        [] { press(Qt::Key_Tab); },
        [this] { click(f.chkUGod); },
    };
    for (const char* typed : {"zq", "a", "an"})
        for (int way = 0; way < 4; ++way) {
            SCOPED_TRACE(std::string(typed) + " " + std::to_string(way));
            combo()->setFocus();
            search(typed);
            if (*typed == 'a' && !typed[1]) press(Qt::Key_Backspace);  // an emptied box offers nothing
            if (offerList()) press(Qt::Key_Escape);
            if (typed[1] == 'n' && way < 2) continue;  // Enter picks the first offer (above)
            leave[way]();
            EXPECT_EQ(std::tuple(f.cboUnitFound.listIndex(), f.lblUnitNumber.caption(), clicks,
                                 f.cboUnitFound.listCount(), combo()->count()),
                      std::tuple(kKolnar, "11", 0, 1984, 1984));
            EXPECT_EQ(combo()->lineEdit()->text(), QString::fromUtf8("K\u00f6lnar Captain"));
        }
}

TEST_F(EntrySearchTest, AClickOnAnOfferPicksIt) {
    search("an");
    QAbstractItemView* list = offerList();
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    expectShown(4, "12", 1);
}

TEST_F(EntrySearchTest, AfterApplyFiltersTheSearchOffersFromTheNewList) {
    f.chkUFemale.setValue(CheckBox::Checked);
    f.cmdUApplyFilters.click();
    ASSERT_EQ(f.cboUnitFound.items(), (std::vector<std::string>{"None", "K\xF6lnar Captain"}));
    search("A");
    EXPECT_EQ(offers(), QStringList{"K\u00f6lnar Captain"});
    press(Qt::Key_Enter);
    expectShown(1, "11", 1);
}

}  // namespace
}  // namespace gs::qt
