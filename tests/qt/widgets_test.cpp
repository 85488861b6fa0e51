// The main window through the Qt view: every control has its widget by name
// at its place, what the model holds shows in the widget, and what the user
// does to a widget (keys, clicks, double-clicks, mouse moves) reaches the
// model as the same event a handler would get.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "qt/form_view.h"
#include "support/installation.h"
#include "support/session.h"

namespace gs::qt {
namespace {

struct Views : ::testing::Test {
    template <class W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(main.widget(c));
    }
    bool shown(const Control& c) { return main.widget(c)->isVisibleTo(main.window()); }
    test::FakePlatform platform;
    App app{platform};
    Form1& f = app.form;
    FormView splash{app.splash};
    FormView main{f};
};

TEST_F(Views, EveryControlHasItsWidgetByNameAtItsPlace) {
    QWidget* form = main.window();
    EXPECT_EQ(std::tuple(form->objectName(), form->size(), form->windowTitle()),
              std::tuple(QString("Form1"), QSize(700, 566), QString("Godsmith")));
    for (Control* c : f.allControls()) {
        QWidget* w = form->findChild<QWidget*>(QString::fromStdString(c->fullName()));
        if (c->kind() == Kind::FileDialog) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr) << c->fullName();
        const Geometry& g = c->geometry();
        EXPECT_EQ(w->geometry(), QRect(toPixels(g.left), toPixels(g.top), toPixels(g.width), toPixels(g.height)))
            << c->fullName();
        EXPECT_EQ(w->parentWidget(), c->container() == &f ? form : main.widget(*c->container())) << c->fullName();
        // Captions that cannot wrap fit their label in the window font.
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().contains(' ')) {
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << c->fullName();
        }
    }
    EXPECT_EQ(form->children().last(), main.widget(f.fraHelp));  // the help panel lies above everything
    EXPECT_EQ(splash.window()->size(), QSize(488, 119));
}

TEST_F(Views, TextBoxesTakeKeysAndKeepTheCaretInBytes) {
    auto* line = widget<QLineEdit>(f.txtAuthor);
    f.txtAuthor.setText("Ren\xE9");
    EXPECT_EQ(line->text(), QString::fromUtf8("Ren\u00E9"));
    int changes = 0;
    f.txtAuthor.Change = [&] { ++changes; };
    line->setCursorPosition(4);
    QTest::keyClicks(line, QString::fromUtf8("\u00E6x"));
    EXPECT_EQ(std::tuple(f.txtAuthor.text(), changes, f.txtAuthor.selStart()), std::tuple("Ren\xE9\xE6x", 2, 6));
    QTest::keyClick(line, Qt::Key_Left);  // the user moves the caret
    EXPECT_EQ(f.txtAuthor.selStart(), 5);
    f.txtAuthor.setSelStart(2);
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(std::tuple(f.txtAuthor.text(), f.txtAuthor.selStart()), std::tuple("Rn\xE9\xE6x", 1));

    auto* text = widget<QPlainTextEdit>(f.txtGarrison);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(text->tabChangesFocus());
    f.txtGarrison.setText("#commander 1822\r\n#additem \"Sceptre\"\r\n");
    EXPECT_EQ(text->toPlainText(), "#commander 1822\n#additem \"Sceptre\"\n");
    f.txtGarrison.setSelStart(17);  // after the first CR LF: the widget's character 16
    EXPECT_EQ(text->textCursor().position(), 16);
    QTest::keyClicks(text, "#x");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(std::tuple(f.txtGarrison.text(), f.txtGarrison.selStart()),
              std::tuple("#commander 1822\r\n#x\r\n#additem \"Sceptre\"\r\n", 21));
    f.txtGarrison.setSelStart(static_cast<int>(f.txtGarrison.text().size()));
    EXPECT_EQ(text->textCursor().position(), text->toPlainText().size());
}

