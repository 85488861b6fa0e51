// Each kind of control through its widget: what the model holds shows in the
// widget, and what the user does to the widget reaches the model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "qt/form_view.h"

namespace gs::qt {
namespace {

// A small window with one control of every kind.
struct TestWindow : Window {
    TestWindow() : Window("Form1") {
        setCaption("Editor \xE9");
        setGeometry({0, 0, 9000, 6000});
        fraAuthor.place(this, {150, 150, 4500, 3000});
        fraAuthor.setCaption("Author");
        txtAuthor.place(&fraAuthor, {150, 300, 1500, 300});
        txtNotes.multiLine = true;
        txtNotes.vScroll = true;
        txtNotes.place(&fraAuthor, {150, 750, 3000, 900});
        lblUnit.place(&fraAuthor, {150, 1800, 1500, 255});
        cboEra.place(this, {4800, 150, 1500, 315});
        cboUnitFound.place(this, {4800, 600, 1500, 315});
        lstNames.place(this, {4800, 1050, 1500, 1500});
        chkSea.place(this, {4800, 2700, 1500, 255});
        chkSea.setCaption("_SEA_");
        cmdAdd.place(this, {6450, 150, 1500, 375});
        cmdAdd.setCaption("Add to List");
        picUnit.place(this, {6450, 750, 0, 0});
        Image1.place(this, {6450, 2100, 1500, 750});
        shpUnit.place(this, {6450, 750, 1200, 1200});
        SSTab.place(this, {150, 3300, 6000, 2400});
        SSTab.setTabCaptions({"Site 1", "Site 2"});
        fraSite.place(&SSTab, {120, 360, 2400, 1500}, 0);
        cmdSite.place(&fraSite, {120, 240, 1500, 375});
        lblSite2.place(&SSTab, {120, 360, 1500, 255}, 1);
        lblSite2.setCaption("second page");
        chkKill.place(&SSTab, {3000, 360, 1200, 255});  // on no page: floats above all pages
        chkKill.setCaption("Kill Features");
        dlg.place(this, {});
    }

    Frame fraAuthor{"fraAuthor"};
    TextBox txtAuthor{"txtAuthor"};
    TextBox txtNotes{"txtNotes"};
    Label lblUnit{"lblUnit", 3};
    ComboBox cboEra{"cboEra"};
    ComboBox cboUnitFound{"cboUnitFound", true};
    ListBox lstNames{"lstNames"};
    CheckBox chkSea{"chkSea"};
    Button cmdAdd{"cmdAdd"};
    PictureBox picUnit{"picUnit"};
    Image Image1{"Image1"};
    Shape shpUnit{"shpUnit"};
    TabControl SSTab{"SSTab"};
    Frame fraSite{"fraSite"};
    Button cmdSite{"cmdSite"};
    Label lblSite2{"lblSite2"};
    CheckBox chkKill{"chkKill"};
    FileDialog dlg{"dlg"};
};

class BindingTest : public ::testing::Test {
protected:
    template <class W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view.widget(c));
    }
    bool shown(const Control& c) { return view.widget(c)->isVisibleTo(view.window()); }

    TestWindow w;
    FormView view{w};
};

// Where each widget sits and hangs is checked on the real main window; here
// the title's characters, the stacking order and moves.
TEST_F(BindingTest, WidgetsStackInModelOrderAndFollowMoves) {
    EXPECT_EQ(view.window()->windowTitle(), QString::fromUtf8("Editor \u00E9"));
    // Later in the model = higher in the window.
    const QObjectList order = view.window()->children();
    EXPECT_LT(order.indexOf(view.widget(w.picUnit)), order.indexOf(view.widget(w.shpUnit)));
    EXPECT_LT(order.indexOf(view.widget(w.fraAuthor)), order.indexOf(view.widget(w.SSTab)));
    w.cmdAdd.move(6600, 300);
    EXPECT_EQ(view.widget(w.cmdAdd)->pos(), QPoint(440, 20));
}

