// The edge between the editor and the file system, met for real. Each row is a
// session script (support/session.h) with more commands: fifo P, mkdir P,
// size P BYTES, chmod P OCTAL, link TARGET P, mv P NEW, freeze / thaw the
// installation folder, and "file P", "mode P", "ls" that show bytes ("link "
// first for a link), permission bits and the folder's entry count. Message
// boxes show as "text | detail". {I} is the installation, {Q} its Quillmap
// folder, {X} a folder outside.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "model/installation_lock.h"
#include "support/session.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

struct Edge : Session {
    std::string outside = makeTempFolder();

    std::string at(std::string text) const {
        for (const auto& [key, value] : {std::pair<std::string, std::string>{"{I}", folder},
                                         {"{Q}", folder + "/" + kQuillmapDir}, {"{X}", outside}})
            for (std::size_t p; (p = text.find(key)) != std::string::npos;) text.replace(p, key.size(), value);
        return text;
    }
    std::string step(const std::string& line) {
        std::istringstream in(line);
        std::string verb, a, b, out;
        in >> verb >> a >> b;
        const std::string rest = line.substr(std::min(line.size(), verb.size() + 1));
        const std::string p = rest.rfind('/', 0) == 0 ? rest : folder + "/" + rest;
        const std::string pa = folder + "/" + a, pb = folder + "/" + b;
        const std::size_t seen = platform.messages.size();
        if (verb == "fifo") EXPECT_EQ((fs::remove(p), ::mkfifo(p.c_str(), 0644)), 0);
        else if (verb == "mkdir") fs::create_directory(p);
        else if (verb == "size") fs::resize_file(pa, std::stoull(b));
        else if (verb == "chmod") fs::permissions(pa, fs::perms(std::stoi(b, nullptr, 8)));
        else if (verb == "link") fs::remove(pb), fs::create_symlink(a, pb);
        else if (verb == "mv") fs::rename(pa, pb);
        else if (verb == "mode") out = (std::ostringstream() << std::oct << int(fs::status(p).permissions())).str();
        else if (verb == "file")
            out = (fs::is_symlink(p) ? "link " : "") + (fs::exists(p) ? "[" + readFile(p) + "]" : "none");
        else if (verb == "ls") out = std::to_string(std::distance(fs::directory_iterator(folder), {}));
        else if (verb == "freeze" || verb == "thaw") {
            if (std::system(("chattr -f " + std::string(verb == "freeze" ? "+i " : "-i ") + folder).c_str()))
                [] { GTEST_SKIP() << "no immutable folder"; }();
        } else Session::run(line);
        if (verb == "start" && f.picUnit.picturePath().empty()) out += "no picture\n";
        for (std::size_t i = seen; i < platform.messages.size(); ++i)
            out += platform.messages[i].text + " | " + platform.messages[i].detail + "\n";
        return out.empty() || out.back() == '\n' ? out : out + "\n";
    }
};

void expectRows(const std::vector<std::pair<std::string, std::string>>& rows) {
    for (const auto& [script, expected] : rows) {
        SCOPED_TRACE(script);
        Edge s;
        std::string out;
        std::istringstream lines(s.at(script));
        for (std::string line; std::getline(lines, line);) out += s.step(line);
        EXPECT_EQ(out, s.at(expected));
        EXPECT_TRUE(s.f.visible());
        EXPECT_TRUE(fs::is_empty(s.outside));
        for (const auto& e : fs::recursive_directory_iterator(s.folder))
            EXPECT_TRUE(e.path().filename().string().rfind(".gs", 0) &&
                        std::none_of(e.path().c_str(), e.path().c_str() + e.path().native().size(),
                                     [](unsigned char c) { return c < 0x20 || c == 0x7f; }))
                << e.path();
    }
}

const std::string kStart = "answer {X}/victim\\x00{Q}/Quillmap.exe\nstart\n";
const std::string kCfg = "{Q}\r\nTest Author\r\n1\r\nSpare Blades\r\nTower Relics\r\n";
const std::string kNext = "{Q}\r\nTest Author\r\n2\r\nSpare Blades\r\nTower Relics\r\n";
const std::string kNoCfg = "RK.cfg not found! | {I}/RK.cfg: ";
const std::string kCtl = kNoCfg + "line 1: the path holds a control character\n";
const std::string kNoNames = "NameList.txt not found! | {Q}/LIST_CRATE/NameList.txt: cannot ";

