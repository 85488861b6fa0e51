// The "Step 1" header and the file name, the assembly of the file text on
// entering "Step 4", and saving.
#pragma once

#include "model/editor.h"

namespace gs {

// Connects every handler of this subsystem to its control.
void connectDocument(Editor& e);

}  // namespace gs
