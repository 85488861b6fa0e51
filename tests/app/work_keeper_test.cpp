// Work that is never lost: a draft found at start is shown again and said
// so; a draft that cannot be read or written is said so; every undoable
// action undone and redone gives back exactly the work before and after it.
// The sessions on one start are tests/data/scripts/keeping_work.txt and draft_*.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/work.h"
#include "support/session.h"

namespace gs::test {
namespace {

const char* const kRestored =
    "Your work that was not saved when the editor last closed has been restored. It is kept until you save it or "
    "press 'Clear All'.";

// A session with a composition on every page: description, names, a site in
// slot 2, a pop type, kill features, an entry in every builder list, a
// garrison and hand edits on Step 4.
void compose(Session& s) {
    for (const char* command :
         {"start", "type txtGanFileDesc Fen\\r\\nmire", "type txtLandName Mirefield", "click cmdAddToNameList",
          "type txtPopulation 800", "pick cboPopType Marsh Folk", "click chkKillFeatures", "tab SSTab3 2",
          "click chkKnown(2)", "pick cboFeature Glimmering Fen", "click cmdAddFeature(2)", "type txtCommanderID 12",
          "click cmdAddToCommanderList", "type txtCommanderName Aldric", "click cmdAddToCommanderNameList",
          "pick cboQuillmapItem Spare Blades", "pick cboItem Emberbrand", "click cmdAddToItemList",
          "pick cboMagic #mag_fire", "type txtMagicLevel 2", "click cmdAddToMagicList", "pick cboScales #scale_cold",
          "type txtScales 3", "click cmdAddToScalesList", "type txtBodyGuardID 10", "click cmdAddToBodyGuardList",
          "type txtUnitID 11", "click cmdAddToUnitList", "type txtDominion 4", "click cmdAddToDominionList",
          "click cmdAddDominion", "tab SSTab1 3", "type txtGanFileFinal --by hand\\r\\n"})
        ASSERT_EQ(s.run(command), "") << command;
}

// The builder lists with the state of the controls their entries switch,
// which Work's comparison leaves out.
std::vector<std::pair<std::vector<std::string>, std::vector<int>>> builders(const Work& w) {
    std::vector<std::pair<std::vector<std::string>, std::vector<int>>> lists;
    for (const BuilderList& b : w.builders) lists.emplace_back(b.entries, b.controls);
    return lists;
}

// Written on the clock's tick (the program then killed) or when the window
// closes, without waiting for the clock.
TEST(Draft, IsShownAgainAtTheNextStartAndSaidSoWithoutABox) {
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed ? "closed" : "killed");
        Session first;
        compose(first);
        const Work before = workOf(first.app.editor);
        closed ? void(first.app.close()) : void(first.run("tick"));
        Session next(first.folder);
        next.run("start");
        const Work after = workOf(next.app.editor);
        EXPECT_EQ(std::tie(after.file, after.finalText), std::tie(before.file, before.finalText));
        EXPECT_EQ(builders(after), builders(before));
        // The sites come back on the first site tabs.
        EXPECT_EQ(next.f.lstFeatureList[0].items(), std::vector<std::string>{"\"Glimmering Fen\""});
        EXPECT_EQ(std::tuple(next.f.caption(), next.f.fraHelp.visible(), next.f.txtHelp.text(),
                             next.platform.messages.size()),
                  std::tuple(std::string("*Godsmith"), true, std::string(kRestored), std::size_t{0}));
        // Left alone, the draft is not written again.
        const auto written = std::filesystem::last_write_time(next.folder + "/RK.draft");
        next.run("tick");
        EXPECT_EQ(std::filesystem::last_write_time(next.folder + "/RK.draft"), written);
        // The hand edits are shown on Step 4; entering it again rebuilds them away, undoably.
        EXPECT_EQ(std::tuple(next.f.SSTab1.tab(), next.f.txtGanFileFinal.text()),
                  std::tuple(3, std::string("--by hand\r\n")));
        next.run("tab SSTab1 0");
        next.run("tab SSTab1 3");
        EXPECT_NE(next.f.txtGanFileFinal.text(), "--by hand\r\n");
        next.run("undo");
        EXPECT_EQ(next.f.txtGanFileFinal.text(), "--by hand\r\n");
    }
}

