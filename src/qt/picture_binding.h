// A picture box in Qt shows its picture file; an image without a file shows
// the built-in map (map_picture.h) at its size.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindPicture(BindingHost& host, PictureBox& picture, QWidget* parent);

}  // namespace gs::qt
