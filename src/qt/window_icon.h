// The editor's window icon, read from its picture file only when a window
// system first asks for it, at the size it asks for: an offscreen start, or
// a system that shows no icons, never decodes it.
#pragma once

#include <QIcon>
#include <QString>

namespace gs::qt {

// An icon of the square PNG picture at `path` (a file or a resource), `side`
// pixels wide and high.
QIcon iconReadWhenShown(const QString& path, int side);

}  // namespace gs::qt
