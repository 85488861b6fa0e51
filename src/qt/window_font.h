// The window's font: Liberation Sans, carried in the executable, so the
// window looks the same whatever fonts the system has.
#pragma once

#include <QFont>

namespace gs::qt {

// Starts reading the system's font configuration on a second thread while
// Qt and the editor's state are set up; Qt's font database needs it before
// the carried faces can join it. Called once, first thing in the program.
void prepareFonts();

// Adds the carried faces to Qt's font database, once; waits for what
// prepareFonts started. Comes before any widget that shows text is made: a
// text measured earlier fills the database twice.
void registerWindowFont();

// The window font standing in for MS Sans Serif 8.25 pt.
QFont defaultFont();

}  // namespace gs::qt
