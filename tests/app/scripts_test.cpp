// Whole user sessions kept as scripts under tests/data/scripts: each script's
// commands run on a fresh test installation, and everything the editor shows,
// says and writes must equal the transcript stored with them (see
// support/session.h; GS_TEST_RECORD=1 rewrites the transcripts).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/session.h"

namespace gs::test {
namespace {

std::vector<std::string> scripts() {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GS_TEST_DATA) + "/scripts"))
        out.push_back(entry.path().stem().string());
    std::sort(out.begin(), out.end());
    return out;
}

class Script : public ::testing::TestWithParam<std::string> {};

TEST_P(Script, ShowsSaysAndWritesWhatTheTranscriptHolds) {
    const std::string name = "scripts/" + GetParam() + ".txt";
    expectDataFile(name, runScript(dataFile(name)));
}

INSTANTIATE_TEST_SUITE_P(Sessions, Script, ::testing::ValuesIn(scripts()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace gs::test
