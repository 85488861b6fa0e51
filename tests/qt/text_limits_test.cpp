// A paste the window cannot take in within a frame (too long a line, too many
// lines) is refused before the field lays it out: the message says why and
// the field keeps what it held. A paste within the limits is taken.
#include "qt/started_window.h"

namespace gs::qt {
namespace {

QString lines(int count, const QString& line, const QString& end = "\n") {
    QString s;
    for (int i = 0; i < count; ++i) s += line + end;
    return s;
}

TEST(TextLimits, APasteOverALimitIsRefusedBeforeTheFieldTakesIt) {
    const struct {
        QString pasted;
        const char* said;
    } cases[] = {
        {lines(19999, "#a"), nullptr},
        {lines(19999, "#a", "\r\n"), nullptr},
        {lines(19999, "#a", "\r"), nullptr},
        {lines(20000, "#a"), "This box can hold at most 20000 lines, so it keeps what it held."},
        {lines(20000, "#a", "\r\n"), "This box can hold at most 20000 lines, so it keeps what it held."},
        {QString(4001, 'x'), "A line in this box can hold at most 4000 characters, so the box keeps what it held."},
        // 5000 lines of 105 bytes with their CR LF: 525000 bytes.
        {lines(5000, QString(103, 'b')),
         "This box can hold at most 524288 characters, so it keeps what it held."},
    };
    StartedWindow e;
    e.reveal(e.f.txtGarrison);
    auto* edit = e.as<QPlainTextEdit>(e.f.txtGarrison);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted.left(4).toStdString() + (c.said ? c.said : "taken"));
        e.f.txtGarrison.setText("#kept\r\n");
        e.platform.messages.clear();
        edit->setFocus();
        key(edit, Qt::Key_End, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(c.pasted);
        key(edit, Qt::Key_V, Qt::ControlModifier);
        e.letTextsFill();
        if (!c.said) {
            EXPECT_TRUE(e.platform.messages.empty());
            EXPECT_EQ(edit->document()->blockCount(), 20001);
            EXPECT_EQ(e.f.txtGarrison.text(), "#kept\r\n" + lines(19999, "#a", "\r\n").toStdString());
            continue;
        }
        ASSERT_EQ(e.platform.messages.size(), 1u);
        EXPECT_EQ(e.platform.messages[0].text, c.said);
        EXPECT_EQ(e.platform.messages[0].title, "Godsmith");
        EXPECT_EQ(e.f.txtGarrison.text(), "#kept\r\n");
        EXPECT_EQ(edit->toPlainText(), "#kept\n");
    }
}

// A key the model refuses leaves the field as the model holds it; one it
// takes stays in the field with the caret after it.
TEST(TextLimits, ATypedCharacterOverALineLimitIsTakenBackFromTheField) {
    StartedWindow e;
    e.reveal(e.f.txtGarrison);
    auto* edit = e.as<QPlainTextEdit>(e.f.txtGarrison);
    const std::string full = "#kept\r\n" + std::string(4000, 'x');
    e.f.txtGarrison.setText(full);
    edit->setFocus();
    key(edit, Qt::Key_End, Qt::ControlModifier);
    keys(edit, "y");
    ASSERT_EQ(e.platform.messages.size(), 1u);
    EXPECT_EQ(e.platform.messages[0].text, "A line in this box can hold at most 4000 characters, so the box keeps what it held.");
    EXPECT_EQ(e.f.txtGarrison.text(), full);
    EXPECT_EQ(edit->toPlainText(), "#kept\n" + QString(4000, 'x'));

    key(edit, Qt::Key_Home, Qt::ControlModifier);
    keys(edit, "z");
    EXPECT_EQ(e.f.txtGarrison.text(), "z" + full);
    EXPECT_EQ(edit->toPlainText(), "z#kept\n" + QString(4000, 'x'));
    EXPECT_EQ(edit->textCursor().position(), 1);
    EXPECT_EQ(e.f.txtGarrison.selStart(), 1);
}

TEST(TextLimits, APasteOverSelectedLinesCountsOnlyTheLinesThatStay) {
    StartedWindow e;
    e.reveal(e.f.txtGarrison);
    auto* edit = e.as<QPlainTextEdit>(e.f.txtGarrison);
    std::string held;
    for (int i = 0; i < 19998; ++i) held += "#a\r\n";
    e.f.txtGarrison.setText(held);
    edit->setFocus();
    key(edit, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(lines(20000, "#b"));
    key(edit, Qt::Key_V, Qt::ControlModifier);
    e.letTextsFill();
    EXPECT_TRUE(e.platform.messages.empty());
    EXPECT_EQ(e.f.txtGarrison.text().substr(0, 8), "#b\r\n#b\r\n");
    EXPECT_EQ(e.f.txtGarrison.text().size(), 20000u * 4);
    EXPECT_EQ(edit->toPlainText(), lines(20000, "#b"));
}

// A long text set from code comes into the field in parts, between the
// user's events; a key or a click the user gives meanwhile meets the whole
// text, and the caret set with the text is in sight at once.
TEST(TextLimits, ALongTextSetFromCodeIsWholeForTheUsersFirstKey) {
    StartedWindow e;
    e.reveal(e.f.txtGarrison);
    auto* edit = e.as<QPlainTextEdit>(e.f.txtGarrison);
    const std::string text = lines(19000, "#c", "\r\n").toStdString();
    const auto shown = [](const std::string& model) { return QString::fromStdString(model).replace("\r\n", "\n"); };
    edit->setFocus();

    // The caret's lines come in first; a key takes in the rest.
    e.f.txtGarrison.setText(text);
    e.f.txtGarrison.setSelStart(4 * 5000);
    EXPECT_TRUE(anyTextFilling());
    EXPECT_LT(edit->document()->blockCount(), 19001);
    EXPECT_TRUE(edit->viewport()->rect().contains(edit->cursorRect().center()));
    keys(edit, "z");
    EXPECT_FALSE(anyTextFilling());
    EXPECT_EQ(e.f.txtGarrison.text(), text.substr(0, 4 * 5000) + "z" + text.substr(4 * 5000));
    EXPECT_EQ(edit->toPlainText(), shown(e.f.txtGarrison.text()));
    EXPECT_EQ(edit->textCursor().position(), 3 * 5000 + 1);

    // Filled from the event loop, the field keeps its view at the caret.
    e.f.txtGarrison.setText("#kept\r\n");
    e.f.txtGarrison.setText("#kept\r\n" + text);
    e.f.txtGarrison.setSelStart(0);
    EXPECT_TRUE(anyTextFilling());
    e.letTextsFill();
    EXPECT_EQ(edit->document()->blockCount(), 19002);
    EXPECT_EQ(edit->textCursor().position(), 0);
    EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
    EXPECT_EQ(e.f.txtGarrison.text(), "#kept\r\n" + text);

    // A caret after the part still to come ends after it.
    e.f.txtGarrison.setText("#kept\r\n!tail\r\n");
    e.f.txtGarrison.setText("#kept\r\n" + text + "!tail\r\n");
    e.f.txtGarrison.setSelStart(int(e.f.txtGarrison.text().size()) - 7);
    EXPECT_TRUE(anyTextFilling());
    e.letTextsFill();
    keys(edit, "w");
    EXPECT_EQ(e.f.txtGarrison.text(), "#kept\r\n" + text + "w!tail\r\n");

    // A text set while the last one still comes in takes its place.
    e.f.txtGarrison.setText(text);
    QCoreApplication::processEvents();
    e.f.txtGarrison.setText(text + "#new\r\n");
    e.letTextsFill();
    EXPECT_EQ(edit->toPlainText(), shown(text + "#new\r\n"));

    // A click meets the whole text too.
    e.f.txtGarrison.setSelStart(0);
    e.f.txtGarrison.setText("#first\r\n" + text);
    EXPECT_TRUE(anyTextFilling());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, {2, 2});
    keys(edit, "y");
    EXPECT_EQ(e.f.txtGarrison.text(), "y#first\r\n" + text);
}

}  // namespace
}  // namespace gs::qt
