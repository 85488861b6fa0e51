#include "finder_fixture.h"
#include "finders/finders.h"

namespace gs::test {
namespace {

class SiteListsTest : public FinderTest {
protected:
    SiteListsTest() {
        e.Sites[0] = blankSite(11, "Glimmering Fen");
        e.Sites[0].RecUnitNumber[0] = 10;
        e.Sites[0].RecUnitName[0] = "Mossguard Spearman";
        e.Sites[1] = blankSite(12, "Ashen Forge");
        e.Sites[2] = blankSite(13, "Salt Spire");
        f.SSTab3.setTabCaptions({"Site 1", "Site 2", "Site 3", "Site 4"});
        f.cmdSApplyFilters.click();
    }
    // Picks a site in the finder and adds it to slot i.
    void add(int i, const std::string& site) {
        pickSite(site);
        f.cmdAddFeature[i].click();
    }
    const std::vector<i16>& numbers(int i) const { return e.SiteListNumbers[i]; }
    // The first line of the site description.
    std::string shownSite() const {
        const std::string& d = f.txtSiteDescription.text();
        return d.substr(0, d.find("\r\n"));
    }
};

TEST_F(SiteListsTest, AddKeepsEntriesAndNumbersParallel) {
    add(0, "Glimmering Fen");
    add(0, "Glimmering Fen");
    add(0, "None");
    add(2, "Salt Spire");
    EXPECT_EQ(f.lstFeatureList[0].items(),
              (std::vector<std::string>{"\"Glimmering Fen\"", "\"Glimmering Fen\"", "--no site"}));
    EXPECT_EQ(numbers(0), (std::vector<i16>{11, 11, -1}));
    EXPECT_EQ(f.lstFeatureList[2].items(), std::vector<std::string>{"\"Salt Spire\""});
    EXPECT_EQ(numbers(2), std::vector<i16>{13});
    EXPECT_TRUE(f.lstFeatureList[1].items().empty());

    // Adding changes neither the list's selection nor the site shown.
    pickSite("Ashen Forge");
    f.lstFeatureList[0].setListIndex(1);
    pickSite("Salt Spire");
    f.cmdAddFeature[0].click();
    EXPECT_EQ(f.lstFeatureList[0].listIndex(), 1);
    EXPECT_EQ(shownSite(), "13 Salt Spire");
}

TEST_F(SiteListsTest, ClickShowsTheEntrysSite) {
    add(1, "Glimmering Fen");
    add(1, "None");
    f.lstFeatureList[1].setListIndex(0);
    EXPECT_EQ(shownSite(), "11 Glimmering Fen");
    EXPECT_EQ(f.lblRecUnit[0].caption(), "10");
    f.lstFeatureList[1].setListIndex(1);
    EXPECT_EQ(f.txtSiteDescription.text(), "NO SITE SELECTED.");
    expectEmpty(f.lblRecUnit[0]);
}

TEST_F(SiteListsTest, DoubleClickRemovesTheSelectedEntry) {
    add(0, "Glimmering Fen");
    add(0, "Ashen Forge");
    add(0, "Salt Spire");
    f.lstFeatureList[0].setListIndex(1);
    f.lstFeatureList[0].dblClick();
    EXPECT_EQ(f.lstFeatureList[0].items(), (std::vector<std::string>{"\"Glimmering Fen\"", "\"Salt Spire\""}));
    EXPECT_EQ(numbers(0), (std::vector<i16>{11, 13}));
    // The first remaining entry is selected and shown.
    EXPECT_EQ(f.lstFeatureList[0].listIndex(), 0);
    EXPECT_EQ(shownSite(), "11 Glimmering Fen");
    f.lstFeatureList[0].setListIndex(1);
    EXPECT_EQ(shownSite(), "13 Salt Spire");

    // Nothing selected: nothing removed.
    f.lstFeatureList[0].setListIndex(-1);
    f.lstFeatureList[0].dblClick();
    EXPECT_EQ(f.lstFeatureList[0].listCount(), 2);

    f.lstFeatureList[0].setListIndex(0);
    f.lstFeatureList[0].dblClick();
    f.lstFeatureList[0].dblClick();
    EXPECT_TRUE(f.lstFeatureList[0].items().empty());
    EXPECT_TRUE(numbers(0).empty());
    EXPECT_EQ(f.txtSiteDescription.text(), "NO SITE SELECTED.");
    expectEmpty(f.lblRecUnit[0]);
}

TEST_F(SiteListsTest, TabChangeShowsTheFirstEntryOfTheNewSlot) {
    add(1, "Glimmering Fen");
    add(1, "Salt Spire");
    f.lstFeatureList[1].setListIndex(1);
    pickSite("Ashen Forge");

    f.SSTab3.setTab(1);
    EXPECT_EQ(f.cboFeature.listIndex(), 0);
    EXPECT_EQ(f.lstFeatureList[1].listIndex(), 0);
    EXPECT_EQ(shownSite(), "11 Glimmering Fen");
    EXPECT_EQ(f.lblRecUnit[0].caption(), "10");

    f.SSTab3.setTab(3);
    EXPECT_EQ(f.txtSiteDescription.text(), "NO SITE SELECTED.");
    expectEmpty(f.lblRecUnit[0]);
}

TEST_F(SiteListsTest, AFullListTakesNoMore) {
    for (int k = 0; k < kSiteListCapacity; ++k) add(3, "Ashen Forge");
    add(3, "Salt Spire");
    EXPECT_EQ(f.lstFeatureList[3].listCount(), 566);
    EXPECT_EQ(numbers(3).size(), 566u);
    EXPECT_EQ(f.lstFeatureList[3].item(565), "\"Ashen Forge\"");
}

TEST_F(SiteListsTest, AListEmptiedElsewhereStartsItsNumbersAfresh) {
    add(0, "Glimmering Fen");
    add(0, "Ashen Forge");
    f.lstFeatureList[0].clear();  // as "Clear All" does
    add(0, "Salt Spire");
    EXPECT_EQ(numbers(0), std::vector<i16>{13});
    f.lstFeatureList[0].setListIndex(0);
    EXPECT_EQ(shownSite(), "13 Salt Spire");
}

}  // namespace
}  // namespace gs::test
