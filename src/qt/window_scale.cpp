#include "qt/window_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <memory>

namespace gs::qt {

namespace {

const char* const kKey = "window/scale";
// The user's settings of this program, where the desktop keeps them.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QStringLiteral("Godsmith"), QStringLiteral("Godsmith"));
}

}  // namespace

double keptScale(const QSize& natural) {
    bool number = false;
    const double kept = settings()->value(kKey, 1.0).toDouble(&number);
    double largest = 1;
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && !natural.isEmpty()) {
        const QSize room = screen->availableGeometry().size();
        largest = std::max(1.0, std::min(double(room.width()) / natural.width(), double(room.height()) / natural.height()));
    }
    // A damaged setting (a word, NaN, a huge number) gives way to the natural size or the screen.
    return number && kept >= 1 ? std::min(kept, largest) : 1.0;
}

void keepScale(double scale) {
    settings()->setValue(kKey, scale);
}

}  // namespace gs::qt
