// The god file's reader under the fuzzer.
//
// Properties, whatever the text:
// - writing what the reader makes of it gives back the text, byte for byte;
// - the garrison block is the text's end, unchanged;
// - reading that writing again gives the same value;
// - at most four site slots are filled, none empty, and a population is one line.
#include <cstdint>

#include "check.h"
#include "document/god_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const gs::Vocabulary vocabulary{{{1, "Marsh Folk"}, {-7, "Deep --Sea"}, {25, ""}}, {"Hill Names", ""}};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const gs::GodFile g = gs::read(text, vocabulary);
    const std::string written = gs::render(g);
    GS_CHECK(written == text);
    GS_CHECK(text.ends_with(g.garrison));
    GS_CHECK(gs::read(written, vocabulary) == g);
    GS_CHECK(g.sites.size() <= gs::kSiteSlots);
    for (const gs::SiteList& slot : g.sites) GS_CHECK(!slot.candidates.empty());
    GS_CHECK(g.population.find_first_of("\r\n") == std::string::npos);
    return 0;
}
