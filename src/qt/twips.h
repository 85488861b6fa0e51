// The window model places its controls in twips of the reference layout;
// the widgets take pixels.
#pragma once

#include <QRect>

#include "window/controls.h"

namespace gs::qt {

// Pixels for twips of the reference layout.
int toPixels(int twips);
QRect pixels(const Geometry& g);

}  // namespace gs::qt
