// The edge between the editor and the file system, met for real: FIFOs,
// devices, folders and huge files where a file is read; control characters
// in paths; read-only files and links where a file is replaced or appended
// to; long and non-ASCII names; a second editor on the same installation.
// Each case checks the exact message, the files' bytes and modes afterwards,
// and that nothing was written outside the installation.
#include <fcntl.h>
#include <linux/fs.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "model/installation_lock.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

// One installation and everything a case needs to name in it. In texts,
// "{I}" stands for the installation, "{Q}" for its Quillmap folder and
// "{X}" for a folder outside it.
struct Site {
    std::string inst = makeInstallation();
    std::string q = (fs::path(inst) / kQuillmapDir).string();
    std::string outside = makeTempFolder();

    std::string at(std::string text) const {
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"{I}", inst}, {"{Q}", q}, {"{X}", outside}})
            for (std::size_t p; (p = text.find(key)) != std::string::npos;) text.replace(p, key.size(), value);
        return text;
    }
    void fifo(const std::string& path) const {
        fs::remove(at(path));
        ASSERT_EQ(::mkfifo(at(path).c_str(), 0644), 0);
    }
    void link(const std::string& target, const std::string& path) const {
        fs::remove(at(path));
        fs::create_symlink(at(target), at(path));
    }
    void mode(const std::string& path, int bits) const { ASSERT_EQ(::chmod(at(path).c_str(), bits), 0); }
};

// Sets or clears a folder's immutable attribute (which holds even for root);
// 0 or the error.
int setImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int flags = 0;
    int err = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? 0 : errno;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    if (err == 0 && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) err = errno;
    ::close(fd);
    return err;
}

struct Shown {
    std::string text, detail;
};

void expectMessages(const Site& s, const FakePlatform& p, const std::vector<Shown>& want) {
    ASSERT_EQ(p.messages.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(p.messages[i].text, s.at(want[i].text)) << i;
        EXPECT_EQ(p.messages[i].detail, s.at(want[i].detail)) << i;
    }
}

// ---- Reading: only regular files, of a sane size, by a sane path ----------

struct ReadCase {
    const char* name;
    std::function<void(const Site&)> prepare;
    std::vector<Shown> messages;
    bool pictureShown = true;
};

const std::string kCfg = "{Q}\r\nTest Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n";

const ReadCase kReadCases[] = {
    {"ConfigFifo",
     [](const Site& s) { s.fifo("{I}/RK.cfg"); },
     {{"RK.cfg not found!", "{I}/RK.cfg: cannot be opened: not a regular file"}}},
    {"ConfigTooLarge",
     [](const Site& s) { writeFile(s.at("{I}/RK.cfg"), s.at(kCfg) + std::string(1 << 20, 'x')); },
     {{"RK.cfg not found!", "{I}/RK.cfg: cannot be read: too large (over 1 MiB)"}}},
    {"ConfigFolderWithNul",
     [](const Site& s) { writeFile(s.at("{I}/RK.cfg"), s.at("{X}/victim") + '\0' + s.at(kCfg)); },
     {{"RK.cfg not found!", "{I}/RK.cfg: line 1: the path holds a control character"}}},
    {"LocatedFolderWithNul",
     [](const Site& s) { writeFile(s.at("{I}/RK.cfg"), "\r\nTest Author\r\n1\r\n"); },
     {{"Quillmap path not retrieved!", "the path holds a control character"},
      {"NameList.txt not found!", "/LIST_CRATE/NameList.txt: cannot be opened: No such file or directory"}}},
    {"NameListFifo",
     [](const Site& s) { s.fifo("{Q}/LIST_CRATE/NameList.txt"); },
     {{"NameList.txt not found!", "{Q}/LIST_CRATE/NameList.txt: cannot be opened: not a regular file"}}},
    {"NameListDevZero",
     [](const Site& s) { s.link("/dev/zero", "{Q}/LIST_CRATE/NameList.txt"); },
     {{"NameList.txt not found!", "{Q}/LIST_CRATE/NameList.txt: cannot be opened: not a regular file"}}},
    {"NameListTooLarge",
     [](const Site& s) { fs::resize_file(s.at("{Q}/LIST_CRATE/NameList.txt"), (std::uintmax_t{64} << 20) + 1); },
     {{"NameList.txt not found!", "{Q}/LIST_CRATE/NameList.txt: cannot be read: too large (over 64 MiB)"}}},
    {"UnitTableIsFolder",
     [](const Site& s) {
         fs::remove(s.at("{I}/RKdata/UnitData.txt"));
         fs::create_directory(s.at("{I}/RKdata/UnitData.txt"));
     },
     {{"RKdata not found!", "{I}/RKdata/UnitData.txt: cannot be read: Is a directory"}}},
    {"StartPictureFifo", [](const Site& s) { s.fifo("{I}/RKsprites/1822.jpg"); }, {}, false},
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadEdges : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadEdges, StartUpNamesTheFaultAndNeverWaits) {
    const Site s;
    GetParam().prepare(s);
    FakePlatform platform(s.inst);
    platform.dialogAnswers.push_back(s.at("{X}/victim") + '\0' + s.at("{Q}/Quillmap.exe"));
    App app(platform);
    app.start();
    expectMessages(s, platform, GetParam().messages);
    EXPECT_TRUE(app.form.visible());
    EXPECT_EQ(app.form.picUnit.picturePath().empty(), !GetParam().pictureShown);
    EXPECT_TRUE(fs::is_empty(s.outside));
}

