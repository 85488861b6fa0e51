#include "qt/map_picture.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace gs::qt {

namespace {

constexpr int kBand = 64;

}  // namespace

QImage carriedMapPicture(QSize size, bool night) {
    // Records of three 32-bit words (width, height, night) and the pixels,
    // as tools/map_pictures writes them.
    static const QResource carried(QStringLiteral(":/maps/pictures"));
    const auto* at = carried.data();
    const bool inPlace = carried.isValid() && carried.compressionAlgorithm() == QResource::NoCompression;
    const auto* end = at + (inPlace ? carried.size() : 0);
    while (end - at >= 12) {
        std::uint32_t head[3];
        std::memcpy(head, at, sizeof head);
        const qint64 bytes = qint64(head[0]) * head[1] * 4;
        if (end - at - 12 < bytes) break;
        const uchar* pixels = at + 12;  // read in place: QImage wants them 32-bit aligned
        if (QSize(int(head[0]), int(head[1])) == size && bool(head[2]) == night &&
            reinterpret_cast<quintptr>(pixels) % 4 == 0)
            return QImage(pixels, size.width(), size.height(), QImage::Format_RGB32);
        at += 12 + bytes;
    }
    return {};
}

QPixmap mapPicture(QSize size, bool night) {
    // They were drawn for a screen of 24 or 32 bits a pixel; on another one
    // the picture is drawn in the screen's own format.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && (screen->depth() == 24 || screen->depth() == 32))
        if (const QImage carried = carriedMapPicture(size, night); !carried.isNull()) return QPixmap::fromImage(carried);
    return drawnMapPicture(size, night);
}

QPixmap drawnMapPicture(QSize size, bool night) {
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    const double w = pm.width(), h = pm.height();
    QLinearGradient sea(0, 0, w, h);
    sea.setColorAt(0, night ? QColor(0x10, 0x22, 0x3a) : QColor(0xc9, 0xdc, 0xe0));
    sea.setColorAt(1, night ? QColor(0x2a, 0x50, 0x62) : QColor(0x9c, 0xbf, 0xc8));
    // In bands: Qt's raster engine hands a gradient fill of 96 lines or more
    // to helper threads and waits for them, which costs a start more than
    // the fill. The gradient lies in the picture's coordinates, so the bands
    // join without a seam.
    for (int top = 0; top < pm.height(); top += kBand) p.fillRect(QRect(0, top, pm.width(), kBand) & pm.rect(), sea);
    QPainterPath land;
    land.moveTo(-0.05 * w, 0.10 * h);
    land.cubicTo(0.30 * w, -0.05 * h, 0.55 * w, 0.25 * h, 0.80 * w, 0.05 * h);
    land.cubicTo(1.00 * w, 0.00 * h, 1.05 * w, 0.50 * h, 0.90 * w, 0.70 * h);
    land.cubicTo(0.75 * w, 0.95 * h, 0.40 * w, 1.05 * h, 0.15 * w, 0.85 * h);
    land.cubicTo(0.00 * w, 0.70 * h, 0.10 * w, 0.40 * h, -0.05 * w, 0.10 * h);
    QLinearGradient earth(0, 0, 0, h);
    earth.setColorAt(0, night ? QColor(0x3a, 0x2c, 0x18) : QColor(0xf4, 0xe8, 0xc8));
    earth.setColorAt(1, night ? QColor(0x24, 0x1a, 0x0c) : QColor(0xe2, 0xcc, 0x96));
    // The coast's line covers the land's edge: only the line needs smoothing.
    p.fillPath(land, earth);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(night ? QColor(0x7a, 0x5a, 0x2a) : QColor(0x8a, 0x6a, 0x3a), std::max(1.0, h / 80)));
    p.drawPath(land);
    // Two contour lines inside the land.
    p.setPen(QPen(night ? QColor(0x5a, 0x44, 0x22) : QColor(0xc8, 0xae, 0x78), 1, Qt::DashLine));
    p.drawEllipse(QPointF(0.52 * w, 0.50 * h), 0.22 * w, 0.22 * h);
    p.drawEllipse(QPointF(0.52 * w, 0.50 * h), 0.11 * w, 0.11 * h);
    return pm;
}

}  // namespace gs::qt
