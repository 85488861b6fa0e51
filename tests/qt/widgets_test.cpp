// The main window through the Qt view: every control has its widget by name
// at its place, what the model holds shows in the widget, and what the user
// does to a widget reaches the model as the same event a handler would get.
// Window text is Windows-1252 bytes; the widgets show Unicode.
#include <QTemporaryDir>

#include "qt/cp1252.h"
#include "qt/label_binding.h"
#include "qt/map_picture.h"
#include "qt/qt_platform.h"
#include "qt/started_window.h"

namespace gs::qt {

using namespace Qt::StringLiterals;
namespace {

struct Views : ::testing::Test, StartedWindow {
    Views() : StartedWindow(false) {}
};

TEST_F(Views, EveryControlHasItsWidgetByNameAtItsPlace) {
    QWidget* form = main.window();
    EXPECT_EQ(std::tuple(form->objectName(), form->size(), form->windowTitle()),
              std::tuple(QString("Form1"), QSize(700, 566), QString("Godsmith")));
    // The pages the user has not shown wait for their widgets.
    const auto built = [&](const Control& c) { return form->findChild<QWidget*>(QString::fromStdString(c.fullName())); };
    EXPECT_TRUE(built(f.txtAuthor) && built(f.cboUnitFound) && !built(f.cboPopType) && !built(f.lstItemList));
    f.SSTab1.setTab(2);
    EXPECT_TRUE(built(f.fraStep3) && built(f.txtCommanderID) && !built(f.lstItemList) && !built(f.cboPopType));
    for (Control* c : f.allControls()) {
        QWidget* w = main.widget(*c);  // built when asked for
        ASSERT_EQ(w == nullptr, c->kind() == Kind::FileDialog) << c->fullName();
        if (!w) continue;
        EXPECT_EQ(w, built(*c)) << c->fullName();  // its place: window_scale_test.cpp
        EXPECT_EQ(w->parentWidget(), c->container() == &f ? form : main.widget(*c->container())) << c->fullName();
    }
    EXPECT_EQ(form->children().last(), main.widget(f.fraHelp));  // the help panel lies above everything
    EXPECT_EQ(splash.window()->size(), QSize(488, 119));
}

// A widget takes a font of its own when it shows: until then its face and
// size cost nothing (the help box's 12 points, hidden at start).
TEST_F(Views, AHiddenWidgetTakesItsOwnFontWhenItShows) {
    const auto points = [&](const Control& c) { return widget(c)->font().pointSizeF(); };
    f.fraHelp.setVisible(false);
    f.setVisible(true);
    EXPECT_EQ(std::tuple(points(f.txtHelp), points(f.txtAuthor), points(f.cmdHelpNorth)), std::tuple(8.25, 8.25, 13.5));
    f.fraHelp.setVisible(true);
    EXPECT_EQ(points(f.txtHelp), 12);
    f.fraHelp.setVisible(false);
    main.setScale(2);  // the hidden box's font waits again
    f.fraHelp.setVisible(true);
    EXPECT_EQ(std::tuple(points(f.txtHelp), points(f.cmdHelpNorth)), std::tuple(24, 27));
}

// Whatever fonts the system has (CI runs this once more with none at all).
TEST_F(Views, EveryControlDrawsWithTheCarriedFont) {
    main.window()->show();
    reveal(f.cmdAddUnits);
    for (const Control* c : std::initializer_list<const Control*>{&f.Label6, &f.Label22, &f.cmdAddUnits}) {
        const QFontInfo font(widget(*c)->font());
        EXPECT_EQ(std::tuple(font.family().toStdString(), font.bold()), std::tuple("Liberation Sans", c->font().bold))
            << c->name();
    }
    // Real glyphs, not an empty stand-in: "Cmdr1:" fits its 33-pixel label.
    const int width = QFontMetrics(widget(f.Label6)->font()).horizontalAdvance("Cmdr1:");
    EXPECT_TRUE(width > 25 && width <= 33) << width;
}

TEST_F(Views, TextBoxesTakeKeysAndKeepTheCaretInBytes) {
    auto* line = as<QLineEdit>(f.txtAuthor);
    f.txtAuthor.setText("Ren\xE9");
    EXPECT_EQ(line->text(), QString::fromUtf8("Ren\u00E9"));
    int changes = 0;
    f.txtAuthor.Change = [&] { ++changes; };
    line->setCursorPosition(4);
    QTest::keyClicks(line, QString::fromUtf8("\u00E6x"));
    EXPECT_EQ(std::tuple(f.txtAuthor.text(), changes, f.txtAuthor.selStart()), std::tuple("Ren\xE9\xE6x", 2, 6));
    key(line, Qt::Key_Left);
    EXPECT_EQ(f.txtAuthor.selStart(), 5);
    f.txtAuthor.setSelStart(2), key(line, Qt::Key_Backspace);
    EXPECT_EQ(std::tuple(f.txtAuthor.text(), f.txtAuthor.selStart()), std::tuple("Rn\xE9\xE6x", 1));

    reveal(f.txtGarrison);
    auto* text = as<QPlainTextEdit>(f.txtGarrison);
    f.txtGarrison.setText("#commander 1822\r\n#additem \"Sceptre\"\r\n");
    EXPECT_EQ(text->toPlainText(), "#commander 1822\n#additem \"Sceptre\"\n");
    f.txtGarrison.setSelStart(17);  // after the first CR LF: the widget's character 16
    EXPECT_EQ(text->textCursor().position(), 16);
    QTest::keyClicks(text, "#x"), key(text, Qt::Key_Return);
    EXPECT_EQ(std::tuple(f.txtGarrison.text(), f.txtGarrison.selStart()),
              std::tuple("#commander 1822\r\n#x\r\n#additem \"Sceptre\"\r\n", 21));
    key(text, Qt::Key_Left);  // back over the line end: both its bytes
    EXPECT_EQ(f.txtGarrison.selStart(), 19);
    f.txtGarrison.setSelStart(static_cast<int>(f.txtGarrison.text().size()));
    EXPECT_EQ(text->textCursor().position(), text->toPlainText().size());
    // Text set from code, sharing a start or an end with the shown one or
    // not, shows exactly; a no-break space stays one.
    const std::vector<std::pair<std::string, QString>> texts = {
        {"#commander 1822\r\n#additem \"Sceptre\"", u"#commander 1822\n#additem \"Sceptre\""_s},
        {"#commander 18221822\r\n\r\n#additem", u"#commander 18221822\n\n#additem"_s},
        {"#commander 1822\r\n#additem", u"#commander 1822\n#additem"_s},
        {"#c", u"#c"_s}, {"#c#c", u"#c#c"_s}, {"", u""_s}, {"\xA0\r\n \r\n", u"\u00A0\n \n"_s},
        {" \r\n\xA0\r\n", u" \n\u00A0\n"_s}, {"\r\n", u"\n"_s}};
    for (const auto& [bytes, shown] : texts) {
        f.txtGarrison.setText(bytes);
        EXPECT_EQ(text->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'), shown);
    }
    // Typing keeps the no-break spaces the box holds.
    f.txtGarrison.setText("\xA0" "a\r\n\xA0");
    f.txtGarrison.setSelStart(4);
    QTest::keyClicks(text, "b");
    EXPECT_EQ(std::tuple(f.txtGarrison.text(), f.txtGarrison.selStart()), std::tuple("\xA0" "a\r\nb\xA0", 5));

    const std::string description = f.txtUnitDescription.text();  // shown, not typed into
    QTest::keyClicks(as<QPlainTextEdit>(f.txtUnitDescription), "x");
    EXPECT_EQ(f.txtUnitDescription.text(), description);
}

TEST_F(Views, ListsShowTheirEntriesAndPassOnPicksClicksAndDoubleClicks) {
    auto* combo = as<QComboBox>(f.cboEra);
    std::vector<int> clicks;
    f.cboEra.Click = [&] { clicks.push_back(f.cboEra.listIndex()); };
    f.cboEra.addItems({"Early", "Middle", "Late"});
    EXPECT_EQ(combo->currentIndex(), -1);
    f.cboEra.setListIndex(0);
    key(combo, Qt::Key_Down);  // the user picks the next entry
    emit combo->activated(1);  // and the same entry again
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 1}));
    f.cboEra.removeItem(0);
    EXPECT_EQ(std::tuple(combo->count(), combo->currentText()), std::tuple(2, "Middle"));