TEST_F(BindingTest, LineTextBoxBothWays) {
    auto* edit = widget<QLineEdit>(w.txtAuthor);
    ASSERT_NE(edit, nullptr);
    int changes = 0;
    w.txtAuthor.Change = [&] { ++changes; };
    w.txtAuthor.setText("Ren\xE9");
    EXPECT_EQ(edit->text(), QString::fromUtf8("Ren\u00E9"));
    EXPECT_EQ(changes, 1);

    edit->setCursorPosition(4);
    QTest::keyClicks(edit, QString::fromUtf8("\u00E6x"));
    EXPECT_EQ(w.txtAuthor.text(), "Ren\xE9\xE6x");
    EXPECT_EQ(changes, 3);  // one Change per key, as the user types
    EXPECT_EQ(w.txtAuthor.selStart(), 6);

    w.txtAuthor.setSelStart(2);
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(w.txtAuthor.text(), "Rn\xE9\xE6x");
    EXPECT_EQ(w.txtAuthor.selStart(), 1);

    w.txtAuthor.readOnly = true;
    w.txtAuthor.setAlign(Align::Right);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
}

TEST_F(BindingTest, MultiLineTextBoxMirrorsCrLfAsNewlines) {
    auto* edit = widget<QPlainTextEdit>(w.txtNotes);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    w.txtNotes.setText("#commander 1822\r\n#additem \"Sceptre\"\r\n");
    EXPECT_EQ(edit->toPlainText(), "#commander 1822\n#additem \"Sceptre\"\n");

    // The caret counts bytes in the model: after the first CR LF is byte 17,
    // the widget's character 16.
    w.txtNotes.setSelStart(17);
    EXPECT_EQ(edit->textCursor().position(), 16);

    QTest::keyClicks(edit, "#x");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(w.txtNotes.text(), "#commander 1822\r\n#x\r\n#additem \"Sceptre\"\r\n");
    EXPECT_EQ(w.txtNotes.selStart(), 21);

    // Appending from code and moving the caret to the end, as the builders do.
    w.txtNotes.setText(w.txtNotes.text() + "#bodyguards 5 \"Ashen Guard\"\r\n");
    w.txtNotes.setSelStart(static_cast<int>(w.txtNotes.text().size()));
    EXPECT_EQ(edit->textCursor().position(), edit->toPlainText().size());
}

TEST_F(BindingTest, ComboListBothWays) {
    auto* combo = widget<QComboBox>(w.cboEra);
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    std::vector<int> clicks;
    w.cboEra.Click = [&] { clicks.push_back(w.cboEra.listIndex()); };
    w.cboEra.addItems({"Early", "Middle", "Late"});
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), -1);  // nothing selected until the model selects
    w.cboEra.setListIndex(0);
    EXPECT_EQ(combo->currentText(), "Early");

    QTest::keyClick(combo, Qt::Key_Down);  // the user picks the next entry
    EXPECT_EQ(w.cboEra.listIndex(), 1);
    emit combo->activated(1);  // and picks the same entry again
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 1}));

    w.cboEra.clear();
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(BindingTest, ComboEntriesFollowAddsRemovesAndLongLists) {
    auto* combo = widget<QComboBox>(w.cboUnitFound);
    ASSERT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    std::vector<std::string> names{"None"};
    for (int i = 1; i < 1983; ++i) names.push_back("Unit \xE9 " + std::to_string(i));
    w.cboUnitFound.addItems(names);
    ASSERT_EQ(combo->count(), 1983);
    EXPECT_EQ(combo->itemText(1982), QString::fromUtf8("Unit \u00E9 1982"));

    w.cboUnitFound.addItem("Extra");
    w.cboUnitFound.removeItem(0);
    w.cboUnitFound.setListIndex(1982);
    ASSERT_EQ(combo->count(), 1983);
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("Unit \u00E9 1"));
    EXPECT_EQ(combo->currentText(), "Extra");
}

