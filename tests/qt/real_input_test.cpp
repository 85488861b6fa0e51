// The editor's window under real keys and mouse: the QTest events a user's
// hands make, sent to the Qt widgets of the started editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/app.h"
#include "qt/cp1252.h"
#include "qt/form_view.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace gs::qt {
namespace {

struct Editor {
    Editor() {
        app.start();
        QApplication::setActiveWindow(main.window());
    }
    static const std::string& folder() {
        static const std::string f = test::makeInstallation();
        return f;
    }
    QWidget* widget(const Control& c) const { return main.widget(c); }
    // Shows a page of Step 1..4 and, on Step 3, a builder.
    void show(int step, int builder = 0) {
        f.SSTab1.setTab(step);
        f.SSTab2.setTab(builder);
    }

    test::FakePlatform platform{folder()};
    App app{platform};
    Form1& f = app.form;
    FormView splash{app.splash};
    FormView main{app.form};
};

// ---- Text fields ---------------------------------------------------------------

// The three kinds of text field a user types into, each with the editing
// widget that receives keys and mouse, and the model's text (none for the
// Unit Finder's edit field).
enum class Field { Line, Multi, Finder };

struct FieldUnderTest {
    QWidget* keys;   // receives key events
    QWidget* mouse;  // receives mouse events
    TextBox* box;    // the model's text box, or nullptr
    std::function<QString()> text;
    std::function<QRect(int)> charRect;  // where character i is drawn, in mouse's coordinates
};

FieldUnderTest open(Editor& e, Field kind, const QString& start) {
    if (kind == Field::Multi) {
        e.show(0);
        auto* edit = qobject_cast<QPlainTextEdit*>(e.widget(e.f.txtGanFileDesc));
        e.f.txtGanFileDesc.setText(start.toStdString());
        return {edit, edit->viewport(), &e.f.txtGanFileDesc, [edit] { return edit->toPlainText(); },
                [edit](int i) {
                    QTextCursor c(edit->document());
                    c.setPosition(i);
                    return edit->cursorRect(c);
                }};
    }
    QLineEdit* line;
    TextBox* box = nullptr;
    if (kind == Field::Line) {
        e.show(2, 7);
        box = &e.f.txtUnitID;
        line = qobject_cast<QLineEdit*>(e.widget(*box));
        box->setText(start.toStdString());
    } else {
        line = qobject_cast<QComboBox*>(e.widget(e.f.cboUnitFound))->lineEdit();
        line->setText(start);
    }
    return {line, line, box, [line] { return line->text(); },
            [line](int i) {
                const int keep = line->cursorPosition();
                line->setCursorPosition(i);
                const QRect r = line->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                line->setCursorPosition(keep);
                return r;
            }};
}

// Types text one character at a time, as a keyboard of any layout does.
void keys(QWidget* w, const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const int n = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(w, k, m);
}

// A press, a move with the button held, a release.
void drag(QWidget* w, QPoint from, QPoint to) {
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}

// Each gesture on "1701 Ys" (a number and a word), in every kind of field.
TEST(RealInput, TextFieldsSelectAndReplaceLikeEveryDesktopField) {
    using Gesture = std::function<void(FieldUnderTest&)>;
    const struct {
        const char* name;
        Gesture gesture;
        QString result;
        QString clipboard;  // after the gesture, when it copies
    } cases[] = {
        {"Ctrl+A, type", [](auto& t) { key(t.keys, Qt::Key_A, Qt::ControlModifier), keys(t.keys, "700"); }, "700", ""},
        {"Shift+Left twice, type",
         [](auto& t) { key(t.keys, Qt::Key_End), key(t.keys, Qt::Key_Left, Qt::ShiftModifier, 2), keys(t.keys, "x"); },
         "1701 x", ""},
        {"double-click a word, type",
         [](auto& t) {
             QTest::mouseDClick(t.mouse, Qt::LeftButton, {}, t.charRect(6).center());
             keys(t.keys, "Mo");
         },
         "1701 Mo", ""},
        {"mouse drag, type",
         [](auto& t) {
             drag(t.mouse, t.charRect(0).center() - QPoint(1, 0), t.charRect(4).center());
             keys(t.keys, "8");
         },
         "8 Ys", ""},
        {"selection, Backspace",
         [](auto& t) {
             key(t.keys, Qt::Key_Home), key(t.keys, Qt::Key_Right, Qt::ShiftModifier, 4);
             key(t.keys, Qt::Key_Backspace);
         },
         " Ys", ""},
        {"selection, Delete",
         [](auto& t) {
             key(t.keys, Qt::Key_End), key(t.keys, Qt::Key_Left, Qt::ShiftModifier, 3), key(t.keys, Qt::Key_Delete);
         },
         "1701", ""},
        {"Ctrl+A, paste",
         [](auto& t) {
             QGuiApplication::clipboard()->setText("42");
             key(t.keys, Qt::Key_A, Qt::ControlModifier), key(t.keys, Qt::Key_V, Qt::ControlModifier);
         },
         "42", ""},
        {"selection, cut",
         [](auto& t) {
             key(t.keys, Qt::Key_Home), key(t.keys, Qt::Key_Right, Qt::ShiftModifier, 4);
             key(t.keys, Qt::Key_X, Qt::ControlModifier);
         },
         " Ys", "1701"},
        {"Ctrl+A, type, Ctrl+Z",
         [](auto& t) {
             key(t.keys, Qt::Key_A, Qt::ControlModifier), keys(t.keys, "700");
             key(t.keys, Qt::Key_Z, Qt::ControlModifier);
         },
         "1701 Ys", ""},
    };
    Editor e;
    for (Field kind : {Field::Line, Field::Multi, Field::Finder})
        for (const auto& c : cases) {
            FieldUnderTest t = open(e, kind, "1701 Ys");
            t.keys->setFocus();
            c.gesture(t);
            const std::string where = std::string(c.name) + " in field " + std::to_string(static_cast<int>(kind));
            EXPECT_EQ(t.text().toStdString(), c.result.toStdString()) << where;
            if (!c.clipboard.isEmpty()) {
                EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboard.toStdString()) << where;
            }
            if (t.box) {
                EXPECT_EQ(t.box->text(), c.result.toStdString()) << where;
            }
        }
}

