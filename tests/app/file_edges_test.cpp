// The editor at the file system's edge: session scripts (support/session.h) with file-system steps added.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/atomic_file.h"
#include "model/file_access.h"
#include "model/installation_lock.h"
#include "support/session.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

// While it lives, no file may grow beyond `bytes`: a longer write fails as on a full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, handler); }
    rlimit saved{};
    void (*handler)(int);
};

// While it lives, the file at `path` grows by `bytes` whenever the editor has
// taken its size and not yet read it, as if another program were writing it.
struct Growing {
    Growing(const std::string& path, std::size_t bytes) {
        onSizeTakenForTests([=](const std::string& read) {
            if (read == path) std::ofstream(path, std::ios::binary | std::ios::app) << std::string(bytes, 'x');
        });
    }
    ~Growing() { onSizeTakenForTests(nullptr); }
};

struct Edge : Session {
    std::string outside = makeTempFolder();

    // The transcript's placeholders, the longest paths first so that the output shows them whole.
    std::vector<std::pair<std::string, std::string>> places() const {
        return {{"{G}", folder + "/" + kGodBinDir + "/God.god"}, {"{L}", folder + "/" + kGodListFile},
                {"{Q}", folder + "/" + kQuillmapDir}, {"{I}", folder}, {"{X}", outside}};
    }
    std::string at(std::string text) const {
        for (const auto& [key, value] : places()) replaceAll(text, key, value);
        return text;
    }
    // One transcript line: its placeholders filled in, its output escaped and shown with them again.
    std::string step(std::string line) {
        std::string out = act(at(line)), shown;
        for (const auto& [key, value] : places()) replaceAll(out, value, key);
        for (std::istringstream lines(out); std::getline(lines, line);) shown += escaped(line) + "\n";
        replaceAll(shown, std::string(1, '\0'), "\\x00");
        return shown;
    }
    std::string act(const std::string& line) {
        std::string verb, a, b, out;
        std::istringstream(line) >> verb >> a >> b;
        const auto in = [this](const std::string& path) { return (path.rfind('/', 0) ? folder + "/" : "") + path; };
        const std::string p = in(line.substr(std::min(line.size(), verb.size() + 1))), pa = in(a), pb = in(b);
        const std::size_t seen = platform.messages.size(), asked = platform.questions.size();
        if (verb == "fifo") EXPECT_EQ((fs::remove(p), ::mkfifo(p.c_str(), 0644)), 0);
        else if (verb == "mkdir") fs::create_directory(p);
        else if (verb == "age") fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::minutes(2));
        else if (verb == "chmod") fs::permissions(pa, fs::perms(std::stoi(b, nullptr, 8)));
        else if (verb == "link") fs::remove(pb), fs::create_symlink(a, pb);
        else if (verb == "mv") fs::rename(pa, pb);
        else if (verb == "mode") out = (std::ostringstream() << std::oct << int(fs::status(p).permissions())).str();
        else if (verb == "file")
            out = (fs::is_symlink(p) ? "link " : "") +
                  (fs::is_regular_file(p) ? "[" + readFile(p) + "]" : fs::exists(p) ? "other" : "none");
        else if (verb == "ls") out = std::to_string(std::distance(fs::directory_iterator(p), {}));
        else if (verb == "show" || verb == "items") out = Session::run(line);
        else if (verb == "lines") {  // keeps the first lines of a file
            std::string kept, l;
            std::istringstream lines(readFile(pa));
            for (int n = std::stoi(b); n-- > 0 && std::getline(lines, l);) kept += l + "\n";
            writeFile(pa, kept);
        } else if (verb == "append") writeFile(pa, readFile(pa) + unescaped(b));
        else if (verb == "prepend") writeFile(pa, unescaped(b) + readFile(pa));
        else if (verb == "ends") {  // every CR LF of the file becomes the given line end
            std::string bytes = readFile(pa);
            replaceAll(bytes, "\r\n", unescaped(b));
            writeFile(pa, bytes);
        }
        else if (verb == "limited")  // the limit lasts to the end of the statement: while the command runs
            FileSizeLimit(std::stoull(a)), Session::run(line.substr(verb.size() + a.size() + 2));
        else if (verb == "grows")  // as "limited": only while the command runs
            Growing(pa, std::stoul(b)), Session::run(line.substr(verb.size() + a.size() + b.size() + 3));
        else if (verb == "freeze" || verb == "thaw") {
            if (std::system(("chattr -f " + std::string(verb == "freeze" ? "+i " : "-i ") + folder).c_str()))
                [] { GTEST_SKIP() << "no immutable folder"; }();
        } else Session::run(line);
        if (verb == "start" && f.picUnit.picturePath().empty()) out += "no picture\n";
        for (std::size_t i = asked; i < platform.questions.size(); ++i)
            out += "? " + platform.questions[i].text + " [" + platform.questions[i].detail + "]\n";
        for (std::size_t i = seen; i < platform.messages.size(); ++i)
            out += platform.messages[i].text + " | " + platform.messages[i].detail + "\n";
        return out.empty() || out.back() == '\n' ? out : out + "\n";
    }
};

