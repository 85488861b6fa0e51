// The Delete key in the builder lists and the site lists, pressed on the
// list widgets: it removes the selected entry through the list's DblClick.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "app/app.h"
#include "qt/form_view.h"
#include "support/fake_platform.h"

namespace gs::qt {
namespace {

TEST(DeleteKey, RemovesTheSelectedEntryOfEveryListAsADoubleClickDoes) {
    test::FakePlatform platform;
    App app(platform);
    FormView view(app.form);
    for (const char* name : {"lstCommanderList", "lstCommanderNameList", "lstItemList", "lstMagicList",
                             "lstDominionList", "lstScalesList", "lstBodyGuardList", "lstUnitList", "lstNameList",
                             "lstFeatureList(0)", "lstFeatureList(1)", "lstFeatureList(2)", "lstFeatureList(3)"}) {
        SCOPED_TRACE(name);
        auto* list = static_cast<ListBox*>(app.form.find(name));
        auto* widget = qobject_cast<QListWidget*>(view.widget(*list));
        ASSERT_NE(widget, nullptr);
        int raised = 0;
        list->DblClick = [&raised, handler = list->DblClick] {
            ++raised;
            handler();
        };
        list->addItems({"first", "second"});
        QTest::keyClick(widget, Qt::Key_Delete);  // nothing selected: nothing happens
        EXPECT_EQ(raised, 0);
        list->setListIndex(0);
        QTest::keyClick(widget, Qt::Key_Delete, Qt::ShiftModifier);  // not the Delete gesture
        EXPECT_EQ(raised, 0);
        QTest::keyClick(widget, Qt::Key_Delete);
        EXPECT_EQ(raised, 1);
        EXPECT_EQ(list->items(), std::vector<std::string>{"second"});
        EXPECT_EQ(widget->count(), 1);
    }
    // The list's own rule after its last entry went: Submit is disabled again.
    Form1& f = app.form;
    f.cmdAddDominion.setEnabled(true);
    f.lstDominionList.setListIndex(0);
    QTest::keyClick(view.widget(f.lstDominionList), Qt::Key_Delete);
    EXPECT_EQ(f.lstDominionList.listCount(), 0);
    EXPECT_FALSE(f.cmdAddDominion.enabled());
}

}  // namespace
}  // namespace gs::qt
