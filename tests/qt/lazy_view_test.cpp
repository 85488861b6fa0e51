// The view does no work before the user asks for it: a drop-down list is
// built when it is first opened, and then opens below its box.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "qt/form_view.h"

namespace gs::qt {
namespace {

bool listBuilt(const QComboBox* box) { return box->findChild<QAbstractItemView*>() != nullptr; }

TEST(LazyView, DropDownListsAreBuiltWhenFirstOpened) {
    test::FakePlatform platform(test::makeInstallation());
    App app(platform);
    FormView splash(app.splash);
    FormView main(app.form);
    app.start();
    const QList<QComboBox*> boxes = main.window()->findChildren<QComboBox*>();
    ASSERT_GT(boxes.size(), 30);
    // An editable box (the unit picker) builds its list with its text field.
    for (const QComboBox* box : boxes)
        EXPECT_TRUE(box->isEditable() || !listBuilt(box)) << box->objectName().toStdString();

    for (const char* name : {"cboEra", "cboMethod"}) {
        auto* box = main.window()->findChild<QComboBox*>(name);
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(listBuilt(box)) << name;
        const QRect popup = box->view()->window()->geometry();
        ASSERT_TRUE(box->view()->window()->isVisible()) << name;
        // Below or above the box (touching its edge), never over its text.
        const QRect shown(box->mapToGlobal(QPoint(0, 0)), box->size());
        EXPECT_TRUE(popup.top() >= shown.bottom() || popup.bottom() <= shown.top()) << name;
        box->hidePopup();
    }
    EXPECT_FALSE(listBuilt(main.window()->findChild<QComboBox*>("cboNation")));
}

}  // namespace
}  // namespace gs::qt
