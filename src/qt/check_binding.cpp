#include "qt/check_binding.h"

#include <QCheckBox>

#include "qt/cp1252.h"
#include "qt/focus_marks.h"

namespace gs::qt {

namespace {

class CheckBinding : public Binding {
public:
    CheckBinding(BindingHost& host, CheckBox& check, QCheckBox* box) : Binding(host, check, box), check(check), box(box) {
        markFocus(box);
        QObject::connect(box, &QCheckBox::clicked, [this] {
            this->check.click();
            sync();  // the model decides the state, also when it refused the click
        });
    }

protected:
    void syncOwn() override {
        box->setText(fromCp1252(check.caption()));
        box->setCheckState(check.value() == CheckBox::Checked  ? Qt::Checked
                           : check.value() == CheckBox::Grayed ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
    }

private:
    CheckBox& check;
    QCheckBox* box;
};

}  // namespace

std::unique_ptr<Binding> bindCheckBox(BindingHost& host, CheckBox& check, QWidget* parent) {
    return std::make_unique<CheckBinding>(host, check, new QCheckBox(parent));
}

}  // namespace gs::qt
