#include "qt/kept_indicators.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace gs::qt {

namespace {

// What the base style's indicator depends on.
struct Look {
    int state;
    QSize size;
    qint64 palette;
    qreal dpi;
    bool operator==(const Look&) const = default;
};

size_t qHash(const Look& l, size_t seed = 0) {
    return qHashMulti(seed, l.state, l.size.width(), l.size.height(), l.palette);
}

// A few looks at most in practice; a palette changed again and again is not
// kept for ever.
constexpr qsizetype kMostKept = 64;

}  // namespace

bool drawKeptIndicator(const QStyleOptionButton& box, QPainter& painter,
                       const std::function<void(const QStyleOptionButton&, QPainter&)>& draw) {
    const QTransform& at = painter.deviceTransform();
    const bool wholePixels = at.type() <= QTransform::TxTranslate && at.dx() == qRound(at.dx()) &&
                             at.dy() == qRound(at.dy());
    if (!wholePixels || painter.device()->devicePixelRatio() != 1 || painter.opacity() != 1 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver || box.rect.isEmpty())
        return false;
    static QHash<Look, QImage> kept;
    const Look look{int(box.state), box.rect.size(), box.palette.cacheKey(), box.fontMetrics.fontDpi()};
    auto found = kept.constFind(look);
    if (found == kept.constEnd()) {
        if (kept.size() >= kMostKept) kept.clear();
        QImage indicator(box.rect.size(), QImage::Format_ARGB32_Premultiplied);
        indicator.fill(Qt::transparent);
        QStyleOptionButton atOrigin(box);
        atOrigin.rect.moveTo(0, 0);
        QPainter onIndicator(&indicator);
        draw(atOrigin, onIndicator);
        onIndicator.end();
        found = kept.insert(look, indicator);
    }
    painter.drawImage(box.rect.topLeft(), *found);
    return true;
}

}  // namespace gs::qt
