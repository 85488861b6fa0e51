// Entering "Step 4": the file text assembled from every step; saving it.
#pragma once

#include "model/editor.h"

namespace gs {

void connectAssembly(Editor& e);

}  // namespace gs
