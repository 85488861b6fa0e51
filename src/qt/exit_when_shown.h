// For the start-up benchmark (bench/startup.sh): with GODSMITH_EXIT_WHEN_SHOWN
// set, a program ends right after its window's first paint. The editor and
// the bare window it is measured against use the same rule.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace gs::qt {

class ExitWhenShown : public QObject {
public:
    explicit ExitWhenShown(QWidget* window) {
        if (std::getenv("GODSMITH_EXIT_WHEN_SHOWN")) window->installEventFilter(this);
    }

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

}  // namespace gs::qt
