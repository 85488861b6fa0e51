#include "model/config.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "model/atomic_file.h"
#include "model/file_access.h"
#include "model/number.h"
#include "model/paths.h"
#include "model/table_reader.h"

namespace gs {

namespace {

std::string configPath(Editor& e) { return appendPath(e.platform.programFolder(), kConfigFile); }

// What one reading of RK.cfg gives; `lines` counts the lines taken before a
// failure.
struct ConfigValues {
    std::string folder, author, items;
    std::int16_t index = 0;
    int lines = 0;
};

LoadStatus parseValues(std::string_view bytes, const std::string& path, ConfigValues& v) {
    if (LoadStatus start = textStart(bytes, path); !start) return start;
    std::vector<std::string_view> lines;
    Lines split(bytes);
    for (std::string_view line; split.next(line);) lines.push_back(line);
    const auto lineFault = [&path](std::size_t i, const std::string& why) {
        return LoadStatus::failure(path + ": line " + std::to_string(i + 1) + ": " + why);
    };
    const auto ended = [&path](std::size_t count) {
        return LoadStatus::failure(path + ": ends after " + std::to_string(count) + " of 3 lines");
    };
    if (lines.empty()) return ended(0);
    if (const std::string fault = pathFault(lines[0]); !fault.empty()) return lineFault(0, fault);
    v.folder = lines[0];
    v.lines = 1;
    if (lines.size() < 2) return ended(1);
    if (holdsLineBreak(lines[1])) return lineFault(1, kHoldsLineBreak);
    v.author = lines[1];
    v.lines = 2;
    if (lines.size() < 3) return ended(2);
    const NumberResult index = toInt16(lines[2]);
    if (!index.ok()) return lineFault(2, numberFailure(lines[2], index.error));
    v.index = static_cast<std::int16_t>(index.value);
    v.lines = 3;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        if (holdsLineBreak(lines[i])) return lineFault(i, kHoldsLineBreak);
        (v.items += lines[i]) += '\t';
    }
    return LoadStatus::success();
}

// The non-empty Tab-separated pieces of an item-list text, in order.
std::vector<std::string> itemLists(const std::string& text) {
    std::vector<std::string> lists;
    std::size_t start = 0;
    for (std::size_t tab; start < text.size(); start = tab + 1) {
        tab = text.find('\t', start);
        if (tab == std::string::npos) tab = text.size();
        if (tab > start) lists.push_back(text.substr(start, tab - start));
    }
    return lists;
}

}  // namespace

std::vector<std::string> quillmapItemLists(const Editor& e) { return itemLists(e.QuillmapItems); }

LoadStatus readConfig(Editor& e) {
    const std::string path = configPath(e);
    std::string bytes;
    e.ConfigReadWhole = false;
    if (LoadStatus status = readRegularFile(path, kConfigReadLimit, bytes); !status) return status;
    LoadStatus status = parseConfig(bytes, path, e);
    if (status) e.ConfigBytes = std::move(bytes);
    return status;
}

LoadStatus parseConfig(std::string_view bytes, const std::string& path, Editor& e) {
    e.ConfigReadWhole = false;
    ConfigValues v;
    const LoadStatus status = parseValues(bytes, path, v);
    if (v.lines >= 1) e.QuillmapFolder = v.folder;
    if (v.lines >= 2) e.AuthorName = v.author;
    if (v.lines >= 3) e.AuthorIndex = v.index;
    if (!status) return status;
    e.QuillmapItems = v.items;
    e.ConfigReadWhole = true;
    return status;
}

std::optional<std::string> advanceConfig(Editor& e) {
    // Another program may have changed the file since it was read: what it
    // holds now is kept (its item lists, a higher index), never written back
    // over with the editor's older copy. A file missing at start-up, or
    // removed meanwhile, is made from the editor's values; one that was there
    // but not read whole is kept, or its other lines would be lost.
    const std::string path = configPath(e);
    const bool present = pathExists(path);
    if (present && !e.ConfigReadWhole) return "RK.cfg was not read whole, so it is kept as it is.";
    std::string now;
    if (present)
        if (LoadStatus s = readRegularFile(path, kConfigReadLimit, now); !s) return s.cause;
    std::int16_t from = e.AuthorIndex;
    std::string items = e.QuillmapItems;
    if (present && now != e.ConfigBytes) {
        ConfigValues v;
        if (LoadStatus s = parseValues(now, path, v); !s) return s.cause;
        items = v.items;
        from = std::max(from, v.index);
    }
    if (from == INT16_MAX)
        return "The author index " + plainNumber(from) + " cannot be advanced any further.";
    const std::string advanced = plainNumber(from + 1);
    std::string bytes = e.QuillmapFolder + "\r\n" + e.AuthorName + "\r\n" + advanced + "\r\n";
    for (const std::string& list : itemLists(items)) bytes += list + "\r\n";
    if (bytes.size() > kConfigReadLimit)
        return "RK.cfg would grow to " + std::to_string(bytes.size()) +
               " bytes, over the 1 MiB that the editor reads, so it is kept as it is.";

    // The new file replaces the old one only once it is completely written,
    // so a failure never costs the user the stored folder, name or index.
    std::string why;
    if (!writeFileAtomically(path, bytes, &why)) return shownPath(path) + ": " + why;
    e.ConfigBytes = std::move(bytes);
    e.ConfigReadWhole = true;
    e.QuillmapItems = std::move(items);
    e.f.txtAuthorIndex.setText(advanced);
    return std::nullopt;
}

std::optional<std::string> advanceConfigAfterSave(Editor& e) {
    std::optional<std::string> why = advanceConfig(e);
    if (why && e.AuthorIndex != INT16_MAX) e.f.txtAuthorIndex.setText(plainNumber(e.AuthorIndex + 1));
    return why;
}

void reportConfigFailure(Editor& e, const std::string& why) {
    e.platform.messageBox("Unable to update RK.cfg", "Unable to update configuration!", why);
}

void WriteConfig(Editor& e) {
    if (const std::optional<std::string> why = advanceConfig(e)) reportConfigFailure(e, *why);
}

void LocateQuillmap(Editor& e) {
    const std::optional<std::string> chosen = e.platform.openFileDialog(
        e.f.CommonDialog1.prepare("Locate Quillmap.exe", "", e.platform.programFolder(),
                                  "Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*"));

    // The folder that holds the chosen file, when that file is named exactly
    // Quillmap.exe: neither a folder of that name higher up the path nor
    // "Quillmap.exe.bak" is Quillmap.
    const std::string marker = appendPath("", "\\Quillmap.exe");
    const std::size_t at = chosen && chosen->ends_with(marker) ? chosen->size() - marker.size() : std::string::npos;
    const std::string fault = chosen ? pathFault(*chosen) : std::string();
    if (at == std::string::npos || !fault.empty()) {
        e.platform.messageBox("Quillmap path not retrieved!", "Path not retrieved!", fault);
        return;
    }
    e.QuillmapFolder = chosen->substr(0, at);
    WriteConfig(e);
}

}  // namespace gs
