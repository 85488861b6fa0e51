// "Step 1": author, index, method, era and nation, and the file name built
// from them.
#pragma once

#include "model/editor.h"

namespace gs {

void connectHeader(Editor& e);

void txtAuthor_Change(Editor& e);
void txtAuthorIndex_Change(Editor& e);
void cboMethod_Click(Editor& e);
void cboNation_Click(Editor& e);
// Refills the nation list for the new era, except while the editor starts.
void cboEra_Click(Editor& e);

// Picks the method, era and nation that the tags of a generated file name
// ("Ann7_12_A_EA_SEA_") give, as the user would pick them; a tag the name
// does not have, or a nation the era does not list, leaves its choice as it is.
void ShowFileNameTags(Editor& e, const std::string& name);

}  // namespace gs
