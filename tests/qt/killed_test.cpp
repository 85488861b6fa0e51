// The editor killed (SIGKILL) one second after the user's last change: the
// next start shows the same Step 4 text and builder entries. The editor runs in a process of its
// own, this test program started again with GS_KILLED_CHILD naming the
// installation: before any test, it shows the real window on it with the
// real clock, adds a builder entry, types, prints Step 4's text and the entry
// and waits to be killed.
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "qt/qt_platform.h"
#include "qt/started_window.h"
#include "support/session.h"

namespace gs::qt {
namespace {

struct ClockedPlatform : test::FakePlatform {
    using FakePlatform::FakePlatform;
    void repeat(int milliseconds, std::function<void()> task) override { repeatEvery(milliseconds, std::move(task)); }
};

[[noreturn]] void runChild(const char* folder) {
    int argc = 1;
    char name[] = "godsmith";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ClockedPlatform platform(folder);
    App app(platform);
    FormView splash(app.splash), main(app.form);
    app.start();
    Form1& f = app.form;
    f.txtCommanderName.setText("Aldric");
    f.cmdAddToCommanderNameList.click();
    f.SSTab1.setTab(3);
    QWidget* finalText = main.widget(f.txtGanFileFinal);
    finalText->setFocus();
    keys(main.widget(f.txtGanFileDesc), "Kept");
    keys(finalText, "by hand");
    std::printf("%s\n", QByteArray::fromStdString(f.txtGanFileFinal.text()).toHex().constData());
    std::printf("%s\n", f.lstCommanderNameList.item(0).c_str());
    std::fflush(stdout);
    application.exec();
    std::_Exit(1);
}

[[maybe_unused]] const bool child = [] {
    if (const char* folder = std::getenv("GS_KILLED_CHILD")) runChild(folder);
    return false;
}();

TEST(Killed, OneSecondAfterTheLastChangeTheNextStartShowsTheSameStep4Text) {
    const std::string folder = test::makeInstallation();
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GS_KILLED_CHILD", QString::fromStdString(folder));
    editor.setProcessEnvironment(env);
    editor.start(QCoreApplication::applicationFilePath(), {});
    ASSERT_TRUE(editor.waitForStarted(20000));
    while (!editor.canReadLine()) ASSERT_TRUE(editor.waitForReadyRead(20000)) << editor.readAllStandardError().data();
    const std::string shown = QByteArray::fromHex(editor.readLine().trimmed()).toStdString();
    while (!editor.canReadLine()) ASSERT_TRUE(editor.waitForReadyRead(20000));
    const std::string entry = editor.readLine().trimmed().toStdString();
    QThread::msleep(1000);
    editor.kill();  // SIGKILL
    editor.waitForFinished(20000);
    ASSERT_EQ(editor.exitStatus(), QProcess::CrashExit);

    ASSERT_NE(shown, "");
    test::Session next(folder);
    next.run("start");
    EXPECT_EQ(next.f.txtGanFileFinal.text(), shown);
    EXPECT_EQ(entry, "\"Aldric\"");
    EXPECT_EQ(next.f.lstCommanderNameList.items(), std::vector<std::string>{entry});
    EXPECT_EQ(std::tuple(next.f.cmdAddCommanderName.enabled(), next.f.cboCommanderNameDataList.enabled()),
              std::tuple(true, false));
}

}  // namespace
}  // namespace gs::qt
