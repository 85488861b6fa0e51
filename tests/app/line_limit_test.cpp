// The longest line and the most lines a text box takes from the user, and
// the longest line the readers take from a file: more is refused where the
// user meets it, saying why, and nothing the user had is lost.
#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

const std::string kRefused =
    "  message \"Godsmith\": A line in this box can hold at most 4000 characters, so the box keeps what it held.\n";
const std::string kLongest(4000, 'x');

TEST(LineLimit, EveryKindOfTextBoxTakesLinesUpToTheLimitAndRefusesLongerOnes) {
    Session s;
    s.run("start");
    for (const std::string box : {"txtLandName", "txtAuthor", "txtGarrison", "txtGanFileDesc", "txtGanFileFinal"}) {
        SCOPED_TRACE(box);
        const auto& t = dynamic_cast<const TextBox&>(s.at(box));
        const std::string before = t.text();
        EXPECT_EQ(s.run("type " + box + " " + kLongest + "y"), kRefused);
        EXPECT_EQ(t.text(), before);
        s.run("type " + box + " " + kLongest);
        EXPECT_EQ(t.text(), kLongest);
        EXPECT_EQ(s.run("type " + box + " " + kLongest + "y"), kRefused);
        EXPECT_EQ(t.text(), kLongest);
    }
    // Many lines at the limit are taken; one over it anywhere is not.
    const std::string lines = kLongest + "\\r\\n" + kLongest + "\\r\\n";
    s.run("type txtGarrison " + lines);
    EXPECT_EQ(s.f.txtGarrison.text(), kLongest + "\r\n" + kLongest + "\r\n");
    EXPECT_EQ(s.run("type txtGarrison #a\\r\\n" + kLongest + "y\\r\\n#b"), kRefused);
    EXPECT_EQ(s.f.txtGarrison.text(), kLongest + "\r\n" + kLongest + "\r\n");
    // A single-line box keeps the first line of a paste: what it drops does not count.
    EXPECT_EQ(s.run("type txtLandName Ys\\r\\n" + kLongest + "y"), "");
    EXPECT_EQ(s.f.txtLandName.text(), "Ys");
}

TEST(LineLimit, ALongerLineSetByTheEditorItselfStaysEditableButNotLonger) {
    // Step 4 puts "@RANDOM landname " before a name-list name at the limit.
    InstallationOptions options;
    options.files[kNameListFile] = kLongest + "_DATA2\r\n";
    Session s(options);
    s.run("start");
    s.run("index cboNameDataList 1");
    s.run("tab SSTab1 3");
    const std::string line = "@RANDOM landname " + kLongest, assembled = line + "\r\n";
    ASSERT_EQ(s.f.txtGanFileFinal.text(), assembled);
    EXPECT_EQ(s.run("type txtGanFileFinal --mine\\r\\n" + line + "\\r\\n"), "");
    EXPECT_EQ(s.f.txtGanFileFinal.text(), "--mine\r\n" + assembled);
    EXPECT_EQ(s.run("type txtGanFileFinal --mine\\r\\n" + line + "y\\r\\n"), kRefused);
    EXPECT_EQ(s.f.txtGanFileFinal.text(), "--mine\r\n" + assembled);
}

const std::string kTooMany =
    "  message \"Godsmith\": This box can hold at most 20000 lines, so it keeps what it held.\n";

// `count` lines, each ended as the script writes it.
std::string scriptLines(int count, const std::string& line, const std::string& end = "\\r\\n") {
    std::string s;
    for (int i = 0; i < count; ++i) s += line + end;
    return s;
}

TEST(LineLimit, MultiLineBoxesTakeUpTo20000LinesFromTheUser) {
    Session s;
    s.run("start");
    for (const std::string box : {"txtGarrison", "txtGanFileDesc", "txtGanFileFinal"}) {
        SCOPED_TRACE(box);
        const auto& t = dynamic_cast<const TextBox&>(s.at(box));
        EXPECT_EQ(s.run("type " + box + " " + scriptLines(20000, "#a")), "");
        ASSERT_EQ(t.text().size(), 20000u * 4);
        const std::string held = t.text();
        // One more line, however it is ended or left unended, is refused.
        for (const std::string& more : {scriptLines(20001, "#a"), scriptLines(20000, "#a") + "#b",
                                        scriptLines(20001, "#a", "\\r"), scriptLines(20001, "#a", "\\n")}) {
            EXPECT_EQ(s.run("type " + box + " " + more), kTooMany);
            EXPECT_EQ(t.text(), held);
        }
        // An unended last line counts as one: 19999 ended and one unended are taken.
        EXPECT_EQ(s.run("type " + box + " " + scriptLines(19999, "#a", "\\n") + "#b"), "");
    }
    // A single-line box keeps the first line of a paste: what it drops does not count.
    EXPECT_EQ(s.run("type txtLandName " + scriptLines(20001, "Ys")), "");
    EXPECT_EQ(s.f.txtLandName.text(), "Ys");
}

