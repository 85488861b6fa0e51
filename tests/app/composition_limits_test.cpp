// What the user's actions put into the lists and the garrison stays within
// what the boxes take when typed into, so that every province the editor
// composes is saved and opens again. An action past a limit adds nothing and
// says why.
#include <gtest/gtest.h>

#include "support/session.h"

namespace gs::test {
namespace {

const std::string kGarrisonFull =
    "  message \"Godsmith\": The garrison can hold at most 20000 lines, so it keeps what it held.\n";
std::string listFull(int most) {
    return "  message \"Godsmith\": This list can hold at most " + std::to_string(most) +
           " entries, so it keeps what it held.\n";
}

std::string repeated(int count, const std::string& piece) {
    std::string s;
    for (int i = 0; i < count; ++i) s += piece;
    return s;
}

TEST(CompositionLimits, TheLargestProvinceEveryActionAllowsIsSavedAndOpensAgainTheSame) {
    // The longest texts the tables and the boxes hold where the file puts
    // a prefix before them.
    const std::string longest(4000, 'x');
    InstallationOptions options;
    std::vector<Row> sites = defaultSiteRows(), pops = defaultPopTypeRows();
    for (Row& site : sites)
        if (site[1] == "Ashen Forge") site[1] = longest;
    pops[0][0] = "-32768";
    pops[0][1] = longest;
    options.files[kSiteFile] = tableText(sites);
    options.files[kPopTypeFile] = tableText(pops);
    Session s(options);
    ASSERT_EQ(s.run("start"), "");

    // Step 1: a full description, 20000 lines and 524288 bytes: 19999 lines
    // of 26 or 27 bytes with their CR LF, and the longest.
    s.run("type txtGanFileDesc " + repeated(312, std::string(25, 'o') + "\\r\\n") +
          repeated(19687, std::string(24, 'o') + "\\r\\n") + longest + "\\r\\n");
    ASSERT_EQ(s.f.txtGanFileDesc.text().size(), 524288u);
    // Step 2: every list full, the most refused past it. The names reach
    // their most entries and bytes at once: the longest, then 7724 of 68 or
    // 67 bytes with their quotes.
    s.run("type txtLandName " + longest);
    s.run("click cmdAddToNameList");
    s.run("type txtLandName " + std::string(66, 'y'));
    EXPECT_EQ(s.run("click cmdAddToNameList 2778"), "");
    s.run("type txtLandName " + std::string(65, 'y'));
    EXPECT_EQ(s.run("click cmdAddToNameList 4945"), "");
    s.run("type txtLandName " + std::string(66, 'y'));
    EXPECT_EQ(s.run("click cmdAddToNameList"),
              "  message \"Godsmith\": This list can hold at most 524288 characters, so it keeps what it held.\n");
    s.run("type txtLandName " + std::string(65, 'y'));
    EXPECT_EQ(s.run("click cmdAddToNameList"), "");
    ASSERT_EQ(entryBytes(s.f.lstNameList.items()), 524288u);
    EXPECT_EQ(s.run("click cmdAddToNameList"), listFull(7725));
    s.run("type txtPopulation " + longest);
    s.run("index cboPopType 1");
    s.run("click chkKillFeatures");
    s.run("click chkKnown(3)");
    // Each site list: 31 sites of the longest name (4002 bytes with the
    // quotes) and "--no site" to its most entries, within its most bytes.
    for (int i = 0; i < 4; ++i) {
        const std::string add = "cmdAddFeature(" + std::to_string(i) + ")";
        s.run("tab SSTab3 " + std::to_string(i));
        s.run("pick cboFeature " + longest);
        EXPECT_EQ(s.run("click " + add + " 31"), "");
        s.run("pick cboFeature None");
        EXPECT_EQ(s.run("click " + add + " 534"), "");
        s.run("pick cboFeature " + longest);
        EXPECT_EQ(s.run("click " + add),
                  "  message \"Godsmith\": This list can hold at most 131072 characters, so it keeps what it held.\n");
        s.run("pick cboFeature None");
        EXPECT_EQ(s.run("click " + add), "");
        EXPECT_EQ(s.run("click " + add), listFull(566));
    }
    // The entries kept their own sites.
    s.run("index lstFeatureList(3) 30");
    EXPECT_EQ(s.f.txtSiteDescription.text().substr(0, 8), "2 xxxxxx");
    s.run("index lstFeatureList(3) 565");
    EXPECT_EQ(s.f.txtSiteDescription.text(), "NO SITE SELECTED.");
    // Step 3: the garrison filled by Submit to its most lines and bytes, the
    // most refused past it: a commander, then a name list of the longest
    // name and 19996 short ones, which bring the bytes to the most.
    s.run("type txtCommanderID 1822");
    s.run("click cmdAddToCommanderList");
    s.run("click cmdAddCommander");
    ASSERT_EQ(lineCount(s.f.txtGarrison.text()), 2u);
    s.run("type txtCommanderName " + std::string(3998, 'c'));
    s.run("click cmdAddToCommanderNameList");
    // Each short name is written quoted on a line of its own, after the
    // "@19997 comname" line.
    const std::size_t left =
        524288 - s.f.txtGarrison.text().size() - std::string("@19997 comname\r\n").size() - (4000 + 2);
    const std::size_t shortLine = left / 19996, longer = left % 19996;
    s.run("type txtCommanderName " + std::string(shortLine - 3, 'n'));
    EXPECT_EQ(s.run("click cmdAddToCommanderNameList " + std::to_string(longer)), "");
    s.run("type txtCommanderName " + std::string(shortLine - 4, 'n'));
    EXPECT_EQ(s.run("click cmdAddToCommanderNameList " + std::to_string(19996 - longer)), "");
    EXPECT_EQ(s.run("click cmdAddCommanderName"), "");
    EXPECT_EQ(s.run("click cmdAddCommanderName"), kGarrisonFull);
    const std::string garrison = s.f.txtGarrison.text();
    ASSERT_EQ(lineCount(garrison), 20000u);
    ASSERT_EQ(garrison.size(), 524288u);
    ASSERT_EQ(longestLine(garrison), 4000u);
    s.run("tab SSTab1 3");
    const std::string shown = s.f.txtGanFileFinal.text();
    ASSERT_EQ(lineCount(shown), 50000u);
    ASSERT_EQ(longestLine(shown), 4018u);
    s.run("answer {DIR}/largest.god");
    s.run("click cmdSaveAs");
    ASSERT_EQ(readFile(s.folder + "/largest.god"), shown + "\r\n");

    // Every box the file holds is the same after it is opened again.
    const auto boxes = [&s] {
        std::vector<std::string> all;
        for (const TextBox* t : {&s.f.txtGanFileDesc, &s.f.txtPopulation, &s.f.txtGarrison}) all.push_back(t->text());
        for (const ListBox* l : {&s.f.lstNameList, &s.f.lstFeatureList[0], &s.f.lstFeatureList[1],
                                 &s.f.lstFeatureList[2], &s.f.lstFeatureList[3]})
            all.insert(all.end(), l->items().begin(), l->items().end());
        for (const CheckBox* c :
             {&s.f.chkKillFeatures, &s.f.chkKnown[0], &s.f.chkKnown[1], &s.f.chkKnown[2], &s.f.chkKnown[3]})
            all.push_back(std::to_string(c->value()));
        all.push_back(s.f.cboPopType.text());
        return all;
    };
    const std::vector<std::string> before = boxes();
    s.run("click cmdClearAll");
    s.run("answer {DIR}/largest.god");
    s.run("click cmdLoad");
    EXPECT_EQ(s.f.txtGanFileFinal.text(), shown);
    EXPECT_EQ(boxes(), before);
}

}  // namespace
}  // namespace gs::test
