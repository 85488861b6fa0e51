// The context help panel and its mouse-over texts.
#pragma once

#include "model/editor.h"

namespace gs {

// The text shown until the mouse moves over a frame with help.
inline constexpr const char* kDefaultHelp = "Move the mouse cursor over an item to view help for that item.";

// Connects the help buttons and the MouseMove handlers.
void connectHelp(Editor& e);

// The "?" buttons: open the help panel over the Unit Finder (North) or over
// the tab pages (South), or close it when it is open.
void cmdHelpNorth_Click(Editor& e);
void cmdHelpSouth_Click(Editor& e);

}  // namespace gs
