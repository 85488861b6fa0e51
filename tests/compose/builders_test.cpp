// Entries and Submit lines of the unit-naming builders (commander or
// pretender, body guards, units), the commander names and province names,
// and the garrison block itself.
#include "compose/step3.h"

namespace gs::test {
namespace {

using Builders = Step3;

TEST_F(Builders, UnitListWithAGroupAndTheSentinel) {
    f.txtUnitID.setText("123");
    f.cmdAddToUnitList.click();
    f.txtUnitID.setText("");
    f.cmdAddToUnitList.click();
    EXPECT_EQ(entries(f.lstUnitList), (std::vector<std::string>{"10 123 --Militia", " --no units"}));

    f.cmdAddUnits.click();
    const std::string block = crlf({"@2 units", "10 123 --Militia", " --no units"});
    EXPECT_EQ(garrison(), block);

    // Submit twice: the same block again, the list unchanged.
    f.cmdAddUnits.click();
    EXPECT_EQ(garrison(), block + block);
    EXPECT_EQ(f.lstUnitList.listCount(), 2);
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Builders, SingleEntriesAndSentinelsAlone) {
    f.txtUnitID.setText("123");
    f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();
    EXPECT_EQ(garrison(), crlf({"#units 10 123 --Militia"}));

    f.cmdClearGarrison.click();
    f.lstUnitList.clear();
    f.txtUnitID.setText("0");
    f.txtUnitCount.setText("99");  // the sentinel ignores the count
    f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();
    EXPECT_EQ(garrison(), crlf({"#units  --no units"}));

    f.cmdClearGarrison.click();
    f.txtBodyGuardID.setText("");
    f.cmdAddToBodyGuardList.click();
    f.cmdAddBodyGuards.click();
    EXPECT_EQ(garrison(), crlf({"#bodyguards  --no bodyguards"}));
}

TEST_F(Builders, BodyGuardsAndTheCountAsTyped) {
    f.txtBodyGuardID.setText("456");
    f.cmdAddToBodyGuardList.click();
    f.txtBodyGuardCount.setText("");
    f.txtBodyGuardID.setText("123");
    f.cmdAddToBodyGuardList.click();
    f.txtBodyGuardCount.setText("-x");
    f.cmdAddToBodyGuardList.click();
    EXPECT_EQ(entries(f.lstBodyGuardList),
              (std::vector<std::string>{"5 456 --Knight", " 123 --Militia", "-x 123 --Militia"}));
    f.cmdAddBodyGuards.click();
    EXPECT_EQ(garrison(), crlf({"@3 bodyguards", "5 456 --Knight", " 123 --Militia", "-x 123 --Militia"}));
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

TEST_F(Builders, HeaderCountsEveryEntry) {
    f.txtUnitID.setText("123");
    for (int i = 0; i < 12; ++i) f.cmdAddToUnitList.click();
    f.cmdAddUnits.click();
    EXPECT_EQ(garrison().substr(0, 11), "@12 units\r\n");
    EXPECT_EQ(garrison().size(), 11 + 12 * std::string("10 123 --Militia\r\n").size());
}

TEST_F(Builders, UnknownNumbersAreRefusedSilently) {
    for (const char* typed : {"0123", " 123", "+123", "00", "999"}) {
        f.txtUnitID.setText(typed);
        f.cmdAddToUnitList.click();
        f.txtBodyGuardID.setText(typed);
        f.cmdAddToBodyGuardList.click();
        f.txtCommanderID.setText(typed);
        f.cmdAddToCommanderList.click();
    }
    EXPECT_EQ(f.lstUnitList.listCount(), 0);
    EXPECT_EQ(f.lstBodyGuardList.listCount(), 0);
    EXPECT_EQ(f.lstCommanderList.listCount(), 0);
    EXPECT_TRUE(p.messages.empty());
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

TEST_F(Builders, CommanderBlockOpensWithAnEmptyLine) {
    f.chkPretender.click();
    f.txtCommanderID.setText("456");
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), crlf({"", "#commander 456 --Knight"}));

    f.cmdClearGarrison.click();
    f.txtCommanderID.setText("");
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), crlf({"", "@2 commander", "456 --Knight", " --no commander"}));

    f.cmdClearGarrison.click();
    f.lstCommanderList.clear();
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), crlf({"", "#commander  --no commander"}));
}

TEST_F(Builders, PretenderLinesCarryTheNation) {
    ASSERT_EQ(f.cboNation.text(), "Example");
    f.txtCommanderID.setText("456");
    f.cmdAddToCommanderList.click();
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), crlf({"", "#god 12 456 --Knight -- Example"}));

    f.cmdClearGarrison.click();
    choose(f.cboNation, "Landia");
    f.txtCommanderID.setText("0");
    f.cmdAddToCommanderList.click();
    f.chkPretender.setValue(CheckBox::Grayed);  // greyed counts as checked
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), crlf({"", "@2 ", "#god 40 456 --Knight -- Landia", "#god 40  --no commander -- Landia"}));
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Builders, PretenderWithoutNationKeepsWhatItWrote) {
    f.txtCommanderID.setText("456");
    f.cmdAddToCommanderList.click();
    f.cmdAddToCommanderList.click();
    f.cboNation.setListIndex(-1);
    f.txtGarrison.setText("before\r\n");
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), "before\r\n" + crlf({"", "@2 "}));
    EXPECT_EQ(reports(), (std::vector<std::string>{"cmdAddCommander"}));
    EXPECT_FALSE(e.AppendingGarrison);
    EXPECT_EQ(f.lstCommanderList.listCount(), 2);
}

// One entry alone: the single command line, the sentinel with its own blank.
TEST_F(Builders, SingleGroupAndPretenderSentinelAlone) {
    f.txtBodyGuardID.setText("456");
    f.cmdAddToBodyGuardList.click();
    f.cmdAddBodyGuards.click();
    EXPECT_EQ(garrison(), crlf({"#bodyguards 5 456 --Knight"}));

    f.cmdClearGarrison.click();
    f.cmdAddToCommanderList.click();  // nothing typed: the sentinel
    cmdAddCommander_Click(e);         // the sentinel leaves the button off; the rule still holds
    EXPECT_EQ(garrison(), crlf({"", "#god 12  --no commander -- Example"}));

    // With no nation the single line fails after the opening empty line.
    f.cmdClearGarrison.click();
    f.txtCommanderID.setText("456");
    f.lstCommanderList.clear();
    f.cmdAddToCommanderList.click();
    f.cboNation.setListIndex(-1);
    f.cmdAddCommander.click();
    EXPECT_EQ(garrison(), "\r\n");
    EXPECT_EQ(reports(), (std::vector<std::string>{"cmdAddCommander"}));
    EXPECT_FALSE(e.AppendingGarrison);
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
    EXPECT_EQ(garrison(), "#mine\r\n#units 10 123 --Militia\r\n");
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
