// The file text assembled on entering "Step 4".
#include "document/assembly.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "app/app.h"

namespace {

class AssemblyTest : public ::testing::Test {
protected:
    gs::test::FakePlatform platform;
    gs::App app{platform};
    gs::Form1& f = app.form;

    void SetUp() override {
        f.cboNameDataList.addItem("--None--");
        f.cboNameDataList.addItem("ELF_NAMES_DATA2");
        f.cboPopType.addItem("None");
        app.editor.PopTypes[0] = {.Number = 3, .Name = "Hill Folk"};
        app.editor.PopTypes[1] = {.Number = 25, .Name = "Plains"};
        app.editor.PopTypes[2] = {.Number = -7, .Name = "Odd"};
        for (int i = 0; i < 3; ++i) f.cboPopType.addItem(app.editor.PopTypes[i].Name);
    }

    // The user opens "Step 4" from another page.
    std::string enterStep4() {
        f.SSTab1.setTab(0);
        f.SSTab1.setTab(3);
        return f.txtGanFileFinal.text();
    }
};

TEST_F(AssemblyTest, WorkedExampleLineForLine) {
    f.txtGanFileDesc.setText("First line\r\nSecond line");
    f.lstNameList.addItem("\"Alpha\"");
    f.lstNameList.addItem("\"Beta\"");
    f.txtPopulation.setText("5000");
    f.cboPopType.setListIndex(2);
    f.chkKillFeatures.setValue(1);
    f.lstFeatureList[0].addItem("\"Site A\"");
    f.chkKnown[1].setValue(1);
    f.lstFeatureList[1].addItem("\"Site B\"");
    f.lstFeatureList[1].addItem("\"Site C\"");
    f.txtGarrison.setText("#commander 412\r\n#units 10 55\r\n");

    EXPECT_EQ(enterStep4(),
              "--Description: \r\n"
              "--First line\r\n"
              "--Second line\r\n"
              "\r\n"
              "@2 landname\r\n"
              "\"Alpha\"\r\n"
              "\"Beta\"\r\n"
              "#population 5000\r\n"
              "#poptype 25 --Plains\r\n"
              "#killfeatures\r\n"
              "#feature \"Site A\"\r\n"
              "@2 knownfeature\r\n"
              "\"Site B\"\r\n"
              "\"Site C\"\r\n"
              "#commander 412\r\n"
              "#units 10 55\r\n");
}

TEST_F(AssemblyTest, DescriptionBecomesCommentLines) {
    f.txtGanFileDesc.setText("x");
    EXPECT_EQ(enterStep4(), "--Description: \r\n--x\r\n\r\n");
    f.txtGanFileDesc.setText("x\r\n");
    EXPECT_EQ(enterStep4(), "--Description: \r\n--x\r\n--\r\n\r\n");
    // Only a full CR LF starts a new comment line.
    f.txtGanFileDesc.setText("a\rb\nc");
    EXPECT_EQ(enterStep4(), "--Description: \r\n--a\rb\nc\r\n\r\n");
}

TEST_F(AssemblyTest, ProvinceNamesAndNameListFallback) {
    // An empty window, first name-list entry: no line at all, and earlier text is gone.
    f.txtGanFileFinal.setText("left over");
    f.cboNameDataList.setListIndex(0);
    EXPECT_EQ(enterStep4(), "");
    f.cboNameDataList.setListIndex(1);
    EXPECT_EQ(enterStep4(), "@RANDOM landname ELF_NAMES_DATA2\r\n");
    // One name still takes the count line; names win over the name list.
    f.lstNameList.addItem("\"Alpha\"");
    EXPECT_EQ(enterStep4(), "@1 landname\r\n\"Alpha\"\r\n");
}

TEST_F(AssemblyTest, PopulationAndPopTypeWrittenAsHeld) {
    f.txtPopulation.setText("lots");
    f.cboPopType.setListIndex(3);
    EXPECT_EQ(enterStep4(), "#population lots\r\n#poptype -7 --Odd\r\n");
    f.txtPopulation.setText("");
    f.cboPopType.setListIndex(1);
    EXPECT_EQ(enterStep4(), "#poptype 3 --Hill Folk\r\n");
    f.cboPopType.setListIndex(0);
    EXPECT_EQ(enterStep4(), "");
}

TEST_F(AssemblyTest, SiteSlotsInSlotOrderWithKnownAndUnknownForms) {
    // Slot 0: known, one entry; slot 1: unknown, two; slot 2: known, none;
    // slot 3: unknown, one.
    f.chkKnown[0].setValue(1);
    f.lstFeatureList[0].addItem("\"Well\"");
    f.lstFeatureList[1].addItem("\"Grove\"");
    f.lstFeatureList[1].addItem("--no site");
    f.chkKnown[2].setValue(1);
    f.lstFeatureList[3].addItem("\"Cave\"");
    f.SSTab3.setTab(2);
    EXPECT_EQ(enterStep4(),
              "#knownfeature \"Well\"\r\n"
              "@2 feature\r\n\"Grove\"\r\n--no site\r\n"
              "#feature \"Cave\"\r\n");

    f.chkKnown[0].setValue(0);
    f.chkKnown[1].setValue(1);
    f.chkKnown[3].setValue(1);
    EXPECT_EQ(enterStep4(),
              "#feature \"Well\"\r\n"
              "@2 knownfeature\r\n\"Grove\"\r\n--no site\r\n"
              "#knownfeature \"Cave\"\r\n");
}

TEST_F(AssemblyTest, GreyedKnownCountsAsKnownGreyedKillFeaturesDoesNot) {
    f.chkKnown[2].setValue(gs::CheckBox::Grayed);
    f.lstFeatureList[2].addItem("\"Well\"");
    f.chkKillFeatures.setValue(gs::CheckBox::Grayed);
    EXPECT_EQ(enterStep4(), "#knownfeature \"Well\"\r\n");
}

TEST_F(AssemblyTest, GarrisonCopiedUnchangedWithoutAddedLineEnd) {
    f.txtPopulation.setText("100");
    f.txtGarrison.setText("#units 5 12");
    EXPECT_EQ(enterStep4(), "#population 100\r\n#units 5 12");
}

TEST_F(AssemblyTest, EnteringStep4RebuildsNameAndTextOnlyThere) {
    f.txtFileNamePreview.setText("Ann7_12_A_EA_");
    f.txtPopulation.setText("300");
    EXPECT_EQ(enterStep4(), "#population 300\r\n");
    EXPECT_EQ(f.txtGanFileName.text(), "Ann7_12_A_EA_");

    // The user's edits on "Step 4" stay while other pages are visited...
    f.txtGanFileName.setText("mine");
    f.txtGanFileFinal.setText("edited");
    f.SSTab1.setTab(1);
    f.SSTab1.setTab(2);
    f.SSTab1.setTab(0);
    EXPECT_EQ(f.txtGanFileName.text(), "mine");
    EXPECT_EQ(f.txtGanFileFinal.text(), "edited");

    // ...and are replaced on entering it again; twice gives the same text.
    f.SSTab1.setTab(3);
    EXPECT_EQ(f.txtGanFileName.text(), "Ann7_12_A_EA_");
    EXPECT_EQ(f.txtGanFileFinal.text(), "#population 300\r\n");
    EXPECT_EQ(enterStep4(), "#population 300\r\n");
}

}  // namespace
