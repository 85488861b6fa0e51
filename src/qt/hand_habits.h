// Habits of the hand that a window's widgets keep:
// - the mouse wheel never turns a tab row's page, and turns a drop-down list
//   only while that list has the keyboard; otherwise the wheel goes on to
//   what holds the control;
// - Enter and keypad Enter press a focused button, as Space does;
// - when a page switch hides the control with the keyboard, the keyboard
//   stays on the tab row that switched, instead of moving on to some control
//   of another page;
// - a drop-down list opens at least as wide as its widest entry.
#pragma once

class QWidget;

namespace gs::qt {

// Gives every widget built so far under `root` these habits, for the
// widgets' life. Giving them again to a widget that has them changes nothing,
// so a window whose pages are built later hands its new parts in as they come.
void addHandHabits(QWidget* root);

}  // namespace gs::qt
