// Between the window and the god file it composes: the value the window
// shows, and the window showing a value.
#pragma once

#include <vector>

#include "document/god_file.h"
#include "model/editor.h"

namespace gs {

// The composition as the pages show it now.
GodFile fromForm(const Editor& e);

// Shows `g` on Step 1's description, Step 2 and the garrison block, through
// the controls as a user would set them (their events run). The filled site
// slots go to the first site tabs; the slots behind them are emptied. Lists
// that already hold what g says are left as they are (their selection and
// the site tab they are on stay).
void toForm(const GodFile& g, Editor& e);
// The same with the filled site slots on these site tabs (one for each, in
// rising order), as siteTabs gives them.
void toForm(const GodFile& g, Editor& e, const std::vector<int>& tabs);
// The site tab (0..3) of each filled slot of fromForm(e), in order.
std::vector<int> siteTabs(const Editor& e);

// The pop types and name lists the window offers.
Vocabulary vocabulary(const Editor& e);

}  // namespace gs
