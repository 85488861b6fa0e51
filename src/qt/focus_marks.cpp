#include "qt/focus_marks.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include "qt/kept_indicators.h"

namespace gs::qt {

FocusMarks::FocusMarks(QObject* owner) : QProxyStyle(QApplication::style()->name()) { setParent(owner); }

void FocusMarks::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        // The base style draws nothing after a mouse click, and only a faint
        // outline after a key.
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    const auto* box = qstyleoption_cast<const QStyleOptionButton*>(option);
    const auto drawBase = [&](const QStyleOptionButton& o, QPainter& p) {
        QProxyStyle::drawPrimitive(element, &o, &p, widget);
    };
    if (element == PE_IndicatorCheckBox && box && drawKeptIndicator(*box, *painter, drawBase)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool field = element == PE_FrameLineEdit ||
                       (element == PE_Frame && qobject_cast<const QAbstractScrollArea*>(widget));
    if (field && (option->state & State_HasFocus)) {
        painter->save();
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

void FocusMarks::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // The base style marks a button and a tab only by a tint.
    if (!(option->state & State_HasFocus)) return;
    QStyleOptionFocusRect mark;
    mark.QStyleOption::operator=(*option);
    if (element == CE_PushButton)
        mark.rect = subElementRect(SE_PushButtonContents, option, widget).adjusted(1, 1, -1, -1);
    else if (element == CE_TabBarTabLabel)
        mark.rect = option->rect.adjusted(3, 3, -3, -3);
    else
        return;
    drawPrimitive(PE_FrameFocusRect, &mark, painter, widget);
}

void markFocus(QWidget* widget) {
    static FocusMarks* const marks = new FocusMarks(qApp);
    widget->setStyle(marks);
}

}  // namespace gs::qt