TEST(FileEdges, StartUpNamesWhatItCannotReadAndNeverWaits) {
    expectRows({
        {"fifo RK.cfg\n" + kStart, kNoCfg + "cannot be opened: not a regular file\n"},
        {"size RK.cfg 1048577\n" + kStart, kNoCfg + "cannot be read: too large (over 1 MiB)\n"},
        {"write RK.cfg {X}/victim\\x00{Q}\\r\\nTest Author\\r\\n1\\r\\n\n" + kStart,
         kCtl},
        {"write RK.cfg \\r\\nTest Author\\r\\n1\\r\\n\n" + kStart,
         "Quillmap path not retrieved! | the path holds a control character\nNameList.txt not found! | "
         "/LIST_CRATE/NameList.txt: cannot be opened: No such file or directory\n"},
        {"write RK.cfg /" + std::string(200, 'a') + std::string(200, 'b') + "\\r\\nTest Author\\r\\n1\\r\\n\n" + kStart,
         "NameList.txt not found! | /" + std::string(59, 'a') + "..." + std::string(36, 'b') +
             "/LIST_CRATE/NameList.txt: cannot be opened: File name too long\n"},
        {"fifo Quillmap/LIST_CRATE/NameList.txt\n" + kStart, kNoNames + "be opened: not a regular file\n"},
        {"link /dev/zero Quillmap/LIST_CRATE/NameList.txt\n" + kStart, kNoNames + "be opened: not a regular file\n"},
        {"size Quillmap/LIST_CRATE/NameList.txt 67108865\n" + kStart, kNoNames + "be read: too large (over 64 MiB)\n"},
        {"rm RKdata/UnitData.txt\nmkdir RKdata/UnitData.txt\n" + kStart,
         "RKdata not found! | {I}/RKdata/UnitData.txt: cannot be read: Is a directory\n"},
        {"fifo RKsprites/1822.jpg\n" + kStart, "no picture\n"},
    });
}

const std::string kName = "start\ntype txtGanFileName God\n", kGod = kName + "type txtGanFileFinal #x\n";
const std::string kAs = "answer {Q}/GOD_BIN/God.god\nclick cmdSaveAs\n", kAdd = "click cmdSaveAndAdd\n";
const std::string kGodFile = "file {Q}/GOD_BIN/God.god\n", kList = "file {Q}/LIST_CRATE/GodList.txt\n";
const std::string kSaved = "Saved to: {Q}/GOD_BIN/God.god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt | \n";
const std::string kFailed = "File not saved! | /GOD_BIN/God.god: No such file or directory\nUnable to update RK.cfg | "
                            "RK.cfg was not read whole, so it is kept as it is.\n";

