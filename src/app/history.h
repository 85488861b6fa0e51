// Undo and redo over whole values of the work: before each action that
// throws work away or reshapes it, the work as it was is kept; undoing shows
// it again and keeps what it replaced for redo.
#pragma once

#include <optional>
#include <vector>

#include "app/work.h"

namespace gs {

class History {
public:
    // An action changed the work from `before`. What was undone before it
    // can no longer be redone.
    void done(Work before);
    // The work to show instead of `now`; nullopt when nothing is left.
    std::optional<Work> undo(Work now);
    std::optional<Work> redo(Work now);

    // The oldest steps go first beyond this many.
    static constexpr std::size_t kSteps = 100;

private:
    static void keep(std::vector<Work>& steps, Work w);
    static std::optional<Work> step(std::vector<Work>& from, std::vector<Work>& to, Work now);
    std::vector<Work> undo_, redo_;
};

}  // namespace gs