    // A long list (a model of its own) grows, shrinks and shows its entries as a short one does.
    std::vector<std::string> many;
    for (int i = 0; i < 150; ++i) many.push_back("K\xF6lnar " + std::to_string(i));
    f.cboEra.clear();
    f.cboEra.addItems(many);
    f.cboEra.setListIndex(148);
    key(combo, Qt::Key_Down);
    f.cboEra.addItems({"Ys", "Zed"});
    EXPECT_EQ(std::tuple(clicks.back(), combo->count(), combo->currentText(), combo->itemText(151)),
              std::tuple(149, 152, QString::fromUtf8("K\u00F6lnar 149"), "Zed"));
    f.cboEra.removeItem(0);
    f.cboEra.setListIndex(0);
    EXPECT_EQ(std::tuple(combo->count(), combo->currentText(), combo->itemText(150)),
              std::tuple(151, QString::fromUtf8("K\u00F6lnar 1"), "Zed"));

    auto* list = as<QListWidget>(f.lstNameList);
    int listClicks = 0, dblClicks = 0;
    f.lstNameList.Click = [&] { ++listClicks; };
    f.lstNameList.DblClick = [&] { ++dblClicks, f.lstNameList.removeItem(f.lstNameList.listIndex()); };
    for (const char* n : {"Caer Dun", "M\xF6rn", "Ys"}) f.lstNameList.addItem(n);
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("M\u00F6rn"));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);  // tabbing in chooses nothing
    QCoreApplication::sendEvent(list, &focusIn);
    const QPoint row1 = rowCenter(list, 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(std::tuple(listClicks, dblClicks, list->count(), list->currentRow(), list->item(1)->text()),
              std::tuple(1, 1, 2, -1, "Ys"));
}

