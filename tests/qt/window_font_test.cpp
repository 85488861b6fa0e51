// The window is drawn with the font the executable carries, whatever fonts
// the system has (CI runs this once more with no system font at all).
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>

#include "app/app.h"
#include "qt/form_view.h"
#include "support/fake_platform.h"

namespace gs::qt {
namespace {

TEST(WindowFont, EveryControlDrawsWithTheCarriedFont) {
    test::FakePlatform platform;
    App app(platform);
    FormView view(app.form);
    for (const Control* c :
         std::initializer_list<const Control*>{&app.form.Label6, &app.form.Label22, &app.form.cmdAddUnits}) {
        const QFont font = view.widget(*c)->font();
        EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans") << c->name();
        EXPECT_EQ(QFontInfo(font).bold(), c->font().bold) << c->name();
    }
    // Real glyphs, not an empty stand-in: "Cmdr1:" fits its 33-pixel label.
    const int width = QFontMetrics(view.widget(app.form.Label6)->font()).horizontalAdvance("Cmdr1:");
    EXPECT_GT(width, 25);
    EXPECT_LE(width, 33);
}

}  // namespace
}  // namespace gs::qt
