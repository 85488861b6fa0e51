#include "compose/compose.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/number.h"
#include "model/table_reader.h"
#include "window/shell.h"

namespace gs {

namespace {

const std::string kCrLf = "\r\n";

bool isChecked(const CheckBox& box) { return box.value() == CheckBox::Checked; }

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// A typed name that the file writes between double quotes: a quote in it
// would end the quoted text early, so it is refused with a message.
bool quotable(Editor& e, const std::string& text) {
    if (text.find('"') == std::string::npos) return true;
    e.platform.messageBox("The character \" cannot be used here: the file writes this name between double quotes.",
                          "Error Report!");
    return false;
}

// The work of one of the seventeen "Add to List" and "Submit -->" buttons: a
// failure stops it where it is, keeps what it has already done and is
// reported with the button's name.
template <class Work>
void runButton(Editor& e, const Button& button, Work&& work) {
    try {
        work();
    } catch (const std::exception&) {
        ReportError(e.platform, button.name());
    }
}

// While a Submit appends, every change of txtGarrison moves its caret to the
// end; the flag drops however the Submit ends.
class AppendingScope {
public:
    explicit AppendingScope(Editor& e) : e_(e) { e_.AppendingGarrison = true; }
    ~AppendingScope() { e_.AppendingGarrison = false; }
    AppendingScope(const AppendingScope&) = delete;
    AppendingScope& operator=(const AppendingScope&) = delete;

private:
    Editor& e_;
};

// The number of the nation selected in Step 1; fails when none is selected.
std::int16_t nationNumber(const Editor& e) {
    const int position = e.f.cboNation.listIndex();
    if (position < 0 || position >= kNationRows) throw std::out_of_range("no nation selected");
    return e.NationIndex[position];
}

// Appends to the garrison what the garrison box would take from the user;
// anything more is refused whole and said. The lines start on a line of
// their own: a last line without a line end (typed so, or the last line of
// an opened file) is ended first, or Quillmap would read both as one.
void appendText(Editor& e, const std::string& text) {
    TextBox& garrison = e.f.txtGarrison;
    std::string after = garrison.text() + (lastLineEnded(garrison.text()) ? "" : kCrLf) + text;
    if (const auto why = garrison.refusal(after)) return ReportGarrisonFull(e.platform, garrison, *why);
    garrison.setText(after);
}

// How a builder's list becomes garrison lines.
struct SubmitRule {
    const ListBox& list;
    std::string single;  // written before the one entry of a one-entry list
    std::string header;  // written after "@" + count when the list has two or more
    bool blankLineFirst = false;
    std::string opening = "";  // a line written first, whatever the list holds
    // The line of one entry; as stored when not set.
    std::function<std::string(const std::string&)> entryLine = nullptr;
    // The line of an empty list, if any.
    std::function<std::optional<std::string>()> fallback = nullptr;
};

// The list's lines go into txtGarrison in one change, so that a long list
// costs one rewrite of the garrison text rather than one per line; the
// lines made before a failing one are still appended.
void submit(Editor& e, const SubmitRule& r) {
    std::string lines;
    const auto add = [&lines](const std::string& line) { (lines += line) += kCrLf; };
    try {
        if (!r.opening.empty()) add(r.opening);
        const int n = r.list.listCount();
        const auto line = [&](int i) { return r.entryLine ? r.entryLine(r.list.item(i)) : r.list.item(i); };
        if (n == 0) {
            if (r.fallback)
                if (const auto text = r.fallback()) add(*text);
        } else if (n == 1) {
            if (r.blankLineFirst) add("");
            add(r.single + line(0));
        } else {
            if (r.blankLineFirst) add("");
            add("@" + plainNumber(n) + r.header);
            for (int i = 0; i < n; ++i) add(line(i));
        }
    } catch (...) {
        if (!lines.empty()) appendText(e, lines);
        throw;
    }
    if (!lines.empty()) appendText(e, lines);
}

// The three builders that name a unit by its number: commander, body guards
// and units.
struct UnitBuilder {
    TextBox& id;
    Label& name;
    TextBox* count;  // none for the commander
    ListBox& list;
    Button& submit;
    const char* sentinel;
};

UnitBuilder commanderBuilder(Editor& e) {
    Form1& f = e.f;
    return {f.txtCommanderID, f.lblCommander, nullptr, f.lstCommanderList, f.cmdAddCommander, " --no commander"};
}
UnitBuilder bodyGuardBuilder(Editor& e) {
    Form1& f = e.f;
    return {f.txtBodyGuardID,   f.lblBodyGuard,     &f.txtBodyGuardCount,
            f.lstBodyGuardList, f.cmdAddBodyGuards, " --no bodyguards"};
}
UnitBuilder unitBuilder(Editor& e) {
    Form1& f = e.f;
    return {f.txtUnitID, f.lblUnit, &f.txtUnitCount, f.lstUnitList, f.cmdAddUnits, " --no units"};
}

void addUnitEntry(const UnitBuilder& b) {
    const std::string& number = b.id.text();
    if (number.empty() || number == "0") {
        b.list.take(b.sentinel);
        return;
    }
    if (b.name.caption().empty()) return;  // the number names no unit
    // The count is the line's first number. An empty count would leave the
    // unit number in its place, a lettered one a line Quillmap cannot read:
    // both are reported as any value that is not a number.
    if (b.count) CInt(b.count->text());
    if (b.list.take((b.count ? b.count->text() + " " : std::string()) + number + " --" + b.name.caption()))
        b.submit.setEnabled(true);
}

// The name of the first loaded unit whose number, written as plain decimal
// text, is exactly the given text; empty when none is.
std::string unitName(const Editor& e, const std::string& number) {
    if (number.empty()) return {};
    for (int i = 0; i < kUnitRows - 1; ++i)
        if (plainNumber(e.Units[i].Number) == number) return e.Units[i].Name;
    return {};
}

void showUnitName(Editor& e, const UnitBuilder& b) { b.name.setCaption(unitName(e, b.id.text())); }

void pullUnit(Editor& e, const UnitBuilder& b) {
    const std::string& current = e.f.lblUnitNumber.caption();
    if (!current.empty()) b.id.setText(current);
}

// Removes the selected entry; an empty list afterwards, whether or not
// something was removed, gets its builder's reset.
void removeSelected(ListBox& list, const std::function<void()>& resetWhenEmpty) {
    if (list.listIndex() >= 0) list.removeItem(list.listIndex());
    if (list.listCount() == 0) resetWhenEmpty();
}

// Item filter: a path or level box enables its list; the "-" and "=" boxes
// of one class exclude each other.
void pairedFilter_Click(Editor& e, const CheckBox& box, ComboBox& choice) {
    choice.setEnabled(isChecked(box));
    ApplyItemFilter(e);
}

void exclusiveFilter_Click(Editor& e, const CheckBox& box, CheckBox& other) {
    if (isChecked(box)) other.setValue(CheckBox::Unchecked);
    ApplyItemFilter(e);
}

// The level of a checked level box, when one is selected.
std::optional<int> levelLimit(const CheckBox& box, const ComboBox& levels) {
    if (!isChecked(box)) return std::nullopt;
    const NumberResult level = toInt16(levels.text());
    if (!level.ok()) return std::nullopt;
    return static_cast<int>(level.value);
}

}  // namespace

void ApplyItemFilter(Editor& e) {
    Form1& f = e.f;
    const bool byCategory = f.cboItemCategory.listIndex() > 0;
    const std::string category = f.cboItemCategory.text();
    const std::optional<int> level1 = levelLimit(f.chkIL1, f.cboIL1);
    const std::optional<int> level2 = levelLimit(f.chkIL2, f.cboIL2);

    std::vector<std::string> names{"No Item"};
    e.ItemIndex[0] = -1;
    int count = 0;
    for (int i = 0; i < kItemRows - 1; ++i) {
        const ItemRecord& item = e.Items[i];
        const bool kept =
            !unreadRow(item) && (!byCategory || item.Category == category) && !(isChecked(f.chkINoArtifacts) && item.ClassCode == 8) &&
            !(isChecked(f.chkIArtifacts) && item.ClassCode != 8) &&
            !(isChecked(f.chkINoSpecial) && item.ClassCode == 12) &&
            !(isChecked(f.chkISpecial) && item.ClassCode != 12) &&
            !(isChecked(f.chkIP1) && f.cboIP1.text() != item.Path1) && !(level1 && *level1 < item.Level1) &&
            !(isChecked(f.chkIP2) && f.cboIP2.text() != item.Path2) && !(level2 && *level2 < item.Level2);
        if (!kept) continue;
        names.push_back(item.Name);
        e.ItemIndex[++count] = item.Number;
    }
    f.cboItem.clear();
    f.cboItem.addItems(names);
    f.cboItem.setListIndex(0);
}

// ---- Add to List ----

void cmdAddToCommanderList_Click(Editor& e) {
    runButton(e, e.f.cmdAddToCommanderList, [&] { addUnitEntry(commanderBuilder(e)); });
}

void cmdAddToBodyGuardList_Click(Editor& e) {
    runButton(e, e.f.cmdAddToBodyGuardList, [&] { addUnitEntry(bodyGuardBuilder(e)); });
}

void cmdAddToUnitList_Click(Editor& e) {
    runButton(e, e.f.cmdAddToUnitList, [&] { addUnitEntry(unitBuilder(e)); });
}

void cmdAddToCommanderNameList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToCommanderNameList, [&] {
        if (f.txtCommanderName.text().empty() || !quotable(e, f.txtCommanderName.text())) return;
        if (!f.lstCommanderNameList.take(quoted(f.txtCommanderName.text()))) return;
        f.cboCommanderNameDataList.setEnabled(false);
        f.cmdAddCommanderName.setEnabled(true);
    });
}

