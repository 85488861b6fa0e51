// The context help panel and its mouse-over texts.
#pragma once

#include "model/editor.h"

namespace gs {

// The text shown until the mouse moves over a frame with help.
inline constexpr const char* kDefaultHelp = "Move the mouse cursor over an item to view help for that item.";

// Connects the help buttons and the MouseMove handlers.
void connectHelp(Editor& e);

}  // namespace gs