// Delete removes the selected entry of a builder or site list through its DblClick.
TEST_F(Views, DeleteRemovesTheSelectedEntryOfEveryListAsADoubleClickDoes) {
    for (const char* name : {"lstCommanderList", "lstCommanderNameList", "lstItemList", "lstMagicList",
                             "lstDominionList", "lstScalesList", "lstBodyGuardList", "lstUnitList", "lstNameList",
                             "lstFeatureList(0)", "lstFeatureList(1)", "lstFeatureList(2)", "lstFeatureList(3)"}) {
        SCOPED_TRACE(name);
        auto* list = static_cast<ListBox*>(f.find(name));
        auto* w = as<QListWidget>(*list);
        ASSERT_NE(w, nullptr);
        int raised = 0;
        list->DblClick = [&raised, handler = list->DblClick] { ++raised, handler(); };
        list->addItems({"first", "second"});
        key(w, Qt::Key_Delete);  // nothing selected
        list->setListIndex(0);
        key(w, Qt::Key_Delete, Qt::ShiftModifier);  // not the Delete gesture
        EXPECT_EQ(raised, 0);
        key(w, Qt::Key_Delete);
        EXPECT_EQ(std::tuple(raised, list->items(), w->count()), std::tuple(1, std::vector<std::string>{"second"}, 1));
    }
    f.cmdAddDominion.setEnabled(true);  // the list's own rule after its last entry went
    f.lstDominionList.setListIndex(0);
    key(widget(f.lstDominionList), Qt::Key_Delete);
    EXPECT_EQ(std::tuple(f.lstDominionList.listCount(), f.cmdAddDominion.enabled()), std::tuple(0, false));
}