void cmdAddToNameList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToNameList, [&] {
        if (f.txtLandName.text().empty() || !quotable(e, f.txtLandName.text())) return;
        if (!f.lstNameList.take(quoted(f.txtLandName.text()))) return;
        f.cboNameDataList.setEnabled(false);
    });
}

void cmdAddToItemList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToItemList, [&] {
        const int position = f.cboItem.listIndex();
        if (position < 0) return;
        if (!f.lstItemList.take(position == 0 ? std::string("-- no item") : quoted(f.cboItem.text()))) return;
        f.cboQuillmapItem.setEnabled(false);
        f.cboGameRandomItem.setEnabled(false);
        if (position > 0) f.cmdAddItem.setEnabled(true);
    });
}

void cmdAddToMagicList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToMagicList, [&] {
        const int position = f.cboMagic.listIndex();
        if (position < 0) return;
        if (position == 0) {
            f.lstMagicList.take("-- no magic");
            return;
        }
        CInt(f.txtMagicLevel.text());  // the path's level: a line without one would carry no level
        if (!f.lstMagicList.take(f.cboMagic.text() + " " + f.txtMagicLevel.text())) return;
        f.cmdAddMagic.setEnabled(true);
    });
}

// Dominion and scale values are checked on the converted number; the entry
// keeps the text as typed.
void cmdAddToDominionList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToDominionList, [&] {
        const std::string& value = f.txtDominion.text();
        if (value.empty()) return;
        const int strength = CInt(value);
        if (strength < 1 || strength > 10) return;
        if (!f.lstDominionList.take("#dominionstr " + plainNumber(nationNumber(e)) + " " + value)) return;
        f.cmdAddDominion.setEnabled(true);
    });
}

