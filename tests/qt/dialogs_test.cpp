// The platform's modal boxes as the user meets them: what they show, and what
// the editor gets back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include "support/installation.h"
#include "qt/qt_platform.h"
#include "qt/window_font.h"

#if GS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

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

// A window manager writes the title in the box's own bar, beside an icon and
// three buttons: the boxes are wider than the longest title the editor uses.
const std::string kLongTitle = "Unable to update configuration!";
void expectRoomForTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    EXPECT_GE(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 120);
}

TEST(QtPlatformDialogs, MessageBoxHasOnlyOkNoIconAndTheCauseBelow) {
    QtPlatform platform;
    whenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Unable to update configuration! \u00E9"));
        EXPECT_EQ(box.text(), "File not saved!\n\nsecond line");
        EXPECT_EQ(box.informativeText(), "cannot be opened");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        expectRoomForTitle(box);
        box.accept();
    });
    platform.messageBox("File not saved!\r\n\r\nsecond line", kLongTitle + " \xE9", "cannot be opened");
}

// The second editor's question: "Quit" is the default and Escape; "Open Anyway" opens.
TEST(QtPlatformDialogs, QuestionBoxOffersTheRejectingAnswerFirst) {
    const std::string text = "This installation is already open in another window.";
    QtPlatform platform;
    for (const bool openAnyway : {true, false}) {
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            ASSERT_TRUE(box.buttons().size() == 2 && box.icon() == QMessageBox::NoIcon);
            EXPECT_EQ(box.windowTitle() + "|" + box.text() + "|" + box.defaultButton()->text(),
                      QString::fromStdString(kLongTitle + "|" + text + "|Quit"));
            expectRoomForTitle(box);
            for (QAbstractButton* b : box.buttons())
                if (b->text() == "Open Anyway" && openAnyway) b->click();
            if (!openAnyway) QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(platform.questionBox(text, kLongTitle, "Open Anyway", "Quit"), openAnyway);
    }
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
    // The filter the request counts from 1 is the one selected.
    whenOpen<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.selectedNameFilter(), "Text file (*.txt)");
        dialog.reject();
    });
    platform.saveFileDialog({"", "", folder, "Quillmap GOD file (*.god)|*.god|Text file (*.txt)|*.txt", 2});
    // Without a title of its own, the dialog is named after what it does.
    for (const bool open : {false, true}) {
        whenOpen<QFileDialog>([open](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), open ? "Open" : "Save As");
            dialog.reject();
        });
        request.title.clear();
        if (open)
            platform.openFileDialog(request);
        else
            platform.saveFileDialog(request);
    }
}

#if GS_FONTCONFIG
// The families of the system's TrueType fonts (Qt leaves some other kinds out).
QStringList systemFamilies() {
    QStringList out;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* all = FcPatternCreate();
    FcPatternAddString(all, FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType"));
    FcObjectSet* family = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config, all, family);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
            out << QString::fromUtf8(reinterpret_cast<const char*>(name));
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(family);
    FcPatternDestroy(all);
    FcConfigDestroy(config);
    return out;
}

// The glyphs a text is drawn with in `font`.
QList<quint32> glyphsOf(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> out;
    for (const QGlyphRun& run : layout.glyphRuns()) out += run.glyphIndexes();
    return out;
}

// The editor starts on its carried faces alone; a file dialog lists the file
// system's names, in any script, so it brings the system's fonts for what
// the carried faces lack, and shapes the names (the window's own text is
// set unshaped). The window keeps its own faces, plain and bold.
TEST(QtPlatformDialogs, FileDialogsHaveTheSystemsFontsAndTheWindowKeepsItsOwn) {
    // The editor's dialogs take the window font (main.cpp).
    const QFont before = QApplication::font();
    QApplication::setFont(defaultFont());
    const std::string folder = test::makeTempFolder();
    QtPlatform platform;
    whenOpen<QFileDialog>([](QFileDialog& dialog) {
        const QStringList families = QFontDatabase::families();
        for (const QString& f : systemFamilies()) EXPECT_TRUE(families.contains(f)) << f.toStdString();
        // Arabic letters join: the first of a word takes its initial form,
        // where a system font has the letters at all.
        const QString ain = QString::fromUtf8("\u0639"), word = QString::fromUtf8("\u0639\u0631\u0628");
        const quint32 alone = glyphsOf(ain, dialog.font()).value(0);
        if (alone != 0) {
            EXPECT_NE(glyphsOf(word, dialog.font()).value(0), alone);
        }
        dialog.reject();
    });
    EXPECT_EQ(platform.openFileDialog({"Open God File", "", folder, "Quillmap GOD file (*.god)|*.god", 1}),
              std::nullopt);
    // Plain and bold captions are drawn with the carried faces, not with a
    // version of the family the system may have.
    for (const bool bold : {false, true}) {
        QFont window = defaultFont();
        window.setBold(bold);
        QFile carried(bold ? ":/fonts/LiberationSans-Bold.ttf" : ":/fonts/LiberationSans-Regular.ttf");
        ASSERT_TRUE(carried.open(QIODevice::ReadOnly));
        EXPECT_EQ(QRawFont::fromFont(window).fontTable("head"), QRawFont(carried.readAll(), 11).fontTable("head"))
            << (bold ? "bold" : "plain");
    }
    QApplication::setFont(before);
}
#endif

}  // namespace
}  // namespace gs::qt
