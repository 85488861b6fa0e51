#include "ui/window/forms.h"

namespace gs {

Form1::Form1() : Window("Form1") {}

Control* Form1::find(const std::string& fullName) const {
    for (Control* c : all_)
        if (c->fullName() == fullName) return c;
    return nullptr;
}

Form2::Form2() : Window("Form2") {}

}  // namespace gs