void cmdAddToScalesList_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddToScalesList, [&] {
        const int position = f.cboScales.listIndex();
        if (position < 0) return;
        if (position == 0) {
            f.lstScalesList.take("-- no scales");
            return;
        }
        const std::string& value = f.txtScales.text();
        const int scale = CInt(value);
        if (scale < -3 || scale > 3) return;
        if (!f.lstScalesList.take(f.cboScales.text() + " " + plainNumber(nationNumber(e)) + " " + value)) return;
        f.cmdAddScales.setEnabled(true);
    });
}

// ---- Submit ----

void cmdAddCommander_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddCommander, [&] {
        AppendingScope appending(e);
        if (f.chkPretender.value() == CheckBox::Unchecked) {
            submit(
                e,
                {.list = f.lstCommanderList, .single = "#commander ", .header = " commander", .blankLineFirst = true});
            return;
        }
        // The nation is read for every line written.
        const auto godLine = [&](const std::string& entry) {
            return "#god " + plainNumber(nationNumber(e)) + " " + entry + " -- " + f.cboNation.text();
        };
        submit(e,
               {.list = f.lstCommanderList, .single = "", .header = " ", .blankLineFirst = true, .entryLine = godLine});
    });
}

void cmdAddCommanderName_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddCommanderName, [&] {
        AppendingScope appending(e);
        submit(e, {.list = f.lstCommanderNameList,
                   .single = "#comname ",
                   .header = " comname",
                   .fallback = [&]() -> std::optional<std::string> {
                       if (f.cboCommanderNameDataList.listIndex() != 1) return std::nullopt;
                       return "@RANDOM comname COMMANDER";
                   }});
    });
}

