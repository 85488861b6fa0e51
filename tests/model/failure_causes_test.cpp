// A start-up failure keeps its region's message and adds, as the box's
// detail, what went wrong: the file's path and, where it applies, the line,
// the field and the fault. Every reader, every kind of fault, through the
// editor's start.
#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

// Starts the editor on an installation with one file replaced (nullopt:
// left out) and returns the one message box the start showed.
Message startWith(const std::string& relative, const std::optional<std::string>& content, std::string& root) {
    Session s(InstallationOptions{{{relative, content}}});
    root = s.folder;
    s.app.start();
    EXPECT_EQ(s.platform.messages.size(), 1u);
    return s.platform.messages.empty() ? Message{} : s.platform.messages.front();
}

// Cells and lines of megabytes: each ends in a short cause (the smaller
// faults of every file are cases of tests/data/file_edges.txt).
TEST(FailureCauses, HugeCellsAndLinesSayWhatIsWrongInShort) {
    struct Case {
        const char* file;
        std::string content, cause;
    };
    std::vector<Row> items = defaultItemRows();
    items[4][5] = std::string(1 << 20, 'x');
    std::string noLineEnds;
    while (noLineEnds.size() < 1000000) noLineEnds += "12\tName\t\t*\t ";
    const Case cases[] = {
        {kItemFile, tableText(items), ": line 5, field 5: \"" + std::string(40, 'x') + "...\" is not a number"},
        // A 10 MB line without a Tab.
        {kUnitFile, std::string(10 << 20, 'x') + "\r\n", ": line 1 has 1 fields, 133 needed"},
        // One 1 MB line of cells: blanks and stars are read, "Name" in a number column is not.
        {kUnitFile, noLineEnds, ": line 1, field 9: \"Name\" is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        std::string root;
        const Message m = startWith(c.file, c.content, root);
        EXPECT_EQ(std::tuple(m.text, m.title, m.detail),
                  std::tuple("RKdata not found!", "Godsmith", inFolder(root, c.file) + c.cause));
    }
}

}  // namespace
}  // namespace gs::test
