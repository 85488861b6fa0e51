#include "ui/app.h"

#include "compose/compose.h"
#include "document/document.h"
#include "finders/finders.h"
#include "ui/help.h"

namespace gs {

App::App(Platform& platform) : editor(form, splash, platform) {
    connectCompose(editor);
    connectFinders(editor);
    connectDocument(editor);
    connectHelp(editor);
}

void App::start() {}
void App::close() {}

void InitializeAll(Editor&) {}
void cmdClearAll_Click(Editor&) {}

}  // namespace gs
