// Entries and Submit lines of the unit-naming builders (commander or
// pretender, body guards, units), the commander names and province names,
// and the garrison block itself.
#include <functional>

#include "compose/step3.h"

namespace gs::test {
namespace {

using Builders = Step3;

// What the user adds and submits, and the lines the Submit appends: single
// entries, groups with their counted header, the sentinels, the counts as
// typed, and the commander block's opening empty line.
TEST_F(Builders, SubmitLines) {
    const auto add = [](TextBox& id, Button& add, const char* typed) {
        id.setText(typed);
        add.click();
    };
    const auto unit = [&](const char* id) { add(f.txtUnitID, f.cmdAddToUnitList, id); };
    const auto guard = [&](const char* id) { add(f.txtBodyGuardID, f.cmdAddToBodyGuardList, id); };
    const auto commander = [&](const char* id) { add(f.txtCommanderID, f.cmdAddToCommanderList, id); };
    std::string twelve = "@12 units\r\n";
    for (int i = 0; i < 12; ++i) twelve += "10 123 --Militia\r\n";
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { unit("123"), unit(""), f.cmdAddUnits.click(); }, crlf({"@2 units", "10 123 --Militia", " --no units"})},
        {[&] { unit("123"), f.cmdAddUnits.click(); }, crlf({"#units 10 123 --Militia"})},
        // The sentinel ignores the count.
        {[&] { f.txtUnitCount.setText("99"), unit("0"), f.cmdAddUnits.click(); }, crlf({"#units  --no units"})},
        {[&] {
             for (int i = 0; i < 12; ++i) unit("123");
             f.cmdAddUnits.click();
         },
         twelve},
        {[&] { guard("456"), f.cmdAddBodyGuards.click(); }, crlf({"#bodyguards 5 456 --Knight"})},
        {[&] { guard(""), f.cmdAddBodyGuards.click(); }, crlf({"#bodyguards  --no bodyguards"})},
        {[&] {
             guard("456"), f.txtBodyGuardCount.setText(""), guard("123"), f.txtBodyGuardCount.setText("-x");
             guard("123"), f.cmdAddBodyGuards.click();
         },
         crlf({"@3 bodyguards", "5 456 --Knight", " 123 --Militia", "-x 123 --Militia"})},
        {[&] { f.chkPretender.click(), commander("456"), f.cmdAddCommander.click(); },
         crlf({"", "#commander 456 --Knight"})},
        {[&] { f.chkPretender.click(), commander("456"), commander(""), f.cmdAddCommander.click(); },
         crlf({"", "@2 commander", "456 --Knight", " --no commander"})},
        // The sentinel leaves Submit off; its rule still holds.
        {[&] { f.chkPretender.click(), commander(""), cmdAddCommander_Click(e); },
         crlf({"", "#commander  --no commander"})},
        {[&] { commander("456"), f.cmdAddCommander.click(); }, crlf({"", "#god 12 456 --Knight -- Example"})},
        {[&] { commander(""), cmdAddCommander_Click(e); }, crlf({"", "#god 12  --no commander -- Example"})},
        // The nation of the moment of Submit; greyed counts as checked.
        {[&] {
             commander("456"), choose(f.cboNation, "Landia"), commander("0");
             f.chkPretender.setValue(CheckBox::Grayed), f.cmdAddCommander.click();
         },
         crlf({"", "@2 ", "#god 40 456 --Knight -- Landia", "#god 40  --no commander -- Landia"})},
    };
    for (const auto& [act, lines] : cases) {
        SCOPED_TRACE(lines);
        f.cmdClearGarrison.click();
        for (ListBox* list : {&f.lstUnitList, &f.lstBodyGuardList, &f.lstCommanderList}) list->clear();
        f.chkPretender.setValue(CheckBox::Checked);
        f.cboNation.setListIndex(0);
        f.txtUnitCount.setText("10");
        f.txtBodyGuardCount.setText("5");
        act();
        EXPECT_EQ(garrison(), lines);
    }
    EXPECT_TRUE(p.messages.empty());
}

