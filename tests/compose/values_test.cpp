// Magic, dominion and scales: entries, value checks on the converted number,
// enabling rules and Submit lines.
#include "compose/step3.h"

namespace gs::test {
namespace {

using Values = Step3;

TEST_F(Values, MagicEntriesAndLines) {
    f.cmdAddToMagicList.click();  // "-- no Magic" selected
    EXPECT_EQ(entries(f.lstMagicList), (std::vector<std::string>{"-- no magic"}));
    EXPECT_FALSE(f.cmdAddMagic.enabled());
    cmdAddMagic_Click(e);
    EXPECT_EQ(garrison(), crlf({"-- no magic"}));

    f.cmdClearGarrison.click();
    f.lstMagicList.clear();
    choose(f.cboMagic, "#mag_fire");
    f.txtMagicLevel.setText("2");
    f.cmdAddToMagicList.click();
    EXPECT_TRUE(f.cmdAddMagic.enabled());
    f.cmdAddMagic.click();
    EXPECT_EQ(garrison(), crlf({"#mag_fire 2"}));

    f.cmdClearGarrison.click();
    choose(f.cboMagic, "#mag_priest");
    f.txtMagicLevel.setText("x");  // the level is never checked
    f.cmdAddToMagicList.click();
    f.cmdAddMagic.click();
    EXPECT_EQ(garrison(), crlf({"@2 ", "#mag_fire 2", "#mag_priest x"}));
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Values, ClearMagic) {
    f.chkClearMagic.click();
    EXPECT_TRUE(f.cmdAddMagic.enabled());
    f.cmdAddMagic.click();
    EXPECT_EQ(garrison(), crlf({"#clearmagic"}));

    f.cmdClearGarrison.click();
    choose(f.cboMagic, "#mag_death");
    f.cmdAddToMagicList.click();
    choose(f.cboMagic, "#mag_blood");
    f.cmdAddToMagicList.click();
    f.cmdAddMagic.click();
    EXPECT_EQ(garrison(), crlf({"#clearmagic", "@2 ", "#mag_death 1", "#mag_blood 1"}));

    // Unchecked with entries: Submit stays; greyed does not count as checked.
    f.chkClearMagic.click();
    EXPECT_TRUE(f.cmdAddMagic.enabled());
    f.cmdClearGarrison.click();
    f.chkClearMagic.setValue(CheckBox::Grayed);
    f.cmdAddMagic.click();
    EXPECT_EQ(garrison(), crlf({"@2 ", "#mag_death 1", "#mag_blood 1"}));

    // Unchecked with an empty list: Submit off.
    f.lstMagicList.clear();
    f.chkClearMagic.setValue(CheckBox::Unchecked);
    EXPECT_FALSE(f.cmdAddMagic.enabled());
}

struct ValueCase {
    const char* typed;
    const char* entry;  // nullptr: refused
};

TEST_F(Values, DominionChecksTheRoundedNumberAndKeepsTheText) {
    const ValueCase cases[] = {
        {"0", nullptr},
        {"-1", nullptr},
        {"1", "#dominionstr 12 1"},
        {"10", "#dominionstr 12 10"},
        {"10.4", "#dominionstr 12 10.4"},
        {"10.6", nullptr},
        {"11", nullptr},
        {" 5", "#dominionstr 12  5"},
        {"0.5", nullptr},
        {"1.5", "#dominionstr 12 1.5"},
        {"", nullptr},
    };
    f.cmdAddDominion.setEnabled(false);
    for (const ValueCase& c : cases) {
        f.lstDominionList.clear();
        f.txtDominion.setText(c.typed);
        f.cmdAddToDominionList.click();
        if (c.entry)
            EXPECT_EQ(entries(f.lstDominionList), std::vector<std::string>{c.entry}) << c.typed;
        else
            EXPECT_EQ(f.lstDominionList.listCount(), 0) << c.typed;
    }
    EXPECT_TRUE(f.cmdAddDominion.enabled());
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Values, FailuresAreReported) {
    for (const char* typed : {"ten", "5x", "40000"}) {
        f.txtDominion.setText(typed);
        f.cmdAddToDominionList.click();
    }
    EXPECT_EQ(f.lstDominionList.listCount(), 0);
    EXPECT_EQ(reports(), (std::vector<std::string>(3, "cmdAddToDominionList")));

    // A valid value with no nation selected fails on the nation number, in
    // both builders that write it.
    p.messages.clear();
    f.txtDominion.setText("3");
    f.cboNation.setListIndex(-1);
    f.cmdAddToDominionList.click();
    choose(f.cboScales, "#scale_cold");
    f.cmdAddToScalesList.click();
    EXPECT_EQ(f.lstDominionList.listCount() + f.lstScalesList.listCount(), 0);
    EXPECT_FALSE(f.cmdAddScales.enabled());
    EXPECT_EQ(reports(), (std::vector<std::string>{"cmdAddToDominionList", "cmdAddToScalesList"}));
}

TEST_F(Values, EntriesKeepTheNationOfTheirMoment) {
    f.txtDominion.setText("3");
    f.cmdAddToDominionList.click();
    choose(f.cboNation, "Landia");
    f.cmdAddToDominionList.click();
    f.cmdAddDominion.click();
    EXPECT_EQ(garrison(), crlf({"@2 ", "#dominionstr 12 3", "#dominionstr 40 3"}));

    f.cmdClearGarrison.click();
    f.lstDominionList.removeItem(0);
    f.cmdAddDominion.click();
    EXPECT_EQ(garrison(), crlf({"#dominionstr 40 3"}));
}

TEST_F(Values, ScalesRangeAndSentinel) {
    choose(f.cboScales, "#scale_chaos");
    for (const char* typed : {"-4", "-3", "0", "3", "4", "3.5", "-3.5"}) {
        f.txtScales.setText(typed);
        f.cmdAddToScalesList.click();
    }
    EXPECT_EQ(entries(f.lstScalesList),
              (std::vector<std::string>{"#scale_chaos 12 -3", "#scale_chaos 12 0", "#scale_chaos 12 3"}));
    EXPECT_TRUE(p.messages.empty());

    // With "-- no Scales" the value is not looked at.
    choose(f.cboScales, "-- no Scales");
    f.txtScales.setText("abc");
    f.cmdAddToScalesList.click();
    EXPECT_EQ(f.lstScalesList.item(3), "-- no scales");
    EXPECT_TRUE(p.messages.empty());

    choose(f.cboScales, "#scale_unmagic");
    f.cmdAddToScalesList.click();
    EXPECT_EQ(f.lstScalesList.listCount(), 4);
    EXPECT_EQ(reports(), (std::vector<std::string>{"cmdAddToScalesList"}));

    f.cmdAddScales.click();
    EXPECT_EQ(garrison(),
              crlf({"@4 ", "#scale_chaos 12 -3", "#scale_chaos 12 0", "#scale_chaos 12 3", "-- no scales"}));
}

TEST_F(Values, ScalesEnabling) {
    f.cmdAddToScalesList.click();  // the sentinel
    EXPECT_FALSE(f.cmdAddScales.enabled());
    choose(f.cboScales, "#scale_lazy");
    f.txtScales.setText("-2");
    f.cmdAddToScalesList.click();
    EXPECT_TRUE(f.cmdAddScales.enabled());
    f.lstScalesList.removeItem(0);
    f.cmdAddScales.click();
    EXPECT_EQ(garrison(), crlf({"#scale_lazy 12 -2"}));
}

}  // namespace
}  // namespace gs::test