void cmdAddItem_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddItem, [&] {
        AppendingScope appending(e);
        submit(e, {.list = f.lstItemList,
                   .single = "#additem ",
                   .header = " additem",
                   .fallback = [&]() -> std::optional<std::string> {
                       if (f.cboQuillmapItem.listIndex() >= 1) return "@RANDOM additem " + f.cboQuillmapItem.text();
                       const std::string random = f.cboGameRandomItem.text();
                       return "#randomequip " + random.substr(std::min(random.find_first_not_of(' '), random.size()));
                   }});
    });
}

void cmdAddMagic_Click(Editor& e) {
    Form1& f = e.f;
    runButton(e, f.cmdAddMagic, [&] {
        AppendingScope appending(e);
        submit(e, {.list = f.lstMagicList,
                   .single = "",
                   .header = " ",
                   .opening = isChecked(f.chkClearMagic) ? "#clearmagic" : ""});
    });
}

void cmdAddDominion_Click(Editor& e) {
    runButton(e, e.f.cmdAddDominion, [&] { submit(e, {.list = e.f.lstDominionList, .single = "", .header = " "}); });
}

void cmdAddScales_Click(Editor& e) {
    runButton(e, e.f.cmdAddScales, [&] { submit(e, {.list = e.f.lstScalesList, .single = "", .header = " "}); });
}

void cmdAddBodyGuards_Click(Editor& e) {
    runButton(e, e.f.cmdAddBodyGuards, [&] {
        AppendingScope appending(e);
        submit(e, {.list = e.f.lstBodyGuardList, .single = "#bodyguards ", .header = " bodyguards"});
    });
}

void cmdAddUnits_Click(Editor& e) {
    runButton(e, e.f.cmdAddUnits, [&] {
        AppendingScope appending(e);
        submit(e, {.list = e.f.lstUnitList, .single = "#units ", .header = " units"});
    });
}

// ---- Other controls of the builders ----

void txtGarrison_Change(Editor& e) {
    TextBox& garrison = e.f.txtGarrison;
    if (e.AppendingGarrison) garrison.setSelStart(static_cast<int>(garrison.text().size()));
}

void cmdClearGarrison_Click(Editor& e) { e.f.txtGarrison.setText(""); }

void chkPretender_Click(Editor& e) {
    Form1& f = e.f;
    const char* caption = f.chkPretender.value() == CheckBox::Unchecked ? "Commander" : "Pretender";
    f.SSTab2.setTabCaption(0, caption);
    f.fraCommander.setCaption(caption);
}

