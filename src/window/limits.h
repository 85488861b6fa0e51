// How much the user's actions may put into the window, and so how large a
// god file the editor composes: every file it composes must open again.
#pragma once

namespace gs {

// The longest line, in bytes, a text box takes from the user and the readers
// take for a text cell or a name: a longer line would take the window
// seconds to lay out and draw.
constexpr int kMaxLineLength = 4000;
// The most lines a multi-line box takes from the user, and so the most the
// garrison takes from Submit: more would take the window longer than a tenth
// of a second to take in.
constexpr int kMaxLines = 20000;

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
// A builder's list holds no more entries than the garrison holds lines.
constexpr int kMaxBuilderEntries = kMaxLines;

}  // namespace gs
