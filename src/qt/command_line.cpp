#include "qt/command_line.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace gs::qt {

namespace {

constexpr const char* kVersion = GS_VERSION;

std::string programFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) exe = std::filesystem::absolute(argv0, error);
    return exe.parent_path().string();
}

std::string helpText(const std::string& folder) {
    return "Usage: godsmith [--help | --version]\n"
           "\n"
           "Godsmith composes god files for Velm's map generator Quillmap.\n"
           "Start it without options to open the editor's window.\n"
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

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::printf("Godsmith %s\n", kVersion);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(helpText(programFolder(argv[0])).c_str(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

void describeApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Godsmith"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    application.setWindowIcon(QIcon(QStringLiteral(":/godsmith-64.png")));
    QDir::setCurrent(QApplication::applicationDirPath());
}

}  // namespace gs::qt
