// Saving the assembled file text of "Step 4": "Save As" to a place the user
// picks, "Save and Add" into Quillmap's GOD_BIN folder with an entry in its
// index LIST_CRATE\GodList.txt.
#pragma once

#include <string>
#include <string_view>

#include "model/editor.h"

namespace gs {

void connectSaving(Editor& e);

// Both say whether the god file was written.
bool cmdSaveAs_Click(Editor& e);
bool cmdSaveAndAdd_Click(Editor& e);

// The bytes of a god file: the text exactly as shown, then one CR LF. The
// text is not touched, so a lone CR or LF in it stays as it is.
std::string godFileBytes(std::string_view text);

// Notes the bytes of a god file as this run read or wrote them.
void noteGodFile(Editor& e, const std::string& path, std::string_view bytes);

}  // namespace gs
