#include <initializer_list>
#include <string>
#include <string_view>

#include "document/god_file.h"
#include "model/number.h"

namespace gs {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The parts as one line, with its CR LF.
void appendLine(std::string& out, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts) out += part;
    out += kCrLf;
}

// The text with "--" after every CR LF, so that each line of the description
// becomes a comment line.
void appendCommentLines(std::string& out, std::string_view text) {
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(kCrLf, start);
        if (end == std::string_view::npos) {
            out += text.substr(start);
            return;
        }
        out += text.substr(start, end + kCrLf.size() - start);
        out += "--";
        start = end + kCrLf.size();
    }
}

// A list of candidates: one entry goes on the keyword's own line
// ("#feature X"), several under a count line ("@2 feature") unless
// `alwaysCounted` (province names always take the count line).
void appendCandidates(std::string& out, const std::vector<std::string>& entries, std::string_view keyword,
                      bool alwaysCounted) {
    if (entries.empty()) return;
    if (entries.size() == 1 && !alwaysCounted) {
        appendLine(out, {"#", keyword, " ", entries.front()});
        return;
    }
    appendLine(out, {"@", plainNumber(static_cast<std::int64_t>(entries.size())), " ", keyword});
    for (const std::string& entry : entries) appendLine(out, {entry});
}

// At least the size of the text render writes, so that a large province is
// built in one piece rather than copied each time the text outgrows its room.
std::size_t sizeBound(const GodFile& g) {
    constexpr std::size_t kLine = 32;  // room for a keyword line with its count or number
    const auto list = [](const std::vector<std::string>& entries) {
        std::size_t n = kLine;
        for (const std::string& entry : entries) n += entry.size() + kCrLf.size();
        return n;
    };
    std::size_t n = 2 * g.description.size() + 2 * kLine + list(g.names) + g.population.size() + g.garrison.size() +
                    4 * kLine;
    if (g.nameList) n += g.nameList->size();
    if (g.popType) n += g.popType->name.size();
    for (const SiteList& slot : g.sites) n += list(slot.candidates);
    return n;
}

}  // namespace

std::string render(const GodFile& g) {
    std::string out;
    out.reserve(sizeBound(g));
    if (!g.description.empty()) {
        out += "--Description: \r\n--";
        appendCommentLines(out, g.description);
        out += "\r\n\r\n";
    }

    if (!g.names.empty())
        appendCandidates(out, g.names, "landname", true);
    else if (g.nameList)
        appendLine(out, {"@RANDOM landname ", *g.nameList});

    if (!g.population.empty()) appendLine(out, {"#population ", g.population});
    if (g.popType) appendLine(out, {"#poptype ", plainNumber(g.popType->number), " --", g.popType->name});
    if (g.killFeatures) appendLine(out, {"#killfeatures"});
    for (const SiteList& slot : g.sites)
        appendCandidates(out, slot.candidates, slot.known ? "knownfeature" : "feature", false);

    out += g.garrison;
    return out;
}

}  // namespace gs
