#include "qt/hand_habits.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <array>
#include <vector>

namespace gs::qt {
namespace {

class HandHabits : public QObject {
public:
    // One for the whole program, never deleted: it outlives every window.
    static HandHabits& instance() {
        static auto* habits = new HandHabits;
        return *habits;
    }

    void adopt(QWidget* root) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->installEventFilter(this);
                // The wheel would first give it the keyboard, then turn it.
                if (combo->focusPolicy() == Qt::WheelFocus) combo->setFocusPolicy(Qt::StrongFocus);
                for (QWidget* popup : combo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    watchPopup(combo, popup);
            } else if (qobject_cast<QPushButton*>(w)) {
                w->installEventFilter(this);
            } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
                bar->installEventFilter(this);
                // The controls of the pages share the tab row's parent.
                for (QObject* page : bar->parentWidget()->children())
                    if (page != bar && page->isWidgetType()) {
                        page->installEventFilter(this);
                        if (!rows_.contains(page))
                            connect(page, &QObject::destroyed, this, [this, page] { rows_.remove(page); });
                        rows_.insert(page, bar);
                    }
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Wheel:
                return holdWheel(watched, event);
            case QEvent::KeyPress:
                return pressOnEnter(watched, static_cast<QKeyEvent*>(event));
            case QEvent::Hide:
                keepKeyboardOnRow(watched);
                return false;
            case QEvent::ChildPolished:
                watchPopup(watched, static_cast<QChildEvent*>(event)->child());
                return false;
            case QEvent::Show:
                widenPopup(watched);
                return false;
            default:
                return false;
        }
    }

private:
    // Tab rows never turn with the wheel, drop-down lists only with the
    // keyboard; the ignored wheel goes on to what holds them.
    static bool holdWheel(QObject* watched, QEvent* event) {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!qobject_cast<QTabBar*>(watched) && !(combo && !combo->hasFocus())) return false;
        event->ignore();
        return true;
    }

    static bool pressOnEnter(QObject* watched, QKeyEvent* key) {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return false;
        if (!key->isAutoRepeat()) button->click();  // one press per stroke, as Space
        return true;
    }

    // Runs as a page control hides, before the toolkit would move the
    // keyboard on to the next control in the chain.
    void keepKeyboardOnRow(QObject* watched) const {
        QTabBar* bar = rows_.value(watched);
        if (!bar || !bar->isVisible()) return;  // the whole window hides
        auto* page = static_cast<QWidget*>(watched);
        QWidget* focus = bar->window()->focusWidget();
        if (focus && (focus == page || page->isAncestorOf(focus))) bar->setFocus(Qt::OtherFocusReason);
    }

    // A drop-down list's popup is a window of its own, created when first
    // needed; it is watched from then on.
    void watchPopup(QObject* watched, QObject* child) {
        if (qobject_cast<QComboBox*>(watched) && child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            child->installEventFilter(this);
    }

    // The list has its place and height by now; it grows to the right (to the
    // left at the screen's edge) to show its widest entry whole.
    void widenPopup(QObject* watched) {
        auto* popup = qobject_cast<QWidget*>(watched);
        auto* combo = popup && popup->isWindow() ? qobject_cast<QComboBox*>(popup->parentWidget()) : nullptr;
        if (!combo || !popup->isAncestorOf(combo->view())) return;  // not the list (a completer's)
        QAbstractItemView* view = combo->view();
        const int scrollBar = combo->count() > combo->maxVisibleItems()
                                  ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view)
                                  : 0;
        const int need = widestEntry(combo) + 2 * view->frameWidth() + scrollBar + (popup->width() - view->width());
        if (popup->width() >= need) return;
        QRect r = popup->geometry();
        r.setWidth(need);
        const QRect screen = popup->screen()->availableGeometry();
        if (r.right() > screen.right()) r.moveRight(screen.right());
        if (r.left() < screen.left()) r.moveLeft(screen.left());
        popup->setGeometry(r);
    }

    // Measuring every entry takes a while in long lists (some 5 ms for two
    // thousand): the width is kept until the entries or the font change.
    int widestEntry(QComboBox* combo) {
        Widest& w = widest_[combo];
        if (w.model != combo->model()) {
            w = {combo->model(), {}, -1};
            auto forget = [this, combo] { widest_[combo].width = -1; };
            connect(w.model, &QAbstractItemModel::rowsInserted, this, forget);
            connect(w.model, &QAbstractItemModel::rowsRemoved, this, forget);
            connect(w.model, &QAbstractItemModel::modelReset, this, forget);
            connect(w.model, &QAbstractItemModel::dataChanged, this, forget);
            connect(w.model, &QAbstractItemModel::layoutChanged, this, forget);
        }
        if (w.width < 0 || w.font != combo->view()->font()) {
            w.font = combo->view()->font();
            w.width = widestEntryWidth(combo->view());
        }
        return w.width;
    }

    // The entries are plain text: the widest text makes the widest entry,
    // and only that one is measured as the list draws it. Laying out each
    // entry's text (some 26,000 instructions) took most of the unit picker's
    // first opening. The sum of a text's character advances differs from its
    // laid-out width only by kerning and ligatures, a few pixels: it picks out
    // the texts within a tenth of the roughly widest, and only those are laid
    // out.
    static int widestEntryWidth(QAbstractItemView* view) {
        const QAbstractItemModel* model = view->model();
        const QFontMetricsF charMetrics(view->font());
        std::array<qreal, 256> latin{};  // advances of the characters below 256, once each
        latin.fill(-1);
        const auto roughWidth = [&](const QString& text) {
            qreal sum = 0;
            for (const QChar ch : text) {
                if (ch.unicode() >= latin.size()) {
                    sum += charMetrics.horizontalAdvance(ch);
                    continue;
                }
                qreal& advance = latin[ch.unicode()];
                if (advance < 0) advance = charMetrics.horizontalAdvance(ch);
                sum += advance;
            }
            return sum;
        };
        const int rows = model->rowCount(view->rootIndex());
        std::vector<qreal> rough(static_cast<std::size_t>(rows));
        qreal roughest = 0;
        for (int r = 0; r < rows; ++r)
            roughest = std::max(roughest, rough[r] = roughWidth(text(model, view, r)));
        const QFontMetrics metrics(view->font());
        int widest = -1, row = -1;
        for (int r = 0; r < rows; ++r) {
            if (rough[r] < 0.9 * roughest) continue;  // far narrower than the roughly widest
            const int w = metrics.horizontalAdvance(text(model, view, r));
            if (w > widest) widest = w, row = r;
        }
        if (row < 0) return 0;
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        return view->itemDelegateForIndex(index)->sizeHint(option, index).width();
    }
    static QString text(const QAbstractItemModel* model, const QAbstractItemView* view, int row) {
        return model->index(row, 0, view->rootIndex()).data().toString();
    }

    struct Widest {
        QPointer<QAbstractItemModel> model;
        QFont font;
        int width = -1;
    };
    QHash<const QObject*, QPointer<QTabBar>> rows_;
    QHash<const QComboBox*, Widest> widest_;
};

}  // namespace

void addHandHabits(QWidget* root) {
    // A page built later: its tab row hands the new controls their habits too.
    if (QWidget* area = root->parentWidget())
        if (area->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) root = area;
    HandHabits::instance().adopt(root);
}

}  // namespace gs::qt