// A typed or pasted character outside Windows-1252 is stored as "?" in its
// own place; the caret stays after what was typed.
TEST(RealInput, CharactersTheFileCannotStoreBecomeQuestionMarksInPlace) {
    const struct {
        const char* start;
        QString typed, pasted, typedAfter;
        const char* result;
    } cases[] = {
        {"", QString::fromUtf8("a\u03A9bc"), "", "", "a?bc"},
        {"", QString::fromUtf8("\u0141\u00F3d\u017A is a city"), "", "", "?\xF3\x64? is a city"},
        {"X", "", QString::fromUtf8("\u0141\u00F3d\u017A test \U0001F600"), "Y", "X?\xF3\x64? test ?Y"},
    };
    Editor e;
    for (Field kind : {Field::Line, Field::Multi})
        for (const auto& c : cases) {
            FieldUnderTest t = open(e, kind, c.start);
            t.keys->setFocus();
            key(t.keys, Qt::Key_End);
            keys(t.keys, c.typed);
            if (!c.pasted.isEmpty()) {
                QGuiApplication::clipboard()->setText(c.pasted);
                key(t.keys, Qt::Key_V, Qt::ControlModifier);
            }
            keys(t.keys, c.typedAfter);
            EXPECT_EQ(t.box->text(), c.result);
            EXPECT_EQ(t.box->selStart(), static_cast<int>(t.box->text().size()));
            EXPECT_EQ(t.text(), fromCp1252(c.result))
                << "the field shows what the file gets: " << t.text().toStdString();
        }
}