TEST(FileEdges, SavingKeepsProtectionsFollowsLinksAndNamesFilesAsTheDiskWants) {
    const std::string n251(251, 'n'), nul(1, '\0');
    expectRows({
        {kGod + "chmod RK.cfg 444\n" + kAdd + kGodFile + kList + "file RK.cfg\nmode RK.cfg\n",
         "Unable to update RK.cfg | {I}/RK.cfg: the file is read-only\n" + kSaved + "[#x\r\n]\n[God\r\n]\n[" + kCfg +
             "]\n444\n"},
        {kGod + "write Quillmap/GOD_BIN/God.god old\nchmod Quillmap/GOD_BIN/God.god 444\n" + kAdd + kGodFile + kList +
             "mode {Q}/GOD_BIN/God.god\nfile RK.cfg\n",
         "File not saved! | {Q}/GOD_BIN/God.god: the file is read-only\n[old]\n[]\n444\n[" + kCfg + "]\n"},
        {kGod + "chmod Quillmap/LIST_CRATE/GodList.txt 444\n" + kAdd + kGodFile + kList +
             "mode {Q}/LIST_CRATE/GodList.txt\nfile RK.cfg\n",
         "File not Added to GodList! | {Q}/LIST_CRATE/GodList.txt: the file is read-only\n[#x\r\n]\n[]\n444\n[" + kCfg +
             "]\n"},
        {kGod + "write Quillmap/GOD_BIN/God.god old\nchmod Quillmap/GOD_BIN/God.god 604\nchmod RK.cfg 640\n" + kAdd +
             kGodFile + kList + "mode {Q}/GOD_BIN/God.god\nfile RK.cfg\nmode RK.cfg\n",
         kSaved + "[#x\r\n]\n[God\r\n]\n604\n[" + kNext + "]\n640\n"},
        {kGod + "mv RK.cfg RKdata/RK.cfg\nlink RKdata/RK.cfg RK.cfg\nmv Quillmap/LIST_CRATE/GodList.txt Quillmap/GodList.txt\n"
                "link {Q}/GodList.txt Quillmap/LIST_CRATE/GodList.txt\nlink ../God.god Quillmap/GOD_BIN/God.god\n" +
             kAdd + kGodFile + kList + "file {Q}/God.god\nfile {Q}/GodList.txt\nfile RK.cfg\nfile RKdata/RK.cfg\n",
         kSaved + "link [#x\r\n]\nlink [God\r\n]\n[#x\r\n]\n[God\r\n]\nlink [" + kNext + "]\n[" + kNext + "]\n"},
        {kGod + "fifo Quillmap/LIST_CRATE/GodList.txt\n" + kAdd + kGodFile + "file RK.cfg\n",
         "File not Added to GodList! | {Q}/LIST_CRATE/GodList.txt: not a regular file\n[#x\r\n]\n[" + kCfg + "]\n"},
        {kGod + "mkdir Quillmap/GOD_BIN/God.god\n" + kAdd + kList + "file RK.cfg\n",
         "File not saved! | {Q}/GOD_BIN/God.god: Is a directory\n[]\n[" + kCfg + "]\n"},
        {kGod + "answer {Q}/GOD_BIN/Go\\nd.god\nclick cmdSaveAs\nfile RK.cfg\n",
         "File not saved! | {Q}/GOD_BIN/Go\nd.god: the path holds a control character\n[" + kCfg + "]\n"},
        {kGod + "type txtAuthor Ann\\tTab\\r\\nSecond\\nThird\n" + kAs + kGodFile + "file RK.cfg\n",
         "[#x\r\n]\n[{Q}\r\nAnn\tTab\r\n2\r\nSpare Blades\r\nTower Relics\r\n]\n"},
        {kGod + "type txtGanFileName " + n251 + "\n" + kAdd + "file {Q}/GOD_BIN/" + n251 + ".god\n" + kList,
         "Saved to: {Q}/GOD_BIN/" + n251 + ".god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt | \n[#x\r\n]\n[" +
             n251 + "\r\n]\n"},
        {kGod + "type txtGanFileName Jos\\xE9 M\\xFCller\\x80\n" + kAdd +
             "file {Q}/GOD_BIN/Jos\xc3\xa9 M\xc3\xbcller\xe2\x82\xac.god\n" + kList,
         "Saved to: {Q}/GOD_BIN/Jos\xe9 M\xfcller\x80.god\r\n\r\nIndex added to: {Q}/LIST_CRATE/GodList.txt | \n"
         "[#x\r\n]\n[Jos\xe9 M\xfcller\x80\r\n]\n"},
        {"write RK.cfg {Q}\\rTest Author\\r7\\r\nanswer {I}/picked.god\n" + kName + kAdd + "click cmdSaveAs\n"
             "file RK.cfg\nfile picked.god\n" + kList,
         kCtl + kFailed + "[{Q}\rTest Author\r7\r]\n[\r\n]\n[]\n"},
        {"write RK.cfg {X}/victim\\x00{Q}\\r\\nTest Author\\r\\n1\\r\\n\nanswer {I}/picked.god\n" + kName + kAdd +
             "click cmdSaveAs\nfile RK.cfg\nfile picked.god\n" + kList,
         kCtl + kFailed + "[{X}/victim" + nul + "{Q}\r\nTest Author\r\n1\r\n]\n[\r\n]\n[]\n"},
        {"start\ntype txtGanFileFinal #x\nls\nfreeze\n" + kAs + "thaw\nls\nfile RK.cfg\n" + kGodFile,
         "5\n5\n[" + kNext + "]\n[#x\r\n]\n"},
    });
}

TEST(SecondEditor, AsksToQuitOrOpenAnywayUntilTheFirstCloses) {
    Session s;
    ASSERT_TRUE(s.app.start());
    for (const bool openAnyway : {false, true}) {
        FakePlatform p(s.folder);
        p.questionAnswers = {openAnyway};
        App second(p);
        EXPECT_EQ(second.start(), openAnyway);
        ASSERT_EQ(p.questions.size(), 1u);
        EXPECT_EQ(p.questions[0].text + "|" + p.questions[0].title + "|" + p.questions[0].detail,
                  "This installation is already open in another window.|Godsmith|Open Anyway|Quit");
        EXPECT_EQ(second.form.visible(), openAnyway);
        EXPECT_EQ(second.form.txtAuthor.text(), openAnyway ? "Test Author" : "");
    }
    s.app.close();
    FakePlatform later(s.folder);
    EXPECT_TRUE(App(later).start());
    EXPECT_TRUE(later.questions.empty());
}

TEST(SecondEditor, LockHeldByAnotherProcessEndsWithIt) {
    const std::string folder = makeInstallation();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstallationLock lock;
        lock.acquire(folder);
        (void)!::write(ready[1], "1", 1);
        ::pause();
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    InstallationLock mine;
    EXPECT_FALSE(mine.acquire(folder));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.acquire(folder));
}

}  // namespace
}  // namespace gs::test
