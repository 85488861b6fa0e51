// The eight lists of Step 3's builders as a value, so that their entries can
// be kept, compared and shown again: in a draft and by undo.
#pragma once

#include <string>
#include <vector>

#include "model/editor.h"

namespace gs {

struct BuilderList {
    std::string list;  // the list's control name
    std::vector<std::string> entries;
    // The state of the controls that adding and removing entries switch
    // (Submit buttons, fallback pickers), as the entries left it. It follows
    // the entries and is no work of its own, so it is not compared.
    std::vector<int> controls;
    bool operator==(const BuilderList& o) const { return list == o.list && entries == o.entries; }
};

std::vector<BuilderList> builderLists(const Editor& e);
// Shows the lists whose entries differ from the window's, with the state of
// their controls (the Magic Submit as the "Clear Magic" box now rules it);
// the others stay as they are (selection included), and so does a list that
// `lists` does not name.
void showBuilderLists(const std::vector<BuilderList>& lists, Editor& e);

}  // namespace gs
