// Entering "Step 4": the file text assembled from every step; saving it.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects the page change of SSTab1 and the buttons of "Step 4".
void connectAssembly(Editor& e);

// The page of SSTab1 changed; entering "Step 4" copies the generated name into
// txtGanFileName and assembles the file text.
void SSTab1_Click(Editor& e, int previousTab);
// Rebuilds txtGanFileFinal from the composition the pages show, replacing
// whatever it held.
void AssembleFinalText(Editor& e);

}  // namespace gs
