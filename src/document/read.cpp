#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "document/god_file.h"
#include "model/number.h"

namespace gs {

namespace {

using Lines = std::vector<std::string>;

// The text still to read, a CR LF ended line at a time.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t at) : text_(text), at_(at) {}
    std::size_t at() const { return at_; }
    // The next line without its CR LF; nothing when no CR LF is left.
    std::optional<std::string_view> line() {
        const std::size_t end = text_.find("\r\n", at_);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view l = text_.substr(at_, end - at_);
        at_ = end + 2;
        return l;
    }
    bool lines(std::int64_t n, Lines& out) {
        for (; n > 0; --n) {
            const auto l = line();
            if (!l) return false;
            out.emplace_back(*l);
        }
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_;
};

// "@<n> <word>": n, or nothing.
std::optional<std::int64_t> countLine(std::string_view line, std::string_view word) {
    if (!line.starts_with('@') || !line.ends_with(word) || line.size() < word.size() + 3) return std::nullopt;
    const std::string_view digits = line.substr(1, line.size() - word.size() - 2);
    if (line[line.size() - word.size() - 1] != ' ') return std::nullopt;
    std::int64_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 1) return std::nullopt;
    return n;
}

// "#<word> <rest>": rest, or nothing.
std::optional<std::string_view> keywordLine(std::string_view line, std::string_view word) {
    if (line.size() < word.size() + 2 || line[0] != '#' || line.substr(1, word.size()) != word ||
        line[word.size() + 1] != ' ')
        return std::nullopt;
    return line.substr(word.size() + 2);
}

// Candidates of one list: "#<word> X" or "@<n> <word>" and n lines.
std::optional<Lines> candidates(Cursor& c, std::string_view word) {
    const auto first = c.line();
    if (!first) return std::nullopt;
    if (const auto one = keywordLine(*first, word)) return Lines{std::string(*one)};
    const auto n = countLine(*first, word);
    Lines out;
    if (!n || !c.lines(*n, out)) return std::nullopt;
    return out;
}

// Each reader of one province section fills its part of `g` and moves the
// cursor past it, or returns false.

bool description(Cursor& c, GodFile& g) {
    // Render puts "--" before every line of the description and an empty
    // line after it.
    const auto l = c.line();
    if (!l || *l != "--Description: ") return false;
    std::string text;
    for (bool first = true;; first = false) {
        const auto next = c.line();
        if (!next || !(next->empty() || next->starts_with("--"))) return false;
        if (next->empty()) break;
        if (!first) text += "\r\n";
        text += next->substr(2);
    }
    g.description = std::move(text);
    return true;
}

bool names(Cursor& c, GodFile& g) {
    const auto first = c.line();
    const auto n = first ? countLine(*first, "landname") : std::nullopt;
    return n && c.lines(*n, g.names);
}

bool nameList(Cursor& c, GodFile& g, const Vocabulary& v) {
    constexpr std::string_view kRandom = "@RANDOM landname ";
    const auto l = c.line();
    if (!l || !l->starts_with(kRandom)) return false;
    const std::string_view name = l->substr(kRandom.size());
    if (std::find(v.nameLists.begin(), v.nameLists.end(), name) == v.nameLists.end()) return false;
    g.nameList = std::string(name);
    return true;
}

bool population(Cursor& c, GodFile& g) {
    const auto l = c.line();
    const auto text = l ? keywordLine(*l, "population") : std::nullopt;
    // txtPopulation holds one line.
    if (!text || text->find_first_of("\r\n") != std::string_view::npos) return false;
    g.population = std::string(*text);
    return true;
}

bool popType(Cursor& c, GodFile& g, const Vocabulary& v) {
    const auto l = c.line();
    if (!l) return false;
    for (const PopType& p : v.popTypes) {
        if (*l == "#poptype " + plainNumber(p.number) + " --" + p.name) {
            g.popType = p;
            return true;
        }
    }
    return false;
}

bool killFeatures(Cursor& c, GodFile& g) {
    const auto l = c.line();
    g.killFeatures = l && *l == "#killfeatures";
    return g.killFeatures;
}

bool site(Cursor& c, GodFile& g) {
    for (const bool known : {false, true}) {
        Cursor tried = c;
        if (auto list = candidates(tried, known ? "knownfeature" : "feature")) {
            g.sites.push_back(SiteList{known, std::move(*list)});
            c = tried;
            return true;
        }
    }
    return false;
}

// Adds a section read alone to the sections before it: each reader fills
// only its own part.
void addSection(GodFile& g, GodFile&& part) {
    if (!part.description.empty()) g.description = std::move(part.description);
    if (!part.names.empty()) g.names = std::move(part.names);
    if (part.nameList) g.nameList = std::move(part.nameList);
    if (!part.population.empty()) g.population = std::move(part.population);
    if (part.popType) g.popType = std::move(part.popType);
    g.killFeatures = g.killFeatures || part.killFeatures;
    for (SiteList& slot : part.sites) g.sites.push_back(std::move(slot));
}

}  // namespace

GodFile read(std::string_view text, const Vocabulary& v) {
    GodFile g;
    std::size_t at = 0;
    // A section is taken when its reader accepts it and it renders back to
    // the very bytes it was read from. Render writes the sections one after
    // the other in this order, so the province lines read so far then render
    // back to theirs too.
    auto take = [&](auto section) {
        Cursor c(text, at);
        GodFile part;
        if (!section(c, part) || render(part) != text.substr(at, c.at() - at)) return false;
        addSection(g, std::move(part));
        at = c.at();
        return true;
    };
    take(description);
    if (!take(names)) take([&v](Cursor& c, GodFile& p) { return nameList(c, p, v); });
    take(population);
    take([&v](Cursor& c, GodFile& p) { return popType(c, p, v); });
    take(killFeatures);
    for (int slot = 0; slot < kSiteSlots && take(site); ++slot) {
    }
    g.garrison = std::string(text.substr(at));
    return g;
}

}  // namespace gs
