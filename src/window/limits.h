// How much the user's actions may put into the window, and so how large a
// god file the editor composes: every file it composes must open again.
#pragma once

#include <cstddef>
#include <string_view>

namespace gs {

// The longest line, in bytes, a text box takes from the user and the readers
// take for a text cell or a name: a longer line would take the window
// seconds to lay out and draw.
constexpr int kMaxLineLength = 4000;
// The most lines a multi-line box takes from the user, and so the most the
// garrison takes from Submit: more would take the window longer than a tenth
// of a second to take in.
constexpr int kMaxLines = 20000;
// The most bytes (line ends included) a multi-line box takes from the user
// and the garrison takes from Submit. Lines and line length alone let two
// boxes hold 160 MB, and every copy of such a text (undo, the draft, Step 4)
// froze the window for seconds. At this size a province with both boxes
// full, every list full and Step 4's 50000 lines still opens, enters Step 4
// and saves within a tenth of a second (Step 4 shows its first lines at once
// and takes in the rest between the user's events); it still leaves about 26
// bytes to each of the 20000 lines.
constexpr std::size_t kMaxBoxBytes = std::size_t{1} << 19;

// The most lines a god file may have to be opened. Step 4 puts the
// description box (its lines, "--Description: " before them, at most one
// "--" after the last and an empty line), the province lines and the
// garrison box into it.
constexpr int kMaxGodFileLines = 50000;
constexpr int kProvinceLines = kMaxGodFileLines - (kMaxLines + 3) - kMaxLines;
// The most candidates a site list holds: one for each row of the site table.
constexpr int kMaxSiteEntries = 566;
// The province names get what the province lines leave: each site list
// writes a count line before its candidates, the population, pop type and
// kill-feature lines come once, and the names write a count line too.
constexpr int kMaxNameEntries = kProvinceLines - 4 * (kMaxSiteEntries + 1) - 3 - 1;
// The most bytes the province names hold together (each name with its
// quotes, without its line end): as much as a multi-line box takes. Their
// count alone let 7725 names of 4000 bytes make a file of 31 MB, which took
// half a second to read before it could be refused.
constexpr std::size_t kMaxNameBytes = kMaxBoxBytes;
// The most bytes a site list's entries hold together. A site's name may be
// as long as a line, so 566 of them could make 9 MB, which took half a
// second to open; 566 entries of ordinary names take a fifth of this.
constexpr std::size_t kMaxSiteBytes = std::size_t{1} << 17;
// The longest text the editor writes before a table's name or a box's line
// in the province lines: a pop type's name after "#poptype -32768 --" (longer
// than "@RANDOM landname " before a name-list name, "#knownfeature \"" and
// "\"" around a site's name, "--" before a line of the description).
constexpr std::size_t kLongestPrefix = std::string_view("#poptype -32768 --").size();
constexpr std::size_t kMaxGodFileLineLength = kMaxLineLength + kLongestPrefix;
// The most bytes of a god file the editor writes, and so reads: the two
// boxes full (each description line with its "--", and the lines around
// them), the names and each site list at their most with their line ends
// and count lines, the population, pop type and kill-features lines at the
// longest with their CR LF, and the CR LF saving adds. Step 4's own box
// takes no more.
constexpr std::size_t kMaxGodFileBytes =
    kMaxBoxBytes + 2 * kMaxLines + 64 + kMaxNameBytes + 2 * static_cast<std::size_t>(kMaxNameEntries) + 64 +
    4 * (kMaxSiteBytes + 2 * static_cast<std::size_t>(kMaxSiteEntries) + 64) + 3 * (kMaxGodFileLineLength + 2) +
    kMaxBoxBytes + 2;
// A builder's list holds no more entries than the garrison holds lines.
constexpr int kMaxBuilderEntries = kMaxLines;

}  // namespace gs