// ---- Lists, buttons, check boxes, links ----------------------------------------

TEST(RealInput, DoubleClickAnywhereInABuilderListRaisesItsHandler) {
    Editor e;
    Form1& f = e.f;
    e.show(2, 7);
    auto* id = e.widget(f.txtUnitID);
    id->setFocus();
    keys(id, "10");
    EXPECT_EQ(f.lblUnit.caption(), "Mossguard Spearman");
    QTest::mouseClick(e.widget(f.cmdAddToUnitList), Qt::LeftButton);
    auto* units = qobject_cast<QListWidget*>(e.widget(f.lstUnitList));
    ASSERT_EQ(units->count(), 1);
    EXPECT_TRUE(f.cmdAddUnits.enabled());
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, units->visualItemRect(units->item(0)).center());
    EXPECT_EQ(units->count(), 0);
    EXPECT_FALSE(f.cmdAddUnits.enabled());

    // On the empty part of an empty list: nothing to remove, the reset rule runs.
    e.show(2, 4);
    auto* dominion = qobject_cast<QListWidget*>(e.widget(f.lstDominionList));
    ASSERT_TRUE(f.cmdAddDominion.enabled());
    QTest::mouseDClick(dominion->viewport(), Qt::LeftButton, {}, dominion->viewport()->rect().center());
    EXPECT_FALSE(f.cmdAddDominion.enabled());
}

TEST(RealInput, ClicksOnCheckBoxButtonAndLink) {
    Editor e;
    Form1& f = e.f;
    QTest::mouseClick(e.widget(f.chkUGod), Qt::LeftButton);
    EXPECT_EQ(f.chkUGod.value(), CheckBox::Checked);
    f.cboUnitFound.setListIndex(1);
    e.show(2, 7);
    QTest::mouseClick(e.widget(f.cmdPullUnits), Qt::LeftButton);
    EXPECT_EQ(f.txtUnitID.text(), "1822");
    QTest::mouseClick(e.widget(f.lblURL), Qt::LeftButton);
    ASSERT_EQ(e.platform.openedUrls.size(), 1u);
    EXPECT_EQ(e.platform.openedUrls[0], f.lblURL.caption());
}

// ---- Focus -----------------------------------------------------------------------

// The names of the controls that Tab visits from a control on.
std::vector<std::string> tabStops(Editor& e, const Control& from, int count) {
    std::vector<std::string> names;
    e.widget(from)->setFocus();
    for (int i = 0; i < count; ++i) {
        QWidget* now = QApplication::focusWidget();
        while (now && now->objectName().isEmpty()) now = now->parentWidget();
        names.push_back(now ? now->objectName().toStdString() : "(none)");
        key(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

TEST(RealInput, FocusStartsInTheAuthorAndTabFollowsEachPageInReadingOrder) {
    Editor e;
    Form1& f = e.f;
    EXPECT_EQ(QApplication::focusWidget(), e.widget(f.txtAuthor));
    using Names = std::vector<std::string>;
    EXPECT_EQ(tabStops(e, f.txtAuthor, 7), (Names{"txtAuthor", "txtAuthorIndex", "cboEra", "cboNation", "cboMethod",
                                                  "txtGanFileDesc", "txtFileNamePreview"}));
    e.show(1);
    EXPECT_EQ(tabStops(e, f.txtLandName, 5),
              (Names{"txtLandName", "cmdAddToNameList", "lstNameList", "cboNameDataList", "cboPopType"}));
    e.show(2, 7);
    EXPECT_EQ(tabStops(e, f.cmdPullUnits, 6),
              (Names{"cmdPullUnits", "txtUnitID", "txtUnitCount", "cmdAddToUnitList", "lstUnitList", "cmdAddUnits"}));
    e.show(3);
    EXPECT_EQ(tabStops(e, f.txtGanFileName, 3), (Names{"txtGanFileName", "txtGanFileFinal", "cmdSaveAs"}));
}

}  // namespace
}  // namespace gs::qt
