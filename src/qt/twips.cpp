#include "qt/twips.h"

namespace gs::qt {

int toPixels(int twips, double scale) { return qRound(twips * scale / kTwipsPerPixel); }

// The edges are rounded, not the sizes: controls that meet in the layout
// still meet, and never overlap, at any scale.
QRect pixels(const Geometry& g, double scale) {
    const int left = toPixels(g.left, scale), top = toPixels(g.top, scale);
    return QRect(left, top, toPixels(g.left + g.width, scale) - left, toPixels(g.top + g.height, scale) - top);
}

}  // namespace gs::qt