TEST_F(Views, ChecksButtonsAndLabelsShowTheModelAndTakeClicks) {
    main.window()->show();
    reveal(f.cmdAddUnits);
    click(f.chkKillFeatures);
    EXPECT_EQ(f.chkKillFeatures.value(), CheckBox::Checked);
    f.chkKillFeatures.setValue(CheckBox::Grayed);
    EXPECT_EQ(std::tuple(as<QCheckBox>(f.chkKillFeatures)->checkState(), widget(f.chkSea)->isEnabled()),
              std::tuple(Qt::PartiallyChecked, false));

    int clicks = 0;
    f.cmdAddToNameList.Click = [&] { ++clicks; };
    click(f.cmdAddToNameList), f.cmdAddToNameList.setEnabled(false), click(f.cmdAddToNameList);
    EXPECT_EQ(clicks, 1);
    f.cmdAddToNameList.setBackColor(Rgb{0, 0xC0, 0});
    EXPECT_EQ(
        std::tuple(widget(f.cmdAddToNameList)->palette().color(QPalette::Button), widget(f.cmdAddUnits)->font().bold()),
        std::tuple(QColor(0, 0xC0, 0), true));

    auto* label = as<QLabel>(f.lblUnitNumber);
    f.lblUnitNumber.Click = [&] { ++clicks; };
    f.lblUnitNumber.setCaption("1822 \x96 Sk\xE1ld"), f.lblUnitNumber.setToolTip("Unit \xE9");
    EXPECT_EQ(std::tuple(label->text(), label->toolTip()),
              std::tuple(QString::fromUtf8("1822 \u2013 Sk\u00E1ld"), QString::fromUtf8("Unit \u00E9")));
    EXPECT_EQ(std::tuple(label->palette().color(QPalette::WindowText), label->font().underline()),
              std::tuple(QColor(0, 0, 0xFF), true));
    click(f.lblUnitNumber);
    EXPECT_EQ(clicks, 2);
    f.lblUnitNumber.setCaption("1822");  // the number box's border does not push its line down under it
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
    f.picUnit.setPicture(dir.filePath("1822.png").toStdString(), 48, 32);
    EXPECT_EQ(std::tuple(widget(f.picUnit)->size(), as<QLabel>(f.picUnit)->pixmap().toImage().pixelColor(5, 5)),
              std::tuple(QSize(48, 32), QColor(Qt::red)));
    // A unit without a sprite: no picture, and no file looked for.
    static int warnings = 0;
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {
        ++warnings;
    });
    f.picUnit.setPicture("", 0, 0);
    qInstallMessageHandler(before);
    EXPECT_EQ(std::pair(as<QLabel>(f.picUnit)->pixmap().isNull(), warnings), std::pair(true, 0));
    // The built-in picture: land in the middle, sea (bluer than red) in the corner.
    const QImage image = as<QLabel>(f.Image1)->pixmap().toImage();
    const QColor sea = image.pixelColor(image.width() - 1, image.height() - 1);
    EXPECT_GT(sea.blue(), sea.red() + 20);
    EXPECT_NE(sea, image.pixelColor(image.width() / 2, image.height() / 2));
}

