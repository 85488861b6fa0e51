// The Items builder and the item filter.
#include "compose/step3.h"

namespace gs::test {
namespace {

class Items : public Step3 {
protected:
    // The offered item names after "No Item", and the first offered ones only.
    std::vector<std::string> offered(std::size_t atMost = 6) const {
        std::vector<std::string> out;
        for (int i = 1; i < f.cboItem.listCount() && out.size() < atMost; ++i) out.push_back(f.cboItem.item(i));
        return out;
    }
    int offeredCount() const { return f.cboItem.listCount() - 1; }
    void allFiltersOff() {
        f.chkINoArtifacts.setValue(CheckBox::Unchecked);
        f.chkINoSpecial.setValue(CheckBox::Unchecked);
    }
};

constexpr int kFillers = kItemRows - 1 - 5;

TEST_F(Items, StartOffersNeitherArtifactsNorSpecials) {
    EXPECT_EQ(f.cboItem.item(0), "No Item");
    EXPECT_EQ(f.cboItem.listIndex(), 0);
    EXPECT_EQ(offered(4), (std::vector<std::string>{"Emberbrand", "Firecoat", "Deep Charm", "Filler Item 5"}));
    EXPECT_EQ(offeredCount(), 3 + kFillers);
    EXPECT_EQ(e.ItemIndex[0], -1);
    EXPECT_EQ(e.ItemIndex[1], 1);
    EXPECT_EQ(e.ItemIndex[2], 4);
    EXPECT_EQ(e.ItemIndex[3], 5);
}

TEST_F(Items, NoFilterOffersEveryItemInTableOrder) {
    allFiltersOff();
    ASSERT_EQ(offeredCount(), kItemRows - 1);
    for (int r = 0; r < kItemRows - 1; ++r) {
        EXPECT_EQ(f.cboItem.item(r + 1), e.Items[r].Name);
        EXPECT_EQ(e.ItemIndex[r + 1], e.Items[r].Number);
    }
}

TEST_F(Items, ArtifactAndSpecialPairsExcludeEachOther) {
    f.chkIArtifacts.click();
    EXPECT_EQ(f.chkINoArtifacts.value(), CheckBox::Unchecked);
    EXPECT_EQ(offered(), (std::vector<std::string>{"Crown of Stars"}));
    EXPECT_EQ(e.ItemIndex[1], 2);

    f.chkINoArtifacts.click();
    EXPECT_EQ(f.chkIArtifacts.value(), CheckBox::Unchecked);
    EXPECT_EQ(offeredCount(), 3 + kFillers);

    f.chkISpecial.click();
    EXPECT_EQ(f.chkINoSpecial.value(), CheckBox::Unchecked);
    EXPECT_EQ(offered(), (std::vector<std::string>{"Old Boots"}));

    // "= Special" with "= Artifact": no class is both.
    f.chkIArtifacts.click();
    EXPECT_EQ(f.cboItem.items(), (std::vector<std::string>{"No Item"}));
    f.chkISpecial.click();  // off again
    EXPECT_EQ(offered(), (std::vector<std::string>{"Crown of Stars"}));
}

TEST_F(Items, PathsLookAtTheirOwnField) {
    allFiltersOff();
    f.chkIP1.click();
    EXPECT_TRUE(f.cboIP1.enabled());
    choose(f.cboIP1, "F");
    EXPECT_EQ(offered(), (std::vector<std::string>{"Emberbrand"}));  // Firecoat's fire is its second path
    f.chkIP1.click();
    EXPECT_FALSE(f.cboIP1.enabled());

    f.chkIP2.click();
    choose(f.cboIP2, "F");
    EXPECT_EQ(offered(), (std::vector<std::string>{"Firecoat"}));
    choose(f.cboIP2, "A");
    EXPECT_EQ(offered(), (std::vector<std::string>{"Crown of Stars"}));
}

TEST_F(Items, LevelsKeepUpToTheLimitAndPlaceholdersPass) {
    allFiltersOff();
    f.chkIL1.click();
    EXPECT_TRUE(f.cboIL1.enabled());
    choose(f.cboIL1, " 2");
    EXPECT_EQ(offered(4), (std::vector<std::string>{"Emberbrand", "Old Boots", "Firecoat", "Filler Item 5"}));
    EXPECT_EQ(offeredCount(), 3 + kFillers);

    f.chkIP1.click();
    choose(f.cboIP1, "E");
    EXPECT_EQ(offered(), (std::vector<std::string>{"Old Boots"}));
    choose(f.cboIL1, " 1");
    EXPECT_EQ(offeredCount(), 0);

    f.chkIP1.click();
    f.chkIL1.click();
    EXPECT_FALSE(f.cboIL1.enabled());
    f.chkIL2.click();
    choose(f.cboIL2, " 1");  // every row passes: level 1 or the placeholder
    EXPECT_EQ(offeredCount(), kItemRows - 1);
}

TEST_F(Items, CategoryTexts) {
    allFiltersOff();
    choose(f.cboItemCategory, "helm");
    EXPECT_EQ(offered(), (std::vector<std::string>{"Crown of Stars"}));
    choose(f.cboItemCategory, "misc");
    EXPECT_EQ(offered(2), (std::vector<std::string>{"Deep Charm", "Filler Item 5"}));
    EXPECT_EQ(offeredCount(), 1 + kFillers);
    choose(f.cboItemCategory, "shield");
    EXPECT_EQ(offeredCount(), 0);
    choose(f.cboItemCategory, "None");
    EXPECT_EQ(offeredCount(), kItemRows - 1);
}

TEST_F(Items, FilterChangesDropTheSelection) {
    choose(f.cboItem, "Firecoat");
    f.chkIP1.click();
    EXPECT_EQ(f.cboItem.listIndex(), 0);
}

TEST_F(Items, EntriesAndEnabling) {
    f.cmdAddItem.setEnabled(false);
    f.cmdAddToItemList.click();  // "No Item"
    EXPECT_EQ(entries(f.lstItemList), (std::vector<std::string>{"-- no item"}));
    EXPECT_FALSE(f.cboQuillmapItem.enabled());
    EXPECT_FALSE(f.cboGameRandomItem.enabled());
    EXPECT_FALSE(f.cmdAddItem.enabled());

    choose(f.cboItem, "Emberbrand");
    f.cmdAddToItemList.click();
    EXPECT_EQ(f.lstItemList.item(1), "\"Emberbrand\"");
    EXPECT_TRUE(f.cmdAddItem.enabled());

    f.cmdAddItem.click();
    EXPECT_EQ(garrison(), crlf({"@2 additem", "-- no item", "\"Emberbrand\""}));
    f.cmdClearGarrison.click();
    f.lstItemList.removeItem(0);
    f.cmdAddItem.click();
    EXPECT_EQ(garrison(), crlf({"#additem \"Emberbrand\""}));
}

TEST_F(Items, FallbacksOfAnEmptyList) {
    f.cmdAddItem.click();
    EXPECT_EQ(garrison(), crlf({"#randomequip 0"}));

    f.cmdClearGarrison.click();
    choose(f.cboGameRandomItem, " 3");
    f.cmdAddItem.click();
    EXPECT_EQ(garrison(), crlf({"#randomequip 3"}));

    f.cmdClearGarrison.click();
    choose(f.cboQuillmapItem, "Spare Blades");
    EXPECT_FALSE(f.cboGameRandomItem.enabled());
    f.cmdAddItem.click();
    EXPECT_EQ(garrison(), crlf({"@RANDOM additem Spare Blades"}));

    choose(f.cboQuillmapItem, "Let Velm generate.");
    EXPECT_TRUE(f.cboGameRandomItem.enabled());
}

}  // namespace
}  // namespace gs::test
