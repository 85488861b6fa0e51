// The main window grows with its content: every control, font and picture
// keeps its proportion; Ctrl+0 brings the natural size back; the scale is
// kept for the next run.
#include <QSettings>

#include "qt/started_window.h"
#include "qt/twips.h"
#include "qt/window_scale.h"

namespace gs::qt {
namespace {

TEST(WindowScale, TheContentGrowsWithTheWindowAndCtrlZeroBringsItBack) {
    StartedWindow e;
    Form1& f = e.f;
    QWidget* window = e.main.window();
    std::vector<double> told;
    e.main.onScale = [&](double s) { told.push_back(s); };
    for (Control* c : f.allControls()) e.widget(*c);  // every page built
    e.click(f.cboEra), e.as<QComboBox>(f.cboEra)->hidePopup();
    window->resize(1050, 900);  // taller than the proportion: the width decides
    EXPECT_EQ(std::tuple(e.main.scale(), told), std::tuple(1.5, std::vector{1.5}));
    for (Control* c : f.allControls()) {
        QWidget* w = e.widget(*c);
        if (!w) continue;
        EXPECT_EQ(w->geometry(), pixels(c->geometry(), 1.5)) << c->fullName();
    }
    const auto points = [&](const Control& c) { return e.widget(c)->font().pointSizeF(); };
    EXPECT_EQ(std::tuple(points(f.txtAuthor), points(f.Label22), points(f.cmdHelpNorth)),
              std::tuple(8.25 * 1.5, 13.5 * 1.5, 13.5 * 1.5));
    EXPECT_EQ(e.bar(f.SSTab1)->height(), 33);
    // The sprite and the pictures fill their grown places.
    EXPECT_EQ(std::tuple(e.as<QLabel>(f.picUnit)->hasScaledContents(), e.as<QLabel>(f.Image1)->pixmap().size()),
              std::tuple(true, e.widget(f.Image1)->size()));

    key(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(window->size(), e.main.scale(), told), std::tuple(QSize(700, 566), 1.0, std::vector{1.5, 1.0}));
    EXPECT_EQ(std::tuple(e.widget(f.txtAuthor)->geometry(), points(f.txtAuthor), e.bar(f.SSTab1)->height()),
              std::tuple(pixels(f.txtAuthor.geometry()), 8.25, 22));
    window->resize(600, 400);  // never smaller than natural
    EXPECT_EQ(window->size(), QSize(700, 566));
}

TEST(WindowScale, TheScaleIsKeptForTheNextRunWithinTheScreen) {
    const QSize natural(700, 566);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    const double fits = std::max(1.0, std::min(screen.width() / 700.0, screen.height() / 566.0));
    keepScale(1.25);
    EXPECT_EQ(keptScale(natural), std::min(1.25, fits));
    QSettings settings(QStringLiteral("Godsmith"), QStringLiteral("Godsmith"));
    EXPECT_TRUE(settings.fileName().contains("qttest")) << settings.fileName().toStdString();
    for (const QVariant& damaged : {QVariant("large"), QVariant(0.5), QVariant(-3), QVariant(qQNaN())}) {
        settings.setValue("window/scale", damaged), settings.sync();
        EXPECT_EQ(keptScale(natural), 1.0) << damaged.toString().toStdString();
    }
    settings.setValue("window/scale", 1000), settings.sync();
    EXPECT_EQ(keptScale(natural), fits);
    settings.remove("window/scale");
    EXPECT_EQ(keptScale(natural), 1.0);
}

}  // namespace
}  // namespace gs::qt
