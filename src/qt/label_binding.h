// A label in Qt: its caption wraps at spaces and starts at the top; a
// bordered label is a sunken panel; a click on it is the label's Click.
#pragma once

#include <chrono>
#include <memory>

#include "qt/binding.h"

namespace gs::qt {

// The clock that paces the splash's progress captions (tests set their own).
extern std::chrono::steady_clock::time_point (*progressClock)();

std::unique_ptr<Binding> bindLabel(BindingHost& host, Label& label, QWidget* parent);

}  // namespace gs::qt
