// Opening a god file from the Qt window: Ctrl+O from any control, a .god
// file dropped on any control (a text box too), and the command line's path.
#include "qt/file_opening.h"

#include "qt/command_line.h"
#include "qt/started_window.h"
#include "support/installation.h"

namespace gs::qt {
namespace {

constexpr const char* kText = "--Description: \r\n--old\r\n\r\n#population 70\r\n#commander 12\r\n";

struct OpeningWindow : StartedWindow {
    OpeningWindow() { new FileOpening(main.window(), app); }
    std::string file(const std::string& name) {
        const std::string path = platform.folder + "/" + name;
        test::writeFile(path, std::string(kText) + "\r\n");
        return path;
    }
    // Drags a file's address over a widget and lets it go there; true when
    // the widget took the drag.
    bool drop(QWidget* on, const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = on->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
};

TEST(FileOpening, CtrlOAsksForAGodFileFromAnyControlAndShowsIt) {
    OpeningWindow s;
    const std::string path = s.file("kept.god");
    s.platform.dialogAnswers = {std::nullopt, path};
    for (const Control* from : std::initializer_list<const Control*>{&s.f.txtAuthor, &s.f.cboEra}) {
        s.widget(*from)->setFocus();
        key(s.widget(*from), Qt::Key_O, Qt::ControlModifier);
    }
    ASSERT_EQ(s.platform.openRequests.size(), 2u);
    EXPECT_EQ(s.platform.openRequests[0].filter, "Quillmap GOD file (*.god)|*.god|All files (*.*)|*.*");
    EXPECT_EQ(s.f.txtAuthor.text(), "Test Author");  // no "o" typed
    EXPECT_EQ(s.f.SSTab1.tab(), 3);
    EXPECT_EQ(s.f.txtGanFileName.text(), "kept");
    EXPECT_EQ(s.as<QPlainTextEdit>(s.f.txtGanFileFinal)->toPlainText().toStdString(),
              "--Description: \n--old\n\n#population 70\n#commander 12\n");
    EXPECT_EQ(s.f.txtGanFileFinal.text(), kText);
    EXPECT_EQ(s.f.txtPopulation.text(), "70");
}

TEST(FileOpening, AGodFileDroppedOnAnyControlOpensOtherDropsStayTheControls) {
    OpeningWindow s;
    const std::string path = s.file("dropped.GOD");
    s.reveal(s.f.txtGarrison);
    QWidget* garrison = s.as<QPlainTextEdit>(s.f.txtGarrison)->viewport();
    EXPECT_TRUE(s.drop(garrison, QString::fromStdString(path)));
    EXPECT_EQ(s.f.txtGarrison.text(), "#commander 12\r\n");  // not the file's address
    EXPECT_EQ(s.f.txtGanFileName.text(), "dropped");  // the extension goes in any case
    EXPECT_EQ(s.f.txtGanFileFinal.text(), kText);

    // Over a label too (it takes no drops, so the window gets them).
    s.f.txtPopulation.setText("");
    EXPECT_TRUE(s.drop(s.widget(s.f.lblUnitNumber), QString::fromStdString(path)));
    EXPECT_EQ(s.f.txtPopulation.text(), "70");

    // Another file dropped on a text box is the text box's own business.
    s.reveal(s.f.txtGanFileDesc);
    s.drop(s.as<QPlainTextEdit>(s.f.txtGanFileDesc)->viewport(), "/tmp/notes.txt");
    EXPECT_EQ(s.f.txtGanFileName.text(), "dropped");  // the extension goes in any case
    EXPECT_TRUE(s.platform.messages.empty());
}

TEST(FileOpening, TheBoxesOfOtherPagesTakeTheOpenedFileWhenTheirPageIsShown) {
    OpeningWindow s;
    s.clickTab(s.f.SSTab1, 0);
    s.reveal(s.f.cmdLoad);
    s.platform.dialogAnswers = {s.file("paged.god")};
    s.click(s.f.cmdLoad);
    ASSERT_EQ(s.f.SSTab1.tab(), 3);
    EXPECT_EQ(s.as<QPlainTextEdit>(s.f.txtGanFileFinal)->toPlainText().toStdString(),
              "--Description: \n--old\n\n#population 70\n#commander 12\n");
    // Out of sight, the description is not laid out yet; shown, it holds its
    // text, and what is typed into it afterwards.
    auto* description = s.as<QPlainTextEdit>(s.f.txtGanFileDesc);
    EXPECT_EQ(description->toPlainText(), "");
    s.clickTab(s.f.SSTab1, 0);
    EXPECT_EQ(description->toPlainText(), "old");
    description->setFocus();
    key(description, Qt::Key_End, Qt::ControlModifier);
    keys(description, " fen");
    EXPECT_EQ(s.f.txtGanFileDesc.text(), "old fen");
}

TEST(FileOpening, TheCommandLinesOneFileIsMadeAbsolute) {
    const std::string here = QDir::currentPath().toStdString();
    EXPECT_EQ(fileToOpen({"godsmith", "mine.god"}), here + "/mine.god");
    EXPECT_EQ(fileToOpen({"godsmith", "/x/other.god"}), "/x/other.god");
    EXPECT_EQ(fileToOpen({"godsmith", "mine.god", "/x/other.god"}), std::nullopt);
    EXPECT_EQ(fileToOpen({"godsmith", "--verbose"}), std::nullopt);
}

}  // namespace
}  // namespace gs::qt
