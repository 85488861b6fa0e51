// The window model places its controls in twips of the reference layout;
// the widgets take pixels.
#pragma once

#include <QRect>

#include "window/controls.h"

namespace gs::qt {

// Pixels for twips of the reference layout, at the window's scale.
int toPixels(int twips, double scale = 1);
QRect pixels(const Geometry& g, double scale = 1);

}  // namespace gs::qt
