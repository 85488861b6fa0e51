// The editor with both windows bound to Qt widgets, and the user's hands on
// them: real key, mouse and wheel events sent where the window system sends them.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "app/app.h"
#include "qt/form_view.h"
#include "qt/text_area.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace gs::qt {

// Types text one character at a time, as a keyboard of any layout does.
inline void keys(QWidget* w, const QString& text) {
    for (int i = 0, n = 1; i < text.size(); i += n) {
        n = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
    }
}
inline void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(w, k, m);
}
inline void mouseMove(QWidget* w, QPoint to, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}
inline QPoint rowCenter(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

struct StartedWindow {
    // Started on a fresh test installation, its main window active; with
    // `start` false only built, on no installation.
    explicit StartedWindow(bool start = true) : platform(start ? test::makeInstallation() : "") {
        splash.owner = main.window();
        if (!start) return;
        app.start();
        main.window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.window()));
    }
    QWidget* widget(const Control& c) const { return main.widget(c) ? main.widget(c) : splash.widget(c); }
    template <class W>
    W* as(const Control& c) const {
        return qobject_cast<W*>(widget(c));
    }
    QTabBar* bar(const TabControl& tab) const { return widget(tab)->findChild<QTabBar*>(); }
    bool shown(const Control& c) const { return widget(c)->isVisibleTo(main.window()); }
    // Shows the pages a control sits on, outermost first.
    void reveal(const Control& c) {
        if (!c.container()) return;
        reveal(*c.container());
        if (c.page() >= 0) static_cast<TabControl*>(c.container())->setTab(c.page());
    }
    void click(const Control& c, QPoint at = {}) {
        QTest::mouseClick(widget(c), Qt::LeftButton, {}, at.isNull() ? widget(c)->rect().center() : at);
    }
    void clickTab(const TabControl& tab, int page) {
        QTest::mouseClick(bar(tab), Qt::LeftButton, {}, bar(tab)->tabRect(page).center());
    }
    // Wheel notches (down when positive) over the middle of a widget, sent to the widget under it.
    void wheel(QWidget* over, int notches) {
        QCoreApplication::processEvents();  // the window lays out between two gestures
        QWidget* window = main.window();
        const QPoint at = over->mapTo(window, over->rect().center());
        QWidget* target = window->childAt(at) ? window->childAt(at) : window;
        QWheelEvent e(target->mapFrom(window, at), window->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&e);
        QApplication::instance()->notify(target, &e);
    }
    // Lets the multi-line fields take in the rest of the long texts set from code.
    static void letTextsFill() {
        while (anyTextFilling()) QCoreApplication::processEvents();
    }
    // Every text box's text, in window order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (Control* c : f.allControls())
            if (c->kind() == Kind::TextBox) out.push_back(static_cast<TextBox*>(c)->text());
        return out;
    }

    test::FakePlatform platform;
    App app{platform};
    Form1& f = app.form;
    FormView splash{app.splash};
    FormView main{app.form};
};

}  // namespace gs::qt