INSTANTIATE_TEST_SUITE_P(Files, ReadEdges, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A Quillmap folder far longer than any path: the box quotes its two ends.
TEST(ReadEdgesLongPath, CauseQuotesTheStartAndEndOfTheFolder) {
    const Site s;
    const std::string folder = "/" + std::string(200, 'a') + std::string(200, 'b');
    writeFile(s.at("{I}/RK.cfg"), folder + "\r\nTest Author\r\n1\r\n");
    FakePlatform platform(s.inst);
    App app(platform);
    app.start();
    expectMessages(s, platform,
                   {{"NameList.txt not found!", "/" + std::string(59, 'a') + "..." + std::string(36, 'b') +
                                                    "/LIST_CRATE/NameList.txt: cannot be opened: File name too long"}});
}

// ---- Saving: protections kept, links followed, names as the disk wants ----

struct FileState {
    std::string path;                  // with placeholders
    std::optional<std::string> bytes;  // nullopt: must not exist
    int mode = 0;                      // permission bits; 0: not checked
    bool isLink = false;
};

struct SaveCase {
    const char* name;
    std::function<void(const Site&, App&)> prepare;
    bool saveAndAdd;  // else "Save As" to {Q}/GOD_BIN/God.god
    std::vector<Shown> messages;
    std::vector<FileState> files;
};

const std::string kGod = "#x\r\n";
const std::string kNextCfg = "{Q}\r\nTest Author\r\n2\r\nSpare Blades\r\nTower Relics\r\n";
const Shown kSavedAndAdded = {"Saved to: {Q}/GOD_BIN/God.god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt", ""};
const FileState kCfgKept = {"{I}/RK.cfg", kCfg};
const FileState kCfgNext = {"{I}/RK.cfg", kNextCfg};
const FileState kGodWritten = {"{Q}/GOD_BIN/God.god", kGod};
const FileState kListKept = {"{Q}/LIST_CRATE/GodList.txt", ""};
const FileState kListAdded = {"{Q}/LIST_CRATE/GodList.txt", "God\r\n"};

const SaveCase kSaveCases[] = {
    {"ReadOnlyConfigKept",
     [](const Site& s, App&) { s.mode("{I}/RK.cfg", 0444); },
     true,
     {{"Unable to update RK.cfg", "{I}/RK.cfg: the file is read-only"}, kSavedAndAdded},
     {kGodWritten, kListAdded, {"{I}/RK.cfg", kCfg, 0444}}},
    {"ReadOnlyGodFileKept",
     [](const Site& s, App&) {
         writeFile(s.at("{Q}/GOD_BIN/God.god"), "old");
         s.mode("{Q}/GOD_BIN/God.god", 0444);
     },
     true,
     {{"File not saved!", "{Q}/GOD_BIN/God.god: the file is read-only"}},
     {{"{Q}/GOD_BIN/God.god", "old", 0444}, kListKept, kCfgKept}},
    {"ReadOnlyGodListKept",
     [](const Site& s, App&) { s.mode("{Q}/LIST_CRATE/GodList.txt", 0444); },
     true,
     {{"File not Added to GodList!", "{Q}/LIST_CRATE/GodList.txt: the file is read-only"}},
     {kGodWritten, {"{Q}/LIST_CRATE/GodList.txt", "", 0444}, kCfgKept}},
    {"ModesKept",
     [](const Site& s, App&) {
         writeFile(s.at("{Q}/GOD_BIN/God.god"), "old");
         s.mode("{Q}/GOD_BIN/God.god", 0604);
         s.mode("{I}/RK.cfg", 0640);
     },
     true,
     {kSavedAndAdded},
     {{"{Q}/GOD_BIN/God.god", kGod, 0604}, kListAdded, {"{I}/RK.cfg", kNextCfg, 0640}}},
    {"LinksWrittenThrough",
     [](const Site& s, App&) {
         fs::rename(s.at("{I}/RK.cfg"), s.at("{I}/RKdata/RK.cfg"));
         s.link("RKdata/RK.cfg", "{I}/RK.cfg");
         fs::rename(s.at("{Q}/LIST_CRATE/GodList.txt"), s.at("{Q}/GodList.txt"));
         s.link("{Q}/GodList.txt", "{Q}/LIST_CRATE/GodList.txt");
         s.link("../God.god", "{Q}/GOD_BIN/God.god");
     },
     true,
     {kSavedAndAdded},
     {{"{I}/RK.cfg", kNextCfg, 0, true},
      {"{I}/RKdata/RK.cfg", kNextCfg},
      {"{Q}/GOD_BIN/God.god", kGod, 0, true},
      {"{Q}/God.god", kGod},
      {"{Q}/LIST_CRATE/GodList.txt", "God\r\n", 0, true},
      {"{Q}/GodList.txt", "God\r\n"}}},
    {"GodListFifo",
     [](const Site& s, App&) { s.fifo("{Q}/LIST_CRATE/GodList.txt"); },
     true,
     {{"File not Added to GodList!", "{Q}/LIST_CRATE/GodList.txt: not a regular file"}},
     {kGodWritten, kCfgKept}},
    {"GodFileIsFolder",
     [](const Site& s, App&) { fs::create_directory(s.at("{Q}/GOD_BIN/God.god")); },
     true,
     {{"File not saved!", "{Q}/GOD_BIN/God.god: Is a directory"}},
     {kListKept, kCfgKept}},
    {"SaveAsPathWithLineBreak",
     [](const Site& s, App& app) {
         dynamic_cast<FakePlatform&>(app.editor.platform).dialogAnswers = {s.at("{Q}/GOD_BIN/Go\nd.god")};
     },
     false,
     {{"File not saved!", "{Q}/GOD_BIN/Go\nd.god: the path holds a control character"}},
     {{"{Q}/GOD_BIN/Go\nd.god", std::nullopt}, kCfgKept}},
    {"AuthorLineBreaksDropped",
     [](const Site&, App& app) { app.form.txtAuthor.setText("Ann\tTab\r\nSecond\nThird"); },
     false,
     {},
     {kGodWritten, {"{I}/RK.cfg", "{Q}\r\nAnn\tTab\r\n2\r\nSpare Blades\r\nTower Relics\r\n"}}},
    {"LongNameFits",
     [](const Site&, App& app) { app.form.txtGanFileName.setText(std::string(251, 'n')); },
     true,
     {{"Saved to: {Q}/GOD_BIN/" + std::string(251, 'n') + ".god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt",
       ""}},
     {{"{Q}/GOD_BIN/" + std::string(251, 'n') + ".god", kGod},
      {"{Q}/LIST_CRATE/GodList.txt", std::string(251, 'n') + "\r\n"}}},
    {"NonAsciiNameInUtf8",
     [](const Site&, App& app) { app.form.txtGanFileName.setText("Jos\xe9 M\xfcller\x80"); },
     true,
     {{"Saved to: {Q}/GOD_BIN/Jos\xe9 M\xfcller\x80.god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt", ""}},
     {{"{Q}/GOD_BIN/Jos\xc3\xa9 M\xc3\xbcller\xe2\x82\xac.god", kGod},
      {"{Q}/LIST_CRATE/GodList.txt", "Jos\xe9 M\xfcller\x80\r\n"}}},
};

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
}

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveEdges : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveEdges, ProtectionsLinksAndNames) {
    const Site s;
    FakePlatform platform(s.inst);
    platform.dialogAnswers = {s.at("{Q}/GOD_BIN/God.god")};
    App app(platform);
    app.start();
    ASSERT_TRUE(platform.messages.empty());
    app.form.txtGanFileName.setText("God");
    app.form.txtGanFileFinal.setText("#x");
    GetParam().prepare(s, app);
    (GetParam().saveAndAdd ? app.form.cmdSaveAndAdd : app.form.cmdSaveAs).click();

    expectMessages(s, platform, GetParam().messages);
    for (const FileState& want : GetParam().files) {
        const std::string path = s.at(want.path);
        SCOPED_TRACE(path);
        EXPECT_EQ(fs::exists(path), want.bytes.has_value());
        if (want.bytes) {
            EXPECT_EQ(readFile(path), s.at(*want.bytes));
        }
        if (want.mode) {
            EXPECT_EQ(static_cast<int>(fs::status(path).permissions()), want.mode);
        }
        EXPECT_EQ(fs::is_symlink(path), want.isLink);
    }
    // No temporary file is left beside any target, nothing lands outside.
    for (const char* folder : {"{I}", "{I}/RKdata", "{Q}/GOD_BIN", "{Q}/LIST_CRATE", "{Q}"})
        for (const std::string& name : entries(s.at(folder))) EXPECT_NE(name.rfind(".gs", 0), 0u) << name;
    EXPECT_TRUE(fs::is_empty(s.outside));
}

