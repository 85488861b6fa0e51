#include "qt/tab_area.h"

#include <QApplication>
#include <QFrame>
#include <QTabBar>
#include <algorithm>

#include "qt/focus_marks.h"

namespace gs::qt {

namespace {

constexpr int kTabRowHeight = 22;  // pixels at scale 1; page contents start below it

// The tab row of a tab control: tabs share the width equally, in one row.
class TabRow : public QTabBar {
public:
    using QTabBar::QTabBar;
    int rowHeight = kTabRowHeight;

protected:
    QSize tabSizeHint(int index) const override {
        QSize s = QTabBar::tabSizeHint(index);
        if (count() > 0) s.setWidth(std::max(1, width() / count()));
        s.setHeight(rowHeight);
        return s;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

// Narrow tabs ("Body Guards" in a row of eight) need the room the style's
// padding would take. (A style sheet would do it too, but would keep the
// window's font, and its scale, from the controls of the pages.)
class NarrowPadding : public FocusMarks {
public:
    using FocusMarks::FocusMarks;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? 2 : FocusMarks::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TabArea::TabArea(QWidget* parent) : QWidget(parent), bar(new TabRow(this)), pane(new QFrame(this)) {
    bar->setDrawBase(false);
    bar->setExpanding(true);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    bar->setStyle(new NarrowPadding(bar));
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pane->setAttribute(Qt::WA_TransparentForMouseEvents);
    pane->lower();
}

void TabArea::setScale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    static_cast<TabRow*>(bar)->rowHeight = rowHeight();
    resizeEvent(nullptr);
}

int TabArea::rowHeight() const { return qRound(kTabRowHeight * scale_); }

void TabArea::resizeEvent(QResizeEvent*) {
    bar->setGeometry(0, 0, width(), rowHeight());
    pane->setGeometry(0, rowHeight() - 1, width(), height() - rowHeight() + 1);
}

}  // namespace gs::qt
