// The editor's file edges as the Qt view meets them.
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "qt/qt_platform.h"
#include "qt/started_window.h"

namespace gs::qt {
namespace {

// A line break pasted into a box of one line drops it and all after it,
// whichever line end it is; the field shows what the box kept.
TEST(QtFileEdges, PastedLineBreakKeepsTheFirstLineOfTheAuthorBox) {
    test::FakePlatform platform;
    App app(platform);
    FormView view(app.form);
    auto* edit = qobject_cast<QLineEdit*>(view.widget(app.form.txtAuthor));
    ASSERT_NE(edit, nullptr);
    for (const auto& [pasted, kept] : {std::pair{"\tTab\r\nSecond\nThird", "Ann\tTab"}, {"\tTab\rSecond", "Ann\tTab"},
                                       {"\tTab\nSecond", "Ann\tTab"}, {"\r\nSecond", "Ann"}}) {
        app.form.txtAuthor.setText("Ann");
        edit->setCursorPosition(3);
        QApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(app.form.txtAuthor.text() + "|" + edit->text().toStdString() + "|" + app.editor.AuthorName,
                  std::string(kept) + "|" + kept + "|" + kept);
    }
}

// The platform tells a picture's size only for a file it can show (the
// sprites it reads: widgets_test.cpp): a missing sprite, one that is no
// picture or no regular file reads as "no picture", so the unit view keeps
// the picture it had.
TEST(QtFileEdges, OnlyAReadablePictureHasASize) {
    const std::string folder = test::makeTempFolder();
    test::writeFile(folder + "/0006.jpg", "not a picture");
    ASSERT_EQ(::mkfifo((folder + "/0010.jpg").c_str(), 0644), 0);
    QtPlatform platform;
    for (const std::string& path : {folder + "/0005.jpg", folder + "/0006.jpg", folder + "/0010.jpg", std::string("/dev/zero")})
        EXPECT_FALSE(platform.pictureSize(path)) << path;
}

// Started from a folder whose name is not UTF-8 (byte 0xE9), the editor
// works in that folder: it shows its window and removes its own stale
// temporary there.
TEST(QtFileEdges, TheEditorWorksInAFolderOfAnyName) {
    namespace fs = std::filesystem;
    const std::string made = test::makeInstallation(), folder = made + "-Jos\xE9";
    fs::rename(made, folder);
    test::writeFile(folder + "/RK.cfg", folder + "/Quillmap\r\nTest Author\r\n1\r\n");
    fs::copy_file(GS_EDITOR, folder + "/godsmith");
    const std::string stale = folder + "/.gs0123abcd";
    test::writeFile(stale, "x");
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    const std::string command = "cd '" + folder +
                                "' && GODSMITH_EXIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=offscreen timeout 60 ./godsmith "
                                ">/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(stale));
    fs::rename(folder, made);
}

}  // namespace
}  // namespace gs::qt
