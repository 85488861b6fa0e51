// The edge cases of the editor's files as the Qt view meets them: a line
// break pasted into a single-line box, the question of a second editor, and
// a sprite that is a FIFO or a device.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/app.h"
#include "qt/form_view.h"
#include "qt/qt_platform.h"
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
        EXPECT_EQ(app.form.txtAuthor.text(), "Ann\tTab");
        EXPECT_EQ(edit->text(), "Ann\tTab");
        EXPECT_EQ(app.editor.AuthorName, "Ann\tTab");
    }
}

TEST(QtFileEdges, SecondEditorQuestionOffersQuitFirstAndOpenAnyway) {
    QtPlatform platform;
    for (const bool openAnyway : {true, false}) {
        QTimer::singleShot(0, [openAnyway] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Godsmith");
            EXPECT_EQ(box->text(), "This installation is already open in another window.");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            ASSERT_EQ(box->buttons().size(), 2);
            EXPECT_EQ(box->defaultButton()->text(), "Quit");
            for (QAbstractButton* b : box->buttons())
                if (b->text() == "Open Anyway" && openAnyway) b->click();
            if (!openAnyway) QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(platform.questionBox("This installation is already open in another window.", "Godsmith",
                                       "Open Anyway", "Quit"),
                  openAnyway);
    }
}

TEST(QtFileEdges, SpriteThatIsNoRegularFileIsNoPicture) {
    const std::string fifo = test::makeTempFolder() + "/0010.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    QtPlatform platform;
    for (const std::string& path : {fifo, std::string("/dev/zero")})
        EXPECT_EQ(platform.pictureSize(path), std::nullopt);
}

}  // namespace
}  // namespace gs::qt
