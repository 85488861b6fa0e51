// What the user needs to see of each control is not covered by another and
// not cut off by its own edges, at scale 1 and 1.5, on every page.
#include <QStyleOptionComboBox>
#include <set>

#include "qt/started_window.h"

namespace gs::qt {
namespace {

// Shows every combination of pages in turn.
template <class F>
void everyPage(Form1& f, F check) {
    for (int step = 0; step < 4; ++step) {
        f.SSTab1.setTab(step);
        const int inner = step == 1 ? 4 : step == 2 ? 8 : 1;
        for (int page = 0; page < inner; ++page) {
            if (step == 1) f.SSTab3.setTab(page);
            if (step == 2) f.SSTab2.setTab(page);
            check("Step " + std::to_string(step + 1) + "/" + std::to_string(page + 1));
        }
    }
}

// The part of a widget the user reads or handles, in the window: a frame's
// caption, a tab row's tabs, a check box's mark and caption, a label's text;
// the whole of every other control. Frames and tab areas are only ground.
QRect neededPart(QWidget* w) {
    QRect r = w->rect();
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QFontMetrics fm = box->fontMetrics();
        r = box->title().isEmpty() ? QRect() : QRect(0, 0, fm.horizontalAdvance(box->title()) + 16, fm.height());
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
        r = bar->tabRect(0).united(bar->tabRect(bar->count() - 1));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QStyle* style = check->style();
        const QRect text = style->itemTextRect(check->fontMetrics(),
                                               style->subElementRect(QStyle::SE_CheckBoxContents, &option, check),
                                               Qt::AlignLeft | Qt::AlignVCenter, true, check->text());
        r = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check).united(text);
    } else if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
        // A bordered label may share its border with the one beside it.
        const int border = label->frameWidth();
        if (border) r = r.adjusted(border, border, -border, -border);
        else
            r = label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                                                  label->text());
    } else if (w->metaObject() == &QWidget::staticMetaObject) {
        r = QRect();  // a tab control's ground: its row counts on its own
    }
    return r.isEmpty() ? QRect() : QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

