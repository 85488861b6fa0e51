// A start-up failure keeps its region's message and adds, as the box's
// detail, what went wrong: the file's path and, where it applies, the line,
// the field and the fault. Every reader, every kind of fault, through the
// editor's start.
#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

constexpr const char* kNoFile = ": cannot be opened: No such file or directory";

// Starts the editor on an installation with one file replaced (nullopt:
// left out) and returns the one message box the start showed.
Message startWith(const std::string& relative, const std::optional<std::string>& content, std::string& root) {
    Session s(InstallationOptions{{{relative, content}}});
    root = s.folder;
    s.app.start();
    EXPECT_EQ(s.platform.messages.size(), 1u);
    return s.platform.messages.empty() ? Message{} : s.platform.messages.front();
}

// Every table: missing, ending early, a short last line, a field that is no
// number and one out of its column's range.
TEST(FailureCauses, EachTableSaysWhichLineAndFieldIsWrong) {
    struct TableCase {
        const char* file;
        std::vector<Row> (*rows)();
        int lines, fields;
        int numberField;       // a 16-bit number column
        const char* tooLarge;  // a value just outside that column's range
    };
    const TableCase tables[] = {{kUnitFile, defaultUnitRows, 1983, 133, 9, "32768"},
                                {kItemFile, defaultItemRows, 312, 8, 3, "-32769"},
                                {kSiteFile, defaultSiteRows, 565, 68, 15, "40000"},
                                {kNationFile, defaultNationRows, 65, 4, 1, "32767.5"},
                                {kPopTypeFile, defaultPopTypeRows, 66, 11, 2, "1e5"}};
    for (const TableCase& c : tables) {
        SCOPED_TRACE(c.file);
        std::string root;
        const auto expect = [&](const std::optional<std::string>& content, const std::string& cause) {
            const Message m = startWith(c.file, content, root);
            EXPECT_EQ(std::tuple(m.text, m.title, m.detail),
                      std::tuple("RKdata not found!", "Godsmith", root + "/" + c.file + cause));
        };
        expect(std::nullopt, kNoFile);
        std::vector<Row> rows = c.rows();
        ASSERT_EQ(static_cast<int>(rows.size()), c.lines);
        expect(tableText({rows.begin(), rows.begin() + c.lines / 2}),
               ": ends after " + std::to_string(c.lines / 2) + " of " + std::to_string(c.lines) + " lines");
        std::vector<Row> changed = rows;
        changed[c.lines - 1].resize(c.fields - 1);
        expect(tableText(changed), ": line " + std::to_string(c.lines) + " has " + std::to_string(c.fields - 1) +
                                       " fields, " + std::to_string(c.fields) + " needed");
        const std::string field = std::to_string(c.numberField);
        for (const auto& [row, cell, fault] : {std::tuple(2, "abc", "is not a number"), {0, c.tooLarge, "is out of range"}}) {
            changed = rows;
            changed[row][c.numberField] = cell;
            expect(tableText(changed), ": line " + std::to_string(row + 1) + ", field " + field + ": \"" + cell + "\" " + fault);
        }
    }
}

// Cells and lines of megabytes: each ends in a short cause (the smaller
// files are cases of tests/data/file_edges.txt).
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
                  std::tuple("RKdata not found!", "Godsmith", root + "/" + c.file + c.cause));
    }
}

}  // namespace
}  // namespace gs::test
