// The yardstick of the start-up benchmark: a bare Qt Widgets window with a
// title and the editor's window size, nothing in it. With
// GODSMITH_EXIT_WHEN_SHOWN set it ends right after its first paint, as the
// editor does (bench/startup.sh).
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class ExitWhenPainted : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(700, 566);
    ExitWhenPainted exitWhenPainted;
    if (std::getenv("GODSMITH_EXIT_WHEN_SHOWN")) window.installEventFilter(&exitWhenPainted);
    window.show();
    return application.exec();
}
