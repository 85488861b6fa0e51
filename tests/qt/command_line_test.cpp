// The editor's executable asked for its version and help, given unknown
// arguments, answering into an output it cannot write and started on a
// machine without a display; and the script that registers the unpacked folder in
// the user's application menu.
#include "qt/command_line.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/session.h"

namespace {

struct Result {
    int exitCode = -1;
    QString out, err;
};

Result run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(20000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The environment of a machine without a display.
QProcessEnvironment noDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) env.remove(name);
    return env;
}

// Version and help answer on standard output, and fail when that cannot be
// written; anything else gets the usage on standard error and exit code 2.
TEST(CommandLine, OptionsAnswerWithoutADisplay) {
    std::string help = gs::test::dataFile("command_line_help.txt");
    gs::test::replaceAll(help, "{DIR}", QFileInfo(GS_EDITOR).canonicalPath().toStdString());
    const std::string usage = "Usage: godsmith [--help | --version | FILE]\n";
    const std::string full = "godsmith: cannot write to standard output: No space left on device\n";
    const std::string closed = "godsmith: cannot write to standard output: Bad file descriptor\n";
    const struct {
        QString args;  // with the shell's redirections
        int exitCode;
        std::string out, err;
    } cases[] = {
        {"--version", 0, "Godsmith 1.02\n", ""},
        {"--help", 0, help, ""},
        {"-h", 0, help, ""},
        {"--bogus", 2, "", "godsmith: unknown option '--bogus'\n" + usage},
        {"-v --version", 2, "", "godsmith: unknown option '-v'\n" + usage},
        {"--versions", 2, "", "godsmith: unknown option '--versions'\n" + usage},
        {"Mine.god Other.god", 2, "", "godsmith: unexpected argument 'Other.god'\n" + usage},
        {"Mine.god --help", 2, "", "godsmith: unknown option '--help'\n" + usage},
        {"--version >/dev/full", 1, "", full},
        {"--help >/dev/full", 1, "", full},
        {"--version >&-", 1, "", closed},
        {"--help >&-", 1, "", closed},
    };
    for (const auto& c : cases) {
        const Result r = run("/bin/sh", {"-c", "exec \"$0\" " + c.args, GS_EDITOR}, noDisplay());
        EXPECT_EQ(std::tuple(r.exitCode, r.out.toStdString(), r.err.toStdString()), std::tuple(c.exitCode, c.out, c.err))
            << c.args.toStdString();
    }
}

// The editor copied into a folder of its own, so that a lock file it made
// would be seen.
TEST(CommandLine, WithoutADisplayTheEditorSaysSoAndLeavesItsFolderAlone) {
    QTemporaryDir folder;
    const QString editor = folder.filePath("godsmith");
    ASSERT_TRUE(QFile::copy(GS_EDITOR, editor));
    QProcessEnvironment missing = noDisplay();
    missing.insert("DISPLAY", ":4711");
    QProcessEnvironment wayland = noDisplay();
    wayland.insert("WAYLAND_DISPLAY", "wayland-4711");
    wayland.insert("XDG_SESSION_TYPE", "wayland");
    const std::pair<QProcessEnvironment, std::string> cases[] = {
        {noDisplay(), "(DISPLAY is not set)"}, {missing, "(DISPLAY is :4711)"}, {wayland, "(DISPLAY is not set)"}};
    for (const auto& [env, which] : cases) {
        const Result r = run(editor, {}, env);
        EXPECT_EQ(r.exitCode, 1) << which;
        EXPECT_EQ(r.out.toStdString(), "");
        EXPECT_EQ(r.err.toStdString(), "godsmith: cannot open the window: no display can be reached " + which + "\n");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"godsmith"});
}

TEST(CommandLine, TheStartedEditorNamesItselfShowsItsIconAndWorksInItsFolder) {
    const QString before = QDir::currentPath();
    gs::qt::describeApplication(*qApp);
    EXPECT_EQ(QApplication::applicationName().toStdString(), "Godsmith");
    EXPECT_EQ(QApplication::applicationVersion().toStdString(), "1.02");
    // The picture itself, read when asked for; smaller where a window system asks so.
    const QImage picture = QImage(":/godsmith-64.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(picture.size(), QSize(64, 64));
    const QIcon icon = QApplication::windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
    EXPECT_EQ(icon.pixmap(64).toImage().convertToFormat(picture.format()), picture);
    EXPECT_EQ(icon.pixmap(16).size(), QSize(16, 16));
    EXPECT_EQ(QDir::currentPath(), QApplication::applicationDirPath());
    QDir::setCurrent(before);
}

TEST(CommandLine, TheFolderRegistersItsDesktopEntryAndIconForTheUser) {
    QTemporaryDir home, where;
    // A folder name that needs the desktop entry's quoting.
    const QString folder = where.path() + "/God smith $1 \"x\" 100%";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* file :
         {"register-desktop.sh", "godsmith.desktop", "godsmith-mime.xml", "godsmith.svg", "godsmith.png"})
        ASSERT_TRUE(QFile::copy(QString(GS_PACKAGING "/") + file, folder + "/" + file)) << file;
    QFile::setPermissions(folder + "/register-desktop.sh", QFile::ReadOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.remove("XDG_DATA_HOME");
    const QString share = home.path() + "/.local/share";
    const QString entry = share + "/applications/godsmith.desktop";
    const QString mimeType = share + "/mime/packages/godsmith.xml";
    const QStringList registered = {share + "/icons/hicolor/scalable/apps/godsmith.svg",
                                    share + "/icons/hicolor/256x256/apps/godsmith.png", mimeType};

    Result r = run(folder + "/register-desktop.sh", {}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Registered " + entry + "\n");
    std::string expected = gs::test::dataFile("desktop_entry.txt");
    gs::test::replaceAll(expected, "{DIR}", where.path().toStdString());
    EXPECT_EQ(gs::test::readFile(entry.toStdString()), expected);
    for (const QString& file : registered) EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    // *.god files are of the type the entry opens.
    EXPECT_EQ(gs::test::readFile(mimeType.toStdString()), gs::test::dataFile("desktop_mime.xml"));
    const std::string globs = share.toStdString() + "/mime/globs2";
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_NE(gs::test::readFile(globs).find("\n50:text/x-quillmap-god:*.god\n"), std::string::npos);
    }

    r = run(folder + "/register-desktop.sh", {"--remove"}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(entry));
    for (const QString& file : registered) EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
    if (QFileInfo::exists(QString::fromStdString(globs))) {
        EXPECT_EQ(gs::test::readFile(globs).find("quillmap"), std::string::npos);
    }
}

}  // namespace
