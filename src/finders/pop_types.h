// The pop-type view: the recruitable units and commanders of the picked
// population type as unit links.
#pragma once

#include "model/editor.h"

namespace gs {

void cboPopType_Click(Editor& e);
void lblPTUnit_Click(Editor& e, int i);
void lblPTCmdr_Click(Editor& e, int i);

}  // namespace gs
