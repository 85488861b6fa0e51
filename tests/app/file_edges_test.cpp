// The editor at the file system's edge: session scripts (support/session.h) with file-system steps added.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

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
        else if (verb == "ls") out = std::to_string(std::distance(fs::directory_iterator(p), {}));
        else if (verb == "show") out = Session::run(line);
        else if (verb == "lines") {  // keeps the first lines of a file
            std::string kept, l;
            std::istringstream lines(readFile(pa));
            for (int n = std::stoi(b); n-- > 0 && std::getline(lines, l);) kept += l + "\n";
            writeFile(pa, kept);
        } else if (verb == "append") writeFile(pa, readFile(pa) + unescaped(b));
        else if (verb == "limited")  // the limit lasts to the end of the statement: while the command runs
            FileSizeLimit(std::stoull(a)), Session::run(line.substr(verb.size() + a.size() + 2));
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

// The cases of tests/data/file_edges.txt, parted by blank lines, each on a
// fresh installation: every step's output must equal the transcript's.
TEST(FileEdges, EachCaseShowsAndWritesWhatItsTranscriptHolds) {
    std::istringstream in(dataFile("file_edges.txt") + "\n");
    std::string transcript;
    std::optional<Edge> s;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("  ", 0) == 0) continue;
        transcript += line + "\n";
        if (line.empty() && s) {
            EXPECT_TRUE(s->f.visible() && fs::is_empty(s->outside)) << transcript;
            for (const auto& e : fs::recursive_directory_iterator(s->folder))
                for (const std::string n = e.path().filename(); unsigned char c : n)  // no temporary or broken name
                    EXPECT_TRUE(n.rfind(".gs", 0) && c >= 0x20 && c != 0x7f) << n;
            s.reset();
        } else if (!line.empty() && line[0] != '#') {
            std::string out = (s ? *s : s.emplace()).step(s->at(line));
            for (const auto& [key, value] : {std::pair<std::string, std::string>{"{G}", s->at("{G}")}, {"{L}", s->at("{L}")},
                                             {"{Q}", s->at("{Q}")}, {"{I}", s->folder}, {"{X}", s->outside}})
                replaceAll(out, value, key);
            for (std::istringstream lines(out); std::getline(lines, line);)
                replaceAll(transcript += "  " + escaped(line), std::string(1, '\0'), "\\x00"), transcript += "\n";
        }
    }
    expectDataFile("file_edges.txt", transcript.substr(0, transcript.size() - 1));
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
