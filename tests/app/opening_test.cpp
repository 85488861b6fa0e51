// Opening a god file: one that cannot be read leaves the window as it was;
// the name of one that can shows in the window's characters.
#include <gtest/gtest.h>

#include "document/form_io.h"
#include "support/god_file_print.h"
#include "support/session.h"

namespace gs::test {
namespace {

TEST(Opening, AFileOverTheLimitIsNamedWithItsCauseAndTheWindowStays) {
    Session s;
    for (const char* command : {"start", "type txtPopulation 900", "type txtGarrison #commander 12\\r\\n",
                                "tab SSTab1 3", "type txtGanFileFinal edited by hand"})
        s.run(command);
    const GodFile before = fromForm(s.app.editor);
    writeFile(s.folder + "/big.god", std::string((1 << 20) + 1, 'x'));
    s.platform.dialogAnswers = {s.folder + "/big.god"};
    EXPECT_EQ(s.run("click cmdLoad"),
              "  message \"File not opened!\": File not opened!\n"
              "    detail: {DIR}/big.god: cannot be read: too large (over 1 MiB)\n"
              "  open dialog \"\" name \"\" in \"{DIR}/Quillmap/GOD_BIN\" filter "
              "\"Quillmap GOD file (*.god)|*.god|All files (*.*)|*.*\" 1\n");
    EXPECT_EQ(fromForm(s.app.editor), before);
    EXPECT_EQ(s.run("show SSTab1 txtGanFileFinal"), "  SSTab1 = page 3 Step 4\n  txtGanFileFinal = edited by hand\n");
}

// A Step 4 text of the most lines it takes, saved, opens again as it was
// shown; one line more, or a line too long, is refused and the file stays as
// it is on disk.
TEST(Opening, AFileOfTheMostLinesStep4TakesOpensAgainAndMoreIsRefused) {
    Session s;
    s.run("start");
    std::string most;
    for (int i = 0; i < kMaxLines; ++i) most += "#a\\r\\n";
    s.run("tab SSTab1 3");
    s.run("type txtGanFileFinal " + most);
    const std::string shown = s.f.txtGanFileFinal.text();
    ASSERT_EQ(shown.size(), 4u * kMaxLines);
    s.platform.dialogAnswers = {s.folder + "/most.god"};
    s.run("click cmdSaveAs");
    s.run("tab SSTab1 0");
    s.platform.dialogAnswers = {s.folder + "/most.god"};
    EXPECT_EQ(s.run("click cmdLoad").find("message"), std::string::npos);
    EXPECT_TRUE(s.f.txtGanFileFinal.text() == shown);  // no diff of 20000 lines when it fails

    const std::string more = shown + "#b\r\n";
    writeFile(s.folder + "/more.god", more);
    s.platform.dialogAnswers = {s.folder + "/more.god"};
    EXPECT_EQ(s.run("click cmdLoad"),
              "  message \"File not opened!\": File not opened!\n"
              "    detail: {DIR}/more.god: cannot be shown: 20001 lines, more than the 20000 Step 4 holds\n"
              "  open dialog \"\" name \"\" in \"{DIR}\" filter "
              "\"Quillmap GOD file (*.god)|*.god|All files (*.*)|*.*\" 1\n");
    EXPECT_TRUE(readFile(s.folder + "/more.god") == more);
    EXPECT_TRUE(s.f.txtGanFileFinal.text() == shown);

    // The first line over the longest Step 4 holds is named, whatever ends the lines before it.
    writeFile(s.folder + "/wide.god", "#a\r\n#b\r#c\n" + std::string(4001, 'w') + "\r\n" + std::string(5000, 'v'));
    s.platform.dialogAnswers = {s.folder + "/wide.god"};
    EXPECT_EQ(s.run("click cmdLoad"),
              "  message \"File not opened!\": File not opened!\n"
              "    detail: {DIR}/wide.god: cannot be shown: line 4 holds 4001 bytes, more than the 4000 Step 4 holds\n"
              "  open dialog \"\" name \"\" in \"{DIR}\" filter "
              "\"Quillmap GOD file (*.god)|*.god|All files (*.*)|*.*\" 1\n");
}

// The file's name on disk is UTF-8; the window's text is Windows-1252.
#ifndef _WIN32
// Names on disk in UTF-8, as POSIX keeps them.
TEST(Opening, TheFilesNameShowsInTheWindowsCharacters) {
    Session s;
    s.run("start");
    const std::string path = s.folder + "/Ren\xC3\xA9" "e \xE2\x82\xAC \xE4\xB8\x80.god";
    writeFile(path, "#population 5\r\n\r\n");
    s.platform.dialogAnswers = {path};
    s.run("click cmdLoad");
    EXPECT_EQ(s.f.txtGanFileName.text(), "Ren\xE9" "e \x80 ?");
    EXPECT_EQ(s.f.txtGanFileFinal.text(), "#population 5\r\n");
    EXPECT_TRUE(s.platform.messages.empty());
}
#endif

}  // namespace
}  // namespace gs::test
