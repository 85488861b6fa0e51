// The rules of the god file without a window: the text a composition
// becomes, and what a text is read as.
#include <gtest/gtest.h>

#include "support/god_file_print.h"

namespace gs {
namespace {

const Vocabulary kVocabulary{{{25, "Plains"}, {-3, "Deep --Sea"}}, {"norse", ""}};

// Every section in its place: scripts/step4_assembly.txt and step4_opening.txt;
// here the forms the window reaches seldom.
TEST(GodFile, RendersTheRareFormsAndReadsThemBack) {
    GodFile one;
    one.description = "x\r\n";
    one.names = {"\"Solo\""};
    one.nameList = "norse";  // names win over a name list
    one.sites = {{true, {"--no site"}}};
    const std::string text = "--Description: \r\n--x\r\n--\r\n\r\n@1 landname\r\n\"Solo\"\r\n#knownfeature --no site\r\n";
    EXPECT_EQ(render(one), text);
    one.nameList.reset();
    EXPECT_EQ(read(text, kVocabulary), one);

    GodFile lists;
    lists.nameList = "";  // a name list whose name is empty is still a name list
    lists.popType = PopType{-3, "Deep --Sea"};
    EXPECT_EQ(render(lists), "@RANDOM landname \r\n#poptype -3 --Deep --Sea\r\n");
    EXPECT_EQ(read(render(lists), kVocabulary), lists);

    EXPECT_EQ(render(GodFile{}), "");
    EXPECT_EQ(read("", kVocabulary), GodFile{});
}

// Where the province lines end and the garrison block begins, for texts
// whose lines would not come back the same through the window.
TEST(GodFile, KeepsWhatItDoesNotTakeInTheGarrisonBlockUnchanged) {
    const struct {
        std::string text;
        std::size_t garrisonFrom;
    } cases[] = {
        {"#population \r\n#killfeatures\r\n", 0},                 // an empty population
        {"@RANDOM landname celtic\r\n", 0},                       // a name list Quillmap does not offer
        {"#poptype 25 --Plain\r\n", 0},                           // number and name match no row
        {"#poptype 025 --Plains\r\n", 0},                         // a number written otherwise
        {"#population 5\r\n#poptype 3 --Plains\r\n", 15},         //
        {"@1 feature\r\n\"A\"\r\n", 0},                           // one site is written on its own line
        {"@0 landname\r\n", 0},                                   //
        {"@02 landname\r\na\r\nb\r\n", 0},                        //
        {"@3 landname\r\na\r\nb\r\n", 0},                         // fewer names than counted
        {"#population 5", 0},                                     // no line end
        {"#population a\nb\r\n", 0},                              // a line break the box would cut
        {"--Description: \r\n--\r\n\r\n", 0},                     // an empty description
        {"--Description: \r\n--a\r\nb\r\n\r\n", 0},               // a line that is no comment
        {"#killfeatures\r\n#population 5\r\n", 15},               // out of order
        {"#killfeatures\r\n#killfeatures\r\n", 15},               // twice
        {"#feature a\r\n#feature b\r\n#feature c\r\n#feature d\r\n#feature e\r\n", 48},  // a fifth slot
        {"#population 5\r\n--Description: \r\n--a\r\n\r\n", 15},  //
        {"#commander 12\r\n#population 5\r\n", 0},                //
    };
    for (const auto& c : cases) {
        const GodFile g = read(c.text, kVocabulary);
        EXPECT_EQ(g.garrison, c.text.substr(c.garrisonFrom)) << c.text;
        EXPECT_EQ(render(g), c.text);
    }
}

}  // namespace
}  // namespace gs
