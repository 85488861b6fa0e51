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
// that cannot be read, or holds longer lines or more lines than the editor
// writes, is reported in a message box that names it
// and the cause, and the window stays as it was. Says whether it was opened.
bool openGodFile(Editor& e, const std::string& path);

// Before a save: true when the text Step 4 holds would open again, or when
// the player, told why it would not (a list or box of the window could not
// take a part of it), still wants it saved: Quillmap may read it all the same.
bool mayWriteUnopenable(Editor& e);

}  // namespace gs
