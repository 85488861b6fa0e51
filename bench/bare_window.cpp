// The yardsticks of the start-up benchmark: a bare Qt Widgets window with a
// title and the editor's window size, nothing in it; with "--text", the same
// window showing one line of text in a label, so it pays the font set-up any
// window with text pays. With GODSMITH_EXIT_WHEN_SHOWN set it ends right
// after its first paint, as the editor does (bench/startup.sh).
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "qt/exit_when_shown.h"

int main(int argc, char** argv) {
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(700, 566);
    if (withText) (new QLabel(QStringLiteral("A line of text in the window's font."), &window))->move(20, 20);
    gs::qt::ExitWhenShown exitWhenShown(&window);
    window.show();
    return application.exec();
}
