// The composition between the window and the value: what the pages show is
// the value, and a value put back shows on the pages as it was composed.
#include <gtest/gtest.h>

#include "document/form_io.h"
#include "support/god_file_print.h"
#include "support/session.h"

namespace gs::test {
namespace {

struct Composed : Session {
    Composed() {
        for (const char* command :
             {"start", "type txtGanFileDesc Old keep\\r\\nwalls", "type txtLandName Alpha", "click cmdAddToNameList",
              "type txtLandName Beta", "click cmdAddToNameList", "type txtPopulation 900", "index cboPopType 1",
              "pick cboFeature Ashen Forge", "click cmdAddFeature(2)", "index cboFeature 0", "click cmdAddFeature(2)",
              "click chkKnown(2)", "click chkKnown(3)", "pick cboFeature Glimmering Fen", "click cmdAddFeature(0)",
              "click chkKillFeatures", "type txtGarrison #units 5 12\\r\\n"})
            run(command);
    }
    Editor& e = app.editor;
};

TEST(FormValue, IsWhatThePagesShowAndShowsAgainAfterClearAll) {
    Composed s;
    GodFile expected;
    expected.description = "Old keep\r\nwalls";
    expected.names = {"\"Alpha\"", "\"Beta\""};
    expected.population = "900";
    expected.popType = PopType{1, "Marsh Folk"};
    expected.killFeatures = true;
    expected.sites = {{false, {"\"Glimmering Fen\""}}, {true, {"\"Ashen Forge\"", "--no site"}}};
    expected.garrison = "#units 5 12\r\n";
    const GodFile g = fromForm(s.e);
    EXPECT_EQ(g, expected);

    s.run("tab SSTab1 3");
    const std::string text = s.f.txtGanFileFinal.text();
    EXPECT_EQ(text, render(g));
    EXPECT_EQ(read(text, vocabulary(s.e)), g);

    s.run("tab SSTab3 2");
    const std::string site = s.run("show txtSiteDescription");

    s.run("click cmdClearAll");
    toForm(g, s.e);
    EXPECT_EQ(fromForm(s.e), g);
    EXPECT_EQ(s.run("items lstFeatureList(1)"), "  | \"Ashen Forge\"\n  | --no site\n");
    EXPECT_EQ(s.run("show chkKnown(1) chkKnown(2) cboNameDataList cboPopType"),
              "  chkKnown(1) = value 1\n  chkKnown(2) = value 0\n"
              "  cboNameDataList = [0/3] Let Velm name the province. (disabled)\n  cboPopType = [1/67] Marsh Folk\n");
    // The listed site shows its description, as when it was added (the
    // filled slots go to the first tabs).
    s.run("tab SSTab3 1");
    EXPECT_EQ(s.run("show txtSiteDescription"), site);
    EXPECT_NE(site.find("Ashen Forge"), std::string::npos);
    s.run("tab SSTab1 3");
    EXPECT_EQ(s.f.txtGanFileFinal.text(), text);

    // A Quillmap name list comes back as the picked entry.
    GodFile named;
    named.nameList = "Hill Names";
    toForm(named, s.e);
    EXPECT_EQ(fromForm(s.e), named);
}

}  // namespace
}  // namespace gs::test
