// Step 1: the nation list of the chosen era and the generated file name.
#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "app/app.h"

namespace gs::test {
namespace {

class Header : public ::testing::Test {
protected:
    Header() {
        e.Nations[0] = {"EA", 12, "SEA", "Example"};
        e.Nations[1] = {"EA", 5, "", "Fiveland"};
        e.Nations[2] = {"LA", 40, "", "Landia"};
        e.Nations[3] = {"LA", 41, "sea", "Lowsea"};
        e.Nations[4] = {"LA", 42, "SEA ", "Blanksea"};
        e.Nations[5] = {"LA", -3, "SEA", "Minus"};
        e.Nations[64] = {"LA", 99, "", "Lastrow"};
        e.Nations[65] = {"LA", 98, "", "Beyond"};  // the spare row is never read
        for (const char* era : {"Early", "Middle", "Late"}) f.cboEra.addItem(era);
        for (const char* method : {"Add", "Replace"}) f.cboMethod.addItem(method);
        f.cboMethod.setListIndex(0);
        f.cboEra.setListIndex(0);
        f.txtAuthor.setText("Ann");
        f.txtAuthorIndex.setText("7");
    }

    const std::string& preview() const { return f.txtFileNamePreview.text(); }

    FakePlatform p;
    App app{p};
    Editor& e = app.editor;
    Form1& f = app.form;
};

TEST_F(Header, WorkedExamples) {
    EXPECT_EQ(preview(), "Ann7_12_A_EA_SEA_");
    EXPECT_EQ(f.chkSea.value(), CheckBox::Checked);
    EXPECT_FALSE(f.chkSea.enabled());

    f.cboMethod.setListIndex(1);
    EXPECT_EQ(preview(), "Ann7_12_R_EA_SEA_");
    f.cboEra.setListIndex(2);
    EXPECT_EQ(preview(), "Ann7_40_R_LA_");
    EXPECT_EQ(f.chkSea.value(), CheckBox::Unchecked);
    EXPECT_FALSE(f.chkSea.enabled());
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Header, EraRefillsTheNationsAndSelectsTheFirst) {
    EXPECT_EQ(f.cboNation.items(), (std::vector<std::string>{"Example", "Fiveland"}));
    f.cboNation.setListIndex(1);
    EXPECT_EQ(preview(), "Ann7_5_A_EA_");

    f.cboEra.setListIndex(2);
    EXPECT_EQ(f.cboNation.items(), (std::vector<std::string>{"Landia", "Lowsea", "Blanksea", "Minus", "Lastrow"}));
    EXPECT_EQ(f.cboNation.listIndex(), 0);
    EXPECT_EQ((std::vector<std::int16_t>(e.NationIndex.begin(), e.NationIndex.begin() + 5)),
              (std::vector<std::int16_t>{40, 41, 42, -3, 99}));

    // Back to two nations: the entries above them keep their old numbers.
    f.cboEra.setListIndex(0);
    EXPECT_EQ((std::vector<std::int16_t>(e.NationIndex.begin(), e.NationIndex.begin() + 5)),
              (std::vector<std::int16_t>{12, 5, 42, -3, 99}));
}

// Only the exact "SEA" tags; a number shared by two rows takes the first
// row's tag, written once.
TEST_F(Header, SeaTagOnlyForExactlySEAOfTheFirstRow) {
    e.Nations[6] = {"LA", 12, "SEA", "Twin Sea"};
    e.Nations[7] = {"LA", 40, "SEA", "Landia Again"};
    f.cboEra.setListIndex(2);
    const std::pair<int, const char*> cases[] = {{1, "Ann7_41_A_LA_"},     {2, "Ann7_42_A_LA_"},
                                                 {3, "Ann7_-3_A_LA_SEA_"}, {4, "Ann7_12_A_LA_SEA_"},
                                                 {5, "Ann7_40_A_LA_"},     {0, "Ann7_40_A_LA_"}};
    for (const auto& [position, name] : cases) {
        f.cboNation.setListIndex(position);
        SCOPED_TRACE(name);
        EXPECT_EQ(preview(), name);
        EXPECT_EQ(f.chkSea.value(), std::string(name).ends_with("SEA_") ? CheckBox::Checked : CheckBox::Unchecked);
    }
}

TEST_F(Header, AuthorAndIndexAsTyped) {
    f.txtAuthor.setText("");
    EXPECT_EQ(preview(), "7_12_A_EA_SEA_");
    EXPECT_EQ(e.AuthorName, "");
    f.txtAuthor.setText(" Bo ");
    EXPECT_EQ(e.AuthorName, " Bo ");
    f.txtAuthorIndex.setText("007");
    EXPECT_EQ(preview(), " Bo 007_12_A_EA_SEA_");
    EXPECT_EQ(e.AuthorIndex, 7);
    f.txtAuthorIndex.setText(" 2.5 ");
    EXPECT_EQ(e.AuthorIndex, 2);  // halves go to the even neighbour
    f.txtAuthorIndex.setText("32767");
    EXPECT_EQ(e.AuthorIndex, 32767);
}

TEST_F(Header, IndexThatIsNoNumberKeepsThePreviousIndex) {
    for (const char* typed : {"", "abc", "40000", "-32769", "7x"}) {
        f.txtAuthorIndex.setText(typed);
        EXPECT_EQ(e.AuthorIndex, 7) << typed;
        EXPECT_EQ(preview(), "Ann" + std::string(typed) + "_12_A_EA_SEA_");
    }
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Header, EraWithoutNations) {
    f.cboEra.setListIndex(1);
    EXPECT_EQ(f.cboNation.listCount(), 0);
    EXPECT_EQ(preview(), "Ann7__A_MA_");
    EXPECT_EQ(f.chkSea.value(), CheckBox::Unchecked);
    f.txtAuthorIndex.setText("8");
    EXPECT_EQ(preview(), "Ann8__A_MA_");
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Header, EraIsIgnoredWhileLoading) {
    e.Loading = true;
    f.cboEra.setListIndex(2);
    EXPECT_EQ(f.cboNation.items(), (std::vector<std::string>{"Example", "Fiveland"}));
    EXPECT_EQ(preview(), "Ann7_12_A_EA_SEA_");
    e.Loading = false;
    f.cboEra.setListIndex(2);
    EXPECT_EQ(preview(), "Ann7_40_A_LA_");
}

}  // namespace
}  // namespace gs::test
