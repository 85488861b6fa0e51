// Window text is Windows-1252 bytes; the widgets show Unicode.
#include <gtest/gtest.h>

#include <QStringList>

#include "qt/cp1252.h"
#include "qt/qt_platform.h"

namespace gs::qt {
namespace {

TEST(Cp1252, EveryByteComesBackUnchangedAndWindowsCharactersMap) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString shown = fromCp1252(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(toCp1252(shown), all);
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(shown[b].unicode(), b);  // left open: C1 characters
    EXPECT_EQ(fromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCp1252("\x93Quill\x94"), QString::fromUtf8("\u201CQuill\u201D"));
    EXPECT_EQ(fromCp1252("Th\xE9od\xF6r \x9F"), QString::fromUtf8("Th\u00E9od\u00F6r \u0178"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u2026 \u0153 \u00FF")), "\x85 \x9C \xFF");
    EXPECT_EQ(toCp1252(QString::fromUtf8("a\u4E00b")), "a?b");  // replaced, never dropped
    // Multi-line text shows newlines and stores CR LF.
    EXPECT_EQ(fromCp1252Lines("#god \"Ashk\xE1\"\r\n#end\r\n"), QString::fromUtf8("#god \"Ashk\u00E1\"\n#end\n"));
    EXPECT_EQ(toCp1252Lines(QString::fromUtf8("one\ntwo\n")), "one\r\ntwo\r\n");
    const std::string garrison = "#commander 1822\r\n#additem \"Sceptre\"\r\n";
    EXPECT_EQ(toCp1252Lines(fromCp1252Lines(garrison)), garrison);
}

TEST(DialogFilters, PairsBecomeQtFilters) {
    EXPECT_EQ(dialogFilters("Quillmap GOD file (*.god)|*.god"), QStringList{"Quillmap GOD file (*.god)"});
    EXPECT_EQ(dialogFilters("Quillmap exe file (Quillmap.exe)|Quillmap.exe|All files (*.*)|*.*"),
              (QStringList{"Quillmap exe file (Quillmap.exe)", "All files (*.*)"}));
    EXPECT_EQ(dialogFilters("Texts|*.txt;*.god"), QStringList{"Texts (*.txt *.god)"});
    EXPECT_TRUE(dialogFilters("").isEmpty());
}

}  // namespace
}  // namespace gs::qt
