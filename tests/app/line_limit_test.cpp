// The longest line a text box takes from the user and the readers take from
// a file: a longer one is refused where the user meets it, saying why, and
// nothing the user had is lost.
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

TEST(LineLimit, ReadersRefuseATextCellOrANameOverTheLimitAndSayWhere) {
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
