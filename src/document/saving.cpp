#include "document/saving.h"

#include <optional>

#include "model/atomic_file.h"
#include "model/config.h"
#include "model/file_access.h"
#include "model/paths.h"

namespace gs {

namespace {

constexpr const char* kNotSaved = "File not saved!";
constexpr const char* kNotAdded = "File not Added to GodList!";
constexpr const char* kUnsafeName =
    "A file name may not contain \"/\", \"\\\", \"..\", a line break or another control character.";
constexpr const char* kSaveFilter = "Quillmap GOD file (*.god)|*.god";

void report(Editor& e, const char* message, const std::string& why) { e.platform.messageBox(message, message, why); }

// The name typed into txtGanFileName becomes part of a path and a line of
// GodList.txt: it may not leave GOD_BIN nor break that line.
bool isSafeGodName(const std::string& name) {
    if (name.find("..") != std::string::npos) return false;
    for (unsigned char c : name) {
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

}  // namespace

std::string godFileBytes(std::string_view text) { return std::string(text) + "\r\n"; }

bool cmdSaveAs_Click(Editor& e) {
    FileDialog& d = e.f.CommonDialog1;
    d.fileName = e.f.txtGanFileName.text();
    d.dialogTitle.clear();  // the system's own "Save As" title, not a leftover one
    d.initDir = e.platform.programFolder();
    d.filter = kSaveFilter;
    d.filterIndex = 1;
    const std::optional<std::string> path =
        e.platform.saveFileDialog(DialogRequest{d.dialogTitle, d.fileName, d.initDir, d.filter, d.filterIndex});
    if (!path) {
        report(e, kNotSaved, {});
        return false;
    }
    std::string why;
    if (!writeFileAtomically(*path, godFileBytes(e.f.txtGanFileFinal.text()), &why)) {
        report(e, kNotSaved, shownPath(*path) + ": " + why);
        return false;
    }
    WriteConfig(e);
    return true;
}

bool cmdSaveAndAdd_Click(Editor& e) {
    const std::string name = e.f.txtGanFileName.text();
    if (!isSafeGodName(name)) {
        report(e, kNotSaved, kUnsafeName);
        return false;
    }
    // The name is the editor's Windows-1252 text: on disk it is named in the
    // file system's encoding, as "Save As" names it; the message shows it as typed.
    const std::string folder = appendPath(e.QuillmapFolder, "\\GOD_BIN\\");
    const std::string path = folder + name + ".god";
    std::string why;
    if (!writeFileAtomically(folder + fileNameFromText(name) + ".god", godFileBytes(e.f.txtGanFileFinal.text()),
                             &why)) {
        report(e, kNotSaved, shownPath(path) + ": " + why);
        return false;
    }
    const std::string list = appendPath(e.QuillmapFolder, "\\LIST_CRATE\\GodList.txt");
    if (!appendFileAtomically(list, name + "\r\n", &why)) {
        report(e, kNotAdded, shownPath(list) + ": " + why);
        return true;
    }
    WriteConfig(e);
    e.platform.messageBox("Saved to: " + path + "\r\n\r\nIndex added to: " + list, "Saved & Added to GodList!");
    return true;
}

void cmdLoad_Click(Editor&) {}

void connectSaving(Editor& e) {
    e.f.cmdSaveAs.Click = [&e] { cmdSaveAs_Click(e); };
    e.f.cmdSaveAndAdd.Click = [&e] { cmdSaveAndAdd_Click(e); };
    e.f.cmdLoad.Click = [&e] { cmdLoad_Click(e); };
}

}  // namespace gs
