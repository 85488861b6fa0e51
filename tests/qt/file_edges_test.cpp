// The editor's file edges as the Qt view meets them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <QtWidgets>

#include "app/app.h"
#include "qt/form_view.h"
#include "qt/qt_platform.h"
#include "qt/started_window.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace gs::qt {
namespace {

TEST(QtFileEdges, PastedLineBreakKeepsTheFirstLineOfTheAuthorBox) {
    test::FakePlatform platform;
    App app(platform);
    FormView view(app.form);
    auto* edit = qobject_cast<QLineEdit*>(view.widget(app.form.txtAuthor));
    ASSERT_NE(edit, nullptr);
    for (const char* pasted : {"\tTab\r\nSecond\nThird", "\tTab\rSecond", "\tTab\nSecond"}) {
        app.form.txtAuthor.setText("Ann");
        edit->setCursorPosition(3);
        QApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(app.form.txtAuthor.text() + "|" + edit->text().toStdString() + "|" + app.editor.AuthorName,
                  "Ann\tTab|Ann\tTab|Ann\tTab");
    }
}

TEST(QtFileEdges, SecondEditorQuestionOffersQuitFirstAndOpenAnyway) {
    const std::string text = "This installation is already open in another window.";
    QtPlatform platform;
    for (const bool openAnyway : {true, false}) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box && box->buttons().size() == 2 && box->icon() == QMessageBox::NoIcon);
            EXPECT_EQ(box->windowTitle() + "|" + box->text() + "|" + box->defaultButton()->text(),
                      QString::fromStdString("Godsmith|" + text + "|Quit"));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == "Open Anyway" && openAnyway) b->click();
            if (!openAnyway) QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(platform.questionBox(text, "Godsmith", "Open Anyway", "Quit"), openAnyway);
    }
}

TEST(QtFileEdges, SpriteThatIsNoRegularFileIsNoPicture) {
    const std::string fifo = test::makeTempFolder() + "/0010.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) EXPECT_FALSE(QtPlatform().pictureSize(path));
}

// By the user's own clicks: "Save and Add" over an existing god file asks
// first; "Keep" keeps the file, "Replace" replaces it.
TEST(QtFileEdges, SaveAndAddOverAnExistingGodFileAsksFirst) {
    StartedWindow w;
    w.clickTab(w.f.SSTab1, 3);
    const std::string god = w.platform.folder + "/" + test::kGodBinDir + "/" + w.f.txtGanFileName.text() + ".god";
    test::writeFile(god, "old");
    w.platform.questionAnswers = {false, true};
    w.click(w.f.cmdSaveAndAdd);
    EXPECT_EQ(test::readFile(god), "old");
    w.click(w.f.cmdSaveAndAdd);
    EXPECT_EQ(test::readFile(god), w.f.txtGanFileFinal.text() + "\r\n");
    ASSERT_EQ(w.platform.questions.size(), 2u);
    EXPECT_EQ(w.platform.questions[0].text, god + " already exists.\r\nReplace it?");
}

// Typed with real keys, a double quote in a province or commander name is
// refused when added, and the list stays as it was.
TEST(QtFileEdges, AQuoteTypedIntoANameIsRefused) {
    StartedWindow w;
    for (auto [box, add, list] : {std::tuple{&w.f.txtLandName, &w.f.cmdAddToNameList, &w.f.lstNameList},
                                  {&w.f.txtCommanderName, &w.f.cmdAddToCommanderNameList, &w.f.lstCommanderNameList}}) {
        w.reveal(*box);
        w.widget(*box)->setFocus();
        keys(w.widget(*box), QStringLiteral("Al\"pha"));
        w.click(*add);
        EXPECT_EQ(box->text(), "Al\"pha");
        EXPECT_EQ(list->listCount(), 0);
        ASSERT_FALSE(w.platform.messages.empty());
        EXPECT_EQ(w.platform.messages.back().text + "|" + w.platform.messages.back().title,
                  "The character \" cannot be used here: the file writes this name between double quotes.|Error Report!");
    }
    EXPECT_EQ(w.platform.messages.size(), 2u);
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
