// Keeping the player's work. The main window's title carries a mark while
// the work differs from what was last saved, opened or cleared. Such work
// is kept, with the name and tags it is to be saved under, in a draft beside
// RK.cfg, written atomically on the clock's next tick after a change and
// removed once the work is saved or cleared; the next start finds it and
// shows it again. Actions that throw work away or
// reshape it can be undone and redone.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/history.h"
#include "app/work.h"
#include "model/editor.h"

namespace gs {

class WorkKeeper {
public:
    explicit WorkKeeper(Editor& e) : e_(e) {}

    // Makes the action in `slot` undoable: the work before it is kept when
    // the action changes it.
    void undoable(std::function<void()>& slot);
    // Entering "Step 4" rebuilds its text: undoable when that replaced hand edits.
    void watchStep4(std::function<void(int)>& slot);

    // After start-up: shows a draft left by an earlier run and starts the clock.
    void start();
    // The window closes: the draft is brought up to date first. When it
    // cannot be, the user chooses to close all the same (true) or to keep the
    // window open and the work in it (false).
    bool close();
    // The work as the window holds it now was written to a god file; or the
    // window was cleared: Step 4's text is then as the editor made it.
    void saved();
    void cleared();
    // Runs `open`, which says whether it opened a god file. Opening is no
    // save: unsaved work that the file replaces stays in the draft (written
    // first, the clock not waited for) until newer unsaved work, a save or
    // "Clear All" takes its place, so that a crash cannot lose it.
    void opening(const std::function<bool()>& open);

    // Ctrl+Z and Ctrl+Y outside a text box.
    void undo();
    void redo();

    // One tick of the clock: the title's mark and the draft follow the work.
    // True when the work is saved or in the draft.
    bool keep();

    // How often the clock ticks.
    static constexpr int kTickMilliseconds = 500;

private:
    std::string draftPath() const;
    void showTitle(const Work& now);
    void settle();  // the work as it is now is the one saved, opened or cleared
    void dropDraft();
    Step stepOf() const;
    void show(const std::optional<Step>& s);

    Editor& e_;
    History history_;
    Work settled_;                  // as last saved, opened or cleared
    std::optional<Step> drafted_;   // what the draft on disk holds, if there is one
    std::string assembled_;         // Step 4's text as its last rebuild left it
    std::string named_;             // Step 4's name as its last rebuild left it
    bool keptAside_ = false;        // the draft holds work that an opened file replaced
    bool started_ = false;
    bool draftFailed_ = false;      // reported once
};

}  // namespace gs