TEST_F(BindingTest, ListBoxClickAndDoubleClick) {
    auto* list = widget<QListWidget>(w.lstNames);
    ASSERT_NE(list, nullptr);
    int clicks = 0, dblClicks = 0;
    w.lstNames.Click = [&] { ++clicks; };
    w.lstNames.DblClick = [&] {
        ++dblClicks;
        w.lstNames.removeItem(w.lstNames.listIndex());  // as the builders' lists do
    };
    for (const char* n : {"Caer Dun", "M\xF6rn", "Ys"}) w.lstNames.addItem(n);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("M\u00F6rn"));

    // Tabbing into the list chooses nothing.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &focusIn);
    EXPECT_EQ(w.lstNames.listIndex(), -1);
    EXPECT_EQ(clicks, 0);

    const QPoint row1 = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(w.lstNames.listIndex(), 1);
    EXPECT_EQ(clicks, 1);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(clicks, 1);  // the entry was already selected
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Ys");
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    w.lstNames.setListIndex(1);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(BindingTest, CheckBoxBothWays) {
    auto* box = widget<QCheckBox>(w.chkSea);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "_SEA_");
    int clicks = 0;
    w.chkSea.Click = [&] { ++clicks; };
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(w.chkSea.value(), CheckBox::Checked);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(w.chkSea.value(), CheckBox::Unchecked);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);

    w.chkSea.setValue(CheckBox::Grayed);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    w.chkSea.setEnabled(false);
    EXPECT_FALSE(box->isEnabled());
    w.chkSea.setValue(CheckBox::Checked);  // only code changes a disabled box
    EXPECT_EQ(box->checkState(), Qt::Checked);
    EXPECT_EQ(clicks, 4);
}

TEST_F(BindingTest, ButtonClicksOnlyWhileEnabled) {
    auto* button = widget<QPushButton>(w.cmdAdd);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Add to List");
    int clicks = 0;
    w.cmdAdd.Click = [&] { ++clicks; };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    w.cmdAdd.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    w.cmdAdd.setFont(Font{13.5, true});
    w.cmdAdd.setBackColor(Rgb{0, 0xC0, 0});
    EXPECT_TRUE(button->font().bold());
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 13.5);
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0, 0xC0, 0));
}

