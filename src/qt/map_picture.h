// The built-in picture of image controls: a small map drawn at the
// control's size, by night on a coloured window (the splash, whose captions
// are light), on parchment otherwise (the captions over it are dark).
#pragma once

#include <QImage>
#include <QPixmap>

namespace gs::qt {

// The picture for the size: the one the executable carries for it (each
// image control's at scale 1, drawn when it was built, so a start draws
// none), else drawn now.
QPixmap mapPicture(QSize size, bool night);
QPixmap drawnMapPicture(QSize size, bool night);
// The carried picture of that size, or a null image.
QImage carriedMapPicture(QSize size, bool night);

}  // namespace gs::qt
