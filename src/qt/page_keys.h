// The page keys of a window with tab controls: Ctrl+Tab and Ctrl+PageDown
// show the next page, Ctrl+Shift+Tab and Ctrl+PageUp the one before (round
// the end), wherever the keyboard is in the window. They turn the innermost
// tab control that holds the keyboard, else the window's outermost one, and
// the switch runs the tab control's Click as a click on the tab does.
#pragma once

class QWidget;

namespace gs::qt {

// For the window's life.
void addPageKeys(QWidget* window);

}  // namespace gs::qt
