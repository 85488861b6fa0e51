#include "app/opening.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/startup.h"
#include "document/form_io.h"
#include "document/header.h"
#include "document/saving.h"
#include "model/file_access.h"
#include "model/paths.h"
#include "window/controls.h"

namespace gs {

namespace {

constexpr const char* kNotOpened = "File not opened!";
constexpr const char* kOpenFilter = "Quillmap GOD file (*.god)|*.god|All files (*.*)|*.*";
// What the editor itself may write, so that every file it saves opens again.
// The longest text a prefix goes before: a pop type's name (a table cell of
// at most kMaxLineLength) after "#poptype -32768 --", the longest prefix of
// a province line (longer than "@RANDOM landname " before a name-list name,
// "#knownfeature \"" and "\"" around a site's name, "--" before a line of
// the description).
constexpr std::size_t kLongestPrefix = std::string_view("#poptype -32768 --").size();
constexpr std::size_t kMaxGodFileLineLength = kMaxLineLength + kLongestPrefix;
// Every line at the longest, with its CR LF, rounded up to whole MiB.
constexpr std::size_t kMiB = std::size_t{1} << 20;
constexpr std::size_t kGodFileReadLimit = (kMaxGodFileLines * (kMaxGodFileLineLength + 2) + kMiB - 1) / kMiB * kMiB;
constexpr int kStep4 = 3;

// The text Step 4 showed when the file was saved: the file without the one
// CR LF that saving adds.
std::string shownText(std::string bytes) {
    if (bytes.ends_with("\r\n")) bytes.resize(bytes.size() - 2);
    return bytes;
}

// The name Step 4 shows for a file: its own name without ".god".
std::string godName(const std::string& path) {
    std::string name = textFromFileName(fileNameOf(path));
    if (name.ends_with(".god")) name.resize(name.size() - 4);
    return name;
}

// Step 4 takes no longer lines and no more lines from a file than the
// editor writes: more would hold the window up for seconds.
LoadStatus fitsStep4(const std::string& path, const std::string& text) {
    const auto refuse = [&path](const std::string& why) {
        return LoadStatus::failure(shownPath(path) + ": cannot be shown: " + why + " Step 4 holds");
    };
    const std::string_view all = text;
    std::size_t number = 1;
    for (std::size_t start = 0; start < all.size(); ++number) {
        const std::size_t end = std::min(all.find_first_of("\r\n", start), all.size());
        if (end - start > kMaxGodFileLineLength)
            return refuse("line " + std::to_string(number) + " holds " + std::to_string(end - start) +
                          " bytes, more than the " + std::to_string(kMaxGodFileLineLength));
        start = end + (all.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    const std::size_t lines = lineCount(text);
    if (lines > static_cast<std::size_t>(kMaxGodFileLines))
        return refuse(std::to_string(lines) + " lines, more than the " + std::to_string(kMaxGodFileLines));
    return {};
}

}  // namespace

bool cmdLoad_Click(Editor& e) {
    // The system's own "Open" title; the folder of the file last opened, else
    // where "Save and Add" writes.
    const std::string folder =
        e.OpenedFile.empty() ? appendPath(e.QuillmapFolder, "\\GOD_BIN") : folderOf(e.OpenedFile);
    const std::optional<std::string> path =
        e.platform.openFileDialog(e.f.CommonDialog1.prepare("", "", folder, kOpenFilter));
    return path && openGodFile(e, *path);
}

bool openGodFile(Editor& e, const std::string& path) {
    std::string bytes;
    const std::string fault = pathFault(path);
    const LoadStatus read = fault.empty() ? readRegularFile(path, kGodFileReadLimit, bytes)
                                          : LoadStatus::failure(shownPath(path) + ": " + fault);
    const std::string text = shownText(std::move(bytes));
    const LoadStatus shown = read ? fitsStep4(path, text) : read;
    if (!shown) {
        e.platform.messageBox(kNotOpened, kNotOpened, shown.cause);
        return false;
    }
    const std::string name = godName(path);

    cmdClearAll_Click(e);
    const GodFile g = gs::read(text, vocabulary(e));
    toForm(g, e);
    ShowFileNameTags(e, name);
    e.OpenedFile = path;
    e.f.SSTab1.setTab(kStep4);
    e.f.txtGanFileName.setText(name);
    e.f.txtGanFileFinal.setText(text);
    return true;
}

}  // namespace gs
