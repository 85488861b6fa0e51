// A god file as a value: everything the file says about the province and
// the block of commands behind it, with the two functions between the value
// and the file's text. Neither needs a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gs {

inline constexpr int kSiteSlots = 4;

struct PopType {
    std::int16_t number = 0;
    std::string name;
    bool operator==(const PopType&) const = default;
};

// One filled site slot: its candidates as listed ("\"Name\"" or "--no site")
// and whether the site is known.
struct SiteList {
    bool known = false;
    std::vector<std::string> candidates;
    bool operator==(const SiteList&) const = default;
};

struct GodFile {
    std::string description;              // comment lines at the top; "" for none
    std::vector<std::string> names;       // province names, one of which Quillmap picks
    std::optional<std::string> nameList;  // a Quillmap name list, written only when there are no names
    std::string population;          // as typed; "" for none
    std::optional<PopType> popType;
    bool killFeatures = false;
    std::vector<SiteList> sites;  // the filled slots in slot order, at most kSiteSlots
    std::string garrison;         // everything after the province lines, unchanged
    bool operator==(const GodFile&) const = default;
};

// What a file may name that comes from the installation: the pop types in
// table order and Quillmap's name lists.
struct Vocabulary {
    std::vector<PopType> popTypes;
    std::vector<std::string> nameLists;
};

// The file text (without the line end a saved file adds).
std::string render(const GodFile& g);

// The value a text holds. Never fails: the province lines are taken in the
// order render writes them, each only when it names what the vocabulary
// holds, fits the box it goes into and renders back to the same bytes; from
// the first line that does not, the rest is the garrison block, unchanged.
// So render(read(t, v)) == t for every text t.
GodFile read(std::string_view text, const Vocabulary& v);

}  // namespace gs
