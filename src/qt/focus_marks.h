// The mark of the control that has the keyboard, whichever hand gave it:
// a dotted rectangle inside a button's face, a check box's caption or a tab
// (it shows on any face colour, the green "?" buttons included), and a frame
// in the highlight colour round a text box or a list, whose caret or current
// entry alone says nothing when it is read-only or empty. A check box's
// indicator comes from those kept (qt/kept_indicators.h).
#pragma once

#include <QProxyStyle>

namespace gs::qt {

class FocusMarks : public QProxyStyle {
public:
    explicit FocusMarks(QObject* owner);
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Gives a widget the marks (buttons, check boxes, text boxes, lists).
void markFocus(QWidget* widget);

}  // namespace gs::qt