TEST(LineLimit, MultiLineBoxesTakeUpTo524288BytesFromTheUserAndStep4AsMuchAsAFileOpens) {
    // 5041 lines of 104 bytes with their CR LF, and 24 more: 524288 bytes.
    const std::string most = scriptLines(5041, std::string(102, 'b')) + std::string(24, 'x');
    const std::string tooMuch =
        "  message \"Godsmith\": This box can hold at most 524288 characters, so it keeps what it held.\n";
    Session s;
    s.run("start");
    for (const std::string box : {"txtGarrison", "txtGanFileDesc"}) {
        SCOPED_TRACE(box);
        const auto& t = dynamic_cast<const TextBox&>(s.at(box));
        EXPECT_EQ(s.run("type " + box + " #kept"), "");
        EXPECT_EQ(s.run("type " + box + " " + most + "y"), tooMuch);
        EXPECT_EQ(t.text(), "#kept");
        EXPECT_EQ(s.run("type " + box + " " + most), "");
        EXPECT_EQ(t.text().size(), 524288u);
        EXPECT_EQ(s.run("type " + box + " " + most + "\\r\\n"), tooMuch);
        EXPECT_EQ(t.text().size(), 524288u);
    }
    // Step 4 holds the whole file, both boxes and the province lines.
    EXPECT_EQ(s.run("type txtGanFileFinal " + most + "y"), "");
    EXPECT_EQ(s.f.txtGanFileFinal.text().size(), 524289u);
}

TEST(LineLimit, MoreLinesSetByTheEditorItselfStayEditableButNoMore) {
    Session s;
    s.run("start");
    std::string garrison;
    for (int i = 0; i < 20000; ++i) garrison += "#a\r\n";
    s.f.txtGarrison.setText(garrison);
    s.run("type txtGanFileDesc Mine");
    s.run("tab SSTab1 3");  // the assembly puts the description before the garrison
    const std::string assembled = s.f.txtGanFileFinal.text();
    const std::size_t lines = lineCount(assembled);
    ASSERT_GT(lines, 20000u);
    // An edit that keeps the count is taken; one more line is not.
    EXPECT_EQ(s.run("type txtGanFileFinal " + scriptLines(int(lines), "#b")), "");
    const std::string edited = s.f.txtGanFileFinal.text();
    EXPECT_EQ(edited.substr(0, 8), "#b\r\n#b\r\n");
    EXPECT_EQ(s.run("type txtGanFileFinal " + scriptLines(int(lines) + 1, "#a")), kTooMany);
    EXPECT_EQ(s.f.txtGanFileFinal.text(), edited);
}

// A name-list index offering `count` names.
std::string names(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += "Isle" + std::to_string(i) + "_DATA2\r\n";
    return s;
}

TEST(LineLimit, ReadersRefuseATextCellOrANameOverTheLimitOrNamesPastTheMostAndSayWhere) {
    struct Case {
        const char* file;
        std::string content, said;
    };
    std::vector<Row> units = defaultUnitRows(), longerUnits = units;
    units[0][1] = kLongest;
    longerUnits[0][132] = kLongest + "y";
    const Case cases[] = {
        {kUnitFile, tableText(units), ""},
        {kNameListFile, kLongest + "_DATA2\r\n", ""},
        {kUnitFile, tableText(longerUnits),
         "  message \"Godsmith\": RKdata not found!\n"
         "    detail: {DIR}/RKdata/UnitData.txt: line 1, field 132: a text of 4001 bytes, longer than 4000\n"},
        {kNameListFile, "Ys_DATA2\r\n" + kLongest + "y_DATA2\r\n",
         "  message \"Godsmith\": NameList.txt not found!\n"
         "    detail: {DIR}/Quillmap/LIST_CRATE/NameList.txt: line 2 holds a name of 4001 bytes, longer than 4000\n"},
        {kNameListFile, "Other\r\n" + names(10000), ""},
        {kNameListFile, "Other\r\n" + names(10001),
         "  message \"Godsmith\": NameList.txt not found!\n"
         "    detail: {DIR}/Quillmap/LIST_CRATE/NameList.txt: line 10002 holds name 10001, more than the 10000 a list "
         "offers\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        InstallationOptions options;
        options.files[c.file] = c.content;
        Session s(options);
        EXPECT_EQ(s.run("start"), c.said);
    }
}

}  // namespace
}  // namespace gs::test
