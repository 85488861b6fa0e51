// The toolkit-free window model: one class per kind of control.
//
// A control holds everything the window shows (caption, geometry, colours,
// enabled/visible, its own state) and raises its events when its state is set
// from code exactly as when the user acts: a text box raises Change when its
// text changes, a list raises Click whenever its selection is set, a check box
// raises Click when its value changes, a tab control raises Click(previous)
// when its page changes. Clearing a list raises nothing.
//
// Handlers are plain std::function slots filled by the subsystems when the
// editor is wired up. A view (the Qt one, or none in tests) watches a control
// through its single observer and mirrors every change.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/limits.h"
#include "window/platform.h"

namespace gs {

enum class Kind {
    Form,
    Frame,
    TabControl,
    TextBox,
    ComboList,  // drop-down list: the user only picks
    ComboEdit,  // editable drop-down
    ListBox,
    CheckBox,
    Button,
    Label,
    PictureBox,
    Image,
    Shape,
    FileDialog,
};

// Reference geometry in twips (15 twips = 1 logical pixel), relative to the
// container (for controls on a tab page: relative to the tab control).
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

enum class Align { Left, Right, Center };

struct Font {
    double size = 0;  // points; 0 = the window's default font
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

constexpr int kTwipsPerPixel = 15;

// The lines of a text, counted in one pass: each CR LF, CR or LF ends one,
// and an unended last line counts when it is not empty; the longest is
// measured without its line end.
struct LineStats {
    std::size_t count = 0;
    std::size_t longest = 0;
};
LineStats lineStats(std::string_view text);
// The length of the longest line of a text (lines end at CR or LF).
inline std::size_t longestLine(std::string_view text) { return lineStats(text).longest; }
// The number of lines of a text.
inline std::size_t lineCount(std::string_view text) { return lineStats(text).count; }

class Control {
public:
    Control(Kind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // Member index inside a control array, -1 for a plain control.
    int index() const { return index_; }
    // "lstFeatureList(2)" for array members, the plain name otherwise.
    std::string fullName() const;

    // Placement: the container (nullptr for a window) and, when the
    // container is a tab control, the page the control sits on (-1 otherwise).
    Control* container() const { return container_; }
    int page() const { return page_; }
    void place(Control* container, Geometry g, int page = -1);
    // Children in z-order, bottom first.
    const std::vector<Control*>& children() const { return children_; }

    const Geometry& geometry() const { return geom_; }
    void setGeometry(Geometry g);
    void move(int left, int top);

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);  // labels raise Change
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& text);

    const std::optional<Rgb>& foreColor() const { return fore_; }
    void setForeColor(std::optional<Rgb> c);
    const std::optional<Rgb>& backColor() const { return back_; }
    void setBackColor(std::optional<Rgb> c);
    const Font& font() const { return font_; }
    void setFont(Font f);
    void setUnderline(bool on);

    Align align() const { return align_; }
    void setAlign(Align a);
    bool bordered() const { return bordered_; }
    void setBordered(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    // Events every kind may raise; unset slots do nothing.
    std::function<void()> MouseMove;
    void mouseMove();

    // The view's hook: called after any change of what the control shows.
    void setObserver(std::function<void()> fn) { observer_ = std::move(fn); }

protected:
    void notify();
    virtual void captionChanged() {}

private:
    Kind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    int page_ = -1;
    std::vector<Control*> children_;
    Geometry geom_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    std::string toolTip_;
    std::optional<Rgb> fore_;
    std::optional<Rgb> back_;
    Font font_;
    Align align_ = Align::Left;
    bool bordered_ = false;
    bool transparent_ = false;
    std::function<void()> observer_;
};

// A top-level window. Its caption is the title; geometry holds the client size.
class Window : public Control {
public:
    explicit Window(std::string name) : Control(Kind::Form, std::move(name)) { setVisible(false); }
    // Which control the keyboard focus is in (set by SetFocus, shown by the view).
    Control* focus() const { return focus_; }
    void setFocus(Control* c);

private:
    Control* focus_ = nullptr;
};

class Frame : public Control {
public:
    explicit Frame(std::string name, int index = -1) : Control(Kind::Frame, std::move(name), index) {}
};

class TabControl : public Control {
public:
    explicit TabControl(std::string name) : Control(Kind::TabControl, std::move(name)) {}
    int tab() const { return tab_; }
    // Shows a page; raises Click(previous page) when the page changes.
    void setTab(int t);
    int tabCount() const { return static_cast<int>(tabCaptions_.size()); }
    const std::string& tabCaption(int t) const { return tabCaptions_.at(t); }
    void setTabCaption(int t, const std::string& text);
    void setTabCaptions(std::vector<std::string> captions);
    std::function<void(int previousTab)> Click;

private:
    int tab_ = 0;
    std::vector<std::string> tabCaptions_;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name) : Control(Kind::TextBox, std::move(name)) {}
    // Text as bytes; multi-line boxes keep CR LF line ends.
    const std::string& text() const { return text_; }
    // Raises Change when the text differs from the current one. A box that
    // is not multi-line keeps the text's first line only.
    void setText(const std::string& text);
    // Caret position (SelStart), in bytes of text().
    int selStart() const { return selStart_; }
    void setSelStart(int pos);
    // Why the box refused an edit.
    enum class Refusal { LineTooLong, TooManyLines, TooManyBytes };
    // The user's edit (typing, pasting, dropping): set as by setText, unless
    // it brings a line longer than kMaxLineLength, more than kMaxLines lines
    // or more than maxBytes bytes, which the box refuses: its text stays and
    // Refused is raised.
    void edit(const std::string& text);
    // Why the box would refuse the text as the user's edit; nothing when it
    // would take it.
    std::optional<Refusal> refusal(const std::string& text) const;
    // Why the box would refuse the text if it held none.
    std::optional<Refusal> refusalWhenEmpty(std::string_view text) const;

