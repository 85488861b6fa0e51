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

// A draft file's bytes: a first line naming it, then the parts, each after a
// line with its length: the composition as its god file text, Step 4's text
// and, when some hold entries, the builder lists. Each of those is a line
// with the list's name, its number of entries and the state of its
// controls, then its entries, each after a line with its length and ended
// by CR LF. A draft without builder lists leaves them as they are. Work
// opened from a god file ends with that file's path as a last part (then
// the builder lists' part is there, if empty).
std::string draftBytes(const Work& w);
// The work a draft holds; nullopt when the bytes are no draft.
std::optional<Work> readDraft(std::string_view bytes, const Vocabulary& v);

}  // namespace gs
