#include "app/opening.h"

#include <algorithm>
#include <cctype>
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
// What the editor itself may write, so that every file it saves opens again,
// rounded up to whole MiB.
constexpr std::size_t kMiB = std::size_t{1} << 20;
constexpr std::size_t kGodFileReadLimit = (kMaxGodFileBytes + kMiB - 1) / kMiB * kMiB;
constexpr int kStep4 = 3;

// The text Step 4 showed when the file was saved: the file without the one
// CR LF that saving adds.
std::string shownText(std::string bytes) {
    if (bytes.ends_with("\r\n")) bytes.resize(bytes.size() - 2);
    return bytes;
}

// The name Step 4 shows for a file: its own name without ".god", in any case
// ("X.GOD" from a Windows folder is the god file X, saved again as X.god).
std::string godName(const std::string& path) {
    std::string name = textFromFileName(fileNameOf(path));
    constexpr std::string_view kExtension = ".god";
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    if (name.size() >= kExtension.size() &&
        std::ranges::equal(name.substr(name.size() - kExtension.size()), kExtension, {}, lower))
        name.resize(name.size() - kExtension.size());
    return name;
}

// Step 4 takes no longer lines and no more lines from a file than the
// editor writes: more would hold the window up for seconds.
LoadStatus fitsStep4(const std::string& path, const std::string& text) {
    const auto refuse = [&path](const std::string& why) {
        return LoadStatus::failure(shownPath(path) + ": cannot be shown: " + why + " Step 4 holds");
    };
    const LineStats lines = lineStats(text);
    if (lines.longest > kMaxGodFileLineLength) {
        const std::string_view all = text;
        std::size_t number = 1;
        for (std::size_t start = 0;; ++number) {
            const std::size_t end = std::min(all.find_first_of("\r\n", start), all.size());
            if (end - start > kMaxGodFileLineLength)
                return refuse("line " + std::to_string(number) + " holds " + std::to_string(end - start) +
                              " bytes, more than the " + std::to_string(kMaxGodFileLineLength));
            start = end + (all.substr(end, 2) == "\r\n" ? 2 : 1);
        }
    }
    if (lines.count > static_cast<std::size_t>(kMaxGodFileLines))
        return refuse(std::to_string(lines.count) + " lines, more than the " + std::to_string(kMaxGodFileLines));
    return {};
}

// Each box and list takes no more from a file than it takes from the user,
// so that every later action's own limits keep the file one that opens. A
// failure's cause is `before` followed by why.
LoadStatus fitsBoxes(const std::string& before, const GodFile& g, const Form1& f) {
    const auto refuse = [&before](const std::string& why) { return LoadStatus::failure(before + why); };
    const auto box = [&](const std::string& what, const std::string& text, const TextBox& into) -> LoadStatus {
        const auto why = into.refusalWhenEmpty(text);
        if (!why) return {};
        const std::string holds = "the " + what + " holds ";
        const std::string more = ", more than the " + what + " box takes";
        if (*why == TextBox::Refusal::LineTooLong)
            return refuse(holds + "a line of " + std::to_string(longestLine(text)) + " bytes" + more +
                          " (" + std::to_string(kMaxLineLength) + ")");
        if (*why == TextBox::Refusal::TooManyLines)
            return refuse(holds + std::to_string(lineCount(text)) + " lines" + more + " (" +
                          std::to_string(kMaxLines) + ")");
        return refuse(holds + std::to_string(text.size()) + " bytes" + more + " (" +
                      std::to_string(into.maxBytes) + ")");
    };
    const auto list = [&](const std::string& what, const std::vector<std::string>& entries,
                          const ListBox& into) -> LoadStatus {
        const auto why = into.refusal(entries);
        if (!why) return {};
        if (*why == ListBox::Refusal::TooManyEntries)
            return refuse(what + " holds " + std::to_string(entries.size()) + " entries, more than the list takes (" +
                          std::to_string(into.maxEntries) + ")");
        return refuse(what + " holds " + std::to_string(entryBytes(entries)) + " bytes, more than the list takes (" +
                      std::to_string(into.maxBytes) + ")");
    };
    LoadStatus fits = box("description", g.description, f.txtGanFileDesc);
    if (fits) fits = box("garrison", g.garrison, f.txtGarrison);
    if (fits) fits = list("the province name list", g.names, f.lstNameList);
    for (std::size_t i = 0; fits && i < g.sites.size(); ++i)
        fits = list("site list " + std::to_string(i + 1), g.sites[i].candidates, f.lstFeatureList[i]);
    return fits;
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
    if (read) noteGodFile(e, path, bytes);
    const std::string text = shownText(std::move(bytes));
    const LoadStatus shown = read ? fitsStep4(path, text) : read;
    if (!shown) {
        e.platform.messageBox(kNotOpened, kNotOpened, shown.cause);
        return false;
    }
    const auto refused = [&](const GodFile& g) {
        const LoadStatus fits = fitsBoxes(shownPath(path) + ": cannot be shown: ", g, e.f);
        if (!fits) e.platform.messageBox(kNotOpened, kNotOpened, fits.cause);
        return !fits;
    };
    if (refused(gs::read(text, vocabulary(e)))) return false;
    const std::string name = godName(path);

    cmdClearAll_Click(e);
    // Read with the name lists and pop types the reset has just read: one
    // gone since the start stays in the garrison block, not lost between
    // the two.
    const GodFile g = gs::read(text, vocabulary(e));
    if (refused(g)) return false;
    toForm(g, e);
    ShowFileNameTags(e, name);
    e.OpenedFile = path;
    e.f.SSTab1.setTab(kStep4);
    e.f.txtGanFileName.setText(name);
    e.f.txtGanFileFinal.setText(text);
    return true;
}

bool mayWriteUnopenable(Editor& e) {
    const GodFile g = gs::read(e.f.txtGanFileFinal.text(), vocabulary(e));
    const LoadStatus fits = fitsBoxes("", g, e.f);
    return fits || e.platform.questionBox("The editor could not open this text again: " + fits.cause +
                                              ".\r\nSave it anyway?",
                                          "Save file?", "Save", "Keep");
}

}  // namespace gs
