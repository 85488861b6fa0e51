// The editor's executable asked for its version and help on a machine
// without a display, and the script that registers the unpacked folder in
// the user's application menu.
#include "qt/command_line.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>
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

TEST(CommandLine, VersionAndHelpAnswerWithoutADisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    std::string helpText = gs::test::dataFile("command_line_help.txt");
    gs::test::replaceAll(helpText, "{DIR}", QFileInfo(GS_EDITOR).canonicalPath().toStdString());
    const QString help = QString::fromStdString(helpText);
    const std::pair<QString, QString> cases[] = {
        {"--version", "Godsmith " GS_VERSION "\n"}, {"--help", help}, {"-h", help}};
    for (const auto& [option, text] : cases) {
        const Result r = run(GS_EDITOR, {option}, env);
        EXPECT_EQ(r.exitCode, 0) << option.toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), text.toStdString());
        EXPECT_EQ(r.err.toStdString(), "");
    }
}

TEST(CommandLine, TheStartedEditorNamesItselfShowsItsIconAndWorksInItsFolder) {
    const QString before = QDir::currentPath();
    gs::qt::describeApplication(*qApp);
    EXPECT_EQ(QApplication::applicationName().toStdString(), "Godsmith");
    EXPECT_EQ(QApplication::applicationVersion().toStdString(), GS_VERSION);
    EXPECT_EQ(QApplication::windowIcon().pixmap(64).size(), QSize(64, 64));
    EXPECT_EQ(QDir::currentPath(), QApplication::applicationDirPath());
    QDir::setCurrent(before);
}

TEST(CommandLine, TheFolderRegistersItsDesktopEntryAndIconForTheUser) {
    QTemporaryDir home, where;
    // A folder name that needs the desktop entry's quoting.
    const QString folder = where.path() + "/God smith $1 \"x\" 100%";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* file : {"register-desktop.sh", "godsmith.desktop", "godsmith.svg", "godsmith.png"})
        ASSERT_TRUE(QFile::copy(QString(GS_PACKAGING "/") + file, folder + "/" + file)) << file;
    QFile::setPermissions(folder + "/register-desktop.sh", QFile::ReadOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.remove("XDG_DATA_HOME");
    const QString share = home.path() + "/.local/share";
    const QString entry = share + "/applications/godsmith.desktop";
    const QStringList icons = {share + "/icons/hicolor/scalable/apps/godsmith.svg",
                               share + "/icons/hicolor/256x256/apps/godsmith.png"};

    Result r = run(folder + "/register-desktop.sh", {}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Registered " + entry + "\n");
    std::string expected = gs::test::dataFile("desktop_entry.txt");
    gs::test::replaceAll(expected, "{DIR}", where.path().toStdString());
    EXPECT_EQ(gs::test::readFile(entry.toStdString()), expected);
    for (const QString& icon : icons) EXPECT_TRUE(QFileInfo::exists(icon)) << icon.toStdString();

    r = run(folder + "/register-desktop.sh", {"--remove"}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(entry));
    for (const QString& icon : icons) EXPECT_FALSE(QFileInfo::exists(icon)) << icon.toStdString();
}

}  // namespace
