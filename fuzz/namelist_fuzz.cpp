// Quillmap's name-list index under the fuzzer: the names offered are exactly
// the lines ending in "_DATA2", without that ending, in file order.
#include <cstdint>

#include "check.h"
#include "model/table_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gs::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    const gs::LoadStatus status = gs::parseNameList(bytes, "N", names);
    if (!status) return 0;
    std::size_t next = 0;
    for (std::string_view line : splitLines(withoutByteOrderMark(bytes))) {
        if (line.size() < 6 || line.substr(line.size() - 6) != "_DATA2") continue;
        GS_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        GS_CHECK(next < names.size() && names[next] == line.substr(0, line.size() - 6));
        ++next;
    }
    GS_CHECK(next == names.size());
    return 0;
}
