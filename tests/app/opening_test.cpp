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
