// The built-in picture of image controls: a small map drawn at the
// control's size, by night on a coloured window (the splash, whose captions
// are light), on parchment otherwise (the captions over it are dark).
#pragma once

#include <QPixmap>

namespace gs::qt {

QPixmap mapPicture(QSize size, bool night);

}  // namespace gs::qt
