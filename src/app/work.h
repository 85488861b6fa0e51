// The player's work as one value: the composition the pages hold and the
// text "Step 4" shows (hand edits included). It is what the window compares
// with the last saved, opened or cleared state, what a draft keeps and what
// undo gives back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/god_file.h"
#include "model/editor.h"

namespace gs {

struct Work {
    GodFile file;
    std::string finalText;       // txtGanFileFinal
    std::vector<int> siteTabs;   // where the file's site slots are shown
    bool operator==(const Work&) const = default;
};

Work workOf(const Editor& e);
// Shows `w`, changing only what differs from what the window holds.
void showWork(const Work& w, Editor& e);

// A draft file's bytes: a first line naming it, then the composition as its
// god file text and Step 4's text, each after a line with its length.
std::string draftBytes(const Work& w);
// The work a draft holds; nullopt when the bytes are no draft.
std::optional<Work> readDraft(std::string_view bytes, const Vocabulary& v);

}  // namespace gs
