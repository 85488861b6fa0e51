// Finding an entry of an editable drop-down by typing: the entries that
// contain the typed text anywhere, in any letter case, are offered in a list
// under the box, in list order. Down and Up move through the offers; Enter or
// a click picks one, and Enter with no offer highlighted picks the first.
// Picking selects that entry of the list control, so its Click runs exactly
// as when the entry is chosen from the drop-down. Typing never changes the
// entries, and text that matches nothing picks nothing: after Enter, or when
// the keyboard leaves the box, the box shows the selected entry again, so it
// always names what the window shows.
#pragma once

#include "window/controls.h"

class QComboBox;

namespace gs::qt {

void addEntrySearch(QComboBox* combo, ComboBox& list);

}  // namespace gs::qt
