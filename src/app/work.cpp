#include "app/work.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <utility>

#include "document/form_io.h"
#include "model/table_reader.h"

namespace gs {

namespace {

constexpr std::string_view kDraftLine = "Godsmith draft\r\n";

void putPart(std::string& out, std::string_view part) {
    out += std::to_string(part.size());
    out += "\r\n";
    out += part;
}

// Takes one part (its length line, then its bytes) off the front of `rest`.
std::optional<std::string_view> takePart(std::string_view& rest) {
    const std::size_t end = rest.find("\r\n");
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    std::size_t size = 0;
    const auto [stop, err] = std::from_chars(rest.data(), rest.data() + end, size);
    if (err != std::errc() || stop != rest.data() + end || size > rest.size() - end - 2) return std::nullopt;
    const std::string_view part = rest.substr(end + 2, size);
    rest.remove_prefix(end + 2 + size);
    return part;
}

// The lists that hold entries; the others are as a fresh window has them.
std::string builderBytes(const std::vector<BuilderList>& lists) {
    std::string out;
    for (const BuilderList& b : lists) {
        if (b.entries.empty()) continue;
        out += b.list + " " + std::to_string(b.entries.size());
        for (int c : b.controls) out += " " + std::to_string(c);
        out += "\r\n";
        for (const std::string& entry : b.entries) {
            putPart(out, entry);
            out += "\r\n";
        }
    }
    return out;
}

// The numbers after the name on a list's line; nullopt unless the line is
// made of blank-separated whole numbers only.
std::optional<std::vector<int>> numbersOf(std::string_view line) {
    std::vector<int> numbers;
    while (!line.empty()) {
        if (line.front() != ' ') return std::nullopt;
        line.remove_prefix(1);
        int n = 0;
        const auto [stop, err] = std::from_chars(line.data(), line.data() + line.size(), n);
        if (err != std::errc()) return std::nullopt;
        numbers.push_back(n);
        line.remove_prefix(static_cast<std::size_t>(stop - line.data()));
    }
    return numbers;
}

std::optional<std::vector<BuilderList>> readBuilders(std::string_view bytes) {
    std::vector<BuilderList> lists;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find("\r\n");
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 2);
        const std::size_t blank = line.find(' ');
        const std::optional<std::vector<int>> numbers =
            blank == 0 || blank == std::string_view::npos ? std::nullopt : numbersOf(line.substr(blank));
        if (!numbers || numbers->front() < 0) return std::nullopt;
        BuilderList& b = lists.emplace_back();
        b.list = line.substr(0, blank);
        b.controls.assign(numbers->begin() + 1, numbers->end());
        for (int i = 0; i < numbers->front(); ++i) {
            const std::optional<std::string_view> entry = takePart(bytes);
            // An entry is one line: one holding a line break would put lines of
            // its own into the garrison.
            if (!entry || !bytes.starts_with("\r\n") || holdsLineBreak(*entry)) return std::nullopt;
            b.entries.emplace_back(*entry);
            bytes.remove_prefix(2);
        }
    }
    return lists;
}

std::string namingBytes(const Naming& n) {
    return std::to_string(n.method) + " " + std::to_string(n.era) + " " + std::to_string(n.nation) + "\r\n" +
           n.fileName;
}

std::optional<Naming> readNaming(std::string_view bytes) {
    const std::size_t end = bytes.find("\r\n");
    const std::optional<std::vector<int>> numbers =
        end == std::string_view::npos ? std::nullopt : numbersOf(" " + std::string(bytes.substr(0, end)));
    if (!numbers || numbers->size() != 3 || std::ranges::any_of(*numbers, [](int n) { return n < 0; }))
        return std::nullopt;
    return Naming{(*numbers)[0], (*numbers)[1], (*numbers)[2], std::string(bytes.substr(end + 2))};
}

}  // namespace

Work workOf(const Editor& e) {
    return {fromForm(e), e.f.txtGanFileFinal.text(), siteTabs(e), builderLists(e), e.OpenedFile};
}

void showWork(const Work& w, Editor& e) {
    if (fromForm(e) != w.file || siteTabs(e) != w.siteTabs) toForm(w.file, e, w.siteTabs);
    showBuilderLists(w.builders, e);
    e.f.txtGanFileFinal.setText(w.finalText);
    e.OpenedFile = w.openedFile;
}

Naming namingOf(const Editor& e) {
    const Form1& f = e.f;
    return {f.cboMethod.listIndex(), f.cboEra.listIndex(), f.cboNation.listIndex(), f.txtGanFileName.text()};
}

void showNaming(const Naming& n, Editor& e) {
    Form1& f = e.f;
    for (auto [list, index] : {std::pair{&f.cboEra, n.era}, {&f.cboNation, n.nation}, {&f.cboMethod, n.method}})
        if (list->listIndex() != index) list->setListIndex(index);
    f.txtGanFileName.setText(n.fileName);
}

std::string draftBytes(const Step& s) {
    const Work& w = s.work;
    std::string out(kDraftLine);
    putPart(out, render(w.file));
    putPart(out, w.finalText);
    putPart(out, builderBytes(w.builders));
    putPart(out, w.openedFile);
    putPart(out, namingBytes(s.naming));
    return out;
}

std::optional<Draft> readDraft(std::string_view bytes, const Vocabulary& v) {
    if (!bytes.starts_with(kDraftLine)) return std::nullopt;
    bytes.remove_prefix(kDraftLine.size());
    const std::optional<std::string_view> file = takePart(bytes);
    const std::optional<std::string_view> finalText = file ? takePart(bytes) : std::nullopt;
    if (!finalText) return std::nullopt;
    // The parts an older editor left out are as if empty.
    const auto optionalPart = [&bytes]() { return bytes.empty() ? std::optional(std::string_view()) : takePart(bytes); };
    const std::optional<std::string_view> builderPart = optionalPart();
    std::optional<std::vector<BuilderList>> builders = builderPart ? readBuilders(*builderPart) : std::nullopt;
    const std::optional<std::string_view> opened = optionalPart();
    const bool named = !bytes.empty();
    const std::optional<std::string_view> namingPart = optionalPart();
    if (!builders || !opened || !namingPart || !bytes.empty()) return std::nullopt;
    Draft d{{read(*file, v), std::string(*finalText), {}, std::move(*builders), std::string(*opened)}, {}, false};
    for (int i = 0; i < static_cast<int>(d.work.file.sites.size()); ++i) d.work.siteTabs.push_back(i);
    if (named) {
        d.naming = readNaming(*namingPart);
        d.namingUnreadable = !d.naming;
    }
    return d;
}

}  // namespace gs