// The cases of tests/data/file_edges*.txt, each on a fresh installation; none
// leaves the window closed, a file outside, a temporary or a broken name.
TEST(FileEdges, EachCaseShowsAndWritesWhatItsTranscriptHolds) {
    for (const char* transcript : {"file_edges.txt", "file_edges_opening.txt", "file_edges_temporaries.txt"})
        expectCases<Edge>(transcript, [](Edge& s, const std::string& first) {
            EXPECT_TRUE(s.f.visible() && fs::is_empty(s.outside)) << first;
            for (const auto& e : fs::recursive_directory_iterator(s.folder))
                for (const std::string n = e.path().filename(); unsigned char c : n)
                    EXPECT_TRUE(n.rfind(".gs", 0) && c >= 0x20 && c != 0x7f) << n;
        });
}

// A second editor on the installation asks to quit or open anyway, until the
// first one closes.
TEST(SecondEditor, AsksToQuitOrOpenAnywayUntilTheFirstCloses) {
    for (const std::string change : {"", "closed"})
        for (const bool answer : {false, true}) {
            SCOPED_TRACE(change + (answer ? " open anyway" : " quit"));
            Session first;
            ASSERT_TRUE(first.app.start());
            EXPECT_TRUE(first.platform.questions.empty());
            if (change == "closed") first.app.close();
            FakePlatform p(first.folder);
            p.questionAnswers = {answer};
            App second(p);
            const bool opens = answer || change == "closed";
            const bool started = second.start();
            EXPECT_EQ(std::tuple(started, second.form.visible(), second.form.txtAuthor.text()),
                      std::tuple(opens, opens, opens ? "Test Author" : ""));
            std::string q;
            for (const Message& m : p.questions) q += m.text + "|" + m.title + "|" + m.detail;
            EXPECT_EQ(q, change == "closed" ? "" : "This installation is already open in another window.|Godsmith|Open Anyway|Quit");
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

// After "Open Anyway" both editors hand out the same name: the second is
// asked before it replaces the first one's province, and keeps it.
TEST(SecondEditor, AfterOpenAnywayBothProvincesAreKept) {
    Session first;
    ASSERT_TRUE(first.app.start());
    FakePlatform p(first.folder);
    p.questionAnswers = {true, false};  // open anyway; keep the existing file
    App second(p);
    ASSERT_TRUE(second.start());
    for (Form1* f : {&first.f, &second.form}) {
        f->SSTab1.setTab(3);
        f->txtGanFileFinal.setText(f == &first.f ? "#first" : "#second");
        f->cmdSaveAndAdd.click();
    }
    const std::string god = first.folder + "/" + kGodBinDir + "/Test Author1_5_A_EA_SEA_.god";
    EXPECT_EQ(readFile(god), "#first\r\n");
    ASSERT_EQ(p.questions.size(), 2u);
    EXPECT_EQ(p.questions[1].text + "|" + p.questions[1].title + "|" + p.questions[1].detail,
              god + " already exists.\r\nReplace it?|Replace file?|Replace|Keep");
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text + "|" + p.messages[0].detail, "File not saved!|" + god + ": kept as it was");
    second.form.txtGanFileName.setText("Second");
    second.form.cmdSaveAndAdd.click();
    EXPECT_EQ(readFile(first.folder + "/" + kGodBinDir + "/Second.god"), "#second\r\n");
    EXPECT_EQ(readFile(first.folder + "/" + kGodListFile), "Test Author1_5_A_EA_SEA_\r\nSecond\r\n");
    // The second editor advanced from the first one's index, not its own.
    EXPECT_EQ(second.form.txtAuthorIndex.text(), "3");
}

// A valid RK.cfg just under the read limit, with LF line ends, would grow
// over it when written with CR LF: the save says so and keeps the file, and
// the editor still starts on it afterwards.
TEST(ConfigFile, ASaveNeverWritesOneTheEditorWouldRefuseToRead) {
    Session s;
    const std::string path = s.folder + "/RK.cfg";
    std::string cfg = s.folder + "/Quillmap\nTest Author\n1\n";
    while (cfg.size() + 10 <= 999'994) cfg += "List_0123\n";
    cfg += std::string(999'994 - cfg.size() - 1, 'x') + "\n";
    ASSERT_EQ(cfg.size(), 999'994u);
    writeFile(path, cfg);
    ASSERT_TRUE(s.app.start());
    s.f.SSTab1.setTab(3);
    s.f.cmdSaveAndAdd.click();
    const std::size_t lines = std::count(cfg.begin(), cfg.end(), '\n');
    ASSERT_EQ(s.platform.messages.size(), 2u);
    EXPECT_EQ(s.platform.messages[0].text + "|" + s.platform.messages[0].detail,
              "Unable to update RK.cfg|RK.cfg would grow to " + std::to_string(cfg.size() + lines) +
                  " bytes, over the 1 MiB that the editor reads, so it is kept as it is.");
    EXPECT_EQ(s.platform.messages[1].title, "Saved & Added to GodList!");
    EXPECT_EQ(readFile(path), cfg);
    EXPECT_EQ(s.f.txtAuthorIndex.text(), "2");
    s.app.close();
    FakePlatform again(s.folder);
    App restarted(again);
    ASSERT_TRUE(restarted.start());
    EXPECT_TRUE(again.messages.empty());
}

// Any folder name works, whatever its bytes; one that would break a path is
// refused with a message that names it, before anything is read or written,
// in the window's text: the file system's UTF-8 "\xC3\xA9" shows as the
// window's "\xE9".
TEST(ProgramFolder, AnyNameWorksOrTheEditorRefusesToStart) {
    const std::string made = makeInstallation();
    const std::string folder = made + "-Jos\xC3\xA9";
    fs::rename(made, folder);
    writeFile(folder + "/RK.cfg", folder + "/Quillmap\r\nTest Author\r\n1\r\n");
    {
        FakePlatform p(folder);
        App app(p);
        ASSERT_TRUE(app.start());
        app.form.SSTab1.setTab(3);
        app.form.txtGanFileName.setText("Ren\xE9" "e");
        app.form.cmdSaveAndAdd.click();
        ASSERT_EQ(p.messages.size(), 1u);
        const std::string shown = made + "-Jos\xE9/Quillmap/";
        EXPECT_EQ(p.messages[0].text + "|" + p.messages[0].title,
                  "Saved to: " + shown + "GOD_BIN/Ren\xE9" "e.god\r\n\r\nIndex added to: " + shown +
                      "LIST_CRATE/GodList.txt|Saved & Added to GodList!");
        EXPECT_TRUE(fs::exists(folder + "/Quillmap/GOD_BIN/Ren\xC3\xA9" "e.god"));
        EXPECT_EQ(readFile(folder + "/RK.cfg"), folder + "/Quillmap\r\nTest Author\r\n2\r\n");
        p.questionAnswers = {false};
        app.form.cmdSaveAndAdd.click();
        ASSERT_EQ(p.questions.size(), 1u);
        EXPECT_EQ(p.questions[0].text, shown + "GOD_BIN/Ren\xE9" "e.god already exists.\r\nReplace it?");
    }
    for (const std::string& bad : {std::string(), folder + "/in\nstall"}) {
        FakePlatform p(bad);
        App app(p);
        EXPECT_FALSE(app.start());
        EXPECT_FALSE(app.form.visible());
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].text + "|" + p.messages[0].title,
                  bad.empty() ? "Godsmith cannot tell which folder it was started from.|Godsmith"
                              : "Godsmith cannot work in its folder " + made + "-Jos\xE9/in\nstall" +
                                    ": the path holds a control character.|Godsmith");
    }
}

// SIGTERM, SIGINT or SIGHUP during a save waits until the file is whole:
// the process ends after the save, leaving the new file and no temporary.
TEST(Signals, ASaveTheyInterruptIsFinishedFirst) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const std::string folder = makeTempFolder(), path = folder + "/God.god";
        const std::string bytes(64 << 20, '#');
        bool caught = false;
        for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
            writeFile(path, "old");
            const pid_t child = ::fork();
            if (child == 0) ::_exit(writeFileAtomically(path, bytes, nullptr) ? 0 : 1);
            // Signalled as soon as the temporary is there, so in the middle of the save.
            int status = 0;
            while (::waitpid(child, &status, WNOHANG) == 0) {
                for (const auto& e : fs::directory_iterator(folder))
                    if (e.path().filename().string().rfind(".gs", 0) == 0 && !caught) caught = ::kill(child, signal) == 0;
            }
            EXPECT_TRUE(caught ? WIFSIGNALED(status) && WTERMSIG(status) == signal : WIFEXITED(status)) << signal;
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << signal;
            EXPECT_EQ(fs::file_size(path), bytes.size()) << signal;
        }
        EXPECT_TRUE(caught) << signal;
    }
}

// A save holds signals across all of its files: one that arrives after the
// god file waits until the last file is written.
TEST(Signals, OneBetweenTheFilesOfASaveWaitsForTheLast) {
    const std::string folder = makeTempFolder();
    const pid_t child = ::fork();
    if (child == 0) {
        {
            const SignalsHeld held;
            writeFileAtomically(folder + "/God.god", "god", nullptr);
            ::raise(SIGTERM);
            writeFileAtomically(folder + "/RK.cfg", "cfg", nullptr);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(readFile(folder + "/God.god") + readFile(folder + "/RK.cfg"), "godcfg");
}

}  // namespace
}  // namespace gs::test
