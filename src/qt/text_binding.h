// A text box in Qt: a single-line field, or a multi-line one whose Tab key
// moves on to the next control. What the user types reaches the model as its
// Change with the caret after it; a caret set from code moves the field's.
#pragma once

#include <memory>

#include "qt/binding.h"

namespace gs::qt {

std::unique_ptr<Binding> bindTextBox(BindingHost& host, TextBox& box, QWidget* parent);

// While the user's click runs its handler, a multi-line field whose text is
// set from code takes it when the handler ends, and only if the field is in
// sight then (else when it is shown): a handler that fills one page and then
// shows another lays out only the text the user sees.
class HeldTexts {
public:
    HeldTexts();
    ~HeldTexts();
    HeldTexts(const HeldTexts&) = delete;
    HeldTexts& operator=(const HeldTexts&) = delete;
};

}  // namespace gs::qt
