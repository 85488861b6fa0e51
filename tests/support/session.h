// Drives the editor as a user does and writes down what it shows, so that
// tests compare whole transcripts with expected files under tests/data.
//
// A script is one command a line; lines starting with two spaces are the
// output the command before them produced (ignored when running, written
// when recording). Commands, with NAME a control's full name ("lstFeatureList(2)"):
//   start                 the program starts (scripts may change files first)
//   type NAME TEXT        the user types TEXT into a text box (escapes as below)
//   pick NAME TEXT        picks the entry with this text; index NAME N picks by position
//   click NAME [TIMES] / dblclick NAME / tab NAME PAGE
//   paste NAME PATH...    the files' bytes, joined, put into a text box as a paste does
//   show NAME...          each control's state; items NAME lists its entries
//   counted NAME          a long text box's text, repeated bytes and lines counted
//   file PATH             a file's bytes, PATH relative to the installation
//   write PATH TEXT / rm PATH    changes a file of the installation
//   repeat PATH N TEXT    appends TEXT N times to a file (made when missing)
//   size PATH BYTES       cuts a file or grows it with zeros
//   answer TEXT / answer cancel  the answer of the next file dialog
//   tick                  time passes: the editor's clock ticks once
//   close                 the user closes the main window
//   undo / redo           Ctrl+Z / Ctrl+Y outside a text box
//   reply yes / reply no  the answer of the next question (unanswered: yes)
//   kill                  the program dies: nothing is closed or written; the
//                         commands after it run a new program (to be started)
//                         on the same installation
// Every question, message box, opened address and file dialog shows up as output of
// the command that raised it. The installation folder reads "{DIR}".
// Texts are shown byte for byte: "\\", "\r", "\n", "\t" and "\xNN" (bytes
// from 0x80) escaped, and a CR LF also breaks the output line.
#pragma once

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace gs::test {

std::string escaped(const std::string& text);
std::string unescaped(const std::string& text);
// `out` with the installation folder shown as "{DIR}" and the paths in it
// and in failure causes with "/" (Windows names them with backslashes, and
// its dialogs answer with them), so that one transcript holds on every system.
std::string folderShown(std::string out, const std::string& folder);

// The control's state as the user sees it, flags for disabled and hidden.
std::string state(const Control& c);
// Every property of every control, one line each, for the window layout.
std::string layout(const std::vector<Control*>& controls);
// A window and all its controls.
template <class W>
std::vector<Control*> withControls(W& w) {
    std::vector<Control*> all{&w};
    all.insert(all.end(), w.allControls().begin(), w.allControls().end());
    return all;
}

class Session {
public:
    explicit Session(const InstallationOptions& options = {});
    // On an installation an earlier session left (not started yet).
    explicit Session(std::string installation);
    // Runs one command and returns its output lines.
    std::string run(const std::string& command);
    Control& at(const std::string& name);

    std::string folder;
    FakePlatform platform;
    App app;
    Form1& f = app.form;

private:
    std::string reported();
    std::size_t questions_ = 0, messages_ = 0, urls_ = 0, opens_ = 0, saves_ = 0;
};

// Runs a script's commands on a fresh installation; returns the transcript.
std::string runScript(const std::string& script);

// A file of tests/data, and the transcript check: equal to the file, or the
// file rewritten when GS_TEST_RECORD is set.
std::string dataFile(const std::string& name);
void expectDataFile(const std::string& name, const std::string& actual);

// The cases of a tests/data transcript, parted by blank lines, each on a fresh
// S (a Session with steps of its own, run by S::step, which returns the
// step's output lines): the whole transcript must equal the file. `ended`
// checks each case's session before it goes.
template <class S>
void expectCases(const std::string& name, const std::function<void(S&, const std::string&)>& ended = {}) {
    std::istringstream in(dataFile(name) + "\n");
    std::string transcript, started;
    std::optional<S> s;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("  ", 0) == 0) continue;
        transcript += line + "\n";
        if (line.empty() && s && ended) ended(*s, started);
        if (line.empty()) s.reset();
        else if (line[0] != '#') {
            if (!s) s.emplace(), started = line;
            for (std::istringstream out(s->step(line)); std::getline(out, line);) transcript += "  " + line + "\n";
        }
    }
    expectDataFile(name, transcript.substr(0, transcript.size() - 1));
}

}  // namespace gs::test
