// The yardstick of the start-up benchmark: a bare Qt Widgets window with a
// title and the editor's window size, nothing in it. With
// GODSMITH_EXIT_WHEN_SHOWN set it ends right after its first paint, as the
// editor does (bench/startup.sh).
#include <QApplication>
#include <QWidget>

#include "qt/exit_when_shown.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(700, 566);
    gs::qt::ExitWhenShown exitWhenShown(&window);
    window.show();
    return application.exec();
}
