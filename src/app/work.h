// The player's work as one value: the composition the pages hold, the
// entries of Step 3's builder lists, the text "Step 4" shows (hand edits
// included) and the god file it was opened from. It is what the window compares
// with the last saved, opened or cleared state, what a draft keeps and what
// undo gives back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compose/builder_lists.h"
#include "document/god_file.h"
#include "model/editor.h"

namespace gs {

struct Work {
    GodFile file;
    std::string finalText;       // txtGanFileFinal
    std::vector<int> siteTabs;   // where the file's site slots are shown
    std::vector<BuilderList> builders;
    std::string openedFile;      // where the dialogs look first; empty when none was opened
    bool operator==(const Work&) const = default;
};

Work workOf(const Editor& e);
// Shows `w`, changing only what differs from what the window holds.
void showWork(const Work& w, Editor& e);

// What names the god file but is no part of its text: Step 1's method, era
// and nation (the tags Quillmap places it by) and the name Step 4 saves
// under. "Clear All" and opening a file reset them; undo gives them back
// with the work.
struct Naming {
    int method = -1, era = -1, nation = -1;
    std::string fileName;  // txtGanFileName
    bool operator==(const Naming&) const = default;
};

Naming namingOf(const Editor& e);
// Shows `n`, changing only what differs: the era first, as it refills the
// nations.
void showNaming(const Naming& n, Editor& e);

// The work with its naming: what undo gives back and a draft keeps.
struct Step {
    Work work;
    Naming naming;
    bool operator==(const Step&) const = default;
};

// A draft file's bytes: a first line naming it, then the parts, each after a
// line with its length: the composition as its god file text, Step 4's text,
// the builder lists, the path of the god file the work was opened from and
// the naming. The builder lists' part holds the lists that hold entries:
// each is a line with the list's name, its number of entries and the state
// of its controls, then its entries, each after a line with its length and
// ended by CR LF. The naming's part is a line with the method's, the era's
// and the nation's positions in their lists, then Step 4's name.
std::string draftBytes(const Step& s);

// What a draft holds. Drafts of older editors end after the god file's path,
// or before it, or before the builder lists: those left out stay as they are
// and the naming is nullopt. So is a naming whose part does not read as one
// (`namingUnreadable`): the work is restored all the same.
struct Draft {
    Work work;
    std::optional<Naming> naming;
    bool namingUnreadable = false;
};
// nullopt when the bytes are no draft.
std::optional<Draft> readDraft(std::string_view bytes, const Vocabulary& v);

}  // namespace gs
