// The god file round trip over generated inputs: any text read and written
// again is the same text; any composition the window can make, written and
// read again, is the same composition, and shows on the pages as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "document/form_io.h"
#include "support/god_file_print.h"
#include "support/session.h"

namespace gs::test {
namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& choices) {
        return choices[static_cast<std::size_t>(below(static_cast<int>(choices.size())))];
    }

    // Pieces of god files, line ends and stray bytes, up to `pieces` of them.
    std::string text(int pieces, const Vocabulary& v) {
        static const std::vector<std::string> kPieces = {
            "--Description: ", "--", "\r\n", "\r", "\n", "@", "0", "1", "2", "3", " landname", " feature",
            " knownfeature", "#feature ", "#knownfeature ", "#population ", "#poptype ", " --", "#killfeatures",
            "@RANDOM landname ", "\"Site\"", "x", " ", "#commander 12", "\xE6", std::string(1, '\0')};
        std::string out;
        for (int n = below(pieces + 1); n > 0; --n) {
            if (chance(10) && !v.popTypes.empty()) {
                const PopType& p = pick(v.popTypes);
                out += std::to_string(p.number) + " --" + p.name;
            } else if (chance(5) && !v.nameLists.empty()) {
                out += pick(v.nameLists);
            } else {
                out += pick(kPieces);
            }
        }
        return out;
    }
    // One line of a box that holds one line.
    std::string line(int pieces) {
        std::string out = text(pieces, {});
        std::erase_if(out, [](char c) { return c == '\r' || c == '\n'; });
        return out;
    }

    // A composition as the pages make it: names added from txtLandName, a
    // site list's entries as cmdAddFeature adds them, and a garrison block
    // that starts as the Step 3 builders write it.
    GodFile composition(const Vocabulary& v, const std::vector<std::string>& siteEntries) {
        GodFile g;
        if (chance(50)) g.description = text(8, v);
        for (int n = chance(50) ? below(4) : 0; n > 0; --n) g.names.push_back("\"" + line(4) + "x\"");
        if (g.names.empty() && chance(50) && !v.nameLists.empty()) g.nameList = pick(v.nameLists);
        if (chance(60)) g.population = line(4);
        if (chance(60) && !v.popTypes.empty()) g.popType = pick(v.popTypes);
        g.killFeatures = chance(50);
        for (int n = below(kSiteSlots + 1); n > 0; --n) {
            SiteList slot{chance(50), {}};
            for (int k = 1 + below(3); k > 0; --k) slot.candidates.push_back(pick(siteEntries));
            g.sites.push_back(slot);
        }
        static const std::vector<std::string> kBlocks = {
            "", "\r\n#pretender 1822 --\xC6ther Drake\r\n", "#item \"Emberbrand\"\r\n", "#dominion 3\r\n",
            "@2 units\r\n10 10 --Mossguard Spearman\r\n5 14 --Hollow Shade\r\n"};
        g.garrison = pick(kBlocks);
        if (!g.garrison.empty()) g.garrison += text(6, v);
        return g;
    }

private:
    std::mt19937 random_;
};

// How many generated inputs each property takes: GS_ROUND_TRIPS asks for a
// longer run (for example 1000000 under the sanitizers) than the tests' own.
int inputs(int usual) {
    const char* asked = std::getenv("GS_ROUND_TRIPS");
    return asked ? std::atoi(asked) : usual;
}

const Vocabulary kVocabulary{{{1, "Marsh Folk"}, {-7, "Deep --Sea"}, {25, ""}, {25, "Plains"}}, {"Hill Names", ""}};

TEST(RoundTrip, AnyTextReadAndWrittenIsTheSameText) {
    Generator gen(19);
    for (int i = 0, n = inputs(20000); i < n; ++i) {
        const std::string t = gen.text(40, kVocabulary);
        const GodFile g = read(t, kVocabulary);
        ASSERT_EQ(render(g), t) << escaped(t);
        ASSERT_EQ(read(render(g), kVocabulary), g) << escaped(t);
    }
}

TEST(RoundTrip, AnyCompositionWrittenAndReadIsTheSameComposition) {
    Generator gen(7);
    const std::vector<std::string> sites = {"\"Glimmering Fen\"", "\"Ashen Forge\"", "--no site", "\"\""};
    for (int i = 0, n = inputs(20000); i < n; ++i) {
        const GodFile g = gen.composition(kVocabulary, sites);
        ASSERT_EQ(read(render(g), kVocabulary), g) << escaped(render(g));
    }
}

TEST(RoundTrip, AnyCompositionShowsOnThePagesAsItWas) {
    Session s;
    s.run("start");
    const Vocabulary v = vocabulary(s.app.editor);
    ASSERT_EQ(v.popTypes.size(), 66u);
    ASSERT_EQ(v.nameLists, (std::vector<std::string>{"Marsh Names", "Hill Names"}));
    Generator gen(23);
    const std::vector<std::string> sites = {"\"Glimmering Fen\"", "\"Ashen Forge\"", "--no site"};
    for (int i = 0; i < 300; ++i) {
        const GodFile g = gen.composition(v, sites);
        toForm(g, s.app.editor);
        ASSERT_EQ(fromForm(s.app.editor), g) << escaped(render(g));
        s.run("tab SSTab1 3");
        ASSERT_EQ(s.f.txtGanFileFinal.text(), render(g));
        s.run("tab SSTab1 1");
    }
}

}  // namespace
}  // namespace gs::test
