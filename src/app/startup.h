// The start-up sequence and the reset of "Clear All" (the editor's own
// start and end, App::start and App::close, are defined beside them).
#pragma once

#include "model/editor.h"

namespace gs {

// Brings every control into its initial state and reads the configuration,
// the name-list index and the data tables.
void InitializeAll(Editor& e);
// "Clear All".
void cmdClearAll_Click(Editor& e);

}  // namespace gs
