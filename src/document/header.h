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

// Refills cboNation and NationIndex with the nations of the selected era.
void UpdateEraCode(Editor& e);
// Rebuilds the generated file name in txtFileNamePreview.
void UpdateFileNamePreview(Editor& e);

}  // namespace gs
