#include "qt/twips.h"

namespace gs::qt {

int toPixels(int twips) { return qRound(twips / static_cast<double>(kTwipsPerPixel)); }

QRect pixels(const Geometry& g) {
    return QRect(toPixels(g.left), toPixels(g.top), toPixels(g.width), toPixels(g.height));
}

}  // namespace gs::qt
