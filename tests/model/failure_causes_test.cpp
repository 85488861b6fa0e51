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

// The configuration, the name list, the site table's 32-bit field, long
// cells and files that are not tables at all: each ends in a short cause.
TEST(FailureCauses, EachFileSaysWhatIsWrongWithIt) {
    struct Case {
        const char* file;
        std::optional<std::string> content;
        const char* text;
        std::string cause;
    };
    std::vector<Row> sites = defaultSiteRows();
    sites[0][4] = "2147483647";
    sites[1][4] = "2147483648";
    std::vector<Row> items = defaultItemRows();
    items[4][5] = std::string(1 << 20, 'x');
    std::string noLineEnds;
    while (noLineEnds.size() < 1000000) noLineEnds += "12\tName\t\t*\t ";
    const char* const cfg = "RK.cfg not found!";
    const char* const data = "RKdata not found!";
    const Case cases[] = {
        {kConfigFile, std::nullopt, cfg, kNoFile},
        {kConfigFile, "", cfg, ": ends after 0 of 3 lines"},
        {kConfigFile, "C:\\Quillmap\r\nAnn\r\n", cfg, ": ends after 2 of 3 lines"},
        {kConfigFile, "C:\\Quillmap\r\nAnn\r\nabc\r\n", cfg, ": line 3: \"abc\" is not a number"},
        {kConfigFile, "C:\\Quillmap\r\nAnn\r\n 32768 \r\n", cfg, ": line 3: \" 32768 \" is out of range"},
        // A line of any length is named by its first 40 characters only.
        {kConfigFile, "C:\\Quillmap\r\nAnn\r\n" + std::string(5000, '7') + "\r\n", cfg,
         ": line 3: \"" + std::string(40, '7') + "...\" is out of range"},
        {kNameListFile, std::nullopt, "NameList.txt not found!", kNoFile},
        {kSiteFile, tableText(sites), data, ": line 2, field 4: \"2147483648\" is out of range"},
        {kItemFile, tableText(items), data, ": line 5, field 5: \"" + std::string(40, 'x') + "...\" is not a number"},
        // A 10 MB line without a Tab.
        {kUnitFile, std::string(10 << 20, 'x') + "\r\n", data, ": line 1 has 1 fields, 133 needed"},
        // One 1 MB line of cells: blanks and stars are read, "Name" in a number column is not.
        {kUnitFile, noLineEnds, data, ": line 1, field 9: \"Name\" is not a number"},
        // Lines ended by CR alone and NUL bytes: all one line.
        {kUnitFile, std::string("1\tA\r2\tB\r") + std::string(1000, '\0'), data, ": line 1 has 3 fields, 133 needed"},
        {kUnitFile, "\n\n\n", data, ": line 1 has 1 fields, 133 needed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        std::string root;
        const Message m = startWith(c.file, c.content, root);
        EXPECT_EQ(std::tuple(m.text, m.title, m.detail), std::tuple(c.text, "Godsmith", root + "/" + c.file + c.cause));
    }
}

}  // namespace
}  // namespace gs::test