INSTANTIATE_TEST_SUITE_P(Files, SaveEdges, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A configuration that failed to load is never written back; with a folder
// cut at a NUL nothing is written anywhere.
TEST(SaveEdgesAfterFailedConfig, NothingOverwritesTheFileThatFailed) {
    for (const bool nul : {false, true}) {
        const Site s;
        const std::string cfg = nul ? s.at("{X}/victim") + '\0' + s.at(kCfg) : s.at("{Q}\rTest Author\r7\r");
        writeFile(s.at("{I}/RK.cfg"), cfg);
        FakePlatform platform(s.inst);
        platform.dialogAnswers = {s.at("{I}/picked.god")};
        App app(platform);
        app.start();
        platform.messages.clear();
        app.form.txtGanFileName.setText("God");
        app.form.cmdSaveAndAdd.click();  // no Quillmap folder is known: fails at the root
        app.form.cmdSaveAs.click();
        expectMessages(s, platform,
                       {{"File not saved!", "/GOD_BIN/God.god: No such file or directory"},
                        {"Unable to update RK.cfg", "RK.cfg was not read whole, so it is kept as it is."}});
        EXPECT_EQ(readFile(s.at("{I}/RK.cfg")), cfg);
        EXPECT_EQ(readFile(s.at("{I}/picked.god")), "\r\n");
        EXPECT_EQ(readFile(s.at("{Q}/LIST_CRATE/GodList.txt")), "");
        EXPECT_TRUE(fs::is_empty(s.outside));
    }
}

// A program folder that takes no new file, with a writable RK.cfg in it:
// RK.cfg is rewritten in place and nothing else appears there.
TEST(SaveEdgesReadOnlyFolder, ConfigIsRewrittenInPlace) {
    const Site s;
    FakePlatform platform(s.inst);
    platform.dialogAnswers = {s.at("{Q}/GOD_BIN/God.god")};
    App app(platform);
    app.start();
    app.form.txtGanFileFinal.setText("#x");
    const std::vector<std::string> before = entries(s.inst);
    if (const int err = setImmutable(s.inst, true)) GTEST_SKIP() << "no immutable folder: " << std::strerror(err);
    app.form.cmdSaveAs.click();
    setImmutable(s.inst, false);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(readFile(s.at("{I}/RK.cfg")), s.at(kNextCfg));
    EXPECT_EQ(readFile(s.at("{Q}/GOD_BIN/God.god")), kGod);
    EXPECT_EQ(entries(s.inst), before);
}

// ---- One editor per installation ---------------------------------------------

const Shown kAlreadyOpen = {"This installation is already open in another window.", "Open Anyway|Quit"};

TEST(SecondEditor, AsksToQuitOrOpenAnyway) {
    const Site s;
    FakePlatform first(s.inst);
    App running(first);
    ASSERT_TRUE(running.start());
    for (const bool openAnyway : {false, true}) {
        FakePlatform platform(s.inst);
        platform.questionAnswers = {openAnyway};
        App second(platform);
        EXPECT_EQ(second.start(), openAnyway);
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].text, kAlreadyOpen.text);
        EXPECT_EQ(platform.questions[0].title, "Godsmith");
        EXPECT_EQ(platform.questions[0].detail, kAlreadyOpen.detail);
        EXPECT_EQ(second.form.visible(), openAnyway);
        EXPECT_EQ(second.form.txtAuthor.text(), openAnyway ? "Test Author" : "");
    }
    running.close();
    FakePlatform later(s.inst);
    App third(later);
    EXPECT_TRUE(third.start());
    EXPECT_TRUE(later.questions.empty());
}

// The lock is the system's: another process holds it, and it is gone when
// that process is killed.
TEST(SecondEditor, LockHeldByAnotherProcessEndsWithIt) {
    const Site s;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstallationLock lock;
        lock.acquire(s.inst);
        char c = 1;
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    InstallationLock mine;
    EXPECT_FALSE(mine.acquire(s.inst));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.acquire(s.inst));
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace gs::test