std::string describe(QRect r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// Entries that come from the data tables or RK.cfg: the open list shows them
// whole (real_input_test.cpp).
const std::set<std::string> kDataLists = {"cboUnitFound", "cboItem",         "cboFeature",     "cboNation",
                                          "cboPopType",   "cboNameDataList", "cboQuillmapItem"};

// The tip a user gets by resting the mouse on a widget.
QString tipOver(QWidget* w) {
    QToolTip::hideText();
    QHelpEvent tip(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QCoreApplication::sendEvent(w, &tip);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// No control covers what the user needs of another beyond the meant overlaps,
// and captions, tab texts and fixed entries fit their controls whole.
TEST(Layout, NothingTheUserNeedsIsCoveredOrCutOff) {
    // Pictures under their captions and the sprite in its square.
    const std::set<std::string> meant = {
        "Image1 Label18", "Image1 Label22", "picUnit shpUnit",
    };
    StartedWindow e;
    for (Control* c : e.f.allControls()) e.widget(*c);
    for (double scale : {1.0, 1.5}) {
        e.main.setScale(scale);
        everyPage(e.f, [&](const std::string& where) {
            std::vector<std::pair<std::string, QRect>> shown;
            for (Control* c : e.f.allControls()) {
                QWidget* w = e.widget(*c);
                if (!w || !w->isVisibleTo(e.main.window())) continue;
                if (auto* area = w->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly))
                    shown.emplace_back(c->fullName() + " row", neededPart(area));
                else if (QRect r = neededPart(w); !r.isEmpty())
                    shown.emplace_back(c->fullName(), r);
                SCOPED_TRACE(c->fullName() + " on " + where + " at scale " + std::to_string(scale));
                const QFontMetrics fm = w->fontMetrics();
                if (auto* check = qobject_cast<QCheckBox*>(w)) {
                    EXPECT_TRUE(check->rect().contains(neededPart(check).translated(-check->mapTo(w->window(), QPoint()))))
                        << describe(neededPart(check)) << " in " << describe(check->geometry());
                } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                    EXPECT_LE(fm.horizontalAdvance(button->text()) + 4, button->width());
                } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                    EXPECT_LE(fm.horizontalAdvance(box->title()) + 16, box->width());
                } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
                    const QRect room = label->contentsRect();
                    const QRect text =
                        fm.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
                    EXPECT_TRUE(room.contains(text)) << text.width() << "x" << text.height() << " in " << room.width()
                                                     << "x" << room.height();
                } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !kDataLists.count(c->name())) {
                    // Some fixed filter entries ("Summer Strength") are wider than
                    // any box the filter columns have room for: the box shows them
                    // shortened and its tip shows them whole.
                    QStyleOptionComboBox option;
                    option.initFrom(combo);
                    const int room = combo->style()
                                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                         .width() - 2;
                    const int chosen = combo->currentIndex();
                    for (int i = 0; i < combo->count(); ++i) {
                        if (fm.horizontalAdvance(combo->itemText(i)) <= room) continue;
                        combo->setCurrentIndex(i);
                        EXPECT_EQ(tipOver(combo).toStdString(), combo->itemText(i).toStdString());
                    }
                    combo->setCurrentIndex(chosen);
                } else if (auto* bar = w->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) {
                    for (int i = 0; i < bar->count(); ++i)
                        EXPECT_LE(bar->fontMetrics().horizontalAdvance(bar->tabText(i)) + 2, bar->tabRect(i).width())
                            << bar->tabText(i).toStdString();
                }
            }
            for (std::size_t i = 0; i < shown.size(); ++i)
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    if (!shown[i].second.intersects(shown[j].second)) continue;
                    auto pair = std::minmax(shown[i].first, shown[j].first);
                    EXPECT_TRUE(meant.count(pair.first + " " + pair.second))
                        << pair.first << " and " << pair.second << " overlap on " << where << " at scale " << scale << ": "
                        << describe(shown[i].second) << " " << describe(shown[j].second);
                }
        });
    }
}

// A bordered label shows all four of its borders, whatever it holds.
TEST(Layout, BorderedLabelsShowAllFourBorders) {
    StartedWindow e;
    for (Label* label : {&e.f.lblPTUnit[0], &e.f.lblCommander, &e.f.lblUnitNumber, &e.f.lblRecUnit[3]}) {
        QWidget* w = e.widget(*label);
        const QImage look = w->grab().toImage();
        const QRgb ground = w->palette().color(QPalette::Window).rgb();
        const int midX = w->width() / 2, midY = w->height() / 2;
        for (QPoint edge : {QPoint(midX, 0), QPoint(midX, w->height() - 1), QPoint(0, midY), QPoint(w->width() - 1, midY)})
            EXPECT_NE(look.pixel(edge), ground) << label->fullName() << " at " << edge.x() << "," << edge.y();
    }
}

// A frame hides the controls it lies over: the help frame, where a restored
// draft shows it, over the unit finder's list.
TEST(Layout, AFrameHidesWhatLiesUnderIt) {
    StartedWindow e;
    e.f.fraHelp.setVisible(true);
    QWidget* frame = e.widget(e.f.fraHelp);
    QWidget* list = e.widget(e.f.txtUnitDescription);
    // Inside the frame, right of its text box, over the list.
    const QRect text = e.widget(e.f.txtHelp)->geometry();
    const QPoint at = frame->mapTo(e.main.window(), QPoint(text.right() + 8, text.center().y()));
    ASSERT_TRUE(list->geometry().contains(list->parentWidget()->mapFrom(e.main.window(), at)));
    const QImage look = e.main.window()->grab().toImage();
    EXPECT_EQ(look.pixel(at), frame->palette().color(QPalette::Window).rgb());
}

}  // namespace
}  // namespace gs::qt