// A sprite shows as Qt's own reader reads it, whatever the file holds: a
// plain colour JPEG (which libjpeg reads without Qt's plugins), a progressive
// and a grey one, one cut short (filled grey) and one whose header claims
// more pixels than Qt reads (no picture, nothing allocated).
TEST_F(Views, SpritesShowAsQtReadsThem) {
    QTemporaryDir dir;
    QImage picture(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) picture.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) & 255));
    const auto save = [&](const char* name, const QImage& image, bool progressive) {
        QImageWriter writer(dir.filePath(name), "jpeg");
        writer.setProgressiveScanWrite(progressive);
        EXPECT_TRUE(writer.write(image)) << name;
    };
    save("0001.jpg", picture, false);
    save("0002.jpg", picture, true);
    save("0003.jpg", picture.convertToFormat(QImage::Format_Grayscale8), false);
    QFile plain(dir.filePath("0001.jpg"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray bytes = plain.readAll();
    test::writeFile(dir.filePath("0004.jpg").toStdString(), bytes.left(bytes.size() / 2).toStdString());
    QByteArray huge = bytes;
    const qsizetype frame = huge.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    huge.replace(frame + 5, 4, "\x75\x30\x75\x30");  // 30000 x 30000
    test::writeFile(dir.filePath("0005.jpg").toStdString(), huge.toStdString());
    QtPlatform platform;
    for (const char* name : {"0001.jpg", "0002.jpg", "0003.jpg", "0004.jpg", "0005.jpg"}) {
        const QString path = dir.filePath(name);
        const auto size = platform.pictureSize(path.toStdString());
        ASSERT_TRUE(size) << name;
        EXPECT_EQ(QSize(size->width, size->height), QImageReader(path).size()) << name;
        f.picUnit.setPicture(path.toStdString(), size->width, size->height);
        EXPECT_EQ(as<QLabel>(f.picUnit)->pixmap().toImage(), QPixmap(path).toImage()) << name;
    }
    EXPECT_TRUE(as<QLabel>(f.picUnit)->pixmap().isNull());
}

// A scroll bar paints in bands, so no fill leaves the painting thread, with
// the very pixels of the window's style wherever a band edge falls.
TEST_F(Views, ScrollBarsPaintInBandsWithTheStylesPixels) {
    QStyle* const banded = as<QPlainTextEdit>(f.txtUnitDescription)->verticalScrollBar()->style();
    ASSERT_NE(banded, QApplication::style());
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.setPageStep(30);
    for (int height : {60, 64, 65, 177, 300})
        for (int value : {0, 37, 100}) {
            bar.resize(17, height);
            bar.setValue(value);
            bar.setSliderDown(value == 37);
            bar.setStyle(banded);
            const QImage inBands = bar.grab().toImage();
            bar.setStyle(QApplication::style());
            EXPECT_EQ(inBands, bar.grab().toImage()) << height << " " << value;
        }
}

// A check box's indicator is drawn once for each look and kept, with the
// very pixels of the window's style in every state.
TEST_F(Views, CheckBoxIndicatorsAreKeptWithTheStylesPixels) {
    QStyle* const keeping = widget(f.chkKillFeatures)->style();
    ASSERT_NE(keeping, QApplication::style());
    QCheckBox box(u"Kill Features"_s);
    box.setTristate(true);
    for (int round = 0; round < 2; ++round)  // drawn, then kept
        for (bool enabled : {true, false})
            for (Qt::CheckState state : {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}) {
                box.setEnabled(enabled);
                box.setCheckState(state);
                box.setStyle(keeping);
                const QImage kept = box.grab().toImage();
                box.setStyle(QApplication::style());
                EXPECT_EQ(kept, box.grab().toImage()) << round << enabled << state;
            }
}

// The executable carries the built-in picture of each image control at scale
// 1, pixel for pixel as drawn; at another scale the picture is drawn.
TEST_F(Views, TheCarriedMapPicturesAreTheDrawnOnes) {
    const auto check = [&](const Control& c, bool night, bool carried) {
        const QSize size = widget(c)->size();
        EXPECT_EQ(carriedMapPicture(size, night).isNull(), !carried) << c.fullName();
        EXPECT_EQ(as<QLabel>(c)->pixmap().toImage(), drawnMapPicture(size, night).toImage()) << c.fullName();
    };
    for (const Control* c : {&f.Image1, &f.Image2}) check(*c, false, true);
    check(app.splash.Image1, true, true);
    main.setScale(1.5);
    check(f.Image1, false, false);
}

TEST_F(Views, PageControlsShowOnlyOnTheirPageAndFloatingOnesOnEvery) {
    // Built before its page is first shown, a control still lies where the window has it.
    QWidget* garrison = widget(f.txtGarrison);
    f.SSTab1.setTab(2);
    const QObjectList z = widget(f.SSTab1)->children();
    EXPECT_GT(z.indexOf(garrison), z.indexOf(widget(f.fraStep3)));
    EXPECT_GT(z.indexOf(widget(f.fraStep3)), z.indexOf(widget(f.fraBeginSiege)));
    f.SSTab1.setTab(1);
    for (int page = 0; page < 4; ++page) {
        f.SSTab3.setTab(page);
        for (Control* c : std::initializer_list<Control*>{&f.chkKillFeatures, &f.cboFeature, &f.Frame10})
            EXPECT_TRUE(shown(*c)) << c->name() << " on page " << page;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(shown(f.lstFeatureList[i]), i == page);
    }
    f.SSTab1.setTab(2), f.fraCommander.setVisible(false);  // hidden in the model: hidden on its page too
    EXPECT_FALSE(shown(f.fraCommander));
    f.fraCommander.setVisible(true);
    EXPECT_EQ(bar(f.SSTab2)->tabText(6), "Body Guards");
    clickTab(f.SSTab2, 3);
    EXPECT_EQ(std::tuple(f.SSTab2.tab(), shown(f.fraMagic), shown(f.txtGarrison), shown(f.fraCommander),
                         shown(f.fraBeginSiege)),
              std::tuple(3, true, true, false, false));
    f.SSTab2.setTabCaption(1, "Site \xB2");
    EXPECT_EQ(bar(f.SSTab2)->tabText(1), QString::fromUtf8("Site \u00B2"));
}

TEST_F(Views, MouseMovesCountOnlyOverTheControlsOwnArea) {
    std::string seen;
    for (Control* c : std::initializer_list<Control*>{&f, &f.fraAuthor, &f.SSTab1})
        c->MouseMove = [&seen, c] { seen += c->name() + " "; };
    QWidget* fra = widget(f.fraAuthor);
    EXPECT_TRUE(fra->hasMouseTracking() && main.window()->hasMouseTracking());  // moves without a button held
    mouseMove(fra, QPoint(20, 5));  // the frame's caption row
    mouseMove(fra, widget(f.txtAuthor)->geometry().center());
    mouseMove(bar(f.SSTab1), QPoint(5, 5));
    mouseMove(main.window(), widget(f.cmdHelpNorth)->geometry().center());
    EXPECT_EQ(seen, "fraAuthor SSTab1 ");
}

TEST_F(Views, StartUpShowsTheMainWindowAndCloseEndsIt) {
    StartedWindow s;
    s.main.onClose = [&] { return s.app.close(); };
    QWidget* window = s.main.window();
    EXPECT_EQ(std::tuple(window->isVisible(), s.splash.window()->isVisible()), std::tuple(true, false));
    // Unsaved work that no draft can keep: the user keeps the window open.
    std::filesystem::create_directories(s.platform.programFolder() + "/RK.draft/inside");
    keys(s.widget(s.f.txtGanFileDesc), u"x"_s);
    s.platform.questionAnswers.push_back(false);
    window->close();
    EXPECT_EQ(std::tuple(window->isVisible(), s.f.visible()), std::tuple(true, true));
    window->close();  // and then closes all the same
    EXPECT_EQ(std::tuple(window->isVisible(), s.f.visible()), std::tuple(false, false));
    main.window()->show(), main.window()->close();  // nobody handles closing: the window stays
    EXPECT_TRUE(main.window()->isVisible());
}

// The splash opens where the main window opens, and at a reset over the
// main window, wherever the user has moved that.
TEST(StartUpOffScreen, TheSplashOpensOverTheMainWindow) {
    StartedWindow e;
    EXPECT_EQ(e.splash.window()->frameGeometry().center(), e.main.window()->frameGeometry().center());
    e.main.window()->move(e.main.window()->pos() + QPoint(-120, 90));
    QCoreApplication::processEvents();  // the window system moves it
    e.f.SSTab1.setTab(3);  // Clear All's page
    e.click(e.f.cmdClearAll);
    EXPECT_EQ(e.splash.window()->frameGeometry().center(), e.main.window()->frameGeometry().center());
}

// A splash shown for the start-up or a reset waits for the window system to
// put it on screen, so that it paints before the event loop is held; one the
// window system never shows holds them only a moment. Meanwhile no timer
// runs: nothing of the editor's may run in the middle of a reset.
TEST(StartUpOffScreen, ASplashNeverOnScreenHoldsTheStartAMomentAndRunsNoTimer) {
    test::FakePlatform platform(test::makeInstallation());
    App app{platform};
    FormView splash{app.splash};
    FormView main{app.form};
    splash.window()->setAttribute(Qt::WA_DontShowOnScreen);
    int ticks = 0;
    QTimer::singleShot(1, [&] { ++ticks; });
    ASSERT_TRUE(app.start());
    EXPECT_EQ(std::tuple(main.window()->isVisible(), splash.window()->isVisible(), ticks), std::tuple(true, false, 0));
    app.form.SSTab1.setTab(3);  // Clear All's page
    QTimer::singleShot(1, [&] { ++ticks; });
    QTest::mouseClick(main.widget(app.form.cmdClearAll), Qt::LeftButton);
    EXPECT_EQ(std::tuple(main.window()->isVisible(), splash.window()->isVisible(), ticks), std::tuple(true, false, 0));
    QTest::qWait(5);  // the event loop runs them
    EXPECT_EQ(ticks, 2);
}

// Start-up holds the event loop while the captions change: each is painted
// at once, unless the last one painted so, or the splash's first showing, has
// not been on screen for a frame.
TEST_F(Views, TheSplashPaintsAProgressCaptionAtOnceOnceTheLastWasSeenForAFrame) {
    static std::chrono::steady_clock::time_point now(std::chrono::hours(1));
    progressClock = [] { return now; };
    const std::shared_ptr<void> realClockAfter(nullptr, [](void*) { progressClock = std::chrono::steady_clock::now; });
    struct PaintCounter : QObject {
        QStringList painted;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted += static_cast<QLabel*>(o)->text();
            return false;
        }
    } counter;
    widget(app.splash.lblBusy)->installEventFilter(&counter);
    const auto caption = [&](int ms, const char* text) {
        now += std::chrono::milliseconds(ms);
        app.splash.lblBusy.setCaption(text);
    };
    app.splash.setVisible(true);  // painted as it appears
    caption(0, "Initializing...");
    caption(5, "Reading RK.cfg...");
    caption(10, "Reading Quillmap NameList...");
    caption(16, "Reading NationData.txt...");
    caption(5, "Reading PopData.txt...");
    caption(20, "Reading SiteData.txt...");
    caption(2, "Reading ItemData.txt...");
    EXPECT_EQ(counter.painted,
              QStringList({"Loading crapload of units...", "Reading NationData.txt...", "Reading SiteData.txt..."}));
    QCoreApplication::processEvents();  // the last caption shows when the loop runs
    EXPECT_EQ(counter.painted.last(), "Reading ItemData.txt...");
    // Shown again for a reset, the splash first paints the caption it kept;
    // the reset's own replaces it at once.
    app.splash.setVisible(false);
    counter.painted.clear();
    caption(2000, "Reading ItemData.txt...");
    app.splash.setVisible(true);
    caption(0, "Reset in progress...");
    EXPECT_EQ(counter.painted, QStringList({"Reading ItemData.txt...", "Reset in progress..."}));
}

