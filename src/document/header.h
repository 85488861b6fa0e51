// "Step 1": author, index, method, era and nation, and the file name built
// from them.
#pragma once

#include <string>

#include "model/editor.h"

namespace gs {

void connectHeader(Editor& e);

void txtAuthor_Change(Editor& e);
void txtAuthorIndex_Change(Editor& e);
void cboMethod_Click(Editor& e);
void cboNation_Click(Editor& e);
// Refills the nation list for the new era, except while the editor starts.
void cboEra_Click(Editor& e);

// Refills cboNation and NationIndex with the nations of the selected era.
void UpdateEraCode(Editor& e);
// Rebuilds the generated file name in txtFileNamePreview.
void UpdateFileNamePreview(Editor& e);

// Picks the method, era and nation that the tags of a generated file name
// ("Ann7_12_A_EA_SEA_") give, as the user would pick them; a tag the name
// does not have, or a nation the era does not list, leaves its choice as it is.
void ShowFileNameTags(Editor& e, const std::string& name);

}  // namespace gs