void cboCommanderNameDataList_Click(Editor& e) {
    e.f.cmdAddCommanderName.setEnabled(e.f.cboCommanderNameDataList.listIndex() == 1);
}

void chkClearMagic_Click(Editor& e) {
    Form1& f = e.f;
    if (isChecked(f.chkClearMagic))
        f.cmdAddMagic.setEnabled(true);
    else if (f.lstMagicList.listCount() == 0)
        f.cmdAddMagic.setEnabled(false);
}

void cboQuillmapItem_Click(Editor& e) { e.f.cboGameRandomItem.setEnabled(e.f.cboQuillmapItem.listIndex() == 0); }

// ---- Unit numbers ----

void txtCommanderID_Change(Editor& e) { showUnitName(e, commanderBuilder(e)); }
void txtBodyGuardID_Change(Editor& e) { showUnitName(e, bodyGuardBuilder(e)); }
void txtUnitID_Change(Editor& e) { showUnitName(e, unitBuilder(e)); }
void cmdPullCommander_Click(Editor& e) { pullUnit(e, commanderBuilder(e)); }
void cmdPullBodyGuards_Click(Editor& e) { pullUnit(e, bodyGuardBuilder(e)); }
void cmdPullUnits_Click(Editor& e) { pullUnit(e, unitBuilder(e)); }

// ---- Removal ----

void lstNameList_DblClick(Editor& e) {
    removeSelected(e.f.lstNameList, [&] { e.f.cboNameDataList.setEnabled(true); });
}

void lstCommanderList_DblClick(Editor& e) {
    removeSelected(e.f.lstCommanderList, [&] { e.f.cmdAddCommander.setEnabled(false); });
}

void lstCommanderNameList_DblClick(Editor& e) {
    removeSelected(e.f.lstCommanderNameList, [&] {
        e.f.cmdAddCommanderName.setEnabled(false);
        e.f.cboCommanderNameDataList.setEnabled(true);
    });
}

void lstItemList_DblClick(Editor& e) {
    removeSelected(e.f.lstItemList, [&] {
        e.f.cboQuillmapItem.setEnabled(true);
        e.f.cboQuillmapItem.setListIndex(0);  // its handler brings back cboGameRandomItem
    });
}

void lstMagicList_DblClick(Editor& e) {
    removeSelected(e.f.lstMagicList, [&] {
        if (!isChecked(e.f.chkClearMagic)) e.f.cmdAddMagic.setEnabled(false);
    });
}

void lstDominionList_DblClick(Editor& e) {
    removeSelected(e.f.lstDominionList, [&] { e.f.cmdAddDominion.setEnabled(false); });
}

void lstScalesList_DblClick(Editor& e) {
    removeSelected(e.f.lstScalesList, [&] { e.f.cmdAddScales.setEnabled(false); });
}

void lstBodyGuardList_DblClick(Editor& e) {
    removeSelected(e.f.lstBodyGuardList, [&] { e.f.cmdAddBodyGuards.setEnabled(false); });
}

void lstUnitList_DblClick(Editor& e) {
    removeSelected(e.f.lstUnitList, [&] { e.f.cmdAddUnits.setEnabled(false); });
}

// ---- Wiring ----

