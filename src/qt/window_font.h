// The window's font: Liberation Sans, carried in the executable, so the
// window looks the same whatever fonts the system has.
#pragma once

#include <QFont>

namespace gs::qt {

// The window font standing in for MS Sans Serif 8.25 pt. The first call
// adds the carried faces to Qt's font database.
QFont defaultFont();

// Before the QApplication: the window draws only the carried faces, so the
// system's font configuration (dozens of XML files, about a quarter of a
// start's work) is left unread until something needs the system's fonts.
void deferSystemFonts();

// Before showing what may hold any character (a file dialog lists the file
// system's names, in any script): reads the system's font configuration
// once, so Qt finds fonts for what the carried faces lack. The window's own
// text keeps the carried faces.
void useSystemFonts();

}  // namespace gs::qt