    bool multiLine = false;
    std::size_t maxBytes = kMaxBoxBytes;
    bool readOnly = false;
    bool vScroll = false;
    std::function<void()> Change;
    std::function<void(Refusal)> Refused;

private:
    std::string_view kept(std::string_view text) const;
    std::optional<Refusal> refusal(std::string_view text, std::string_view before) const;
    void refuse(Refusal why);

    std::string text_;
    int selStart_ = 0;
};

// Drop-down lists (editable or not) and list boxes share their item logic.
class ListControl : public Control {
public:
    using Control::Control;
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(i); }
    const std::vector<std::string>& items() const { return items_; }
    void addItem(const std::string& text);
    // Appends many entries at once (one view update).
    void addItems(const std::vector<std::string>& texts);
    // Removes an entry; a removed selection leaves nothing selected. No event.
    void removeItem(int i);
    // Empties the list; nothing is selected afterwards. No event.
    void clear();
    // -1 when nothing is selected.
    int listIndex() const { return listIndex_; }
    // Selects an entry and raises Click, even when it was selected already.
    // -1 deselects without an event.
    void setListIndex(int i);
    // The selected entry's text, "" when nothing is selected.
    std::string text() const;
    std::function<void()> Click;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ComboBox : public ListControl {
public:
    ComboBox(std::string name, bool editable = false)
        : ListControl(editable ? Kind::ComboEdit : Kind::ComboList, std::move(name)) {}
};

// The bytes of a list's entries together, line ends not counted.
std::size_t entryBytes(const std::vector<std::string>& entries);

class ListBox : public ListControl {
public:
    explicit ListBox(std::string name, int index = -1) : ListControl(Kind::ListBox, std::move(name), index) {}
    // The most entries the user's actions add, and the most bytes these
    // entries hold together (line ends not counted); 0 for no limit.
    int maxEntries = 0;
    std::size_t maxBytes = 0;
    // Why the list refused an entry.
    enum class Refusal { TooManyEntries, TooManyBytes };
    // Why the list would refuse to hold `entries`; nothing when it would
    // hold them.
    std::optional<Refusal> refusal(const std::vector<std::string>& entries) const;
    // An entry the user's action adds: appended as by addItem, unless the
    // list would then hold more than maxEntries or maxBytes, which it
    // refuses: Full is raised and false returned.
    bool take(const std::string& entry);
    std::function<void(Refusal)> Full;
    // The user's double-click on the selected entry.
    void dblClick();
    std::function<void()> DblClick;
};

class CheckBox : public Control {
public:
    explicit CheckBox(std::string name, int index = -1) : Control(Kind::CheckBox, std::move(name), index) {}
    static constexpr int Unchecked = 0, Checked = 1, Grayed = 2;
    int value() const { return value_; }
    // Raises Click when the value changes.
    void setValue(int v);
    // The user's click: toggles between checked and clear when enabled.
    void click();
    std::function<void()> Click;

private:
    int value_ = 0;
};

class Button : public Control {
public:
    explicit Button(std::string name, int index = -1) : Control(Kind::Button, std::move(name), index) {}
    // The user's click: raises Click only while the button is enabled.
    void click();
    std::function<void()> Click;
};

class Label : public Control {
public:
    explicit Label(std::string name, int index = -1) : Control(Kind::Label, std::move(name), index) {}
    // The user's click on the label.
    void click();
    std::function<void()> Click;
    // Raised when the caption changes.
    std::function<void()> Change;

protected:
    void captionChanged() override;
};

// A picture area that shows an image file (picture boxes) or a built-in
// bitmap (images). A picture box takes the size of its picture.
class PictureBox : public Control {
public:
    PictureBox(std::string name, Kind kind = Kind::PictureBox) : Control(kind, std::move(name)) {}
    const std::string& picturePath() const { return path_; }
    // Shows the file's picture; its width and height (pixels) become the box's size.
    void setPicture(const std::string& path, int widthPixels, int heightPixels);
    bool stretch = false;

private:
    std::string path_;
};

class Image : public PictureBox {
public:
    explicit Image(std::string name) : PictureBox(std::move(name), Kind::Image) { stretch = true; }
};

class Shape : public Control {
public:
    explicit Shape(std::string name) : Control(Kind::Shape, std::move(name)) {}
};

// The invisible file-dialog component: the settings of the next dialog.
class FileDialog : public Control {
public:
    explicit FileDialog(std::string name) : Control(Kind::FileDialog, std::move(name)) { setVisible(false); }
    std::string fileName;
    std::string dialogTitle;
    std::string initDir;
    std::string filter;   // "description|pattern|description|pattern..."
    int filterIndex = 1;  // 1-based, as the dialogs count

    // Sets every property for the next showing, the first filter selected,
    // and returns them as the platform's dialogs take them.
    DialogRequest prepare(std::string title, std::string name, std::string folder, std::string filters) {
        dialogTitle = std::move(title);
        fileName = std::move(name);
        initDir = std::move(folder);
        filter = std::move(filters);
        filterIndex = 1;
        return {dialogTitle, fileName, initDir, filter, filterIndex};
    }
};

}  // namespace gs
