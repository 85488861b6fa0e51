#include "app/work.h"

#include <charconv>

#include "document/form_io.h"

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

}  // namespace

Work workOf(const Editor& e) { return {fromForm(e), e.f.txtGanFileFinal.text(), siteTabs(e)}; }

void showWork(const Work& w, Editor& e) {
    if (fromForm(e) != w.file || siteTabs(e) != w.siteTabs) toForm(w.file, e, w.siteTabs);
    e.f.txtGanFileFinal.setText(w.finalText);
}

std::string draftBytes(const Work& w) {
    std::string out(kDraftLine);
    putPart(out, render(w.file));
    putPart(out, w.finalText);
    return out;
}

std::optional<Work> readDraft(std::string_view bytes, const Vocabulary& v) {
    if (!bytes.starts_with(kDraftLine)) return std::nullopt;
    bytes.remove_prefix(kDraftLine.size());
    const std::optional<std::string_view> file = takePart(bytes);
    const std::optional<std::string_view> finalText = file ? takePart(bytes) : std::nullopt;
    if (!finalText || !bytes.empty()) return std::nullopt;
    Work w{read(*file, v), std::string(*finalText), {}};
    for (int i = 0; i < static_cast<int>(w.file.sites.size()); ++i) w.siteTabs.push_back(i);
    return w;
}

}  // namespace gs
