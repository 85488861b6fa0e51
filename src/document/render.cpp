#include <string>

#include "document/god_file.h"
#include "model/number.h"

namespace gs {

namespace {

constexpr const char* kCrLf = "\r\n";

// Every CR LF followed by "--", so that each line of the description becomes
// a comment line.
std::string commentLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\n--";
            ++i;
        }
    }
    return out;
}

// A list of candidates: one entry goes on the keyword's own line
// ("#feature X"), several under a count line ("@2 feature") unless
// `alwaysCounted` (province names always take the count line).
void appendCandidates(std::string& out, const std::vector<std::string>& entries, const std::string& keyword,
                      bool alwaysCounted) {
    if (entries.empty()) return;
    if (entries.size() == 1 && !alwaysCounted) {
        out += "#" + keyword + " " + entries.front() + kCrLf;
        return;
    }
    out += "@" + plainNumber(static_cast<std::int64_t>(entries.size())) + " " + keyword + kCrLf;
    for (const std::string& entry : entries) out += entry + kCrLf;
}

}  // namespace

std::string render(const GodFile& g) {
    std::string out;
    if (!g.description.empty())
        out += std::string("--Description: ") + kCrLf + "--" + commentLines(g.description) + kCrLf + kCrLf;

    if (!g.names.empty())
        appendCandidates(out, g.names, "landname", true);
    else if (g.nameList)
        out += "@RANDOM landname " + *g.nameList + kCrLf;

    if (!g.population.empty()) out += "#population " + g.population + kCrLf;
    if (g.popType) out += "#poptype " + plainNumber(g.popType->number) + " --" + g.popType->name + kCrLf;
    if (g.killFeatures) out += std::string("#killfeatures") + kCrLf;
    for (const SiteList& slot : g.sites)
        appendCandidates(out, slot.candidates, slot.known ? "knownfeature" : "feature", false);

    return out + g.garrison;
}

}  // namespace gs
