#include "app/work_keeper.h"

#include <utility>

#include "document/form_io.h"
#include "model/atomic_file.h"
#include "model/file_access.h"
#include "model/paths.h"

namespace gs {

namespace {

constexpr int kStep4 = 3;
constexpr const char* kModifiedMark = "*";
constexpr const char* kRestored =
    "Your work that was not saved when the editor last closed has been restored. It is kept until you save it "
    "or press 'Clear All'.";
constexpr const char* kRestoredUnnamed =
    "Your work that was not saved when the editor last closed has been restored, but not its file name, method, "
    "era and nation: check them before you save.";
constexpr const char* kDraftUnreadable = "A draft of earlier work was found but could not be read: ";
constexpr const char* kDraftNotWritten = "Your unsaved work cannot be kept in a draft.";
constexpr const char* kCloseUnkept =
    "Your unsaved work cannot be kept in a draft: closing the editor now loses it.\r\nClose all the same?";

}  // namespace

std::string WorkKeeper::draftPath() const { return appendPath(e_.platform.programFolder(), kDraftFile); }

void WorkKeeper::undoable(std::function<void()>& slot) {
    slot = [this, action = std::move(slot)] {
        Step before = stepOf();
        if (action) action();
        if (workOf(e_) != before.work || namingOf(e_) != before.naming) history_.done(std::move(before));
    };
}

void WorkKeeper::watchStep4(std::function<void(int)>& slot) {
    slot = [this, action = std::move(slot)](int previous) {
        Step before = stepOf();
        // The rebuild replaces Step 4's text and name: an edit of either by
        // hand can be taken back.
        const bool handEdited = before.work.finalText != assembled_ || before.naming.fileName != named_;
        if (action) action(previous);
        if (e_.f.SSTab1.tab() != kStep4) return;
        assembled_ = e_.f.txtGanFileFinal.text();
        named_ = e_.f.txtGanFileName.text();
        if (handEdited && (assembled_ != before.work.finalText || named_ != before.naming.fileName))
            history_.done(std::move(before));
    };
}

void WorkKeeper::start() {
    settle();
    assembled_ = settled_.finalText;
    named_ = e_.f.txtGanFileName.text();
    std::string bytes;
    const LoadStatus found = readRegularFile(draftPath(), kTableReadLimit, bytes);
    if (found) {
        if (std::optional<Draft> draft = readDraft(bytes, vocabulary(e_))) {
            showWork(draft->work, e_);
            assembled_ = render(draft->work.file);
            // Step 4's text is shown on its page, as after opening a file: entering
            // the page later would replace hand edits there by its rebuild.
            if (!draft->work.finalText.empty()) {
                assembled_ = draft->work.finalText;  // the page's rebuild below is no step to undo
                e_.f.SSTab1.setTab(kStep4);
                e_.f.txtGanFileFinal.setText(draft->work.finalText);
            }
            // After Step 4's rebuild, which names the file after Step 1. A naming
            // this installation's lists cannot show is not shown in part.
            bool named = !draft->namingUnreadable;
            if (draft->naming) {
                const Naming fresh = namingOf(e_);
                showNaming(*draft->naming, e_);
                if (namingOf(e_) != *draft->naming) showNaming(fresh, e_), named = false;
            }
            drafted_ = stepOf();  // what the draft holds, as the window shows it
            e_.f.txtHelp.setText(named ? kRestored : kRestoredUnnamed);
        } else {
            // Cut short, or written by a newer editor: it is copied aside before
            // this run's first draft replaces it.
            const std::string aside = appendPath(e_.platform.programFolder(), kUnreadDraftFile);
            std::string why;
            const bool kept = writeFileAtomically(aside, bytes, &why);
            e_.f.txtHelp.setText(kDraftUnreadable + shownPath(draftPath()) +
                                 (kept ? ". A copy of it is kept in " + shownPath(aside) + "." : ""));
        }
        e_.f.fraHelp.setVisible(true);
    }
    showTitle(workOf(e_));
    started_ = true;
    e_.platform.repeat(kTickMilliseconds, [this] { keep(); });
}

bool WorkKeeper::close() {
    if (!started_) return true;
    draftFailed_ = true;  // the question says so: no message box before it
    return keep() || e_.platform.questionBox(kCloseUnkept, kProgramTitle, "Close", "Keep Open");
}

void WorkKeeper::saved() {
    settle();
    dropDraft();
}

void WorkKeeper::opening(const std::function<bool()>& open) {
    if (started_) keep();
    if (!open()) return;
    settle();
    keptAside_ = drafted_.has_value();
}

void WorkKeeper::cleared() {
    assembled_ = e_.f.txtGanFileFinal.text();
    named_ = e_.f.txtGanFileName.text();
    saved();
}

void WorkKeeper::settle() {
    settled_ = workOf(e_);
    showTitle(settled_);
}

Step WorkKeeper::stepOf() const { return {workOf(e_), namingOf(e_)}; }

void WorkKeeper::undo() { show(history_.undo(stepOf())); }
void WorkKeeper::redo() { show(history_.redo(stepOf())); }

void WorkKeeper::show(const std::optional<Step>& s) {
    if (!s) return;
    showWork(s->work, e_);
    showNaming(s->naming, e_);
    showTitle(s->work);
}

void WorkKeeper::showTitle(const Work& now) {
    e_.f.setCaption(now == settled_ ? std::string(kProgramTitle) : kModifiedMark + std::string(kProgramTitle));
}

bool WorkKeeper::keep() {
    const Step now = stepOf();
    showTitle(now.work);
    if (now.work == settled_) {
        if (drafted_ && !keptAside_) dropDraft();
        return true;
    }
    if (drafted_ == now) return true;
    std::string why;
    if (writeFileAtomically(draftPath(), draftBytes(now), &why)) {
        drafted_ = now;
        keptAside_ = false;
        return true;
    }
    if (!draftFailed_) {
        draftFailed_ = true;
        e_.platform.messageBox(kDraftNotWritten, kProgramTitle, shownPath(draftPath()) + ": " + why);
    }
    return false;
}

void WorkKeeper::dropDraft() {
    if (!removeFile(draftPath(), nullptr)) return;
    drafted_.reset();
    keptAside_ = false;
}

}  // namespace gs
