// The editor at the file system's edge: session scripts (support/session.h) with file-system steps added.
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
                                         {"{Q}", folder + "/" + kQuillmapDir}, {"{X}", outside},
                                         {"{G}", folder + "/" + kGodBinDir + "/God.god"},
                                         {"{L}", folder + "/" + kGodListFile}})
            for (std::size_t p; (p = text.find(key)) != std::string::npos;) text.replace(p, key.size(), value);
        return text;
    }
    std::string step(const std::string& line) {
        if (const auto nl = line.find('\n'); nl != std::string::npos)  // the first line's step runs first
            return step(line.substr(0, nl)).append(step(line.substr(nl + 1)));
        std::string verb, a, b, out;
        std::istringstream(line) >> verb >> a >> b;
        const auto in = [this](const std::string& path) { return (path.rfind('/', 0) ? folder + "/" : "") + path; };
        const std::string p = in(line.substr(std::min(line.size(), verb.size() + 1))), pa = in(a), pb = in(b);
        const std::size_t seen = platform.messages.size();
        if (verb == "fifo") EXPECT_EQ((fs::remove(p), ::mkfifo(p.c_str(), 0644)), 0);
        else if (verb == "mkdir") fs::create_directory(p);
        else if (verb == "size") fs::resize_file(pa, std::stoull(b));
        else if (verb == "chmod") fs::permissions(pa, fs::perms(std::stoi(b, nullptr, 8)));
        else if (verb == "link") fs::remove(pb), fs::create_symlink(a, pb);
        else if (verb == "mv") fs::rename(pa, pb);
        else if (verb == "mode") out = (std::ostringstream() << std::oct << int(fs::status(p).permissions())).str();
        else if (verb == "file")
            out = (fs::is_symlink(p) ? "link " : "") +
                  (fs::is_regular_file(p) ? "[" + readFile(p) + "]" : fs::exists(p) ? "other" : "none");
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

const std::string kGod = "type txtGanFileName God\ntype txtGanFileFinal #x\n", kAdd = "click cmdSaveAndAdd\n";
const std::string kAs = "answer {G}\nclick cmdSaveAs\n", kFiles = "file {G}\nfile {L}\nfile RK.cfg\n";
auto rk = [](std::string a, char n) { return "[{Q}\r\n" + a + "\r\n" + n + "\r\nSpare Blades\r\nTower Relics\r\n]\n"; };
auto saved = [](std::string n) { return "Saved to: {Q}/GOD_BIN/" + n + ".god\r\n\r\nIndex added to: {L} | \n"; };
auto cfg = [](std::string folder) { return "write RK.cfg " + folder + "\\r\\nTest Author\\r\\n1\\r\\n"; };
const std::string kCfg = rk("Test Author", '1'), kKept = "[]\n" + kCfg, kNext = rk("Test Author", '2');
const std::string kSaved = saved("God"), kStart = "\nanswer {X}/victim\\x00{Q}/Quillmap.exe\nstart";
const std::string kNoCfg = "RK.cfg not found! | {I}/RK.cfg: ";
const std::string kCtl = kNoCfg + "line 1: the path holds a control character\n";
const std::string kNoNames = "NameList.txt not found! | {Q}/LIST_CRATE/NameList.txt: cannot ";
const std::string kFailed = "File not saved! | /GOD_BIN/God.god: No such file or directory\nUnable to update RK.cfg | "
                            "RK.cfg was not read whole, so it is kept as it is.\n[#x\r\n]\nnone\n[]\n";
const std::string kLong(251, 'n'), kNul = cfg("{X}/victim\\x00{Q}");
const std::string kPicked = "answer {I}/picked.god\n" + kAdd + "click cmdSaveAs\nfile picked.god\n";

// Rows: files prepared; the start alone or a saving action, then God file, GodList, RK.cfg; the output.
const std::tuple<std::string, std::string, std::string> kRows[] = {
    {"fifo RK.cfg", "", kNoCfg + "cannot be opened: not a regular file\n"},
    {"size RK.cfg 1048577", "", kNoCfg + "cannot be read: too large (over 1 MiB)\n"},
    {kNul, "", kCtl},
    {cfg(""), "",
     "Quillmap path not retrieved! | the path holds a control character\nNameList.txt not found! | "
     "/LIST_CRATE/NameList.txt: cannot be opened: No such file or directory\n"},
    {cfg("/" + std::string(200, 'a') + std::string(200, 'b')), "",
     "NameList.txt not found! | /" + std::string(59, 'a') + "..." + std::string(36, 'b') +
         "/LIST_CRATE/NameList.txt: cannot be opened: File name too long\n"},
    {"fifo Quillmap/LIST_CRATE/NameList.txt", "", kNoNames + "be opened: not a regular file\n"},
    {"link /dev/zero Quillmap/LIST_CRATE/NameList.txt", "", kNoNames + "be opened: not a regular file\n"},
    {"size Quillmap/LIST_CRATE/NameList.txt 67108865", "", kNoNames + "be read: too large (over 64 MiB)\n"},
    {"rm RKdata/UnitData.txt\nmkdir RKdata/UnitData.txt", "",
     "RKdata not found! | {I}/RKdata/UnitData.txt: cannot be read: Is a directory\n"},
    {"fifo RKsprites/1822.jpg", "", "no picture\n"},
    {"chmod RK.cfg 444", kAdd + "mode RK.cfg\n",
     "Unable to update RK.cfg | {I}/RK.cfg: the file is read-only\n" + kSaved + "444\n[#x\r\n]\n[God\r\n]\n" + kCfg},
    {"write Quillmap/GOD_BIN/God.god old\nchmod {G} 444", kAdd + "mode {G}\n",
     "File not saved! | {G}: the file is read-only\n444\n[old]\n" + kKept},
    {"chmod {L} 444", kAdd + "mode {L}\n",
     "File not Added to GodList! | {L}: the file is read-only\n444\n[#x\r\n]\n" + kKept},
    {"write Quillmap/GOD_BIN/God.god old\nchmod {G} 604\nchmod RK.cfg 640", kAdd + "mode {G}\nmode RK.cfg\n",
     kSaved + "604\n640\n[#x\r\n]\n[God\r\n]\n" + kNext},
    {"mv RK.cfg RKdata/RK.cfg\nlink RKdata/RK.cfg RK.cfg\nmv {L} Quillmap/GodList.txt\n"
     "link {Q}/GodList.txt {L}\nlink ../God.god {G}",
     kAdd + "file {Q}/God.god\nfile {Q}/GodList.txt\nfile RKdata/RK.cfg\n",
     kSaved + "[#x\r\n]\n[God\r\n]\n" + kNext + "link [#x\r\n]\nlink [God\r\n]\nlink " + kNext},
    {"fifo {L}", kAdd, "File not Added to GodList! | {L}: not a regular file\n[#x\r\n]\nother\n" + kCfg},
    {"mkdir {G}", kAdd, "File not saved! | {G}: Is a directory\nother\n" + kKept},
    {"", "answer {Q}/GOD_BIN/Go\\nd.god\nclick cmdSaveAs\n",
     "File not saved! | {Q}/GOD_BIN/Go\nd.god: the path holds a control character\nnone\n" + kKept},
    {"", "type txtAuthor Ann\\tTab\\r\\nSecond\\nThird\n" + kAs, "[#x\r\n]\n[]\n" + rk("Ann\tTab", '2')},
    {"",
     "type txtGanFileName " + kLong + "\n" + kAdd + "type txtGanFileName Jos\\xE9 M\\xFCller\\x80\n" + kAdd +
         "file {Q}/GOD_BIN/" + kLong + ".god\nfile {Q}/GOD_BIN/Jos\xc3\xa9 M\xc3\xbcller\xe2\x82\xac.god\n",
     saved(kLong) + saved("Jos\xe9 M\xfcller\x80") + "[#x\r\n]\n[#x\r\n]\nnone\n[" + kLong +
         "\r\nJos\xe9 M\xfcller\x80\r\n]\n" + rk("Test Author", '3')},
    {"write RK.cfg {Q}\\rTest Author\\r7\\r", kPicked, kCtl + kFailed + "[{Q}\rTest Author\r7\r]\n"},
    {kNul, kPicked, kCtl + kFailed + "[{X}/victim" + std::string(1, '\0') + "{Q}\r\nTest Author\r\n1\r\n]\n"},
    {"", "ls\nfreeze\n" + kAs + "thaw\nls\n", "5\n5\n[#x\r\n]\n[]\n" + kNext},
};

TEST(FileEdges, ReadAndWrittenOnlyAsTheFileSystemAllows) {
    for (const auto& [setup, action, expected] : kRows) {
        SCOPED_TRACE(setup + "\n" + action);
        Edge s;
        const std::string script = setup + (action.empty() ? kStart : "\nstart\n" + kGod + action + kFiles);
        EXPECT_EQ(s.step(s.at(script)), s.at(expected));
        EXPECT_TRUE(s.f.visible() && fs::is_empty(s.outside));
        for (const auto& e : fs::recursive_directory_iterator(s.folder))
            for (const std::string n = e.path().filename(); unsigned char c : n)  // no temporary or broken name
                EXPECT_TRUE(n.rfind(".gs", 0) && c >= 0x20 && c != 0x7f) << n;
    }
}

TEST(SecondEditor, AsksToQuitOrOpenAnywayUntilTheFirstCloses) {
    Session s;
    ASSERT_TRUE(s.app.start());
    for (const auto& [answer, closed] : {std::pair{false, false}, {true, false}, {true, true}}) {
        if (closed) s.app.close();
        FakePlatform p(s.folder);
        p.questionAnswers = {answer};
        App second(p);
        EXPECT_EQ(second.start(), answer);
        EXPECT_EQ(second.form.visible(), answer);
        EXPECT_EQ(second.form.txtAuthor.text(), answer ? "Test Author" : "");
        std::string q;
        for (const Message& m : p.questions) q += m.text + "|" + m.title + "|" + m.detail;
        EXPECT_EQ(q, closed ? "" : "This installation is already open in another window.|Godsmith|Open Anyway|Quit");
    }
}

TEST(SecondEditor, LockHeldByAnotherProcessEndsWithIt) {
    const std::string folder = makeInstallation();
    InstallationLock theirs, mine;
    const pid_t child = ::fork();
    if (child == 0) theirs.acquire(folder), ::raise(SIGSTOP), ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, WUNTRACED), child);
    EXPECT_FALSE(mine.acquire(folder));
    ::kill(child, SIGKILL), ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.acquire(folder));
}

}  // namespace
}  // namespace gs::test
