// Pieces shared by the finders: record look-up by number, the unit link
// labels and the fragment tables the descriptions are written from.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor.h"
#include "model/number.h"
#include "model/table_reader.h"

namespace gs::finders {

// One finder filter: its check box, its combo (nullptr when the box alone is
// the filter) and the test a row must pass for the combo's current choice
// (entry position and text).
template <class R>
struct Filter {
    using RowTest = std::function<bool(const R&)>;
    CheckBox Form1::*check;
    ComboBox Form1::*combo;
    RowTest (*choose)(int index, const std::string& item);
};

template <class R>
void connectFilterBoxes(Form1& f, std::span<const Filter<R>> filters) {
    for (const auto& flt : filters) {
        if (!flt.combo) continue;
        CheckBox& box = f.*flt.check;
        ComboBox& combo = f.*flt.combo;
        box.Click = [&box, &combo] { combo.setEnabled(box.value() == CheckBox::Checked); };
    }
}

// "Apply Filters": `found` gets "None" and the name of every filled row of
// rows[0 .. count - 1] that passes all ticked filters, in table order;
// index[0] = -1 and index[k] = the number of the k-th listed row.
template <class R>
void applyFilters(Form1& f, std::span<const Filter<R>> filters, const std::vector<R>& rows, int count,
                  std::vector<i16>& index, ComboBox& found) {
    std::vector<typename Filter<R>::RowTest> tests;
    for (const auto& flt : filters) {
        if ((f.*flt.check).value() != CheckBox::Checked) continue;
        const ComboBox* combo = flt.combo ? &(f.*flt.combo) : nullptr;
        tests.push_back(flt.choose(combo ? combo->listIndex() : -1, combo ? combo->text() : std::string()));
    }
    std::vector<std::string> names{"None"};
    index[0] = -1;
    int listed = 0;
    for (int r = 0; r < count; ++r) {
        bool passes = !unreadRow(rows[r]);
        for (const auto& test : tests)
            if (!test(rows[r])) {
                passes = false;
                break;
            }
        if (!passes) continue;
        names.push_back(rows[r].Name);
        index[++listed] = rows[r].Number;
    }
    found.clear();
    found.addItems(names);
}

// The last table row whose number is n, or -1.
int lastUnitRow(const Editor& e, int n);
int lastSiteRow(const Editor& e, int n);

// Unit link labels: "-1" in the normal colour without underline or tooltip
// when empty; the unit number in blue, underlined, with the unit's name as
// tooltip when they link.
void showEmptyLink(Label& l);
void showLink(Label& l, int unitNumber, const std::string& name);
// A click on a unit link label: opens the unit's reference page through
// lblURL unless the label is empty ("-1").
void openUnitLink(Editor& e, const Label& l);
// Opens the reference page of a unit number through lblURL.
void openUnitReference(Editor& e, int unitNumber);

// One column of a record: a text or a 16-bit number (member or getter).
template <class R>
struct Field {
    text R::*t = nullptr;
    i16 R::*n = nullptr;
    const text& (*get)(const R&) = nullptr;

    Field() = default;
    Field(text R::*m) : t(m) {}
    Field(i16 R::*m) : n(m) {}
    Field(const text& (*g)(const R&)) : get(g) {}

    bool isNumber() const { return n != nullptr; }
    const text& textOf(const R& r) const { return get ? get(r) : r.*t; }
    i16 numberOf(const R& r) const { return r.*n; }
    // The cell is filled: not the empty-cell sentinel.
    bool present(const R& r) const { return isNumber() ? numberOf(r) != kAbsent : textOf(r) != kAbsentText; }
};

// When a description fragment is written.
enum class When { Always, Present, Positive, NotNegative, NotFalse };
// What follows the fragment's words: nothing, the value with the sign's
// place kept (" 3", "-3"), the value as plain digits ("3") or the text.
enum class Value { None, Signed, Plain, Text };

template <class R>
struct Fragment {
    const char* words;
    Field<R> field;
    When when = When::Present;
    Value value = Value::None;
};

template <class R>
bool shown(const Fragment<R>& fr, const R& r) {
    switch (fr.when) {
        case When::Always:
            return true;
        case When::Present:
            return fr.field.present(r);
        case When::Positive:
            return fr.field.numberOf(r) > 0;
        case When::NotNegative:
            return fr.field.numberOf(r) > -1;
        case When::NotFalse:
            return fr.field.textOf(r) != "FALSE";
    }
    return false;
}

// A cell as a description shows it: one far longer than any real cell keeps
// its start and "...", so that a hostile table cannot make the description
// box take minutes to lay out.
inline std::string shownCell(std::string_view cell) {
    constexpr std::size_t kShown = 1000;
    return cell.size() <= kShown ? std::string(cell) : std::string(cell.substr(0, kShown)) + "...";
}

template <class R>
void appendFragments(std::string& out, const R& r, std::span<const Fragment<R>> list) {
    for (const auto& fr : list) {
        if (!shown(fr, r)) continue;
        out += fr.words;
        switch (fr.value) {
            case Value::None:
                break;
            case Value::Signed:
                out += signedNumber(fr.field.numberOf(r));
                break;
            case Value::Plain:
                out += plainNumber(fr.field.numberOf(r));
                break;
            case Value::Text:
                out += shownCell(fr.field.textOf(r));
                break;
        }
    }
}

// The first line of a description: number, one blank, name, CR LF.
template <class R>
std::string headLine(const R& r) {
    return plainNumber(r.Number) + " " + shownCell(r.Name) + "\r\n";
}

}  // namespace gs::finders