// Without a nation a pretender line fails after what was already written:
// the opening empty line, and a group's header.
TEST_F(Builders, PretenderWithoutNationKeepsWhatItWrote) {
    for (int entries : {1, 2}) {
        f.lstCommanderList.clear();
        f.cboNation.setListIndex(0);
        f.txtCommanderID.setText("456");
        for (int i = 0; i < entries; ++i) f.cmdAddToCommanderList.click();
        f.cboNation.setListIndex(-1);
        f.txtGarrison.setText("before\r\n");
        f.cmdAddCommander.click();
        EXPECT_EQ(garrison(), entries == 1 ? "before\r\n\r\n" : "before\r\n" + crlf({"", "@2 "}));
        EXPECT_FALSE(e.AppendingGarrison);
        EXPECT_EQ(f.lstCommanderList.listCount(), entries);
    }
    EXPECT_EQ(reports(), (std::vector<std::string>(2, "cmdAddCommander")));
}

TEST_F(Builders, EmptyListsWriteNothing) {
    f.txtGarrison.setText("kept\r\n");
    f.cmdAddUnits.click();
    f.cmdAddBodyGuards.click();
    f.chkPretender.setValue(CheckBox::Unchecked);
    cmdAddCommander_Click(e);  // disabled for the user; its rule still writes nothing
    f.chkPretender.setValue(CheckBox::Checked);
    cmdAddCommander_Click(e);
    f.cmdAddDominion.click();
    cmdAddScales_Click(e);
    cmdAddMagic_Click(e);  // "Clear Magic" unchecked
    EXPECT_EQ(garrison(), "kept\r\n");
}

TEST_F(Builders, SentinelsNeverEnableSubmit) {
    f.cmdAddUnits.setEnabled(false);
    f.cmdAddBodyGuards.setEnabled(false);
    f.cmdAddToUnitList.click();
    f.cmdAddToBodyGuardList.click();
    f.cmdAddToCommanderList.click();
    EXPECT_EQ(entries(f.lstCommanderList), (std::vector<std::string>{" --no commander"}));
    EXPECT_FALSE(f.cmdAddUnits.enabled());
    EXPECT_FALSE(f.cmdAddBodyGuards.enabled());
    EXPECT_FALSE(f.cmdAddCommander.enabled());

    f.txtUnitID.setText("-5");
    f.cmdAddToUnitList.click();
    f.txtBodyGuardID.setText("-5");
    f.cmdAddToBodyGuardList.click();
    f.txtCommanderID.setText("-5");
    f.cmdAddToCommanderList.click();
    EXPECT_EQ(f.lstUnitList.item(1), "10 -5 --Shade");
    EXPECT_EQ(f.lstCommanderList.item(1), "-5 --Shade");
    EXPECT_TRUE(f.cmdAddUnits.enabled());
    EXPECT_TRUE(f.cmdAddBodyGuards.enabled());
    EXPECT_TRUE(f.cmdAddCommander.enabled());
}

TEST_F(Builders, PretenderBoxSetsTheCaptions) {
    f.chkPretender.click();
    EXPECT_EQ(f.SSTab2.tabCaption(0), "Commander");
    EXPECT_EQ(f.fraCommander.caption(), "Commander");
    f.chkPretender.click();
    EXPECT_EQ(f.SSTab2.tabCaption(0), "Pretender");
    EXPECT_EQ(f.fraCommander.caption(), "Pretender");
    f.chkPretender.setValue(CheckBox::Grayed);
    EXPECT_EQ(f.fraCommander.caption(), "Pretender");
}

TEST_F(Builders, CommanderNames) {
    EXPECT_FALSE(f.cmdAddCommanderName.enabled());
    f.cmdAddToCommanderNameList.click();  // nothing typed
    EXPECT_EQ(f.lstCommanderNameList.listCount(), 0);
    EXPECT_TRUE(f.cboCommanderNameDataList.enabled());

    f.txtCommanderName.setText("Aldric");
    f.cmdAddToCommanderNameList.click();
    EXPECT_FALSE(f.cboCommanderNameDataList.enabled());
    EXPECT_TRUE(f.cmdAddCommanderName.enabled());
    f.cmdAddCommanderName.click();
    EXPECT_EQ(garrison(), crlf({"#comname \"Aldric\""}));

    f.txtCommanderName.setText("The \"Bold\"");
    f.cmdAddToCommanderNameList.click();
    f.cmdAddCommanderName.click();
    EXPECT_EQ(garrison(), crlf({"#comname \"Aldric\"", "@2 comname", "\"Aldric\"", "\"The \"Bold\"\""}));
}

