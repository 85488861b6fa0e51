#include "window/reading_order.h"

#include <algorithm>
#include <optional>

namespace gs {

namespace {

// Rows and columns stand apart where a gap of six pixels runs between them;
// a check box and the box beside it, closer, are read together.
constexpr int kGap = 6 * kTwipsPerPixel;

struct Item {
    Control* control;
    Geometry at;  // in the window
    std::vector<Item> over;  // what floats over a tab control
};

int bottom(const Geometry& g) { return g.top + g.height; }
int right(const Geometry& g) { return g.left + g.width; }

bool takesKeys(Kind k) {
    switch (k) {
        case Kind::TabControl:
        case Kind::TextBox:
        case Kind::ComboList:
        case Kind::ComboEdit:
        case Kind::ListBox:
        case Kind::CheckBox:
        case Kind::Button:
            return true;
        default:
            return false;
    }
}

bool onShownPage(const Control& c) {
    const Control* tab = c.container();
    return c.page() < 0 || !tab || tab->kind() != Kind::TabControl ||
           static_cast<const TabControl*>(tab)->tab() == c.page();
}

// The controls of a container, placed in the window.
void collect(const Control& container, int left, int top, std::vector<Item>& out) {
    for (Control* c : container.children()) {
        if (!onShownPage(*c)) continue;
        Geometry at = c->geometry();
        at.left += left, at.top += top;
        if (container.kind() == Kind::TabControl && c->kind() == Kind::Frame && c->caption().empty())
            collect(*c, at.left, at.top, out);
        else
            out.push_back({c, at, {}});
    }
}

// Shown controls lying inside a tab control's area float over its pages.
void gatherFloating(std::vector<Item>& items) {
    std::vector<bool> floating(items.size());
    for (Item& tab : items) {
        if (tab.control->kind() != Kind::TabControl || !tab.control->visible()) continue;
        const Geometry& t = tab.at;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& c = items[i];
            if (!floating[i] && c.control->visible() && c.control->kind() != Kind::TabControl && c.at.left >= t.left &&
                c.at.top >= t.top && right(c.at) <= right(t) && bottom(c.at) <= bottom(t)) {
                tab.over.push_back(c);
                floating[i] = true;
            }
        }
    }
    std::size_t i = 0;
    std::erase_if(items, [&](const Item&) { return floating[i++]; });
}

// Where the widest gap across one direction lies: the items before it and
// its width, if any gap is there at all.
struct Cut {
    std::vector<Item> before, after;
    int gap;
};

std::optional<Cut> widestGap(std::vector<Item> items, bool rows) {
    const auto start = [rows](const Item& i) { return rows ? i.at.top : i.at.left; };
    const auto end = [rows](const Item& i) { return rows ? bottom(i.at) : right(i.at); };
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return start(a) < start(b); });
    std::optional<Cut> best;
    int reach = end(items[0]);
    for (std::size_t i = 1; i < items.size(); ++i) {
        const int gap = start(items[i]) - reach;
        if (gap >= kGap && (!best || gap > best->gap))
            best = Cut{{items.begin(), items.begin() + i}, {items.begin() + i, items.end()}, gap};
        reach = std::max(reach, end(items[i]));
    }
    return best;
}

void emit(Item& item, std::vector<Control*>& out);

void read(std::vector<Item> items, std::vector<Control*>& out) {
    auto hidden = std::stable_partition(items.begin(), items.end(), [](const Item& i) { return i.control->visible(); });
    std::vector<Item> later(std::make_move_iterator(hidden), std::make_move_iterator(items.end()));
    items.erase(hidden, items.end());
    if (items.size() > 1) {
        std::optional<Cut> rows = widestGap(items, true), columns = rows ? std::nullopt : widestGap(items, false);
        std::optional<Cut>& cut = rows ? rows : columns;
        if (cut) {
            read(std::move(cut->before), out);
            read(std::move(cut->after), out);
            items.clear();
        } else {  // close together: by their top left corners
            std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
                return std::pair(a.at.top, a.at.left) < std::pair(b.at.top, b.at.left);
            });
        }
    }
    for (Item& i : items) emit(i, out);
    for (Item& i : later) emit(i, out);
}

void emit(Item& item, std::vector<Control*>& out) {
    Control& c = *item.control;
    if (takesKeys(c.kind())) out.push_back(&c);
    std::vector<Item> inside = std::move(item.over);
    collect(c, item.at.left, item.at.top, inside);
    gatherFloating(inside);
    read(std::move(inside), out);
}

}  // namespace

std::vector<Control*> readingOrder(const Control& window) {
    std::vector<Control*> out;
    std::vector<Item> items;
    collect(window, 0, 0, items);
    gatherFloating(items);
    read(std::move(items), out);
    return out;
}

}  // namespace gs
