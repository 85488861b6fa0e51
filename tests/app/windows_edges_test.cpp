// The editor at the edge of a Windows file system (built for Windows only, run
// under Wine): session scripts with Windows' own file-system steps added.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "model/atomic_file.h"
#include "model/file_access.h"
#include "model/installation_lock.h"
#include "support/session.h"

namespace fs = std::filesystem;

namespace gs::test {
namespace {

// A path of the tests' own (Windows-1252 text: plain ASCII, Latin-1 letters
// and the euro sign) in the UTF-16 that Windows' wide calls take.
std::wstring wide(const std::string& path) {
    std::wstring out;
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && b != 0x80) throw std::runtime_error("no test path holds this byte");
        out += b == 0x80 ? L'\u20AC' : static_cast<wchar_t>(b);
    }
    return out;
}

// A file name as Windows holds it: ASCII as it is, any other character as {U+XXXX}.
std::string shown(const std::wstring& name) {
    std::string out;
    for (const wchar_t c : name) {
        char code[12];
        std::snprintf(code, sizeof code, "{U+%04X}", static_cast<unsigned>(c));
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(code);
    }
    return out;
}

struct Edge : Session {
    std::vector<HANDLE> held;
    ~Edge() {
        for (HANDLE h : held) CloseHandle(h);
        refuseNewFilesForTests(false);
    }

    std::string step(const std::string& line) {
        std::string verb, a, b, out;
        std::istringstream(line) >> verb >> a >> b;
        std::string relative = unescaped(a);
        std::replace(relative.begin(), relative.end(), '/', '\\');
        const std::wstring pa = wide(folder + "\\" + relative);
        const std::size_t seen = platform.messages.size();
        if (verb == "attrib") {  // attrib PATH +R / -R / +H ...
            const DWORD flag = b[1] == 'R' ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_HIDDEN;
            const DWORD now = GetFileAttributesW(pa.c_str());
            EXPECT_TRUE(SetFileAttributesW(pa.c_str(), b[0] == '+' ? now | flag : now & ~flag));
        } else if (verb == "attribs") {
            const DWORD now = GetFileAttributesW(pa.c_str());
            if (now == INVALID_FILE_ATTRIBUTES) out = "none";
            for (const auto& [flag, letter] : {std::pair{FILE_ATTRIBUTE_READONLY, "R"}, {FILE_ATTRIBUTE_HIDDEN, "H"}})
                if (now != INVALID_FILE_ATTRIBUTES && (now & flag)) out += letter;
        } else if (verb == "hold") {  // another program keeps the file open: to itself, or "shared" with all
            const DWORD share = b == "shared" ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0;
            const HANDLE h = CreateFileW(pa.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
            EXPECT_NE(h, INVALID_HANDLE_VALUE);
            held.push_back(h);
        } else if (verb == "ls") {
            std::vector<std::string> names;
            for (const auto& e : fs::directory_iterator(fs::path(pa))) names.push_back(shown(e.path().filename().wstring()));
            std::sort(names.begin(), names.end());
            for (const std::string& n : names) out += (out.empty() ? "" : " | ") + n;
        } else if (verb == "write" && a.find("\\x") != std::string::npos) {  // a name beyond ASCII, as Windows names it
            std::string text = unescaped(line.substr(line.find(' ', verb.size() + 1) + 1));
            replaceAll(text, "{DIR}", folder);
            FILE* f = _wfopen(pa.c_str(), L"wb");
            EXPECT_TRUE(f && std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fclose(f) == 0);
        } else if (verb == "file") {
            std::string bytes;
            FILE* f = _wfopen(pa.c_str(), L"rb");
            for (int c; f && (c = std::fgetc(f)) != EOF;) bytes += static_cast<char>(c);
            out = f ? "[" + bytes + "]" : "none";
            if (f) std::fclose(f);
        } else if (verb == "start-in") {  // a start in the installation's folder + the text
            platform.folder = folder + unescaped(a);
            app.start();
        } else if (verb == "refuse") refuseNewFilesForTests(a != "off");
        else if (verb == "mkdir") fs::create_directory(fs::path(pa));
        else if (verb == "age") fs::last_write_time(fs::path(pa), fs::file_time_type::clock::now() - std::chrono::minutes(2));
        else if (verb == "size") fs::resize_file(fs::path(pa), std::stoull(b));
        else Session::run(line);
        out = out.empty() ? out : escaped(out) + "\n";
        for (std::size_t i = seen; i < platform.messages.size(); ++i)
            out += escaped(platform.messages[i].text + " | " + platform.messages[i].detail) + "\n";
        replaceAll(out, escaped(folder), "{I}");
        return out;
    }
};

// The cases of tests/data/windows_edges.txt, each on a fresh installation.
TEST(WindowsEdges, EachCaseShowsAndWritesWhatItsTranscriptHolds) { expectCases<Edge>("windows_edges.txt"); }

#ifdef GS_COVERAGE
extern "C" void __gcov_dump();
#endif

// The test program run again as a child, with one of the tasks below named
// in GS_CHILD ("task|folder"); its exit code when it ends.
[[maybe_unused]] const bool kChild = [] {
    char job[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableA("GS_CHILD", job, sizeof job);
    if (n == 0 || n >= sizeof job) return false;
    const std::string task(job, std::strchr(job, '|')), folder = std::strchr(job, '|') + 1;
    if (task == "hold-lock") {  // holds the installation's lock, says so with the file "held", waits
        static InstallationLock lock;
        if (lock.acquire(folder)) writeFile(folder + "\\held", "");
        Sleep(INFINITE);
    }
    std::string told;
    if (task == "tell-arguments") {  // writes its arguments after the program's own, made absolute, a line each
        const std::vector<std::string> arguments = programArguments(0, nullptr);
        for (std::size_t i = 1; i < arguments.size(); ++i) told += absolutePath(arguments[i]) + "\n";
    } else {  // tell-folder: writes the program folder as the editor takes it, and its fault.
        const std::string seen = runningProgramFolder();
        told = seen + "\n" + programFolderFault(seen);
    }
    writeFile(folder + "\\told", told);
#ifdef GS_COVERAGE
    __gcov_dump();  // ExitProcess skips the exit handlers that would write the counts
#endif
    ExitProcess(0);
}();

// Starts `exe` as a child on `job`, with the arguments after its name and,
// when given, in the working folder `in`.
PROCESS_INFORMATION startChild(const std::wstring& exe, const std::string& job, const std::wstring& arguments = L"",
                               const wchar_t* in = nullptr) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION child{};
    SetEnvironmentVariableA("GS_CHILD", job.c_str());
    const bool started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, in, &start, &child);
    SetEnvironmentVariableA("GS_CHILD", nullptr);
    EXPECT_TRUE(started);
    return child;
}