TEST_F(BindingTest, LabelShowsCaptionLookAndTakesClicks) {
    auto* label = widget<QLabel>(w.lblUnit);
    ASSERT_NE(label, nullptr);
    int clicks = 0;
    w.lblUnit.Click = [&] { ++clicks; };
    w.lblUnit.setCaption("1822 \x96 Sk\xE1ld");
    EXPECT_EQ(label->text(), QString::fromUtf8("1822 \u2013 Sk\u00E1ld"));
    w.lblUnit.setForeColor(Rgb{0, 0, 0xFF});
    w.lblUnit.setUnderline(true);
    w.lblUnit.setBordered(true);
    w.lblUnit.setAlign(Align::Right);
    w.lblUnit.setToolTip("Unit \xE9");
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    EXPECT_TRUE(label->font().underline());
    EXPECT_NE(label->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_EQ(label->toolTip(), QString::fromUtf8("Unit \u00E9"));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    // The border does not push the one line of a number box down under it:
    // the link's underline stays in view.
    auto inkRows = [&](bool bordered) {
        w.lblUnit.setBordered(bordered);
        QImage shot(label->size(), QImage::Format_RGB32);
        shot.fill(Qt::white);
        label->render(&shot);
        int top = -1, bottom = -1;
        for (int y = 2; y < shot.height() - 2; ++y)
            for (int x = 2; x < shot.width() - 2; ++x)
                if (shot.pixelColor(x, y).blue() > 150 && shot.pixelColor(x, y).red() < 100) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        return std::pair{top, bottom};
    };
    w.lblUnit.setCaption("1822");
    const auto [plainTop, plainBottom] = inkRows(false);
    const auto [boxTop, boxBottom] = inkRows(true);
    ASSERT_GE(plainTop, 0);
    EXPECT_LE(boxTop - plainTop, 1);
    EXPECT_LE(boxBottom - plainBottom, 1);
    w.lblUnit.setVisible(false);
    EXPECT_FALSE(shown(w.lblUnit));
}

TEST_F(BindingTest, PicturesShowTheirFileOrTheBuiltInBitmap) {
    QTemporaryDir dir;
    const QString file = dir.filePath("1822.png");
    QImage picture(48, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(file));
    w.picUnit.setPicture(file.toStdString(), 48 * 15, 32 * 15);
    auto* pic = widget<QLabel>(w.picUnit);
    EXPECT_EQ(pic->size(), QSize(48, 32));
    EXPECT_EQ(pic->pixmap().size(), QSize(48, 32));
    EXPECT_EQ(pic->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    w.picUnit.move(6600, 900);
    EXPECT_EQ(pic->pos(), QPoint(440, 60));

    auto* image = widget<QLabel>(w.Image1);
    EXPECT_EQ(image->pixmap().size(), QSize(100, 50));
    EXPECT_NE(widget<QFrame>(w.shpUnit), nullptr);
}

TEST_F(BindingTest, PageControlsShowOnlyOnTheirPage) {
    EXPECT_TRUE(shown(w.fraSite));
    EXPECT_FALSE(shown(w.lblSite2));
    EXPECT_TRUE(shown(w.chkKill));
    w.SSTab.setTab(1);
    EXPECT_FALSE(shown(w.fraSite));
    EXPECT_TRUE(shown(w.lblSite2));
    EXPECT_TRUE(shown(w.chkKill));

    // A control hidden in the model stays hidden on its page.
    w.fraSite.setVisible(false);
    w.SSTab.setTab(0);
    EXPECT_FALSE(shown(w.fraSite));
    w.fraSite.setVisible(true);
    EXPECT_TRUE(shown(w.fraSite));

    // The user changes the page.
    std::vector<int> previous;
    w.SSTab.Click = [&](int p) { previous.push_back(p); };
    auto* bar = view.widget(w.SSTab)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->tabText(1), "Site 2");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(w.SSTab.tab(), 1);
    EXPECT_EQ(previous, std::vector<int>{0});
    EXPECT_TRUE(shown(w.lblSite2));
    w.SSTab.setTabCaption(1, "Site \xB2");
    EXPECT_EQ(bar->tabText(1), QString::fromUtf8("Site \u00B2"));
}

// Sends a plain mouse move (no button) to a widget.
void moveOver(QWidget* target, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

TEST_F(BindingTest, MouseMoveCountsOnlyOverTheControlsOwnArea) {
    int frame = 0, tab = 0, form = 0;
    w.fraAuthor.MouseMove = [&] { ++frame; };
    w.SSTab.MouseMove = [&] { ++tab; };
    w.MouseMove = [&] { ++form; };
    QWidget* fra = view.widget(w.fraAuthor);
    moveOver(fra, QPoint(250, 5));  // the frame's caption row
    moveOver(fra, view.widget(w.txtAuthor)->geometry().center());
    EXPECT_EQ(frame, 1);

    QWidget* area = view.widget(w.SSTab);
    moveOver(area->findChild<QTabBar*>(), QPoint(5, 5));
    moveOver(area, QPoint(300, 140));  // the empty page
    moveOver(area, view.widget(w.fraSite)->geometry().center());
    EXPECT_EQ(tab, 2);

    moveOver(view.window(), QPoint(590, 390));
    moveOver(view.window(), view.widget(w.cmdAdd)->geometry().center());
    EXPECT_EQ(form, 1);
}

TEST_F(BindingTest, WindowFollowsVisibilityAndFocusAndCloses) {
    w.setFocus(&w.txtAuthor);
    w.setVisible(true);
    EXPECT_TRUE(view.window()->isVisible());
    EXPECT_EQ(view.window()->focusWidget(), view.widget(w.txtAuthor));
    EXPECT_EQ(view.window()->minimumSize(), view.window()->maximumSize());

    view.window()->close();  // nobody handles closing: the window stays
    EXPECT_TRUE(view.window()->isVisible());
    int closes = 0;
    view.onClose = [&] { ++closes; };
    view.window()->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(view.window()->isVisible());

    w.setVisible(true);
    w.setVisible(false);
    EXPECT_FALSE(view.window()->isVisible());
}

TEST(FormViewLifetime, ModelOutlivesItsView) {
    TestWindow w;
    { FormView view(w); }
    w.txtAuthor.setText("still fine");  // the view's observers are gone
    w.cboEra.addItem("Early");
    SUCCEED();
}

}  // namespace
}  // namespace gs::qt
