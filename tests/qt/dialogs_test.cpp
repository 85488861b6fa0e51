// The platform's modal boxes as the user meets them: what they show, and what
// the editor gets back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "support/installation.h"
#include "qt/qt_platform.h"

namespace gs::qt {
namespace {

// Runs `act` on the modal widget once the platform's box is open.
template <class Box, class Act>
void whenOpen(Act act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

TEST(QtPlatformDialogs, MessageBoxHasOnlyOkNoIconAndTheCauseBelow) {
    QtPlatform platform;
    whenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Error Report! \u00E9"));
        EXPECT_EQ(box.text(), "File not saved!\n\nsecond line");
        EXPECT_EQ(box.informativeText(), "cannot be opened");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.accept();
    });
    platform.messageBox("File not saved!\r\n\r\nsecond line", "Error Report! \xE9", "cannot be opened");
}

// A window manager writes the title in the box's own bar, beside an icon and
// three buttons: short text, the longest title the editor uses.
TEST(QtPlatformDialogs, BoxesAreWiderThanTheirTitles) {
    QtPlatform platform;
    const std::string title = "Unable to update configuration!";
    const auto check = [&](QMessageBox& box) {
        QFont bold = box.font();
        bold.setBold(true);
        EXPECT_GE(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 120);
        box.accept();
    };
    whenOpen<QMessageBox>(check);
    platform.messageBox("Unable to update RK.cfg", title);
    whenOpen<QMessageBox>(check);
    platform.questionBox("Open?", title, "Yes", "No");
}

TEST(QtPlatformDialogs, SaveDialogOffersTheNameAndReturnsTheChoice) {
    const std::string folder = test::makeTempFolder();
    QtPlatform platform;
    DialogRequest request{"Save God File", std::string("Ren\xE9") + "e_1", folder, "Quillmap GOD file (*.god)|*.god", 1};
    whenOpen<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save God File");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), QString::fromUtf8("Ren\u00E9e_1"));
        EXPECT_EQ(dialog.selectedNameFilter(), "Quillmap GOD file (*.god)");
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("mine");
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(platform.saveFileDialog(request), folder + "/mine");  // no extension added
    whenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(platform.saveFileDialog(request), std::nullopt);
}

}  // namespace
}  // namespace gs::qt
