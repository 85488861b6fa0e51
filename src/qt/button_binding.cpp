#include "qt/button_binding.h"

#include <QPushButton>

#include "qt/cp1252.h"
#include "qt/focus_marks.h"
#include "qt/text_binding.h"

namespace gs::qt {

namespace {

class ButtonBinding : public Binding {
public:
    ButtonBinding(BindingHost& host, Button& button, QPushButton* push) : Binding(host, button, push), push(push) {
        push->setAutoDefault(false);
        markFocus(push);
        QObject::connect(push, &QPushButton::clicked, [&button] {
            const HeldTexts texts;
            button.click();
        });
    }

protected:
    void syncOwn() override { push->setText(fromCp1252(model.caption())); }

private:
    QPushButton* push;
};

}  // namespace

std::unique_ptr<Binding> bindButton(BindingHost& host, Button& button, QWidget* parent) {
    return std::make_unique<ButtonBinding>(host, button, new QPushButton(parent));
}

}  // namespace gs::qt
