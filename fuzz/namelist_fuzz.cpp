// Quillmap's name-list index under the fuzzer: the names offered are exactly
// the lines ending in "_DATA2", without that ending, in file order.
#include <cstdint>

#include "check.h"
#include "model/table_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gs::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = gs::parseNameList(bytes);
    std::size_t next = 0;
    for (std::string_view line : splitLines(bytes)) {
        if (line.size() < 6 || line.substr(line.size() - 6) != "_DATA2") continue;
        GS_CHECK(next < names.size() && names[next] == line.substr(0, line.size() - 6));
        ++next;
    }
    GS_CHECK(next == names.size());
    return 0;
}
