// Reading the data tables, the name-list index and the configuration into the
// editor. Each reader fills its table, index array and picker as start-up
// needs them and reports success or the cause of its failure; the start-up
// sequence turns a failure into its region's message.
#pragma once

#include <string>

#include "model/editor.h"

namespace gs {

struct LoadStatus {
    bool ok = true;
    // What went wrong, for the user: the file's path and, where it applies,
    // the line and field ("...UnitData.txt: line 57, field 9: \"abc\" is not a number").
    std::string cause;

    static LoadStatus success() { return {}; }
    static LoadStatus failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace gs
