// "Step 1": author, index, method, era and nation, and the file name built
// from them.
#pragma once

#include "model/editor.h"

namespace gs {

void connectHeader(Editor& e);

}  // namespace gs
