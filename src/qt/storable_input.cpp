#include "qt/storable_input.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <QWidget>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

class StorableKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            const QString text = storable(key->text());
            if (text == key->text()) return false;
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), text, key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &copy);
            return true;
        }
        if (e->type() == QEvent::InputMethod) {
            auto* input = static_cast<QInputMethodEvent*>(e);
            const QString text = storable(input->commitString());
            if (text == input->commitString()) return false;
            QInputMethodEvent copy(input->preeditString(), input->attributes());
            copy.setCommitString(text, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(watched, &copy);
            return true;
        }
        return false;
    }
};

class StorableValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        input = storable(input, &pos);
        return Acceptable;
    }
};

}  // namespace

void keepStorable(QWidget* field) { field->installEventFilter(new StorableKeys(field)); }

QValidator* storableValidator(QObject* parent) { return new StorableValidator(parent); }

}  // namespace gs::qt
