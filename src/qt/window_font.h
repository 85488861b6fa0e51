// The window's font: Liberation Sans, carried in the executable, so the
// window looks the same whatever fonts the system has.
#pragma once

#include <QFont>

namespace gs::qt {

// The window font standing in for MS Sans Serif 8.25 pt. The first call
// adds the carried faces to Qt's font database.
QFont defaultFont();

}  // namespace gs::qt
