// The editor as a whole: its two windows, the working state and the wiring
// of every control event to its handler.
#pragma once

#include <string>

#include "app/work_keeper.h"
#include "model/editor.h"
#include "model/installation_lock.h"
#include "window/forms.h"
#include "window/platform.h"

namespace gs {

class App {
public:
    explicit App(Platform& platform);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The program's start: the splash loads and activates, which loads the
    // main window and so runs the start-up sequence. When another editor
    // has this installation open, the user first chooses to quit (false is
    // returned, nothing is shown or read) or to open it anyway.
    bool start();
    // The user closes the main window. False when the window stays open: the
    // unsaved work could not be kept in a draft and the user keeps it open.
    bool close();
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) outside a text box.
    void undo() { keeper.undo(); }
    void redo() { keeper.redo(); }
    // Opens a god file (dropped, or named on the command line): undoable, and
    // the work shown is then the file's.
    void open(const std::string& path);

    InstallationLock lock;
    Form1 form;
    Form2 splash;
    Editor editor;
    WorkKeeper keeper{editor};
};

}  // namespace gs
