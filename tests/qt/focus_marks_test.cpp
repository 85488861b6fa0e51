// Every control the keyboard reaches shows that it has it, clearly: the mark
// changes a good number of pixels by a good step of brightness, whether the
// keyboard came by Tab or by a click.
#include "qt/started_window.h"

namespace gs::qt {
namespace {

// The named control around a widget the keyboard is in.
QWidget* named(QWidget* w) {
    while (w && w->objectName().isEmpty()) w = w->parentWidget();
    return w;
}

// Pixels that a mark turned from one picture to the other: at least a
// quarter of the brightness range apart.
int marked(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) >= 64;
    return n;
}

// The mark of every Tab stop of every page, seen by grabbing the control
// with the keyboard and again after Tab took it on.
TEST(FocusMarks, EveryTabStopShowsItHasTheKeyboard) {
    StartedWindow e;
    Form1& f = e.f;
    std::set<std::string> seen;
    for (int step = 0; step < 4; ++step) {
        f.SSTab1.setTab(step);
        e.bar(f.SSTab1)->setFocus();
        for (QWidget* start = QApplication::focusWidget();;) {
            QWidget* now = QApplication::focusWidget();
            QWidget* control = qobject_cast<QTabBar*>(now) ? now : named(now);
            const QImage with = control->grab().toImage();
            key(now, Qt::Key_Tab);
            const QImage without = control->grab().toImage();
            EXPECT_GE(marked(with, without), std::min(with.width(), with.height()) / 2)
                << named(now)->objectName().toStdString() << " on Step " << step + 1;
            seen.insert(named(now)->objectName().toStdString());
            if (QApplication::focusWidget() == start) break;
        }
    }
    EXPECT_TRUE(seen.count("cmdHelpNorth") && seen.count("cmdHelpSouth") && seen.count("lstNameList") &&
                seen.count("txtUnitDescription") && seen.count("chkUGod") && seen.count("SSTab1"));
}

// A click gives the keyboard too: the "?" shows the mark as well.
TEST(FocusMarks, AClickedButtonShowsItHasTheKeyboard) {
    StartedWindow e;
    QWidget* help = e.widget(e.f.cmdHelpSouth);
    const QImage before = help->grab().toImage();
    QTest::mousePress(help, Qt::LeftButton, {}, help->rect().center());
    e.f.fraHelp.setVisible(false);  // the press opened the help panel over it
    EXPECT_TRUE(help->hasFocus());
    EXPECT_GE(marked(help->grab().toImage(), before), help->width() / 2);
}

}  // namespace
}  // namespace gs::qt