TEST_F(Builders, CommanderNameFallbackOnlyAtPositionOne) {
    f.cboCommanderNameDataList.setListIndex(1);
    EXPECT_TRUE(f.cmdAddCommanderName.enabled());
    f.cmdAddCommanderName.click();
    EXPECT_EQ(garrison(), crlf({"@RANDOM comname COMMANDER"}));

    f.cboCommanderNameDataList.setListIndex(0);
    EXPECT_FALSE(f.cmdAddCommanderName.enabled());
    cmdAddCommanderName_Click(e);  // out of the user's reach; writes nothing
    EXPECT_EQ(garrison(), crlf({"@RANDOM comname COMMANDER"}));
}

TEST_F(Builders, ProvinceNames) {
    f.cmdAddToNameList.click();
    EXPECT_EQ(f.lstNameList.listCount(), 0);
    EXPECT_TRUE(f.cboNameDataList.enabled());
    f.txtLandName.setText("Greyfen");
    f.cmdAddToNameList.click();
    f.txtLandName.setText("Old Marsh");
    f.cmdAddToNameList.click();
    EXPECT_EQ(entries(f.lstNameList), (std::vector<std::string>{"\"Greyfen\"", "\"Old Marsh\""}));
    EXPECT_FALSE(f.cboNameDataList.enabled());
    EXPECT_EQ(garrison(), "");
}

TEST_F(Builders, GarrisonKeepsEditsAndClears) {
    f.txtGarrison.setText("#mine\r\n");
    f.txtUnitID.setText("123");
    f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();
    f.cmdAddUnits.click();  // twice: the same lines again
    EXPECT_EQ(garrison(), "#mine\r\n#units 10 123 --Militia\r\n#units 10 123 --Militia\r\n");
    f.cmdClearGarrison.click();
    EXPECT_EQ(garrison(), "");
    EXPECT_EQ(f.lstUnitList.listCount(), 1);
    EXPECT_TRUE(f.cmdAddUnits.enabled());
}

// Six Submits keep the appended lines in view; Dominion and Scales do not.
TEST_F(Builders, AppendingMovesTheCaretForSixBuilders) {
    f.txtCommanderID.setText("456");
    f.cmdAddToCommanderList.click();
    f.txtCommanderName.setText("Aldric");
    f.cmdAddToCommanderNameList.click();
    f.cmdAddToItemList.click();
    choose(f.cboMagic, "#mag_fire");
    f.cmdAddToMagicList.click();
    f.cmdAddToDominionList.click();
    choose(f.cboScales, "#scale_cold");
    f.cmdAddToScalesList.click();
    f.cmdAddToBodyGuardList.click();
    f.cmdAddToUnitList.click();

    const auto caretAfter = [&](Button& submit) {
        f.txtGarrison.setText("start\r\n");
        f.txtGarrison.setSelStart(2);
        submit.click();
        EXPECT_FALSE(e.AppendingGarrison);
        EXPECT_GT(garrison().size(), 7u) << submit.name();
        return f.txtGarrison.selStart();
    };
    for (Button* submit : {&f.cmdAddCommander, &f.cmdAddCommanderName, &f.cmdAddItem, &f.cmdAddMagic,
                           &f.cmdAddBodyGuards, &f.cmdAddUnits}) {
        const int caret = caretAfter(*submit);
        EXPECT_EQ(caret, static_cast<int>(garrison().size())) << submit->name();
    }
    for (Button* submit : {&f.cmdAddDominion, &f.cmdAddScales}) EXPECT_EQ(caretAfter(*submit), 2) << submit->name();

    // The user's own typing does not move the caret.
    f.txtGarrison.setSelStart(1);
    f.txtGarrison.setText(garrison() + "x");
    EXPECT_EQ(f.txtGarrison.selStart(), 1);
    EXPECT_TRUE(p.messages.empty());
}

}  // namespace
}  // namespace gs::test
