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

// Gives every widget of a built window these habits, for the window's life.
void addHandHabits(QWidget* window);

}  // namespace gs::qt
