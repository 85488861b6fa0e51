#include "qt/tab_binding.h"

#include <QSignalBlocker>
#include <QTabBar>

#include "qt/cp1252.h"
#include "qt/tab_area.h"

namespace gs::qt {

namespace {

class TabBinding : public Binding {
public:
    TabBinding(BindingHost& host, TabControl& tab, TabArea* area) : Binding(host, tab, area), tab(tab), area(area) {
        QObject::connect(area->bar, &QTabBar::currentChanged, [this](int i) {
            if (i >= 0) this->tab.setTab(i);
            sync();
        });
    }

protected:
    void syncOwn() override {
        area->setScale(host.scale());
        QSignalBlocker block(area->bar);
        while (area->bar->count() > tab.tabCount()) area->bar->removeTab(area->bar->count() - 1);
        while (area->bar->count() < tab.tabCount()) area->bar->addTab(QString());
        for (int i = 0; i < tab.tabCount(); ++i) area->bar->setTabText(i, fromCp1252(tab.tabCaption(i)));
        area->bar->setCurrentIndex(tab.tab());
        host.buildShownPage(tab);
        for (Control* child : tab.children())
            if (Binding* b = host.binding(*child)) b->syncVisible();
    }

private:
    TabControl& tab;
    TabArea* area;
};

}  // namespace

std::unique_ptr<Binding> bindTabControl(BindingHost& host, TabControl& tab, QWidget* parent) {
    return std::make_unique<TabBinding>(host, tab, new TabArea(parent));
}

}  // namespace gs::qt
