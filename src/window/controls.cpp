#include "window/controls.h"

#include <algorithm>
#include <utility>

namespace gs {

Control::Control(Kind kind, std::string name, int index) : kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::fullName() const { return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

void Control::place(Control* container, Geometry g, int page) {
    container_ = container;
    page_ = page;
    geom_ = g;
    if (container) container->children_.push_back(this);
}

void Control::notify() {
    if (observer_) observer_();
}

void Control::setGeometry(Geometry g) {
    geom_ = g;
    notify();
}

void Control::move(int left, int top) {
    geom_.left = left;
    geom_.top = top;
    notify();
}

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    notify();
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    notify();
}

void Control::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    notify();
    captionChanged();
}

void Control::setToolTip(const std::string& text) {
    if (toolTip_ == text) return;
    toolTip_ = text;
    notify();
}

void Control::setForeColor(std::optional<Rgb> c) {
    fore_ = c;
    notify();
}

void Control::setBackColor(std::optional<Rgb> c) {
    back_ = c;
    notify();
}

void Control::setFont(Font f) {
    font_ = f;
    notify();
}

void Control::setUnderline(bool on) {
    font_.underline = on;
    notify();
}

void Control::setAlign(Align a) {
    align_ = a;
    notify();
}

void Control::setBordered(bool on) {
    bordered_ = on;
    notify();
}

void Control::setTransparent(bool on) {
    transparent_ = on;
    notify();
}

void Control::mouseMove() {
    if (MouseMove) MouseMove();
}

void Window::setFocus(Control* c) {
    focus_ = c;
    notify();
}

void TabControl::setTab(int t) {
    if (t == tab_) return;
    const int previous = tab_;
    tab_ = t;
    notify();
    if (Click) Click(previous);
}

void TabControl::setTabCaption(int t, const std::string& text) {
    tabCaptions_.at(t) = text;
    notify();
}

void TabControl::setTabCaptions(std::vector<std::string> captions) {
    tabCaptions_ = std::move(captions);
    notify();
}

LineStats lineStats(std::string_view text) {
    LineStats s;
    // The first LF at or after the line's start, or the text's end: found
    // once for all the lines a CR alone ends before it.
    std::size_t lf = std::min(text.find('\n'), text.size());
    for (std::size_t start = 0; start < text.size(); ++s.count) {
        if (lf < start) lf = std::min(text.find('\n', start), text.size());
        const std::size_t cr = text.substr(start, lf - start).find('\r');
        const std::size_t end = cr == std::string_view::npos ? lf : start + cr;
        s.longest = std::max(s.longest, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return s;
}

// A single-line box holds one line: a pasted line break and what follows it
// are dropped, as a single-line box on Windows does.
std::string_view TextBox::kept(std::string_view text) const {
    return multiLine ? text : text.substr(0, text.find_first_of("\r\n"));
}

std::optional<TextBox::Refusal> TextBox::refusal(const std::string& text) const { return refusal(text, text_); }

std::optional<TextBox::Refusal> TextBox::refusalWhenEmpty(std::string_view text) const { return refusal(text, {}); }

std::optional<TextBox::Refusal> TextBox::refusal(std::string_view text, std::string_view before) const {
    // A box whose text came from code with a longer line, more lines or more
    // bytes still takes edits that make it no longer.
    const std::string_view taken = kept(text);
    const LineStats now = lineStats(taken);
    const std::size_t lines = multiLine ? now.count : 1;
    if (now.longest > kMaxLineLength && now.longest > longestLine(before)) return Refusal::LineTooLong;
    if (lines > kMaxLines && lines > lineCount(before)) return Refusal::TooManyLines;
    if (taken.size() > maxBytes && taken.size() > before.size()) return Refusal::TooManyBytes;
    return std::nullopt;
}

void TextBox::edit(const std::string& text) {
    if (const auto why = refusal(text)) return refuse(*why);
    setText(text);
}

void TextBox::refuse(Refusal why) {
    notify();  // a view showing the refused text shows the kept one again
    if (Refused) Refused(why);
}

void TextBox::setText(const std::string& text) {
    const std::string_view kept = this->kept(text);
    if (kept == text_) {
        if (kept.size() != text.size()) notify();  // a view showing the dropped part shows it no more
        return;
    }
    text_ = kept;
    selStart_ = std::min<int>(selStart_, static_cast<int>(text_.size()));
    notify();
    if (Change) Change();
}

void TextBox::setSelStart(int pos) {
    selStart_ = std::clamp<int>(pos, 0, static_cast<int>(text_.size()));
    notify();
}

void ListControl::addItem(const std::string& text) {
    items_.push_back(text);
    notify();
}

void ListControl::addItems(const std::vector<std::string>& texts) {
    items_.insert(items_.end(), texts.begin(), texts.end());
    notify();
}

void ListControl::removeItem(int i) {
    if (i < 0 || i >= listCount()) return;
    items_.erase(items_.begin() + i);
    if (listIndex_ == i)
        listIndex_ = -1;
    else if (listIndex_ > i)
        --listIndex_;
    notify();
}

void ListControl::clear() {
    items_.clear();
    listIndex_ = -1;
    notify();
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= listCount()) return;
    listIndex_ = i;
    notify();
    if (i >= 0 && Click) Click();
}

std::string ListControl::text() const { return listIndex_ >= 0 ? items_[listIndex_] : std::string(); }

namespace {

std::optional<ListBox::Refusal> listRefusal(const ListBox& list, std::size_t entries, std::size_t bytes) {
    if (list.maxEntries > 0 && entries > static_cast<std::size_t>(list.maxEntries))
        return ListBox::Refusal::TooManyEntries;
    if (list.maxBytes > 0 && bytes > list.maxBytes) return ListBox::Refusal::TooManyBytes;
    return std::nullopt;
}

}  // namespace

std::size_t entryBytes(const std::vector<std::string>& entries) {
    std::size_t bytes = 0;
    for (const std::string& entry : entries) bytes += entry.size();
    return bytes;
}

std::optional<ListBox::Refusal> ListBox::refusal(const std::vector<std::string>& entries) const {
    return listRefusal(*this, entries.size(), entryBytes(entries));
}

bool ListBox::take(const std::string& entry) {
    if (const auto why = listRefusal(*this, items().size() + 1, entryBytes(items()) + entry.size())) {
        if (Full) Full(*why);
        return false;
    }
    addItem(entry);
    return true;
}

void ListBox::dblClick() {
    if (enabled() && DblClick) DblClick();
}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    notify();
    if (Click) Click();
}

void CheckBox::click() {
    if (enabled()) setValue(value_ == Checked ? Unchecked : Checked);
}

void Button::click() {
    if (enabled() && Click) Click();
}

void Label::click() {
    if (enabled() && Click) Click();
}

void Label::captionChanged() {
    if (Change) Change();
}

void PictureBox::setPicture(const std::string& path, int widthPixels, int heightPixels) {
    path_ = path;
    Geometry g = geometry();
    g.width = widthPixels * kTwipsPerPixel;
    g.height = heightPixels * kTwipsPerPixel;
    setGeometry(g);
}

}  // namespace gs
