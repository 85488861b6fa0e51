// The editor's file edges as the Qt view meets them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <QtWidgets>

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

}  // namespace
}  // namespace gs::qt
