// What the editor's executable does before its windows open.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QApplication;

namespace gs::qt {

// Answers --help and --version on standard output, before any window system
// is opened, and returns the exit code (1 when the answer cannot be
// written); any other argument gets the usage on standard error and exit
// code 2. Returns nothing when the editor is to start.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments);

// The god file named on the command line (its one argument, when that is no
// option), made absolute against the folder the editor was started from.
// Both take the program's arguments as the editor's text (programArguments).
std::optional<std::string> fileToOpen(const std::vector<std::string>& arguments);

// Gives the application its name, version and window icon, and makes the
// program folder the working folder, so that a relative Quillmap folder in
// RK.cfg lies beside the editor wherever the editor was started from.
void describeApplication(QApplication& application);

}  // namespace gs::qt
