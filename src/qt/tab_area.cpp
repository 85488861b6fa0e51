#include "qt/tab_area.h"

#include <QFrame>
#include <QTabBar>
#include <algorithm>

namespace gs::qt {

namespace {

constexpr int kTabRowHeight = 22;  // pixels; page contents start below it

// The tab row of a tab control: tabs share the width equally, in one row.
class TabRow : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize s = QTabBar::tabSizeHint(index);
        if (count() > 0) s.setWidth(std::max(1, width() / count()));
        s.setHeight(kTabRowHeight);
        return s;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace

TabArea::TabArea(QWidget* parent) : QWidget(parent), bar(new TabRow(this)), pane(new QFrame(this)) {
    bar->setDrawBase(false);
    bar->setExpanding(true);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    // Narrow tabs ("Body Guards" in a row of eight) need the room the
    // style's padding would take.
    bar->setStyleSheet("QTabBar::tab { padding-left: 1px; padding-right: 1px; }");
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pane->setAttribute(Qt::WA_TransparentForMouseEvents);
    pane->lower();
}

void TabArea::resizeEvent(QResizeEvent*) {
    bar->setGeometry(0, 0, width(), kTabRowHeight);
    pane->setGeometry(0, kTabRowHeight - 1, width(), height() - kTabRowHeight + 1);
}

}  // namespace gs::qt
