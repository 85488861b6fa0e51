// The four site lists of "Step 2" (the pages of SSTab3).
#pragma once

#include "model/editor.h"

namespace gs {

void cmdAddFeature_Click(Editor& e, int i);
void lstFeatureList_Click(Editor& e, int i);
void lstFeatureList_DblClick(Editor& e, int i);
void SSTab3_Click(Editor& e, int previousTab);

}  // namespace gs
