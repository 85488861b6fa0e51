#include "document/saving.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "model/atomic_file.h"
#include "model/config.h"
#include "model/file_access.h"
#include "model/paths.h"
#include "model/table_reader.h"
#include "window/limits.h"

namespace gs {

namespace {

constexpr const char* kNotSaved = "File not saved!";
constexpr const char* kNotAdded = "File not Added to GodList!";
constexpr const char* kUnsafeName =
    "A file name may not contain \"..\", any of / \\ : * ? \" < > |, a line break or another control character.";
constexpr const char* kSaveFilter = "Quillmap GOD file (*.god)|*.god";

void report(Editor& e, const char* message, const std::string& why) { e.platform.messageBox(message, message, why); }

std::size_t hashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

std::pair<std::string, std::size_t>* seenGodFile(Editor& e, const std::string& path) {
    for (auto& seen : e.GodFilesSeen)
        if (sameFile(seen.first, path)) return &seen;
    return nullptr;
}

// True when a god file this run read or wrote holds other bytes now. One
// far larger than any the editor opens, or unreadable, is not what it saw.
bool changedSinceSeen(Editor& e, const std::string& diskPath) {
    const auto* seen = seenGodFile(e, diskPath);
    if (!seen || !pathExists(diskPath)) return false;
    std::string now;
    return !readRegularFile(diskPath, 2 * kMaxGodFileBytes, now) || hashOf(now) != seen->second;
}

// True when nothing is at `diskPath` yet, or the player agrees to replace it.
// A file another program changed since this run read or wrote it is said to be so.
bool mayReplace(Editor& e, const std::string& diskPath) {
    if (!pathExists(diskPath)) return true;
    const std::string why = changedSinceSeen(e, diskPath)
                                ? " was changed by another program since the editor last read or wrote it."
                                : " already exists.";
    if (e.platform.questionBox(shownPath(diskPath) + why + "\r\nReplace it?", "Replace file?", "Replace", "Keep"))
        return true;
    report(e, kNotSaved, shownPath(diskPath) + ": kept as it was");
    return false;
}

// No save writes over the editor's own files, also where a link in the
// Quillmap folder leads to them: the god text would become its
// configuration, or the draft that the save then removes.
bool isEditorsOwnFile(Editor& e, const std::string& path) {
    return std::ranges::any_of(std::array{kConfigFile, kDraftFile, kUnreadDraftFile}, [&](std::string_view own) {
        return sameFile(path, appendPath(e.platform.programFolder(), own));
    });
}

// A path whose file name has no extension gets ".god", as the dialog's only
// filter promises.
std::string withGodExtension(const std::string& path) {
    const std::size_t name = path.find_last_of("/\\");
    const bool hasExtension = path.find('.', name == std::string::npos ? 0 : name + 1) != std::string::npos;
    return hasExtension ? path : path + ".god";
}

// True when GodList.txt's bytes hold `name` as a line of its own. Other
// programs and hand edits leave lines ended by CR LF, LF or a bare CR,
// mixed in one file.
bool listsName(std::string_view list, const std::string& name) {
    while (!list.empty()) {
        const std::size_t end = std::min(list.find_first_of("\r\n"), list.size());
        if (list.substr(0, end) == name) return true;
        list.remove_prefix(std::min(list.size(), end + (list.substr(end, 2) == "\r\n" ? 2 : 1)));
    }
    return false;
}

// The bytes that append `name` to GodList.txt's `listed` bytes as a line of
// its own, after a last line that has no line end.
std::string lineOfItsOwn(std::string_view listed, const std::string& name) {
    return (lastLineEnded(listed) ? "" : "\r\n") + name + "\r\n";
}

// The name typed into txtGanFileName becomes part of a path and a line of
// GodList.txt: it may not leave GOD_BIN nor break that line, nor hold what
// Windows, where Quillmap reads it, refuses in a file name. A "?" is also
// what a file name shows for a character Windows-1252 cannot hold: such a
// name is not the file's.
bool isSafeGodName(const std::string& name) {
    if (name.find("..") != std::string::npos) return false;
    for (unsigned char c : name) {
        if (std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos || c < 0x20 ||
            c == 0x7f)
            return false;
    }
    return true;
}

// A file that was opened is proposed where it came from.
std::string proposedFolder(Editor& e) {
    return e.OpenedFile.empty() ? e.platform.programFolder() : folderOf(e.OpenedFile);
}

}  // namespace

std::string godFileBytes(std::string_view text) { return std::string(text) + "\r\n"; }

void noteGodFile(Editor& e, const std::string& path, std::string_view bytes) {
    if (auto* seen = seenGodFile(e, path))
        seen->second = hashOf(bytes);
    else
        e.GodFilesSeen.emplace_back(path, hashOf(bytes));
}

namespace {

// Writes Step 4's text to a god file, whole or not at all, and notes its
// bytes as this run wrote them.
bool writeGodFile(Editor& e, const std::string& path, std::string* why) {
    const std::string bytes = godFileBytes(e.f.txtGanFileFinal.text());
    if (!writeFileAtomically(path, bytes, why)) return false;
    noteGodFile(e, path, bytes);
    return true;
}

}  // namespace

bool cmdSaveAs_Click(Editor& e) {
    // The system's own "Save As" title, not a leftover one.
    const std::optional<std::string> chosen = e.platform.saveFileDialog(
        e.f.CommonDialog1.prepare("", e.f.txtGanFileName.text(), proposedFolder(e), kSaveFilter));
    if (!chosen) {
        report(e, kNotSaved, {});
        return false;
    }
    // The dialog asked before replacing the name it returned, not the one
    // that the extension makes.
    const std::string path = withGodExtension(*chosen);
    if (isEditorsOwnFile(e, path)) {
        report(e, kNotSaved, shownPath(path) + ": is the editor's own file");
        return false;
    }
    // The dialog asked before replacing the file it named, but not whether
    // another program had changed it.
    if ((path != *chosen || changedSinceSeen(e, path)) && !mayReplace(e, path)) return false;
    std::string notSaved;
    std::optional<std::string> configFault;
    {
        const SignalsHeld held;
        std::string why;
        if (!writeGodFile(e, path, &why))
            notSaved = shownPath(path) + ": " + why;
        else
            configFault = advanceConfigAfterSave(e);
    }
    if (!notSaved.empty()) {
        report(e, kNotSaved, notSaved);
        return false;
    }
    if (configFault) reportConfigFailure(e, *configFault);
    return true;
}

bool cmdSaveAndAdd_Click(Editor& e) {
    const std::string name = e.f.txtGanFileName.text();
    if (!isSafeGodName(name)) {
        report(e, kNotSaved, kUnsafeName);
        return false;
    }
    // The name is the editor's Windows-1252 text: on disk it is named in the
    // file system's encoding, as "Save As" names it; messages show the path
    // as the window's text again.
    const std::string diskPath = appendPath(e.QuillmapFolder, "\\GOD_BIN\\") + fileNameFromText(name) + ".god";
    if (isEditorsOwnFile(e, diskPath)) {
        report(e, kNotSaved, shownPath(diskPath) + ": is the editor's own file");
        return false;
    }
    if (!mayReplace(e, diskPath)) return false;
    const std::string list = appendPath(e.QuillmapFolder, "\\LIST_CRATE\\GodList.txt");
    std::string notSaved, notAdded;
    std::optional<std::string> configFault;
    bool known = false;
    {
        const SignalsHeld held;
        std::string why, listed;
        LoadStatus read = LoadStatus::success();
        if (!writeGodFile(e, diskPath, &why))
            notSaved = shownPath(diskPath) + ": " + why;
        else if (isEditorsOwnFile(e, list))
            notAdded = shownPath(list) + ": is the editor's own file";
        else if (pathExists(list) && !(read = readRegularFile(list, kTableReadLimit, listed)))
            notAdded = read.cause;
        // The name goes on a line of its own whatever the list ends with,
        // and a name the list holds already is not added twice.
        else if (known = listsName(listed, name); !known && !appendFileAtomically(list, lineOfItsOwn(listed, name), &why))
            notAdded = shownPath(list) + ": " + why;
        else
            configFault = advanceConfigAfterSave(e);
    }
    if (!notSaved.empty()) {
        report(e, kNotSaved, notSaved);
        return false;
    }
    if (!notAdded.empty()) {
        report(e, kNotAdded, notAdded);
        return true;  // the god file itself is written
    }
    if (configFault) reportConfigFailure(e, *configFault);
    const std::string saved = "Saved to: " + textFromFileName(diskPath) + "\r\n\r\n";
    if (known)
        e.platform.messageBox(saved + "Already listed in: " + textFromFileName(list), "Saved, already in GodList!");
    else
        e.platform.messageBox(saved + "Index added to: " + textFromFileName(list), "Saved & Added to GodList!");
    return true;
}

void connectSaving(Editor& e) {
    e.f.cmdSaveAs.Click = [&e] { cmdSaveAs_Click(e); };
    e.f.cmdSaveAndAdd.Click = [&e] { cmdSaveAndAdd_Click(e); };
}

}  // namespace gs
