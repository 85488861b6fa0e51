#include "qt/twips.h"

namespace gs::qt {

int toPixels(int twips, double scale) { return qRound(twips * scale / kTwipsPerPixel); }

QRect pixels(const Geometry& g, double scale) {
    return QRect(toPixels(g.left, scale), toPixels(g.top, scale), toPixels(g.width, scale), toPixels(g.height, scale));
}

}  // namespace gs::qt
