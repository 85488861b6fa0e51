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
    // The tab row grows with the window's scale.
    void setScale(double scale);
    QTabBar* bar;
    QFrame* pane;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    int rowHeight() const;
    double scale_ = 1;
};

}  // namespace gs::qt
