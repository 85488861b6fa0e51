// A tab control: the tab row above a raised page area. The controls of all
// pages are children of this widget, placed relative to its top-left corner.
#pragma once

#include <QWidget>

class QFrame;
class QTabBar;

namespace gs::qt {

class TabArea : public QWidget {
public:
    explicit TabArea(QWidget* parent);
    QTabBar* bar;
    QFrame* pane;

protected:
    void resizeEvent(QResizeEvent*) override;
};

}  // namespace gs::qt
