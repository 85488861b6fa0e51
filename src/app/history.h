// Undo and redo over whole values of the work: before each action that
// throws work away or reshapes it, the work as it was is kept, with the
// naming that went with it; undoing shows both again and keeps what they
// replaced for redo.
#pragma once

#include <optional>
#include <vector>

#include "app/work.h"

namespace gs {

class History {
public:
    // An action changed the work from `before`. What was undone before it
    // can no longer be redone.
    void done(Step before);
    // The work to show instead of `now`; nullopt when nothing is left.
    std::optional<Step> undo(Step now);
    std::optional<Step> redo(Step now);

    // The oldest steps go first beyond this many.
    static constexpr std::size_t kSteps = 100;

private:
    static void keep(std::vector<Step>& steps, Step s);
    static std::optional<Step> step(std::vector<Step>& from, std::vector<Step>& to, Step now);
    std::vector<Step> undo_, redo_;
};

}  // namespace gs
