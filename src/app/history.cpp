#include "app/history.h"

#include <utility>

namespace gs {

void History::keep(std::vector<Work>& steps, Work w) {
    if (steps.size() == kSteps) steps.erase(steps.begin());
    steps.push_back(std::move(w));
}

std::optional<Work> History::step(std::vector<Work>& from, std::vector<Work>& to, Work now) {
    if (from.empty()) return std::nullopt;
    Work back = std::move(from.back());
    from.pop_back();
    keep(to, std::move(now));
    return back;
}

void History::done(Work before) {
    keep(undo_, std::move(before));
    redo_.clear();
}

std::optional<Work> History::undo(Work now) { return step(undo_, redo_, std::move(now)); }
std::optional<Work> History::redo(Work now) { return step(redo_, undo_, std::move(now)); }

}  // namespace gs
