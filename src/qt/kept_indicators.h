// A check box's indicator is drawn once for each look and kept: the base
// style draws the same few with a gradient and an antialiased outline for
// every box (seventeen before the first window shows). Laid on where it
// belongs, a kept one gives the very pixels drawing it there would: it
// covers its square opaquely.
#pragma once

#include <QStyleOption>
#include <functional>

class QPainter;

namespace gs::qt {

// Lays on the kept indicator for `box`, drawn first with `draw` (the base
// style's drawing, told to draw at the origin). Returns false, drawing
// nothing, where the painter would not lay a picture on pixel for pixel (a
// transform beyond a whole-pixel move, a scaled device, transparency): the
// caller draws it then.
bool drawKeptIndicator(const QStyleOptionButton& box, QPainter& painter,
                       const std::function<void(const QStyleOptionButton&, QPainter&)>& draw);

}  // namespace gs::qt
