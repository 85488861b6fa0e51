// RK.cfg's reader under the fuzzer.
//
// Properties, whatever the bytes:
// - fewer than three lines fail with "ends after N of 3 lines" and keep the
//   values of the lines that were there;
// - a line 3 that is no 16-bit number fails, naming it, with the folder and
//   the author stored;
// - otherwise every value is the line's, and the item choices are lines 4
//   and following, each followed by one Tab;
// - the cause stays short.
#include <cstdint>

#include "check.h"
#include "model/config.h"
#include "model/editor.h"
#include "model/file_access.h"
#include "model/number.h"
#include "window/forms.h"

namespace {

// The configuration reader touches no platform service.
class NoPlatform : public gs::Platform {
public:
    void messageBox(const std::string&, const std::string&, const std::string&) override {}
    bool questionBox(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    std::optional<std::string> openFileDialog(const gs::DialogRequest&) override { return {}; }
    std::optional<std::string> saveFileDialog(const gs::DialogRequest&) override { return {}; }
    void openUrl(const std::string&) override {}
    std::optional<gs::PictureSize> pictureSize(const std::string&) override { return {}; }
    std::string programFolder() override { return {}; }
    void repeat(int, std::function<void()>) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gs::fuzz;
    static NoPlatform platform;
    static gs::Form1 form;
    static gs::Form2 splash;
    static gs::Editor e(form, splash, platform);
    const std::string kept = "\x01kept";
    e.QuillmapFolder = e.AuthorName = e.QuillmapItems = kept;
    e.AuthorIndex = -4321;

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const gs::LoadStatus status = gs::parseConfig(bytes, "C", e);
    if (status.cause.ends_with("8-bit text only") || status.cause.ends_with("holds a line break")) return 0;
    const std::vector<std::string_view> lines = splitLines(withoutByteOrderMark(bytes));
    GS_CHECK(status.cause.size() <= 1 + kLongestCause);
    GS_CHECK(e.ConfigReadWhole == status.ok);
    if (!lines.empty() && !gs::pathFault(lines[0]).empty()) {
        GS_CHECK(!status.ok && status.cause == "C: line 1: the path holds a control character");
        GS_CHECK(e.QuillmapFolder == kept && e.AuthorName == kept && e.AuthorIndex == -4321);
        return 0;
    }
    GS_CHECK(e.QuillmapFolder == (lines.size() >= 1 ? lines[0] : kept));
    GS_CHECK(e.AuthorName == (lines.size() >= 2 ? lines[1] : kept));
    if (lines.size() < 3) {
        GS_CHECK(!status.ok && status.cause == "C: ends after " + std::to_string(lines.size()) + " of 3 lines");
        GS_CHECK(e.AuthorIndex == -4321 && e.QuillmapItems == kept);
        return 0;
    }
    const gs::NumberResult index = gs::toInt16(lines[2]);
    if (!index.ok()) {
        GS_CHECK(!status.ok && status.cause.starts_with("C: line 3: \""));
        GS_CHECK(status.cause.ends_with(index.error == gs::NumberError::OutOfRange ? "\" is out of range"
                                                                                   : "\" is not a number"));
        GS_CHECK(e.AuthorIndex == -4321 && e.QuillmapItems == kept);
        return 0;
    }
    GS_CHECK(status.ok && status.cause.empty() && e.AuthorIndex == index.value);
    std::string items;
    for (std::size_t i = 3; i < lines.size(); ++i) (items += lines[i]) += '\t';
    GS_CHECK(e.QuillmapItems == items);
    return 0;
}