TEST(Draft, RemembersTheGodFileItWasOpenedFrom) {
    Session first;
    for (const char* command : {"start", "write Provinces/Fenkeep.god #population 5", "answer {DIR}/Provinces/Fenkeep.god",
                                "click cmdLoad", "tab SSTab1 1", "type txtPopulation 6", "tick"})
        first.run(command);
    // The draft names the file after the builder lists' part, empty here, and
    // before the naming.
    const std::string path = inFolder(first.folder, "Provinces/Fenkeep.god");
    EXPECT_EQ(readFile(inFolder(first.folder, "RK.draft")),
              "Godsmith draft\r\n28\r\n#population 6\r\n#population 513\r\n#population 50\r\n" + std::to_string(path.size()) +
                  "\r\n" + path + "14\r\n0 0 0\r\nFenkeep");
    Session next(first.folder);
    next.run("start");
    // The folder a file dialog looks in first (cancelled).
    const auto lookedIn = [&](const std::string& button) {
        next.run("answer cancel");
        const std::string out = next.run("click " + button);
        const std::size_t in = out.find(" in \"") + 5;
        return out.substr(in, out.find('"', in) - in);
    };
    // Both dialogs look where the file came from, as before the editor died;
    // clearing forgets it, undoing the clearing brings it back.
    EXPECT_EQ(lookedIn("cmdSaveAs"), "{DIR}/Provinces");
    EXPECT_EQ(lookedIn("cmdLoad"), "{DIR}/Provinces");
    next.run("click cmdClearAll");
    EXPECT_EQ(lookedIn("cmdLoad"), "{DIR}/Quillmap/GOD_BIN");
    next.run("undo");
    EXPECT_EQ(lookedIn("cmdSaveAs"), "{DIR}/Provinces");
}

TEST(Undo, GivesBackExactlyTheWorkBeforeEachActionAndRedoTheWorkAfterIt) {
    const std::pair<const char*, std::vector<const char*>> actions[] = {
        {"Submit", {"click cmdAddUnits"}},
        {"Clear Garrison", {"click cmdClearGarrison"}},
        {"Clear All", {"click cmdClearAll"}},
        {"a name removed", {"index lstNameList 0", "dblclick lstNameList"}},
        {"a site removed", {"index lstFeatureList(2) 0", "dblclick lstFeatureList(2)"}},
        {"hand edits rebuilt", {"tab SSTab1 0", "tab SSTab1 3"}},
        {"a commander removed", {"index lstCommanderList 0", "dblclick lstCommanderList"}},
        {"a commander name removed", {"index lstCommanderNameList 0", "dblclick lstCommanderNameList"}},
        {"an item removed", {"index lstItemList 0", "dblclick lstItemList"}},
        {"a magic path removed", {"index lstMagicList 0", "dblclick lstMagicList"}},
        {"a dominion removed", {"index lstDominionList 0", "dblclick lstDominionList"}},
        {"a scale removed", {"index lstScalesList 0", "dblclick lstScalesList"}},
        {"a body guard removed", {"index lstBodyGuardList 0", "dblclick lstBodyGuardList"}},
        {"a unit removed", {"index lstUnitList 0", "dblclick lstUnitList"}},
    };
    for (const auto& [action, commands] : actions) {
        Session s;
        compose(s);
        const Work before = workOf(s.app.editor);
        for (const char* command : commands) s.run(command);
        const Work after = workOf(s.app.editor);
        ASSERT_NE(after, before) << action;
        s.run("undo");
        EXPECT_EQ(workOf(s.app.editor), before) << action;
        EXPECT_EQ(builders(workOf(s.app.editor)), builders(before)) << action;
        s.run("redo");
        EXPECT_EQ(workOf(s.app.editor), after) << action;
        EXPECT_EQ(builders(workOf(s.app.editor)), builders(after)) << action;
        s.run("redo");  // nothing newer: the work stays
        EXPECT_EQ(workOf(s.app.editor), after) << action;
    }
}

}  // namespace
}  // namespace gs::test
