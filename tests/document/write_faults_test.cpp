// Saving when the system refuses, for real: a missing folder, a folder in the
// file's place, or a write that stops half-way as on a full disk (the file
// size limit). Afterwards the message names the file and the system's
// reason, no file has lost a byte (an existing god file, GodList.txt's lines,
// RK.cfg), the author index stays and no temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "support/session.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

// While it lives, no file may grow beyond `bytes`: a longer write fails with EFBIG.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    }
    rlimit saved{};
    void (*handler)(int);
};

// The names in a folder, "" when it is missing.
std::string entries(const std::string& folder) {
    std::string names;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder)) names += entry.path().filename().string() + " ";
    return names;
}

enum class Fault { MissingFolder, FolderInPlace, WriteStopsHalfWay };

TEST(WriteFaults, AFailedSaveKeepsEveryFileWholeAndTheIndex) {
    using enum Fault;
    struct Case {
        const char* action;  // "add", "as", "list" (GodList.txt), "cfg" (RK.cfg after Save As)
        Fault fault;
        const char* message;
    } const cases[] = {
        {"add", MissingFolder, "File not saved!"},        {"add", FolderInPlace, "File not saved!"},
        {"add", WriteStopsHalfWay, "File not saved!"},    {"as", MissingFolder, "File not saved!"},
        {"as", WriteStopsHalfWay, "File not saved!"},     {"list", MissingFolder, "File not Added to GodList!"},
        {"list", FolderInPlace, "File not Added to GodList!"}, {"list", WriteStopsHalfWay, "File not Added to GodList!"},
        {"cfg", FolderInPlace, "Unable to update RK.cfg"}, {"cfg", WriteStopsHalfWay, "Unable to update RK.cfg"}};
    const std::string earlier = "Older1_5_A_EA_\r\nOlder2_5_A_EA_\r\n";
    const std::string old = "#population 7\r\n" + std::string(40, '#') + "\r\n";
    for (const Case& c : cases) {
        const std::string action = c.action;
        SCOPED_TRACE(action + " " + std::to_string(static_cast<int>(c.fault)));
        Session s;
        s.run("start");
        const std::string godBin = s.folder + "/Quillmap/GOD_BIN", list = s.folder + "/" + kGodListFile;
        const std::string cfg = s.folder + "/RK.cfg", oldCfg = readFile(cfg);
        writeFile(list, earlier);
        const std::string target = action == "add"    ? godBin + "/x.god"
                                   : action == "as"   ? s.folder + "/chosen/x.god"
                                   : action == "list" ? list
                                                      : cfg;
        const std::string folder = fs::path(target).parent_path().string();
        if (action != "list" && action != "cfg") writeFile(target, old);
        if (c.fault == MissingFolder) fs::remove_all(folder);
        if (c.fault == FolderInPlace) fs::remove(target), fs::create_directories(target + "/inside");
        const std::string before = entries(folder);
        if (action == "as" || action == "cfg") s.platform.dialogAnswers.push_back(action == "as" ? target : godBin + "/y.god");
        // The new god file is longer than the old one; the limit lets only the
        // write under test fail.
        const bool longText = action == "add" || action == "as";
        s.run("type txtGanFileName x");
        s.run("type txtGanFileFinal #population 100" + (longText ? "\\r\\n" + std::string(60, '#') : ""));
        {
            std::optional<FileSizeLimit> limit;
            if (c.fault == WriteStopsHalfWay)
                limit.emplace(action == "list" ? earlier.size() + 1 : action == "cfg" ? 40 : old.size() + 4);
            s.run(action == "add" || action == "list" ? "click cmdSaveAndAdd" : "click cmdSaveAs");
        }
        const int err = c.fault == MissingFolder ? ENOENT : c.fault == FolderInPlace ? EISDIR : EFBIG;
        ASSERT_EQ(s.platform.messages.size(), 1u);
        EXPECT_EQ(s.platform.messages[0].text, c.message);
        EXPECT_EQ(s.platform.messages[0].detail, target + ": " + std::strerror(err));
        EXPECT_EQ(entries(folder), before);
        if (c.fault == WriteStopsHalfWay) { EXPECT_EQ(readFile(target), action == "cfg" ? oldCfg : action == "list" ? earlier : old); }
        if (action != "list" && c.fault != MissingFolder) { EXPECT_EQ(readFile(list), earlier); }
        if (action != "cfg") { EXPECT_EQ(readFile(cfg), oldCfg); }
        if (action == "list") { EXPECT_EQ(readFile(godBin + "/x.god"), "#population 100\r\n"); }
        EXPECT_EQ(s.f.txtAuthorIndex.text(), "1");
    }
}

}  // namespace
}  // namespace gs::test