TEST(FormViewLifetime, TheModelOutlivesItsView) {
    Form1 f;
    { FormView view(f); }
    f.txtAuthor.setText("still fine");  // the view's observers are gone
    f.cboEra.addItem("Early");
}

TEST(Cp1252, EveryByteComesBackUnchangedAndWindowsCharactersMap) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString shown = fromCp1252(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(toCp1252(shown), all);
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(shown[b].unicode(), b);  // left open: C1 characters
    EXPECT_EQ(fromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCp1252("\x93Quill\x94"), QString::fromUtf8("\u201CQuill\u201D"));
    EXPECT_EQ(fromCp1252("Th\xE9od\xF6r \x9F"), QString::fromUtf8("Th\u00E9od\u00F6r \u0178"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u2026 \u0153 \u00FF")), "\x85 \x9C \xFF");
    EXPECT_EQ(toCp1252(QString::fromUtf8("a\u4E00b")), "a?b");  // replaced, never dropped
    // A multi-line box shows each CR LF as one line end; a lone CR or LF stays.
    EXPECT_EQ(fromCp1252Lines(all), shown);
    EXPECT_EQ(fromCp1252Lines("\x80\r\n\x9F\r\r\n\n\rb\r\n\r\n"), QString::fromUtf8("\u20AC\n\u0178\r\n\n\rb\n\n"));
    EXPECT_EQ(toCp1252Lines(fromCp1252Lines("\x93" "a\r\n\r\nb\x94")), "\x93" "a\r\n\r\nb\x94");
    EXPECT_EQ(toCp1252Lines(QString::fromUtf8("a\u2029b\u2028\u00A0\n")), "a\r\nb\r\n\xA0\r\n");  // a document's raw text
}

TEST(DialogFilters, PairsBecomeQtFilters) {
    EXPECT_EQ(dialogFilters("Quillmap GOD file (*.god)|*.god"), QStringList{"Quillmap GOD file (*.god)"});
    EXPECT_EQ(dialogFilters("Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*"),
              (QStringList{"Quillmap exe file (Quillmap.exe)", "All files (*.*)"}));
    EXPECT_EQ(dialogFilters("Texts|*.txt;*.god"), QStringList{"Texts (*.txt *.god)"});
    EXPECT_TRUE(dialogFilters("").isEmpty());
}

}  // namespace
}  // namespace gs::qt