TEST_F(Views, ListsShowTheirEntriesAndPassOnPicksClicksAndDoubleClicks) {
    auto* combo = widget<QComboBox>(f.cboEra);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_TRUE(widget<QComboBox>(f.cboUnitFound)->isEditable());
    std::vector<int> clicks;
    f.cboEra.Click = [&] { clicks.push_back(f.cboEra.listIndex()); };
    f.cboEra.addItems({"Early", "Middle", "Late"});
    EXPECT_EQ(combo->currentIndex(), -1);
    f.cboEra.setListIndex(0);
    QTest::keyClick(combo, Qt::Key_Down);  // the user picks the next entry
    emit combo->activated(1);              // and the same entry again
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 1}));
    f.cboEra.removeItem(0);
    EXPECT_EQ(std::tuple(combo->count(), combo->currentText()), std::tuple(2, QString("Middle")));

    auto* list = widget<QListWidget>(f.lstNameList);
    int listClicks = 0, dblClicks = 0;
    f.lstNameList.Click = [&] { ++listClicks; };
    f.lstNameList.DblClick = [&] {
        ++dblClicks;
        f.lstNameList.removeItem(f.lstNameList.listIndex());
    };
    for (const char* n : {"Caer Dun", "M\xF6rn", "Ys"}) f.lstNameList.addItem(n);
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("M\u00F6rn"));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);  // tabbing in chooses nothing
    QCoreApplication::sendEvent(list, &focusIn);
    const QPoint row1 = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(std::tuple(listClicks, dblClicks, list->count(), list->currentRow()), std::tuple(1, 1, 2, -1));
    EXPECT_EQ(list->item(1)->text(), "Ys");
}

TEST_F(Views, ChecksButtonsAndLabelsShowTheModelAndTakeClicks) {
    auto* box = widget<QCheckBox>(f.chkKillFeatures);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(f.chkKillFeatures.value(), CheckBox::Checked);
    f.chkKillFeatures.setValue(CheckBox::Grayed);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(widget<QCheckBox>(f.chkSea)->isEnabled());

    auto* button = widget<QPushButton>(f.cmdAddToNameList);
    int clicks = 0;
    f.cmdAddToNameList.Click = [&] { ++clicks; };
    QTest::mouseClick(button, Qt::LeftButton);
    f.cmdAddToNameList.setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    f.cmdAddToNameList.setBackColor(Rgb{0, 0xC0, 0});
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0, 0xC0, 0));
    EXPECT_TRUE(widget<QPushButton>(f.cmdAddUnits)->font().bold());

    auto* label = widget<QLabel>(f.lblUnitNumber);
    f.lblUnitNumber.Click = [&] { ++clicks; };
    f.lblUnitNumber.setCaption("1822 \x96 Sk\xE1ld");
    f.lblUnitNumber.setToolTip("Unit \xE9");
    EXPECT_EQ(std::tuple(label->text(), label->toolTip()),
              std::tuple(QString::fromUtf8("1822 \u2013 Sk\u00E1ld"), QString::fromUtf8("Unit \u00E9")));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    EXPECT_TRUE(label->font().underline());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    // The number box's border does not push its line down under it.
    f.lblUnitNumber.setCaption("1822");
    QImage shot(label->size(), QImage::Format_RGB32);
    shot.fill(Qt::white);
    label->render(&shot);
    int bottom = -1;
    for (int y = 0; y < shot.height() - 2; ++y)
        for (int x = 2; x < shot.width() - 2; ++x)
            if (shot.pixelColor(x, y).blue() > 150 && shot.pixelColor(x, y).red() < 100) bottom = y;
    EXPECT_GT(bottom, shot.height() / 2);
}

TEST_F(Views, PicturesShowTheirFileOrTheBuiltInBitmap) {
    QTemporaryDir dir;
    QImage picture(48, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath("1822.png")));
    f.picUnit.setPicture(dir.filePath("1822.png").toStdString(), 48 * 15, 32 * 15);
    EXPECT_EQ(widget<QLabel>(f.picUnit)->size(), QSize(48, 32));
    EXPECT_EQ(widget<QLabel>(f.picUnit)->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    // The built-in picture: land in the middle, sea (bluer than red) in the corner.
    const QImage image = widget<QLabel>(f.Image1)->pixmap().toImage();
    const QColor sea = image.pixelColor(image.width() - 1, image.height() - 1);
    EXPECT_GT(sea.blue(), sea.red() + 20);
    EXPECT_NE(sea, image.pixelColor(image.width() / 2, image.height() / 2));
}

