#include "qt/command_line.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/file_access.h"
#include "model/paths.h"
#include "qt/window_icon.h"
#include "window/forms.h"
#include "window/version.h"

namespace gs::qt {

namespace {

constexpr const char* kUsage = "Usage: godsmith [--help | --version | FILE]\n";

// Found from the program's own name when the system does not tell it.
std::string programFolder(const std::string& argv0) {
    const std::string folder = runningProgramFolder();
    return folder.empty() ? folderOf(absolutePath(argv0)) : folder;
}

std::string helpText(const std::string& folder) {
    return std::string(kUsage) +
           "\n"
           "Godsmith composes god files for Velm's map generator Quillmap.\n"
           "Start it without options to open the editor's window; with a god\n"
           "file's path FILE the window opens showing that file.\n"
           "\n"
           "It reads its files from the folder of its executable (" +
           folder +
           "):\n"
           "  RKdata/     the data tables UnitData.txt, ItemData.txt, SiteData.txt,\n"
           "              NationData.txt and PopData.txt\n"
           "  RKsprites/  one JPEG picture per unit, named by its number (0056.jpg)\n"
           "  RK.cfg      Quillmap's folder (a relative one lies in that folder),\n"
           "              author name, author index and Quillmap's item lists\n"
           "\n"
           "Options:\n"
           "  --help     show this text and exit\n"
           "  --version  show the version and exit\n";
}

// An answer that cannot be written (a full disk, a closed output) is a
// failure, as it is for any command-line tool.
int answer(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    const int error = errno;
    std::fprintf(stderr, "godsmith: cannot write to standard output: %s\n", std::strerror(error));
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    const std::string_view arg = arguments[1];
    if (arg == "--version") return answer(std::string(kProgramTitle) + " " + kProgramVersion + "\n");
    if (arg == "--help" || arg == "-h") return answer(helpText(programFolder(arguments[0])));
    if (fileToOpen(arguments)) return std::nullopt;
    // The first argument that is neither an option nor the one file.
    const int wrong = arg.starts_with('-') ? 1 : 2;
    const char* what = arguments[wrong].starts_with('-') ? "unknown option" : "unexpected argument";
    std::fprintf(stderr, "godsmith: %s '%s'\n%s", what, arguments[wrong].c_str(), kUsage);
    return 2;
}

std::optional<std::string> fileToOpen(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2 || arguments[1].starts_with('-')) return std::nullopt;
    return absolutePath(arguments[1]);
}

void describeApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Godsmith"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    application.setWindowIcon(iconReadWhenShown(QStringLiteral(":/godsmith-64.png"), 64));
    // A relative Quillmap folder in RK.cfg lies in the editor's folder.
    std::error_code error;
    std::filesystem::current_path(fileSystemPath(runningProgramFolder()), error);
}

}  // namespace gs::qt
