// Saving when the disk refuses: each write fails for real (a missing
// folder, a folder that refuses writes even to root, a full file system)
// and afterwards the message names the fault and no file has lost a byte:
// an existing god file keeps its bytes, GodList.txt keeps its lines, RK.cfg
// and the author index stay, and no temporary file is left behind.
#include "support/write_faults.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

// The names in a folder (none when it is missing), without the filler.
std::set<std::string> entries(const std::string& folder) {
    std::set<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    names.erase(FullFolder::kFiller);
    return names;
}

enum class Fault { Missing, NotWritable, DiskFull };
const char* const kFaultNames[] = {"FolderMissing", "FolderNotWritable", "DiskFull"};

// One fault on one folder for the lifetime of the object; the files the
// test puts there first are written before the fault begins.
class FolderFault {
public:
    FolderFault(Fault fault, const std::string& folder, const std::map<std::string, std::string>& files) {
        error_ = make(fault, folder, files);
    }
    // 0 when the platform cannot make this fault (whyNot() says why).
    int error() const { return error_; }
    const std::string& whyNot() const { return whyNot_; }

private:
    int make(Fault fault, const std::string& folder, const std::map<std::string, std::string>& files) {
        if (fault == Fault::Missing) {
            fs::remove_all(folder);
            return ENOENT;
        }
        fs::create_directories(folder);
        if (fault == Fault::DiskFull && !full_.emplace(folder).active()) return cannot(full_->whyNot());
        for (const auto& [name, bytes] : files) writeFile(folder + "/" + name, bytes);
        if (fault == Fault::DiskFull) return full_->fill() ? ENOSPC : cannot(full_->whyNot());
        return locked_.emplace(folder).active() ? locked_->error() : cannot(locked_->whyNot());
    }
    int cannot(const std::string& why) {
        whyNot_ = why;
        return 0;
    }

    std::optional<FullFolder> full_;
    std::optional<UnwritableFolder> locked_;
    int error_ = 0;
    std::string whyNot_;
};

class SaveFaults : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        app.start();
        ASSERT_TRUE(platform.messages.empty());
        writeFile(godList, earlier);
        f.txtGanFileName.setText(kName);
        f.txtGanFileFinal.setText("#population 100\r\n#units 5 12");
    }

    bool missing() const { return GetParam() == Fault::Missing; }
    void expectMessage(const char* text, const std::string& path, int err) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].title, text);
        EXPECT_EQ(platform.messages[0].detail, path + ": " + std::strerror(err));
    }
    void expectIndexNotAdvanced() {
        EXPECT_EQ(readFile(config), oldConfig);
        EXPECT_EQ(f.txtAuthorIndex.text(), "1");
        EXPECT_EQ(app.editor.AuthorIndex, 1);
    }

    static constexpr const char* kName = "Test1_5_A_EA_";
    static constexpr const char* kOldGodFile = "#population 7\r\n";
    static constexpr const char* kNewGodFile = "#population 100\r\n#units 5 12\r\n";

    // Earlier lines of GodList.txt that end 5 bytes before a page of the file
    // system ends: on a full disk the start of a new line still fits into the
    // file's last page and the rest does not, so the half-written line must
    // be taken back.
    static std::string earlierLines() {
        const std::size_t size = 2 * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) - 5;
        std::string lines;
        for (int n = 1; lines.size() + 40 < size; ++n) lines += "Older" + std::to_string(n) + "_5_A_EA_\r\n";
        return lines + std::string(size - lines.size() - 2, 'x') + "\r\n";
    }

    std::string earlier = earlierLines();
    std::string root = makeInstallation();
    std::string godBin = root + "/" + kGodBinDir;
    std::string listCrate = root + "/Quillmap/LIST_CRATE";
    std::string godFile = godBin + "/" + kName + ".god";
    std::string godList = root + "/" + kGodListFile;
    std::string config = root + "/" + kConfigFile;
    std::string oldConfig = readFile(config);
    FakePlatform platform{root};
    App app{platform};
    Form1& f = app.form;
};

TEST_P(SaveFaults, SaveAndAddKeepsAnExistingGodFileTheIndexAndTheConfiguration) {
    FolderFault fault(GetParam(), godBin, {{std::string(kName) + ".god", kOldGodFile}});
    if (!fault.error()) GTEST_SKIP() << fault.whyNot();
    const std::set<std::string> before = entries(godBin);
    f.cmdSaveAndAdd.click();

    expectMessage("File not saved!", godFile, fault.error());
    EXPECT_EQ(readFile(godFile), missing() ? "" : kOldGodFile);
    EXPECT_EQ(entries(godBin), before);
    EXPECT_EQ(readFile(godList), earlier);
    expectIndexNotAdvanced();
}

TEST_P(SaveFaults, SaveAsKeepsAnExistingFileAndTheConfiguration) {
    const std::string folder = root + "/chosen";
    const std::string chosen = folder + "/mine.god";
    FolderFault fault(GetParam(), folder, {{"mine.god", kOldGodFile}});
    if (!fault.error()) GTEST_SKIP() << fault.whyNot();
    const std::set<std::string> before = entries(folder);
    platform.dialogAnswers.push_back(chosen);
    f.cmdSaveAs.click();

    expectMessage("File not saved!", chosen, fault.error());
    EXPECT_EQ(readFile(chosen), missing() ? "" : kOldGodFile);
    EXPECT_EQ(entries(folder), before);
    EXPECT_EQ(readFile(godList), earlier);
    expectIndexNotAdvanced();
}

TEST_P(SaveFaults, AddingToGodListKeepsItsLinesAndTheIndexButTheGodFileStays) {
    FolderFault fault(GetParam(), listCrate, {{"GodList.txt", earlier}});
    if (!fault.error()) GTEST_SKIP() << fault.whyNot();
    const std::set<std::string> before = entries(listCrate);
    f.cmdSaveAndAdd.click();

    expectMessage("File not Added to GodList!", godList, fault.error());
    EXPECT_EQ(readFile(godFile), kNewGodFile);
    EXPECT_EQ(readFile(godList), missing() ? "" : earlier);
    EXPECT_EQ(entries(listCrate), before);
    expectIndexNotAdvanced();
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaults, ::testing::Values(Fault::Missing, Fault::NotWritable, Fault::DiskFull),
                         [](const auto& info) { return kFaultNames[static_cast<int>(info.param)]; });

}  // namespace
}  // namespace gs::test