TEST_F(Views, PageControlsShowOnlyOnTheirPageAndFloatingOnesOnEvery) {
    f.SSTab1.setTab(1);
    for (int page = 0; page < 4; ++page) {
        f.SSTab3.setTab(page);
        for (Control* c : std::initializer_list<Control*>{&f.chkKillFeatures, &f.cboFeature, &f.Frame10})
            EXPECT_TRUE(shown(*c)) << c->name() << " on page " << page;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(shown(f.lstFeatureList[i]), i == page);
    }
    f.SSTab1.setTab(2);
    f.fraCommander.setVisible(false);  // hidden in the model: hidden on its page too
    EXPECT_FALSE(shown(f.fraCommander));
    f.fraCommander.setVisible(true);
    auto* bar = main.widget(f.SSTab2)->findChild<QTabBar*>();
    EXPECT_EQ(bar->tabText(6), "Body Guards");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    EXPECT_EQ(f.SSTab2.tab(), 3);
    EXPECT_TRUE(shown(f.fraMagic) && shown(f.txtGarrison));
    EXPECT_FALSE(shown(f.fraCommander) || shown(f.fraBeginSiege));
    f.SSTab2.setTabCaption(1, "Site \xB2");
    EXPECT_EQ(bar->tabText(1), QString::fromUtf8("Site \u00B2"));
}

void moveOver(QWidget* target, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

TEST_F(Views, MouseMovesCountOnlyOverTheControlsOwnArea) {
    std::string seen;
    for (Control* c : std::initializer_list<Control*>{&f, &f.fraAuthor, &f.SSTab1})
        c->MouseMove = [&seen, c] { seen += c->name() + " "; };
    QWidget* fra = main.widget(f.fraAuthor);
    EXPECT_TRUE(fra->hasMouseTracking());
    moveOver(fra, QPoint(20, 5));  // the frame's caption row
    moveOver(fra, main.widget(f.txtAuthor)->geometry().center());
    QWidget* tabs = main.widget(f.SSTab1);
    moveOver(tabs->findChild<QTabBar*>(), QPoint(5, 5));
    moveOver(main.window(), main.widget(f.cmdHelpNorth)->geometry().center());
    EXPECT_EQ(seen, "fraAuthor SSTab1 ");
}

TEST_F(Views, StartUpShowsTheMainWindowAndCloseEndsIt) {
    test::FakePlatform p(test::makeInstallation());
    App started(p);
    FormView view{started.form};
    FormView splashView{started.splash};
    view.onClose = [&] { started.close(); };
    started.start();
    EXPECT_TRUE(view.window()->isVisible());
    EXPECT_FALSE(splashView.window()->isVisible());
    EXPECT_EQ(view.window()->focusWidget(), view.widget(started.form.txtAuthor));
    EXPECT_EQ(view.window()->minimumSize(), view.window()->maximumSize());
    auto* units = qobject_cast<QComboBox*>(view.widget(started.form.cboUnitFound));
    EXPECT_EQ(std::tuple(units->count(), units->itemText(1)), std::tuple(1984, QString::fromUtf8("\u00C6ther Drake")));
    emit units->activated(1);
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget(started.form.lblUnitNumber))->text(), "1822");
    view.window()->close();
    EXPECT_FALSE(view.window()->isVisible());
    EXPECT_FALSE(started.form.visible());
    main.window()->show();
    main.window()->close();  // nobody handles closing: the window stays
    EXPECT_TRUE(main.window()->isVisible());
}

TEST_F(Views, TheSplashPaintsEachProgressCaptionAtOnce) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override { return paints += e->type() == QEvent::Paint, false; }
    } counter;
    app.splash.setVisible(true);
    QWidget* busy = splash.widget(app.splash.lblBusy);
    busy->installEventFilter(&counter);
    app.splash.lblBusy.setCaption("Reading RK.cfg...");
    app.splash.lblBusy.setCaption("Reading PopData.txt...");
    EXPECT_EQ(qobject_cast<QLabel*>(busy)->text(), "Reading PopData.txt...");
    EXPECT_EQ(counter.paints, 2);
}

TEST(FormViewLifetime, TheModelOutlivesItsView) {
    Form1 f;
    { FormView view(f); }
    f.txtAuthor.setText("still fine");  // the view's observers are gone
    f.cboEra.addItem("Early");
}

}  // namespace
}  // namespace gs::qt
