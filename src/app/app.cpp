#include "app/app.h"

#include "compose/compose.h"
#include "document/document.h"
#include "document/saving.h"
#include "finders/finders.h"
#include "app/help.h"
#include "app/opening.h"
#include "app/startup.h"
#include "window/shell.h"

namespace gs {

App::App(Platform& platform) : editor(form, splash, platform) {
    connectCompose(editor);
    connectFinders(editor);
    connectDocument(editor);
    connectHelp(editor);
    form.cmdClearAll.Click = [this] {
        cmdClearAll_Click(editor);
        keeper.cleared();
    };
    form.cmdSaveAs.Click = [this] {
        if (mayWriteUnopenable(editor) && cmdSaveAs_Click(editor)) keeper.saved();
    };
    form.cmdSaveAndAdd.Click = [this] {
        if (mayWriteUnopenable(editor) && cmdSaveAndAdd_Click(editor)) keeper.saved();
    };
    // What throws work away or reshapes it can be undone.
    for (Button* submit : {&form.cmdAddCommander, &form.cmdAddCommanderName, &form.cmdAddItem, &form.cmdAddMagic,
                           &form.cmdAddDominion, &form.cmdAddScales, &form.cmdAddBodyGuards, &form.cmdAddUnits,
                           &form.cmdClearGarrison, &form.cmdClearAll})
        keeper.undoable(submit->Click);
    for (ListBox* list : {&form.lstNameList, &form.lstCommanderList, &form.lstCommanderNameList, &form.lstItemList,
                          &form.lstMagicList, &form.lstDominionList, &form.lstScalesList, &form.lstBodyGuardList,
                          &form.lstUnitList})
        keeper.undoable(list->DblClick);
    for (ListBox& list : form.lstFeatureList) keeper.undoable(list.DblClick);
    form.cmdLoad.Click = [this] { keeper.opening([this] { return cmdLoad_Click(editor); }); };
    keeper.undoable(form.cmdLoad.Click);
    keeper.watchStep4(form.SSTab1.Click);
    connectLimits(form, editor.platform);
    form.lblURL.Click = [this] { lblURL_Click(form, editor.platform); };
}

void App::open(const std::string& path) {
    std::function<void()> opening = [this, &path] { keeper.opening([&] { return openGodFile(editor, path); }); };
    keeper.undoable(opening);
    opening();
}

}  // namespace gs