void endChild(PROCESS_INFORMATION& child, bool kill) {
    if (kill) TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
}

std::wstring ownExecutable() {
    wchar_t exe[MAX_PATH];
    EXPECT_LT(GetModuleFileNameW(nullptr, exe, MAX_PATH), static_cast<DWORD>(MAX_PATH));
    return exe;
}

TEST(WindowsLock, HeldByAnotherProcessUntilItEndsAndByThisOneUntilReleased) {
    const std::string folder = makeInstallation();
    PROCESS_INFORMATION child = startChild(ownExecutable(), "hold-lock|" + folder);
    for (int i = 0; i < 600 && !fs::exists(folder + "\\held"); ++i) Sleep(50);
    ASSERT_TRUE(fs::exists(folder + "\\held"));
    EXPECT_TRUE(fs::is_regular_file(folder + "\\RK.lock"));  // the file every build of the editor locks

    InstallationLock mine, again;
    EXPECT_FALSE(mine.acquire(folder));
    endChild(child, true);
    EXPECT_TRUE(mine.acquire(folder));
    EXPECT_FALSE(again.acquire(folder));
    mine.release();
    EXPECT_TRUE(again.acquire(folder));
}

// The program folder is named in Windows-1252 whatever the system's code
// page; a name it cannot hold is refused with the reason.
TEST(WindowsProgramFolder, IsNamedInTheEditorsCharactersOrRefused) {
    // Under code page 1252 the system's names and the editor's coincide and
    // a wrong conversion would pass unseen.
    ASSERT_NE(GetACP(), 1252u) << "run under a code page other than 1252, as ./setup.sh test-windows does";
    const std::string folder = makeTempFolder();
    for (const auto& [name, told] : {std::pair{std::wstring(L"Jos\u00E9 \u20AC"), std::string("Jos\xE9 \x80\n")},
                                     {std::wstring(L"\u4E00"), std::string("?\nits name holds characters that Windows-1252 cannot hold")}}) {
        const fs::path place = fs::path(wide(folder)) / name;
        fs::create_directory(place);
        const fs::path exe = place / L"godsmith.exe";
        ASSERT_TRUE(CopyFileW(ownExecutable().c_str(), exe.c_str(), FALSE));
        PROCESS_INFORMATION child = startChild(exe.wstring(), "tell-folder|" + folder);
        endChild(child, false);
        EXPECT_EQ(readFile(folder + "\\told"), folder + "\\" + told);
        fs::remove(exe);
    }
}

// The god file named on the command line reaches the editor in the editor's
// own characters whatever the system's code page, and opens; a name that they
// cannot hold is refused when opened, with the reason.
TEST(WindowsCommandLine, NamesTheGodFileInTheEditorsCharactersOrRefusesIt) {
    ASSERT_NE(GetACP(), 1252u) << "run under a code page other than 1252, as ./setup.sh test-windows does";
    Session s;
    ASSERT_TRUE(s.app.start());
    const std::string name = "Fen\x80 \xC6r\xF8";
    FILE* f = _wfopen(wide(s.folder + "\\" + name + ".god").c_str(), L"wb");
    ASSERT_TRUE(f && std::fputs("#population 70\r\n", f) >= 0 && std::fclose(f) == 0);
    const std::string refused = "Fen\x80 \xC6r\xF8 ?.god";
    for (const auto& [argument, opened] :
         {std::pair{std::wstring(L"\"Fen\u20AC \u00C6r\u00F8.god\""), name},
          {std::wstring(L"\"Fen\u20AC \u00C6r\u00F8 \U0001D11E.god\""),  // beyond UTF-16's first plane
           "File not opened! | " + s.folder + "\\" + refused + ": the name \"" + refused +
               "\" holds a character that Windows does not allow in names"}}) {
        PROCESS_INFORMATION child =
            startChild(ownExecutable(), "tell-arguments|" + s.folder, argument, wide(s.folder).c_str());
        endChild(child, false);
        const std::string told = readFile(s.folder + "\\told");
        s.app.open(told.substr(0, told.size() - 1));
        const std::vector<Message>& said = s.platform.messages;
        EXPECT_EQ(said.empty() ? s.f.txtGanFileName.text() : said.back().text + " | " + said.back().detail, opened);
    }
    EXPECT_EQ(s.f.txtGanFileFinal.text(), "#population 70");
}

}  // namespace
}  // namespace gs::test