void connectCompose(Editor& e) {
    Form1& f = e.f;
    const auto on = [&e](void (*handler)(Editor&)) { return [&e, handler] { handler(e); }; };

    f.cmdAddToCommanderList.Click = on(cmdAddToCommanderList_Click);
    f.cmdAddToCommanderNameList.Click = on(cmdAddToCommanderNameList_Click);
    f.cmdAddToItemList.Click = on(cmdAddToItemList_Click);
    f.cmdAddToMagicList.Click = on(cmdAddToMagicList_Click);
    f.cmdAddToDominionList.Click = on(cmdAddToDominionList_Click);
    f.cmdAddToScalesList.Click = on(cmdAddToScalesList_Click);
    f.cmdAddToBodyGuardList.Click = on(cmdAddToBodyGuardList_Click);
    f.cmdAddToUnitList.Click = on(cmdAddToUnitList_Click);
    f.cmdAddToNameList.Click = on(cmdAddToNameList_Click);

    f.cmdAddCommander.Click = on(cmdAddCommander_Click);
    f.cmdAddCommanderName.Click = on(cmdAddCommanderName_Click);
    f.cmdAddItem.Click = on(cmdAddItem_Click);
    f.cmdAddMagic.Click = on(cmdAddMagic_Click);
    f.cmdAddDominion.Click = on(cmdAddDominion_Click);
    f.cmdAddScales.Click = on(cmdAddScales_Click);
    f.cmdAddBodyGuards.Click = on(cmdAddBodyGuards_Click);
    f.cmdAddUnits.Click = on(cmdAddUnits_Click);

    f.txtGarrison.Change = on(txtGarrison_Change);
    f.cmdClearGarrison.Click = on(cmdClearGarrison_Click);
    f.chkPretender.Click = on(chkPretender_Click);
    f.cboCommanderNameDataList.Click = on(cboCommanderNameDataList_Click);
    f.chkClearMagic.Click = on(chkClearMagic_Click);
    f.cboQuillmapItem.Click = on(cboQuillmapItem_Click);

    f.txtCommanderID.Change = on(txtCommanderID_Change);
    f.txtBodyGuardID.Change = on(txtBodyGuardID_Change);
    f.txtUnitID.Change = on(txtUnitID_Change);
    f.cmdPullCommander.Click = on(cmdPullCommander_Click);
    f.cmdPullBodyGuards.Click = on(cmdPullBodyGuards_Click);
    f.cmdPullUnits.Click = on(cmdPullUnits_Click);

    f.lstNameList.DblClick = on(lstNameList_DblClick);
    f.lstCommanderList.DblClick = on(lstCommanderList_DblClick);
    f.lstCommanderNameList.DblClick = on(lstCommanderNameList_DblClick);
    f.lstItemList.DblClick = on(lstItemList_DblClick);
    f.lstMagicList.DblClick = on(lstMagicList_DblClick);
    f.lstDominionList.DblClick = on(lstDominionList_DblClick);
    f.lstScalesList.DblClick = on(lstScalesList_DblClick);
    f.lstBodyGuardList.DblClick = on(lstBodyGuardList_DblClick);
    f.lstUnitList.DblClick = on(lstUnitList_DblClick);

    // Item filter: every filter control rebuilds the picker.
    for (ComboBox* choice : {&f.cboItemCategory, &f.cboIP1, &f.cboIL1, &f.cboIP2, &f.cboIL2})
        choice->Click = on(ApplyItemFilter);
    f.chkIP1.Click = [&e] { pairedFilter_Click(e, e.f.chkIP1, e.f.cboIP1); };
    f.chkIL1.Click = [&e] { pairedFilter_Click(e, e.f.chkIL1, e.f.cboIL1); };
    f.chkIP2.Click = [&e] { pairedFilter_Click(e, e.f.chkIP2, e.f.cboIP2); };
    f.chkIL2.Click = [&e] { pairedFilter_Click(e, e.f.chkIL2, e.f.cboIL2); };
    f.chkIArtifacts.Click = [&e] { exclusiveFilter_Click(e, e.f.chkIArtifacts, e.f.chkINoArtifacts); };
    f.chkINoArtifacts.Click = [&e] { exclusiveFilter_Click(e, e.f.chkINoArtifacts, e.f.chkIArtifacts); };
    f.chkISpecial.Click = [&e] { exclusiveFilter_Click(e, e.f.chkISpecial, e.f.chkINoSpecial); };
    f.chkINoSpecial.Click = [&e] { exclusiveFilter_Click(e, e.f.chkINoSpecial, e.f.chkISpecial); };
}

}  // namespace gs
