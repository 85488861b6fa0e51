// Opening a god file: the window is reset as "Clear All" resets it, then
// shows the composition the file holds on every page, and "Step 4" the
// file's own text and name.
#pragma once

#include <string>

#include "model/editor.h"

namespace gs {

// "Load" (and Ctrl+O): asks for a god file with the system's Open dialog and
// opens it; cancelling changes nothing. Says whether a file was opened.
bool cmdLoad_Click(Editor& e);

// Opens the god file at `path` (a dropped file, the command line's). A file
// that cannot be read, or holds longer lines or more lines than Step 4 takes
// (kMaxLineLength, kMaxLines), is reported in a message box that names it
// and the cause, and the window stays as it was. Says whether it was opened.
bool openGodFile(Editor& e, const std::string& path);

}  // namespace gs
