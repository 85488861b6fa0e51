// The editor's two real windows through the Qt view: every control has its
// widget, start-up shows and hides the windows through the model.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "qt/form_view.h"

namespace gs::qt {
namespace {

QRect pixelsOf(const Control& c) {
    const Geometry& g = c.geometry();
    return QRect(toPixels(g.left), toPixels(g.top), toPixels(g.width), toPixels(g.height));
}

struct Views {
    explicit Views(const std::string& folder = {}) : platform(folder), app(platform) {}
    test::FakePlatform platform;
    App app;
    FormView splash{app.splash};
    FormView main{app.form};
    bool shown(const Control& c) { return main.widget(c)->isVisibleTo(main.window()); }
};

TEST(Windows, EveryControlHasItsWidgetByNameAtItsPlace) {
    Views v;
    QWidget* form = v.main.window();
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->size(), QSize(700, 566));
    EXPECT_EQ(form->windowTitle(), "Godsmith");
    int found = 0;
    for (Control* c : v.app.form.allControls()) {
        const QString name = QString::fromStdString(c->fullName());
        if (c->kind() == Kind::FileDialog) {
            EXPECT_EQ(form->findChild<QWidget*>(name), nullptr);
            continue;
        }
        QWidget* w = form->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << c->fullName();
        EXPECT_EQ(w->geometry(), pixelsOf(*c)) << c->fullName();
        EXPECT_EQ(w->parentWidget(), c->container() == &v.app.form ? form : v.main.widget(*c->container()))
            << c->fullName();
        ++found;
    }
    EXPECT_EQ(found, static_cast<int>(v.app.form.allControls().size()) - 1);  // all but the file dialog
    // The help frame lies above everything, the "?" buttons included.
    EXPECT_EQ(form->children().last(), v.main.widget(v.app.form.fraHelp));
    for (const char* name : {"Image1", "lblBusy", "lblTitle"})
        EXPECT_NE(v.splash.window()->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(v.splash.window()->size(), QSize(488, 119));
}

// Captions that cannot wrap (no blank) fit their label in the window font.
TEST(Windows, OneWordCaptionsFitTheirLabels) {
    Views v;
    for (Control* c : v.app.form.allControls()) {
        auto* label = qobject_cast<QLabel*>(v.main.widget(*c));
        if (!label || label->text().contains(QLatin1Char(' '))) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << c->fullName() << " \"" << label->text().toStdString() << "\"";
    }
}

TEST(Windows, FloatingControlsStayOnEveryPage) {
    Views v;
    Form1& f = v.app.form;
    f.SSTab1.setTab(1);
    for (int page = 0; page < 4; ++page) {
        f.SSTab3.setTab(page);
        for (Control* c : std::initializer_list<Control*>{&f.chkKillFeatures, &f.cboFeature, &f.Frame10})
            EXPECT_TRUE(v.shown(*c)) << c->name() << " on page " << page;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(v.shown(f.lstFeatureList[i]), i == page);
    }
    f.SSTab1.setTab(2);
    for (int page = 0; page < 8; ++page) {
        f.SSTab2.setTab(page);
        EXPECT_TRUE(v.shown(f.txtGarrison));
        EXPECT_TRUE(v.shown(f.fraStep3));
        EXPECT_EQ(v.shown(f.fraCommander), page == 0);
        EXPECT_EQ(v.shown(f.fraBeginSiege), page == 0);  // the page handler hides and shows it
    }
    // The user's tab click on Step 3's builders goes through the model.
    auto* bar = v.main.widget(f.SSTab2)->findChild<QTabBar*>();
    ASSERT_EQ(bar->count(), 8);
    EXPECT_EQ(bar->tabText(6), "Body Guards");
    bar->setCurrentIndex(3);
    EXPECT_EQ(f.SSTab2.tab(), 3);
    EXPECT_TRUE(v.shown(f.fraMagic));
    EXPECT_FALSE(v.shown(f.fraBeginSiege));
}

TEST(Windows, StartUpShowsTheMainWindowWithItsListsAndFocus) {
    Views v(test::makeInstallation());
    std::vector<QString> busy;
    auto* lblBusy = qobject_cast<QLabel*>(v.splash.widget(v.app.splash.lblBusy));
    v.app.splash.lblBusy.Change = [&] { busy.push_back(lblBusy->text()); };
    v.app.start();
    EXPECT_TRUE(v.platform.messages.empty());
    EXPECT_TRUE(v.main.window()->isVisible());
    EXPECT_FALSE(v.splash.window()->isVisible());
    EXPECT_EQ(v.main.window()->focusWidget(), v.main.widget(v.app.form.txtAuthor));
    // Each progress caption is in the label when the step starts.
    ASSERT_FALSE(busy.empty());
    EXPECT_EQ(busy.back(), "Reading UnitData.txt...");

    Form1& f = v.app.form;
    auto* units = qobject_cast<QComboBox*>(v.main.widget(f.cboUnitFound));
    ASSERT_EQ(units->count(), 1984);
    EXPECT_EQ(units->itemText(1), QString::fromUtf8("\u00C6ther Drake"));
    EXPECT_EQ(units->currentIndex(), 0);
    EXPECT_EQ(qobject_cast<QLineEdit*>(v.main.widget(f.txtAuthor))->text(), "Test Author");
    EXPECT_FALSE(v.shown(f.fraHelp));
    EXPECT_FALSE(v.shown(f.cmdLoad));

    // A unit picked in the widget reaches the model and its detail view.
    emit units->activated(1);
    EXPECT_EQ(f.cboUnitFound.listIndex(), 1);
    EXPECT_EQ(f.cboUnitFound.text(), "\xC6ther Drake");
    EXPECT_EQ(qobject_cast<QLabel*>(v.main.widget(f.lblUnitNumber))->text(), "1822");
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(Windows, SplashPaintsEachProgressCaptionAtOnce) {
    Views v;
    v.app.splash.setVisible(true);
    QWidget* busy = v.splash.widget(v.app.splash.lblBusy);
    PaintCounter counter;
    busy->installEventFilter(&counter);
    // Start-up does not return to the event loop between its steps.
    v.app.splash.lblBusy.setCaption("Reading RK.cfg...");
    EXPECT_EQ(qobject_cast<QLabel*>(busy)->text(), "Reading RK.cfg...");
    EXPECT_EQ(counter.paints, 1);
    v.app.splash.lblBusy.setCaption("Reading PopData.txt...");
    EXPECT_EQ(counter.paints, 2);
}

}  // namespace
}  // namespace gs::qt
