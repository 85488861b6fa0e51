#include "app/history.h"

#include <utility>

namespace gs {

void History::keep(std::vector<Step>& steps, Step s) {
    if (steps.size() == kSteps) steps.erase(steps.begin());
    steps.push_back(std::move(s));
}

std::optional<Step> History::step(std::vector<Step>& from, std::vector<Step>& to, Step now) {
    if (from.empty()) return std::nullopt;
    Step back = std::move(from.back());
    from.pop_back();
    keep(to, std::move(now));
    return back;
}

void History::done(Step before) {
    keep(undo_, std::move(before));
    redo_.clear();
}

std::optional<Step> History::undo(Step now) { return step(undo_, redo_, std::move(now)); }
std::optional<Step> History::redo(Step now) { return step(redo_, undo_, std::move(now)); }

}  // namespace gs
