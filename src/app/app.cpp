#include "app/app.h"

#include "compose/compose.h"
#include "document/document.h"
#include "finders/finders.h"
#include "app/help.h"
#include "app/startup.h"
#include "window/shell.h"

namespace gs {

App::App(Platform& platform) : editor(form, splash, platform) {
    connectCompose(editor);
    connectFinders(editor);
    connectDocument(editor);
    connectHelp(editor);
    form.cmdClearAll.Click = [this] { cmdClearAll_Click(editor); };
    form.lblURL.Click = [this] { lblURL_Click(form, editor.platform); };
}

}  // namespace gs
