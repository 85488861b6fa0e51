// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z pressed on the real widgets: outside a text
// box they undo and redo what threw work away; inside one, its own typing.
#include "qt/undo_keys.h"

#include "app/work.h"
#include "qt/started_window.h"

namespace gs::qt {
namespace {

struct Keyed : StartedWindow {
    Keyed() { addUndoKeys(main.window(), app); }
    void press(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m) {
        w->setFocus();
        key(w, k, m);
    }
};

// From a list or a button, Ctrl+Z undoes and Ctrl+Y or Ctrl+Shift+Z redoes:
// a builder entry removed by a double-click comes back with its Submit button.
TEST(UndoKeys, OutsideATextBoxUndoAndRedoTheWork) {
    Keyed e;
    Form1& f = e.f;
    e.reveal(f.txtUnitID), e.widget(f.txtUnitID)->setFocus(), keys(e.widget(f.txtUnitID), "10");
    e.click(f.cmdAddToUnitList);
    auto* units = e.as<QListWidget>(f.lstUnitList);
    QWidget* submit = e.widget(f.cmdAddUnits);
    ASSERT_EQ(std::tuple(units->count(), submit->isEnabled()), std::tuple(1, true));
    const Work one = workOf(e.app.editor);
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, rowCenter(units, 0));
    const Work none = workOf(e.app.editor);
    ASSERT_EQ(std::tuple(units->count(), submit->isEnabled()), std::tuple(0, false));

    e.press(units, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(units->count(), 1);
    EXPECT_EQ(units->item(0)->text().toStdString(), "10 10 --Mossguard Spearman");
    EXPECT_TRUE(submit->isEnabled());
    e.press(units, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(workOf(e.app.editor), none);
    e.press(e.widget(f.cmdAddToUnitList), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(workOf(e.app.editor), one);
    e.press(units, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(workOf(e.app.editor), none);
    e.press(units, Qt::Key_Z, Qt::ControlModifier);
    e.click(f.cmdAddUnits);
    EXPECT_EQ(f.txtGarrison.text(), "#units 10 10 --Mossguard Spearman\r\n");
    e.press(units, Qt::Key_Z, Qt::ControlModifier);  // the Submit
    e.press(units, Qt::Key_Y, Qt::ControlModifier);
    e.press(units, Qt::Key_Y, Qt::ControlModifier);  // nothing newer
    EXPECT_EQ(std::tuple(units->count(), f.txtGarrison.text()),
              std::tuple(1, std::string("#units 10 10 --Mossguard Spearman\r\n")));
}

TEST(UndoKeys, InsideATextBoxActOnItsOwnText) {
    Keyed e;
    e.reveal(e.f.txtGarrison);
    e.f.txtDominion.setText("2");
    e.click(e.f.cmdAddToDominionList);
    e.click(e.f.cmdAddDominion);  // undoable, but not from inside a text box
    const std::string submitted = e.f.txtGarrison.text();
    for (QWidget* box : {e.widget(e.f.txtGarrison), e.widget(e.f.txtUnitCount)}) {
        auto& model = box == e.widget(e.f.txtGarrison) ? e.f.txtGarrison : e.f.txtUnitCount;
        const std::string before = model.text();
        box->setFocus();
        key(box, Qt::Key_End, Qt::ControlModifier);  // to the end of the text
        key(box, Qt::Key_End);                        // of a single line
        keys(box, "x");
        e.press(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(model.text(), before) << model.name();
        e.press(box, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(model.text(), before + "x") << model.name();
        e.press(box, Qt::Key_Z, Qt::ControlModifier);
        e.press(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(model.text(), before + "x") << model.name();
    }
    EXPECT_EQ(e.f.txtGarrison.text(), submitted + "x");
}

// Step 4's text is put in by the editor: it is no step of the box's own
// undo, and what the user typed there before is gone from it.
TEST(UndoKeys, TextTheEditorSetsIsNoStepOfTheBoxsOwnUndo) {
    Keyed e;
    e.f.txtGarrison.setText("#commander 12\r\n");
    e.clickTab(e.f.SSTab1, 3);
    const std::string assembled = e.f.txtGanFileFinal.text();
    ASSERT_EQ(assembled, "#commander 12\r\n");
    QWidget* box = e.widget(e.f.txtGanFileFinal);
    e.press(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.f.txtGanFileFinal.text(), assembled);
    key(box, Qt::Key_End, Qt::ControlModifier);
    keys(box, "x");
    ASSERT_EQ(e.f.txtGanFileFinal.text(), assembled + "x");
    e.clickTab(e.f.SSTab1, 0);
    e.clickTab(e.f.SSTab1, 3);
    ASSERT_EQ(e.f.txtGanFileFinal.text(), assembled);
    e.press(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.f.txtGanFileFinal.text(), assembled);
    e.press(box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(e.f.txtGanFileFinal.text(), assembled);
}

}  // namespace
}  // namespace gs::qt
