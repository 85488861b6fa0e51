#include "model/config.h"

#include <vector>

#include "model/atomic_file.h"
#include "model/file_access.h"
#include "model/number.h"
#include "model/paths.h"
#include "model/table_reader.h"

namespace gs {

namespace {

constexpr std::string_view kConfigFile = "\\RK.cfg";

std::string configPath(Editor& e) { return appendPath(e.platform.programFolder(), kConfigFile); }

// Lines ended by CR LF or by a bare LF; a last line without an ending counts.
std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.emplace_back(bytes, start, stop - start);
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<std::string> quillmapItemLists(const Editor& e) {
    const std::string& text = e.QuillmapItems;
    std::vector<std::string> lists;
    std::size_t start = 0;
    for (std::size_t tab; start < text.size(); start = tab + 1) {
        tab = text.find('\t', start);
        if (tab == std::string::npos) tab = text.size();
        if (tab > start) lists.push_back(text.substr(start, tab - start));
    }
    return lists;
}

LoadStatus readConfig(Editor& e) {
    const std::string path = configPath(e);
    std::string bytes;
    e.ConfigReadWhole = false;
    if (LoadStatus status = readRegularFile(path, kConfigReadLimit, bytes); !status) return status;
    return parseConfig(bytes, path, e);
}

LoadStatus parseConfig(std::string_view bytes, const std::string& path, Editor& e) {
    e.ConfigReadWhole = false;
    const std::vector<std::string> lines = splitLines(bytes);

    if (lines.size() < 1) return LoadStatus::failure(path + ": ends after 0 of 3 lines");
    if (const std::string fault = pathFault(lines[0]); !fault.empty())
        return LoadStatus::failure(path + ": line 1: " + fault);
    e.QuillmapFolder = lines[0];
    if (lines.size() < 2) return LoadStatus::failure(path + ": ends after 1 of 3 lines");
    e.AuthorName = lines[1];
    if (lines.size() < 3) return LoadStatus::failure(path + ": ends after 2 of 3 lines");
    const NumberResult index = toInt16(lines[2]);
    if (!index.ok()) return LoadStatus::failure(path + ": line 3: " + numberFailure(lines[2], index.error));
    e.AuthorIndex = static_cast<std::int16_t>(index.value);

    std::string collector;
    for (std::size_t i = 3; i < lines.size(); ++i) collector += lines[i] + '\t';
    e.QuillmapItems = collector;
    e.ConfigReadWhole = true;
    return LoadStatus::success();
}

void WriteConfig(Editor& e) {
    const auto fail = [&e](const std::string& why) {
        e.platform.messageBox("Unable to update RK.cfg", "Unable to update configuration!", why);
    };
    if (!e.ConfigReadWhole) {
        fail("RK.cfg was not read whole, so it is kept as it is.");
        return;
    }
    if (e.AuthorIndex == INT16_MAX) {
        fail("The author index " + plainNumber(e.AuthorIndex) + " cannot be advanced any further.");
        return;
    }
    const std::string next = plainNumber(e.AuthorIndex + 1);
    std::string bytes = e.QuillmapFolder + "\r\n" + e.AuthorName + "\r\n" + next + "\r\n";
    for (const std::string& list : quillmapItemLists(e)) bytes += list + "\r\n";

    // The new file replaces the old one only once it is completely written,
    // so a failure never costs the user the stored folder, name or index.
    const std::string path = configPath(e);
    std::string why;
    if (!writeFileAtomically(path, bytes, &why)) {
        fail(shownPath(path) + ": " + why);
        return;
    }
    e.f.txtAuthorIndex.setText(next);
}

void LocateQuillmap(Editor& e) {
    FileDialog& d = e.f.CommonDialog1;
    d.fileName = "";
    d.dialogTitle = "Locate Quillmap.exe";
    d.initDir = e.platform.programFolder();
    d.filter = "Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*";
    d.filterIndex = 1;
    const std::optional<std::string> chosen =
        e.platform.openFileDialog({d.dialogTitle, d.fileName, d.initDir, d.filter, d.filterIndex});

    const std::string marker = appendPath("", "\\Quillmap.exe");
    const std::size_t at = chosen ? chosen->find(marker) : std::string::npos;
    const std::string fault = chosen ? pathFault(*chosen) : std::string();
    if (at == std::string::npos || !fault.empty()) {
        e.platform.messageBox("Quillmap path not retrieved!", "Path not retrieved!", fault);
        return;
    }
    e.QuillmapFolder = chosen->substr(0, at);
    WriteConfig(e);
}

}  // namespace gs
